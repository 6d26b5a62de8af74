#pragma once

#include "GeneticMerit.h"

class DemoRandom;

/// How genetic merit is passed on in the demo: a yearly gain in milk, half of each parent plus
/// Mendelian sampling, and sires that were selected before they came into service.
class Genetics {
public:
    /// Standard deviations of the additive values (milk is relative to the breed's mean).
    static constexpr GeneticMerit kSd{0.08, 0.15, 0.07, 0.25};

    /// An animal whose parents are unknown: the level of its birth year plus its own deviation.
    static GeneticMerit founder(int birthDay, DemoRandom& random);
    static GeneticMerit offspring(const GeneticMerit& sire, const GeneticMerit& dam,
                                  DemoRandom& random);
    /// A sire in service: progeny testing keeps the bulls well above the cows born with them.
    /// Their merit is drawn anew rather than inherited, so that a breed with few sires does not
    /// drift away from its level.
    static GeneticMerit sire(int birthDay, DemoRandom& random);
};
