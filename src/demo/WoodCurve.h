#pragma once

#include <cmath>

/// Wood's lactation curve y(t) = a·t^b·e^(−c·t): daily milk on day t after calving.
struct WoodCurve {
    double a = 0;
    double b = 0;
    double c = 0;

    double at(double day) const { return a * std::pow(day, b) * std::exp(-c * day); }
};
