#pragma once

#include "Breed.h"

#include <array>
#include <vector>

class DemoRandom;

/// The breed composition of an animal in eighths (steps of 12.5 %), always summing to a whole.
class BloodShares {
public:
    static constexpr int kWhole = 8;

    static BloodShares pure(Breed breed);
    /// Two breeds, the first with the given eighths and the second with the rest.
    static BloodShares mix(Breed first, int eighths, Breed second);
    /// A calf gets half of each parent; odd sixteenths go up or down by chance, the way
    /// inheritance samples them, so that the calf stays in whole eighths.
    static BloodShares cross(const BloodShares& sire, const BloodShares& dam, DemoRandom& random);
    /// The composition the other parent must have had for this child of `parent`.
    static BloodShares otherParent(const BloodShares& child, const BloodShares& parent);

    int eighths(Breed breed) const { return m_eighths[size_t(breed)]; }
    double fraction(Breed breed) const { return double(eighths(breed)) / kWhole; }
    /// The breed with the largest share (the first in breed order on a tie).
    Breed main() const;
    /// Breeds present, largest share first.
    std::vector<Breed> ranked() const;

private:
    std::array<int, kBreedCount> m_eighths{};
};
