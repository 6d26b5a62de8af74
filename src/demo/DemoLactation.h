#pragma once

#include "DemoCodes.h"
#include "WoodCurve.h"

#include "laktacie/Laktacia.h"

#include <cmath>

/// One calving and the lactation after it as the simulation lives it, and as recording keeps it
/// (`recorded`, which LactationEvaluation fills in).
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

    Laktacia recorded;
    double cellLogMean = NAN;
};
