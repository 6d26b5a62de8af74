#pragma once

#include <cmath>

/// Kilograms of milk, fat, protein and lactose of a lactation or of a part of it; NAN where
/// nothing is known.
struct Vynos {
    double mlieko = NAN;
    double tuk = NAN;
    double bielkovina = NAN;
    double laktoza = NAN;

    bool operator==(const Vynos&) const = default;
};
