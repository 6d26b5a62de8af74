#pragma once

#include "Laktacia.h"

#include <span>
#include <vector>

/// What a lactation and a cow are worth against their herd-mates:
/// - the lactation index: standardised milk over the average of the lactations of the same herd,
///   calving year and lactation number that ended, not cut short by culling;
/// - the performance class of a cow: fat and protein of her last closed standardised lactation
///   over the average of her herd-mates, the standardised lactations of the cows still in the
///   herd that calved in the same herd and year in the same lactation (first, second, third and
///   later), hers among them.
class Rovesnice {
public:
    /// Where a lactation was milked and whose it is.
    struct Miesto {
        int krava = 0; ///< index of the cow among those compared, from 0
        int stado = 0; ///< her herd-mates milked in the same herd
        bool kravaVStade = true;
    };

    /// Sets the index of each lactation and returns each cow's class (1 to 4 for I to IV, 0
    /// without one). `miesta` go with `laktacie` one to one; the lactations come in any order.
    static std::vector<int> porovnaj(std::span<Laktacia> laktacie, std::span<const Miesto> miesta,
                                     std::size_t pocetKrav);

    /// The class of a ratio of fat and protein to the herd-mates' average, in per cent: I from
    /// 115, II from 105, III from 95, IV below.
    static int trieda(double pomer);
};
