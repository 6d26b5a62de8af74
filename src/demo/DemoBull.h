#pragma once

#include "Breed.h"

/// A sire: his line (index into DemoCodes::kLinie), his register number within the line and the
/// days he is in service; popularity weighs how often breeders choose him.
struct DemoBull {
    int animal = -1;
    Breed breed = Breed::HB;
    int line = 0;
    int registerNumber = 0;
    int serialNumber = 0;
    double popularity = 1;
    int inServiceFrom = 0;
    int inServiceTo = 0;
    bool insemination = true;
};
