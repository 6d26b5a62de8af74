#pragma once

#include <QString>

class BloodShares;
class DemoRandom;
struct DemoAnimal;

/// The codes of an animal's record that follow from its breed composition and origin: colour,
/// herdbook section, breeding type and the herd it was born in.
class AnimalCodes {
public:
    static int colour(const BloodShares& blood, DemoRandom& random);
    static int herdBook(const BloodShares& blood);
    static int breedingType(const BloodShares& blood);
    /// The herd of birth as the central register writes it.
    static QString birthplace(const DemoAnimal& animal, DemoRandom& random);
};
