#pragma once

#include "HraniceMlieka.h"
#include "NajlepsieKravy.h"
#include "ObdobieKontrol.h"
#include "PocetDcer.h"

#include <optional>

/// What a report was given to run with, its inputs asked and found sound; only those the
/// report asks for are set.
struct ZadanieZostavy {
    std::optional<PocetDcer> pocetDcer;
    std::optional<HraniceMlieka> hraniceMlieka;
    std::optional<ObdobieKontrol> obdobie;
    std::optional<NajlepsieKravy> najlepsieKravy;
};
