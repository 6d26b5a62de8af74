#pragma once

#include "Vynos.h"

#include <QString>
#include <cmath>

/// One lactation as milk recording keeps it: the current one (from the latest calving of a cow
/// in the herd, in milk or dried off) or a closed one, with its end, length and yields.
struct Laktacia {
    int datumOtelenia = 0;
    int poradie = 1;
    bool prebiehajuca = false;
    /// Dry-off or culling; 0 while in milk, or for a closed lactation whose end is not known
    /// and that has no test day.
    int ukoncenie = 0;
    /// "00" when dried off, the culling reason's code when culling ended it, empty while in milk.
    QString zmena;
    int koniecNormovanej = 0; ///< the day its first 305 days ended; 0 until then
    int medziobdobie = 0;     ///< days since the previous calving; 0 for none
    int dni = 0;
    int dniNorm = 0;
    Vynos celkovy;
    Vynos normovany;
    double perzistencia = NAN;
    /// Standardised milk over its herd-mates' average × 100 (Rovesnice); NAN without herd-mates.
    double index = NAN;
    int poslednaKontrola = 0; ///< 0 without test days
    bool maximalna = false;
    /// Whether its yields come from the test days (as opposed to stated by the source).
    bool vypocitana = false;
};
