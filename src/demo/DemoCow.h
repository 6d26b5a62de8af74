#pragma once

#include "DemoCodes.h"

#include "laktacie/SuhrnKravy.h"

#include <cmath>

/// A cow in recording, in the herd or culled, with what her test days depend on and the
/// summary of her lactations that LactationEvaluation fills in.
struct DemoCow {
    int animal = -1;
    int herd = 0;
    int barn = 0;  ///< the barn she stands in now, or stood in when culled
    int entry = 0; ///< first calving in the herd (or the calving she was bought with)
    int culled = 0;
    DemoCodes::Vyradenie reason = DemoCodes::Vyradenie::VStade;
    bool purchased = false;

    double milkFactor = 1;     ///< genetic merit and permanent environment together
    double fatPercent = 0;     ///< her own level of fat content
    double proteinPercent = 0; ///< her own level of protein content
    double cellEffect = 0;     ///< her own level of ln somatic cells
    double ureaEffect = 0;

    int firstLactation = 0; ///< her lactations are contiguous once the simulation has ended
    int lactationCount = 0;

    SuhrnKravy summary;
    int performanceClass = 0; ///< 1 to 4 (I to IV), 0 without a class
    bool dry = false;         ///< dried off at the horizon, waiting for her next calving
    bool bullDam = false;
    bool healthy = true;
};
