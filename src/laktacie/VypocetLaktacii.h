#pragma once

#include "Laktacia.h"
#include "SuhrnKravy.h"
#include "TestIntervalMethod.h"
#include "ZaznamyKravy.h"

#include <span>
#include <vector>

/// Derives a cow's lactations from her records the way milk recording does. The current
/// lactation runs from her latest calving until the next calving or her culling: drying off ends
/// her milking, not the lactation's being the current one. A lactation ends when she is dried
/// off, or when culling ends it while she milks; a closed one whose end nobody recorded ends at
/// its last test day. Its yields are those the source states, or else those of the test interval
/// method over its test days, to its end (or to its last test day while she milks) and over its
/// first 305 days, kept as milk recording keeps them (milk to 0.1 kg, fat, protein and lactose
/// to 0.01 kg, persistency to 0.1).
///
/// The same computation serves every source of records, and holds its working buffers between
/// cows.
class VypocetLaktacii {
public:
    /// Where a lactation stands, known before its yields: current or closed, its end and what
    /// ended it, and the test days that belong to it.
    struct Priebeh {
        bool prebiehajuca = false;
        int ukoncenie = 0;
        QString zmena;
        std::size_t prvaKontrola = 0;  ///< index of its first test day
        std::size_t koniecKontrol = 0; ///< index past its last test day
    };

    /// One for each calving, in order.
    static std::vector<Priebeh> priebehy(const ZaznamyKravy& zaznamy);

    /// The cow's lactations, one for each calving, in order.
    std::vector<Laktacia> laktacie(const ZaznamyKravy& zaznamy);

    /// What her record keeps of them: counts, the best and the average standardised yield of the
    /// closed lactations, her current lactation, her last test day. The average is that of the
    /// yields as kept, so that it follows from the lactations a reader of the database sees.
    static SuhrnKravy suhrn(std::span<const Laktacia> laktacie);

    /// A lactation that reaches this many days is a standardised one.
    static constexpr int kNormovaneDni = 305;

    /// The value to so many decimals as its text would read back (70.2, not 70.2000000000000028).
    static double zaokruhli(double hodnota, int desatinne);

private:
    /// To its day `den` by the test interval method, the last test on or before it carried to it.
    Vynos vynosDo(int den) const;

    std::vector<TestIntervalMethod::Point> m_mlieko, m_tuk, m_bielkovina, m_laktoza;
};
