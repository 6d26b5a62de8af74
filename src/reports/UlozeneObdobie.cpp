#include "UlozeneObdobie.h"

#include "data/Command.h"
#include "data/Connection.h"

#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

std::optional<ObdobieKontrol> UlozeneObdobie::citaj(Connection& spojenie) {
    QSqlQuery riadok = spojenie.execute(u"SELECT kontrolne_obd_od, kontrolne_obd_do FROM param"_s);
    if (!riadok.next() || riadok.value(0).isNull() || riadok.value(1).isNull())
        return std::nullopt;
    return ObdobieKontrol{riadok.value(0).toDate(), riadok.value(1).toDate()};
}

void UlozeneObdobie::zapis(Command& parametre, const ObdobieKontrol& obdobie) {
    parametre.setCommandText(
        u"UPDATE param SET     kontrolne_obd_od = :ObdobieOd,   kontrolne_obd_do = :ObdobieDo"_s);
    parametre.executeStrict({{u"ObdobieOd"_s, obdobie.zaciatok}, {u"ObdobieDo"_s, obdobie.koniec}});
}
