#pragma once

#include "Vynos.h"

#include <QString>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

/// One test day as a lactation is computed from it: the day's milk in kg and its contents in
/// percent. When only one milking was weighed these are the day's estimates.
struct KontrolaDna {
    int datum = 0; ///< Julian day
    double mlieko = 0;
    double tukPerc = 0;
    double bielkovinaPerc = 0;
    double laktozaPerc = 0;
};

/// A lactation's length and yield as a source states them.
struct ZnamyVynos {
    int dni = -1; ///< -1 when the source does not state it: the days the lactation has lasted
    Vynos vynos;
};

/// One calving and what is known of the lactation that follows it beyond its test days.
struct Otelenie {
    int datum = 0; ///< Julian day
    int poradie = 1;
    int zasusenie = 0; ///< the day she was dried off; 0 when not known or not yet
    /// Yields stated by the source over the whole lactation and over its first 305 days; what
    /// is not stated is computed from the test days.
    std::optional<ZnamyVynos> celkovy;
    std::optional<ZnamyVynos> normovany;
    double perzistencia = NAN; ///< stated persistency; computed when NAN
};

/// Everything a cow's lactations are derived from.
struct ZaznamyKravy {
    std::vector<Otelenie> otelenia;        ///< in order of date
    std::span<const KontrolaDna> kontroly; ///< in order of date
    int vyradenie = 0;                     ///< the day she was culled; 0 while she is in the herd
    QString dovodVyradenia;                ///< the culling reason's code
};
