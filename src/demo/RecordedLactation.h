#pragma once

#include "LactationYield.h"

#include <cmath>

/// One lactation as milk recording keeps it: what was recorded (calving, end, herd) and what
/// LactationDerivation works out from its test days and from the herd it belongs to.
struct RecordedLactation {
    int cow = -1; ///< index of the cow among the cows derived together
    int parity = 1;
    int calving = 0; ///< Julian day
    int end = 0;     ///< day of drying off or culling; 0 while the cow still milks
    int herd = 0;    ///< the herd she milked it in: her herd-mates milked in the same one
    bool endedByCulling = false;

    /// Among the closed lactations: the cow has calved again, or has been culled. Until then it
    /// is her current lactation, also once she is dried off.
    bool closed = false;
    int days = 0; ///< to its end, or to the last test day while she milks
    int standardDays = 0;
    bool standardEnded = false; ///< it has ended or passed its 305th day
    LactationYield total;
    LactationYield standard;
    double persistency = NAN;
    double index = NAN;
    bool maximal = false;

    bool hasStandardYield() const { return std::isfinite(standard.milk) && standard.milk > 0; }
};

/// What a cow's record sums up of her lactations.
struct CowSummary {
    int closedCount = 0;
    int fullStandardCount = 0;    ///< closed lactations that lasted 305 days
    int maximalLactation = -1;    ///< the closed one with the most standardised milk
    int currentLactation = -1;    ///< none once she is culled
    int lastClosedLactation = -1; ///< the last closed one with a standardised yield
    LactationYield average;       ///< of the closed standardised lactations
    int performanceClass = 0;     ///< 1 to 4 (I to IV), 0 without a class
};
