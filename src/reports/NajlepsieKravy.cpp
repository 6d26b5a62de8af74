#include "NajlepsieKravy.h"

#include "ChybaVstupu.h"
#include "TDataModuleTabulky.h"

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// Without a measure chosen (a text of one's own) the cows rank by lifetime milk, and the
// subtitle names that measure as if it had been chosen.
const NajlepsieKravy::Zoradenie bezVyberu{
    {}, u"mlieko_kg_cel"_s, u"celoživotnej úžitkovosti"_s, false};

} // namespace

const std::vector<NajlepsieKravy::Zoradenie>& NajlepsieKravy::zoradenia() {
    static const std::vector<Zoradenie> zoznam = {
        {u"Celoživotnej úžitkovosti"_s, u"mlieko_kg_cel"_s, u"celoživotnej úžitkovosti"_s, false},
        {u"Priemernej úžitkovosti"_s, u"mlieko_priem"_s, u"priemernej úžitkovosti"_s, false},
        {u"Kg mlieka na max. laktácii"_s, u"mlieko_max"_s, u"kg mlieka"_s, true},
        {u"Kg tuku na max. laktácii"_s, u"tuk_max"_s, u"kg tuku"_s, true},
        {u"Kg bielkovín na max. laktácii"_s, u"bielkovina_max"_s, u"kg bielkoviny"_s, true},
        {u"Kg tuku a bielkovín na max. laktácii"_s, u"tuk_bielk_max"_s, u"kg tuku + bielkoviny"_s,
         true},
        {u"Percenta tuku na max. laktácii"_s, u"tuk_perc"_s, u"% tuku"_s, true},
        {u"Percenta bielkovín na max. laktácii"_s, u"bielkovina_perc"_s, u"% bielkoviny"_s, true},
        {u"Percenta tuku a bielkovín na max. laktácii"_s, u"tuk_bielk_perc"_s,
         u"% tuku + bielkoviny"_s, true},
    };
    return zoznam;
}

NajlepsieKravy::StavVelkosti NajlepsieKravy::posud(const QString& velkost) {
    bool cislo = false;
    const qlonglong hodnota = velkost.toLongLong(&cislo);
    if (!cislo)
        return StavVelkosti::Nespravna;
    return hodnota > 1000 ? StavVelkosti::PrilisVelka : StavVelkosti::Dobra;
}

NajlepsieKravy NajlepsieKravy::zo(const VolbaNajlepsich& volba) {
    bool cislo = false;
    const qlonglong pocet = volba.velkost.toLongLong(&cislo);
    if (!cislo || pocet <= 0 || pocet > std::numeric_limits<int>::max())
        throw ChybaVstupu(nespravna + u" Veľkosť skupiny musí byť kladné celé číslo "
                                      u"(počet kusov kráv)."_s);
    return NajlepsieKravy(volba, int(pocet));
}

NajlepsieKravy::NajlepsieKravy(const VolbaNajlepsich& volba, int pocet)
    : m_volba(volba)
    , m_pocet(pocet) {}

const NajlepsieKravy::Zoradenie& NajlepsieKravy::zoradenie() const {
    const std::vector<Zoradenie>& zoznam = zoradenia();
    return m_volba.zoradenie >= 0 && m_volba.zoradenie < int(zoznam.size())
               ? zoznam[std::size_t(m_volba.zoradenie)]
               : bezVyberu;
}

Query* TDataModuleTabulky::*NajlepsieKravy::dotaz() const {
    return zoradenie().maxLaktacia ? &TDataModuleTabulky::ADOQuerytabulka8B
                                   : &TDataModuleTabulky::ADOQueryTabulka8A;
}

QString NajlepsieKravy::sql() const {
    const QString zaciatok = zoradenie().maxLaktacia ? u"SELECT * FROM tab81v1 ORDER BY "_s
                                                     : u"SELECT * FROM tab82v1 ORDER BY "_s;
    // The limit is the number read from the text, so nothing typed reaches the statement. Cows of
    // equal yield rank by their ear number, so that the group is the same at every run.
    return zaciatok + zoradenie().stlpec + u" DESC, usnecislo "_s + u"LIMIT "_s +
           QString::number(m_pocet);
}

QString NajlepsieKravy::zostava() const {
    return zoradenie().maxLaktacia ? u"ReportTabulka8B"_s : u"ReportTabulka8A"_s;
}

QString NajlepsieKravy::podnadpis() const {
    const QString zaciatok = zoradenie().maxLaktacia ? u"(podľa výšky produkcie "_s : u"(podľa "_s;
    return zaciatok + zoradenie().opis + u", "_s + u"skupina "_s + m_volba.velkost +
           u" kusov kráv)"_s;
}
