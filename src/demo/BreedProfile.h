#pragma once

#include "WoodCurve.h"

class BloodShares;

/// What a breed is like in a Slovak herd: its lactation curves, milk composition, age at first
/// calving and body weights. A crossbred animal gets the average weighted by blood shares.
struct BreedProfile {
    WoodCurve firstLactation;
    WoodCurve laterLactation;
    double fatPercent = 0;
    double proteinPercent = 0;
    double firstCalvingMonths = 0;
    double firstCalvingSdMonths = 0;
    double matureWeight = 0;
    double birthWeight = 0;
    double heiferDailyGain = 0;

    static BreedProfile blend(const BloodShares& blood);
};
