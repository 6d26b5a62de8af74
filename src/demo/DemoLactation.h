#pragma once

#include "DemoCodes.h"
#include "WoodCurve.h"

#include <cmath>

/// Kilograms of a lactation or of a part of it.
struct LactationYield {
    double milk = NAN;
    double fat = NAN;
    double protein = NAN;
    double lactose = NAN;
};

/// One calving and the lactation after it: closed when it ended (dried off or culled) by the
/// horizon, running otherwise. The yields are those of LactationEvaluation.
struct DemoLactation {
    int cow = -1;
    int parity = 1;
    int calving = 0;
    int end = 0; ///< drying off or culling; after the horizon while the cow still milks
    int previousCalving = 0;
    int herd = 0;
    int barn = 0;
    DemoCodes::Vyradenie ending = DemoCodes::Vyradenie::VStade;
    int calvingEase = 1;
    WoodCurve curve;
    double weight = 0;

    bool closed = false;
    int days = 0;
    int standardDays = 0;
    int lastTest = 0;
    LactationYield total;
    LactationYield standard;
    double persistency = NAN;
    double index = NAN;
    double cellLogMean = NAN;
    bool maximal = false;
};
