#pragma once

#include <cmath>

/// Kilograms of a lactation or of a part of it.
struct LactationYield {
    double milk = NAN;
    double fat = NAN;
    double protein = NAN;
    double lactose = NAN;
};
