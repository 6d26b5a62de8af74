#include "DotazyUniZostavy.h"

#include "data/DatabaseError.h"
#include "data/Query.h"
#include "data/TDataModuleHlavny.h"

#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString stlpce =
    u"SELECT zostava_id, nazov, popis, sqlvyraz, modifikovana FROM sys_zostavy"_s;
const QString poradie = u"ORDER BY nazov, modifikovana DESC, zostava_id DESC"_s;

QList<UlozenaZostava> zoznam(Connection& spojenie, const QStringList& prikaz,
                             const ParameterValues& parametre) {
    Query zostavy(&spojenie);
    zostavy.setSql(prikaz);
    zostavy.reopen(parametre);
    QList<UlozenaZostava> vysledok;
    for (zostavy.first(); !zostavy.eof(); zostavy.next())
        vysledok.append(UlozenaZostava::zRiadku(zostavy));
    return vysledok;
}

} // namespace

UlozenaZostava DotazyUniZostavy::nacitaj(TDataModuleHlavny& data, int id) {
    Query& pom = *data.ADOQueryPom;
    pom.close();
    pom.setSql({u"SELECT nazov, popis, sqlvyraz, modifikovana FROM sys_zostavy WHERE "
                u"zostava_id = "_s +
                QString::number(id)});
    pom.open();
    return UlozenaZostava::zRiadku(pom);
}

void DotazyUniZostavy::uloz(TDataModuleHlavny& data, const QString& nazov, const QString& popis,
                            const QString& prikaz) {
    Command& zapis = *data.ADOCommandUniZostava;
    zapis.setCommandText(u"INSERT INTO sys_zostavy (nazov, popis, sqlvyraz, modifikovana) "
                         u"VALUES (:Nazov, :Popis, :SqlVyraz, now())"_s);
    zapis.executeStrict({{u"Nazov"_s, nazov}, {u"Popis"_s, popis}, {u"SqlVyraz"_s, prikaz}});
}

void DotazyUniZostavy::zmaz(TDataModuleHlavny& data, int id) {
    Connection& spojenie = *data.ADOConnectionTarvelin;
    Command& vymaz = *data.ADOCommandUniZostava;
    try {
        spojenie.beginTransaction();
        vymaz.setCommandText(u"DELETE FROM sys_zostavy WHERE zostava_id = "_s +
                             QString::number(id));
        vymaz.execute();
        spojenie.commit();
    } catch (const DatabaseError&) {
        try {
            spojenie.rollback();
        } catch (const DatabaseError&) {
            // A connection that failed in the middle has no transaction left to end.
        }
        throw;
    }
}

QList<UlozenaZostava> DotazyUniZostavy::vsetky(Connection& spojenie) {
    return zoznam(spojenie, {stlpce, poradie}, {});
}

QList<UlozenaZostava> DotazyUniZostavy::podlaNazvu(Connection& spojenie, const QString& nazov) {
    return zoznam(spojenie, {stlpce, u"WHERE nazov = :Nazov"_s, poradie}, {{u"Nazov"_s, nazov}});
}

bool DotazyUniZostavy::existuje(Connection& spojenie, const QString& tabulka) {
    QSqlQuery najdena =
        spojenie.execute(u"SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = "
                         u"database() AND TABLE_NAME = :Tabulka"_s,
                         {{u"Tabulka"_s, tabulka}});
    return najdena.next() && najdena.value(0).toInt() > 0;
}
