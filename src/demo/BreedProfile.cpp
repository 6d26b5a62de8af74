#include "BreedProfile.h"

#include "BloodShares.h"

#include <array>

namespace {

// Wood parameters calibrated to 305-day yields of Slovak herds (first and later lactations).
const std::array<BreedProfile, kBreedCount> kProfiles{{
    // SS Slovak Pied
    {{15.9, 0.12, 0.0018}, {16.5, 0.18, 0.0030}, 3.94, 3.48, 27, 2.0, 700, 40, 0.82},
    // PI Pinzgau
    {{11.9, 0.12, 0.0022}, {12.7, 0.17, 0.0033}, 3.85, 3.35, 29, 2.5, 600, 35, 0.70},
    // BR Brown Swiss
    {{15.3, 0.15, 0.0020}, {16.7, 0.20, 0.0033}, 4.10, 3.55, 28, 2.0, 650, 40, 0.78},
    // HR Red Holstein
    {{17.6, 0.20, 0.0030}, {19.5, 0.24, 0.0040}, 3.95, 3.40, 25, 2.0, 670, 40, 0.80},
    // HB Black Holstein
    {{17.6, 0.20, 0.0030}, {19.5, 0.24, 0.0040}, 3.90, 3.38, 25, 2.0, 680, 42, 0.80},
}};

void addWeighted(WoodCurve& sum, const WoodCurve& curve, double weight) {
    sum.a += weight * curve.a;
    sum.b += weight * curve.b;
    sum.c += weight * curve.c;
}

} // namespace

BreedProfile BreedProfile::blend(const BloodShares& blood) {
    BreedProfile mix{};
    for (size_t b = 0; b < kBreedCount; ++b) {
        const double w = blood.fraction(Breed(b));
        if (w == 0)
            continue;
        const BreedProfile& p = kProfiles[b];
        addWeighted(mix.firstLactation, p.firstLactation, w);
        addWeighted(mix.laterLactation, p.laterLactation, w);
        mix.fatPercent += w * p.fatPercent;
        mix.proteinPercent += w * p.proteinPercent;
        mix.firstCalvingMonths += w * p.firstCalvingMonths;
        mix.firstCalvingSdMonths += w * p.firstCalvingSdMonths;
        mix.matureWeight += w * p.matureWeight;
        mix.birthWeight += w * p.birthWeight;
        mix.heiferDailyGain += w * p.heiferDailyGain;
    }
    return mix;
}
