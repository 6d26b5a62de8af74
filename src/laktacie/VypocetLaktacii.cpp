#include "VypocetLaktacii.h"

#include <algorithm>
#include <climits>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Persistency compares days 201-300 with days 1-100, so a lactation needs 300 days for it.
constexpr int kDniPerzistencie = 300;

const QString kZasusena = u"00"_s;

/// Yields as milk recording keeps them: milk to 0.1 kg, its contents to 0.01 kg. The summary is
/// computed from these, so that it follows from the lactations as they are kept.
Vynos vedeny(const Vynos& v) {
    return {VypocetLaktacii::zaokruhli(v.mlieko, 1), VypocetLaktacii::zaokruhli(v.tuk, 2),
            VypocetLaktacii::zaokruhli(v.bielkovina, 2), VypocetLaktacii::zaokruhli(v.laktoza, 2)};
}

std::size_t prvaOd(std::span<const KontrolaDna> kontroly, int datum) {
    return std::size_t(std::lower_bound(kontroly.begin(), kontroly.end(), datum,
                                        [](const KontrolaDna& k, int d) { return k.datum < d; }) -
                       kontroly.begin());
}

} // namespace

double VypocetLaktacii::zaokruhli(double hodnota, int desatinne) {
    const double nasobok = std::pow(10.0, desatinne);
    return std::round(hodnota * nasobok) / nasobok;
}

std::vector<VypocetLaktacii::Priebeh> VypocetLaktacii::priebehy(const ZaznamyKravy& zaznamy) {
    std::vector<Priebeh> vysledok;
    const std::vector<Otelenie>& otelenia = zaznamy.otelenia;
    vysledok.reserve(otelenia.size());
    for (std::size_t i = 0; i < otelenia.size(); ++i) {
        const Otelenie& o = otelenia[i];
        const bool posledne = i + 1 == otelenia.size();
        const int dalsie = posledne ? INT_MAX : otelenia[i + 1].datum;
        const bool vyradenaPocas =
            zaznamy.vyradenie != 0 && zaznamy.vyradenie >= o.datum && zaznamy.vyradenie < dalsie;
        Priebeh p;
        p.prebiehajuca = posledne && zaznamy.vyradenie == 0;
        p.prvaKontrola = prvaOd(zaznamy.kontroly, o.datum);
        // Nothing is tested after she left the herd.
        p.koniecKontrol = prvaOd(zaznamy.kontroly, vyradenaPocas ? zaznamy.vyradenie + 1 : dalsie);
        const bool zasusena = o.zasusenie > o.datum && o.zasusenie < dalsie &&
                              (!vyradenaPocas || o.zasusenie <= zaznamy.vyradenie);
        if (zasusena) {
            p.ukoncenie = o.zasusenie;
            p.zmena = kZasusena;
        } else if (vyradenaPocas) {
            p.ukoncenie = zaznamy.vyradenie;
            p.zmena = zaznamy.dovodVyradenia;
        } else if (!p.prebiehajuca) {
            p.ukoncenie =
                p.koniecKontrol > p.prvaKontrola ? zaznamy.kontroly[p.koniecKontrol - 1].datum : 0;
            p.zmena = kZasusena;
        }
        vysledok.push_back(p);
    }
    return vysledok;
}

Vynos VypocetLaktacii::vynosDo(int den) const {
    return {TestIntervalMethod::yieldTo(m_mlieko, den), TestIntervalMethod::yieldTo(m_tuk, den),
            TestIntervalMethod::yieldTo(m_bielkovina, den),
            TestIntervalMethod::yieldTo(m_laktoza, den)};
}

std::vector<Laktacia> VypocetLaktacii::laktacie(const ZaznamyKravy& zaznamy) {
    const std::vector<Priebeh> stavy = priebehy(zaznamy);
    std::vector<Laktacia> vysledok;
    vysledok.reserve(stavy.size());
    for (std::size_t i = 0; i < stavy.size(); ++i) {
        const Otelenie& o = zaznamy.otelenia[i];
        const Priebeh& p = stavy[i];
        const std::span<const KontrolaDna> kontroly =
            zaznamy.kontroly.subspan(p.prvaKontrola, p.koniecKontrol - p.prvaKontrola);

        Laktacia l;
        l.datumOtelenia = o.datum;
        l.poradie = o.poradie;
        l.prebiehajuca = p.prebiehajuca;
        l.ukoncenie = p.ukoncenie;
        l.zmena = p.zmena;
        l.medziobdobie = i > 0 ? o.datum - zaznamy.otelenia[i - 1].datum : 0;
        l.poslednaKontrola = kontroly.empty() ? 0 : kontroly.back().datum;
        // While she milks, the lactation counts to her last test day.
        l.dni = l.ukoncenie != 0          ? l.ukoncenie - o.datum
                : l.poslednaKontrola != 0 ? l.poslednaKontrola - o.datum
                                          : 0;
        if (o.celkovy && o.celkovy->dni >= 0)
            l.dni = o.celkovy->dni;
        l.dniNorm = o.normovany && o.normovany->dni >= 0 ? o.normovany->dni
                                                         : std::min(l.dni, kNormovaneDni);
        if (!l.prebiehajuca || l.ukoncenie != 0 || l.dni >= kNormovaneDni)
            l.koniecNormovanej = o.datum + l.dniNorm;

        m_mlieko.clear();
        m_tuk.clear();
        m_bielkovina.clear();
        m_laktoza.clear();
        for (const KontrolaDna& k : kontroly) {
            const int den = k.datum - o.datum;
            m_mlieko.push_back({den, k.mlieko});
            m_tuk.push_back({den, k.mlieko * k.tukPerc / 100});
            m_bielkovina.push_back({den, k.mlieko * k.bielkovinaPerc / 100});
            m_laktoza.push_back({den, k.mlieko * k.laktozaPerc / 100});
        }
        l.vypocitana = !o.celkovy || !o.normovany;
        if (kontroly.empty()) {
            // A lactation just begun has yielded nothing yet; of a closed one without test days
            // nothing is known.
            const Vynos ziadny = l.prebiehajuca ? Vynos{0, 0, 0, 0} : Vynos{};
            l.celkovy = ziadny;
            l.normovany = ziadny;
        } else {
            l.celkovy = vedeny(vynosDo(l.dni));
            l.normovany = vedeny(vynosDo(l.dniNorm));
            if (l.dni >= kDniPerzistencie) {
                const double zaciatok = TestIntervalMethod::integrate(m_mlieko, 0, 100);
                if (zaciatok > 0)
                    l.perzistencia = VypocetLaktacii::zaokruhli(
                        100 * TestIntervalMethod::integrate(m_mlieko, 200, 300) / zaciatok, 1);
            }
        }
        if (o.celkovy)
            l.celkovy = o.celkovy->vynos;
        if (o.normovany)
            l.normovany = o.normovany->vynos;
        if (std::isfinite(o.perzistencia))
            l.perzistencia = o.perzistencia;
        vysledok.push_back(l);
    }

    Laktacia* najlepsia = nullptr;
    for (Laktacia& l : vysledok)
        if (!l.prebiehajuca && std::isfinite(l.normovany.mlieko) &&
            (!najlepsia || l.normovany.mlieko > najlepsia->normovany.mlieko))
            najlepsia = &l;
    if (najlepsia)
        najlepsia->maximalna = true;
    return vysledok;
}

SuhrnKravy VypocetLaktacii::suhrn(std::span<const Laktacia> laktacie) {
    SuhrnKravy s;
    Vynos sucet{0, 0, 0, 0};
    int sVynosom = 0;
    for (const Laktacia& l : laktacie) {
        s.poslednaKontrola = std::max(s.poslednaKontrola, l.poslednaKontrola);
        if (l.prebiehajuca) {
            s.porPrebLaktacie = l.poradie;
            continue;
        }
        ++s.pocetLaktacii;
        if (l.dni >= kNormovaneDni)
            ++s.pocetNormLaktacii;
        if (!std::isfinite(l.normovany.mlieko))
            continue;
        ++sVynosom;
        sucet.mlieko += l.normovany.mlieko;
        sucet.tuk += l.normovany.tuk;
        sucet.bielkovina += l.normovany.bielkovina;
        sucet.laktoza += l.normovany.laktoza;
        if (l.maximalna) {
            s.porMaxLaktacie = l.poradie;
            s.maximum = l.normovany;
        }
    }
    if (sVynosom > 0)
        s.priemer = {sucet.mlieko / sVynosom, sucet.tuk / sVynosom, sucet.bielkovina / sVynosom,
                     sucet.laktoza / sVynosom};
    return s;
}
