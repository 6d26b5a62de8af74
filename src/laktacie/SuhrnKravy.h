#pragma once

#include "Vynos.h"

/// What a cow's record keeps of her closed lactations, and her current lactation.
struct SuhrnKravy {
    int porPrebLaktacie = 0; ///< the order of her current lactation, in milk or dry; 0 once culled
    int porMaxLaktacie = 0;  ///< 0 without a closed lactation with a yield
    int pocetLaktacii = 0;   ///< closed lactations
    int pocetNormLaktacii = 0; ///< closed lactations of at least 305 days
    Vynos maximum;             ///< standardised yield of the closed lactation with the most milk
    Vynos priemer;             ///< average standardised yield of the closed lactations
    int poslednaKontrola = 0;
};
