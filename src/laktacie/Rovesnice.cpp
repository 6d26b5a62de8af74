#include "Rovesnice.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Sucty {
    double hodnota = 0;
    int pocet = 0;

    void pridaj(double h) {
        hodnota += h;
        ++pocet;
    }
    double priemer() const { return hodnota / pocet; }
};

using Skupina = std::tuple<int, int, int>;

int rokOtelenia(const Laktacia& l) {
    return QDate::fromJulianDay(l.datumOtelenia).year();
}

Skupina skupinaIndexu(const Laktacia& l, const Rovesnice::Miesto& m) {
    return {m.stado, rokOtelenia(l), l.poradie};
}

// The first, the second and the third and later lactations apart, as the herd-mate comparison
// of sires groups them.
Skupina skupinaTriedy(const Laktacia& l, const Rovesnice::Miesto& m) {
    return {m.stado, rokOtelenia(l), std::min(l.poradie, 3)};
}

bool maNormovanyVynos(const Laktacia& l) {
    return std::isfinite(l.normovany.mlieko) && l.normovany.mlieko > 0;
}

double tukABielkovina(const Laktacia& l) {
    return l.normovany.tuk + l.normovany.bielkovina;
}

bool ukoncena(const Laktacia& l) {
    return l.ukoncenie != 0;
}

// A lactation that culling cut short ends with the culling reason's code, not with a dry-off.
bool ukoncenaVyradenim(const Laktacia& l) {
    return ukoncena(l) && l.zmena != u"00"_s;
}

} // namespace

std::vector<int> Rovesnice::porovnaj(std::span<Laktacia> laktacie, std::span<const Miesto> miesta,
                                     std::size_t pocetKrav) {
    std::map<Skupina, Sucty> preIndex;
    std::map<Skupina, Sucty> preTriedu;
    for (std::size_t i = 0; i < laktacie.size(); ++i) {
        const Laktacia& l = laktacie[i];
        if (!maNormovanyVynos(l))
            continue;
        if (ukoncena(l) && !ukoncenaVyradenim(l))
            preIndex[skupinaIndexu(l, miesta[i])].pridaj(l.normovany.mlieko);
        if ((!l.prebiehajuca || l.koniecNormovanej != 0) && miesta[i].kravaVStade)
            preTriedu[skupinaTriedy(l, miesta[i])].pridaj(tukABielkovina(l));
    }

    // The last closed lactation with a standardised yield of each cow.
    std::vector<const Laktacia*> posledna(pocetKrav, nullptr);
    std::vector<const Miesto*> jejMiesto(pocetKrav, nullptr);
    for (std::size_t i = 0; i < laktacie.size(); ++i) {
        Laktacia& l = laktacie[i];
        const auto rovesnice = preIndex.find(skupinaIndexu(l, miesta[i]));
        l.index = ukoncena(l) && maNormovanyVynos(l) && rovesnice != preIndex.end()
                      ? 100 * l.normovany.mlieko / rovesnice->second.priemer()
                      : NAN;
        const auto krava = std::size_t(miesta[i].krava);
        if (!l.prebiehajuca && maNormovanyVynos(l) &&
            (!posledna[krava] || l.poradie > posledna[krava]->poradie)) {
            posledna[krava] = &l;
            jejMiesto[krava] = &miesta[i];
        }
    }

    std::vector<int> triedy(pocetKrav, 0);
    for (std::size_t k = 0; k < pocetKrav; ++k) {
        if (!posledna[k])
            continue;
        const auto rovesnice = preTriedu.find(skupinaTriedy(*posledna[k], *jejMiesto[k]));
        if (rovesnice != preTriedu.end())
            triedy[k] = trieda(100 * tukABielkovina(*posledna[k]) / rovesnice->second.priemer());
    }
    return triedy;
}

int Rovesnice::trieda(double pomer) {
    return pomer >= 115 ? 1 : pomer >= 105 ? 2 : pomer >= 95 ? 3 : 4;
}
