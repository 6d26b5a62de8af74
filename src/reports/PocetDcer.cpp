#include "PocetDcer.h"

#include "ChybaVstupu.h"

using namespace Qt::Literals::StringLiterals;

PocetDcer PocetDcer::zo(const std::optional<QString>& zadany) {
    PocetDcer vysledok;
    vysledok.text = zadany.value_or(u"1"_s);
    if (vysledok.text.isEmpty())
        vysledok.text = u"0"_s;
    bool cislo = false;
    vysledok.pocet = vysledok.text.trimmed().toInt(&cislo, 10);
    if (!cislo || vysledok.pocet < 0)
        throw ChybaVstupu(u"Nesprávna hodnota počtu dcér."_s);
    return vysledok;
}
