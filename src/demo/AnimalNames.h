#pragma once

#include <QString>

class DemoRandom;

/// Names the breeders give: Slovak names for cows and heifers, names of sires.
class AnimalNames {
public:
    /// sex 1 male, 2 female
    static QString pick(int sex, DemoRandom& random);
};
