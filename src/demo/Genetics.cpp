#include "Genetics.h"

#include "DemoRandom.h"

#include <QDate>
#include <cmath>

namespace {

// Milk rises by 0.8 % of the mean a year, counted from the cows born in 2020.
double milkLevel(int birthDay) {
    return 0.008 * double(birthDay - QDate(2020, 1, 1).toJulianDay()) / 365.25;
}

} // namespace

GeneticMerit Genetics::founder(int birthDay, DemoRandom& random) {
    return {milkLevel(birthDay) + random.normal(0, kSd.milk), random.normal(0, kSd.fat),
            random.normal(0, kSd.protein), random.normal(0, kSd.cells)};
}

GeneticMerit Genetics::offspring(const GeneticMerit& sire, const GeneticMerit& dam,
                                 DemoRandom& random) {
    const double half = std::sqrt(0.5);
    return {(sire.milk + dam.milk) / 2 + random.normal(0, half * kSd.milk),
            (sire.fat + dam.fat) / 2 + random.normal(0, half * kSd.fat),
            (sire.protein + dam.protein) / 2 + random.normal(0, half * kSd.protein),
            (sire.cells + dam.cells) / 2 + random.normal(0, half * kSd.cells)};
}

GeneticMerit Genetics::sire(int birthDay, DemoRandom& random) {
    // The advantage in milk makes up for the years between a sire's birth and his daughters':
    // their merit stays at the level of their own birth year.
    return {milkLevel(birthDay) + 0.07 + random.normal(0, kSd.milk / 2),
            random.normal(0, kSd.fat / 2), random.normal(0, kSd.protein / 2),
            random.normal(-0.1, kSd.cells / 2)};
}
