#include "KontrolyZaObdobie.h"

#include "data/Query.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString pevnyDatum = u"'2006-03-30'"_s;
constexpr int vsetkyKontroly = 5000;

/// Rewrites the reference date in place, keeping the rest of the statement and any order a
/// title click appended to it.
void odPoslednehoKontrolnehoDna(Query& kontroly) {
    QStringList riadky = kontroly.sql();
    bool zmenene = false;
    for (QString& riadok : riadky) {
        if (riadok.contains(pevnyDatum)) {
            riadok.replace(pevnyDatum, KontrolyZaObdobie::poslednyKontrolnyDen());
            zmenene = true;
        }
    }
    if (zmenene)
        kontroly.setSql(riadky);
}

} // namespace

QString KontrolyZaObdobie::poslednyKontrolnyDen() {
    return u"(SELECT max(datum) FROM kontroly)"_s;
}

void KontrolyZaObdobie::otvor(Query& kontroly, const QString& filter, const QVariant& hodnota,
                              int dni) {
    kontroly.close();
    odPoslednehoKontrolnehoDna(kontroly);
    kontroly.reopen({{filter, hodnota}, {u"Dni"_s, dni == 0 ? vsetkyKontroly : dni}});
}
