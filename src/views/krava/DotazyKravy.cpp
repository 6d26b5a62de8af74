#include "DotazyKravy.h"

#include "data/Query.h"
#include "data/TDataModuleHlavny.h"

using namespace Qt::Literals::StringLiterals;

void DotazyKravy::otvorKravu(TDataModuleHlavny& data, const QString& usneCislo) {
    data.ADOQueryKrava->reopen({{u"UsneCislo"_s, usneCislo}});
}

void DotazyKravy::otvorRodokmen(TDataModuleHlavny& data, const QString& usneCislo) {
    data.ADOQueryRodokmen->reopen({{u"UsneCislo"_s, usneCislo}});
}

void DotazyKravy::otvorLaktacie(TDataModuleHlavny& data, const QString& usneCislo) {
    data.ADOQueryLaktacieKravy->reopen({{u"CisloKravy"_s, usneCislo}});
}

void DotazyKravy::otvorLaktacnuKrivku(TDataModuleHlavny& data, const QString& usneCislo,
                                      int poradie) {
    data.ADOQueryLaktacnaKrivka->reopen({{u"CisloKravy"_s, usneCislo}, {u"Poradie"_s, poradie}});
}

QList<int> DotazyKravy::poradiaLaktacii(TDataModuleHlavny& data, const QString& usneCislo) {
    Query poradia(data.ADOConnectionTarvelin);
    poradia.setSql(
        {u"SELECT l.poradie FROM laktacie l JOIN zvierata z ON z.zviera_id = l.krava_id"_s,
         u"WHERE z.usnecislo = :UsneCislo"_s, u"UNION"_s,
         u"SELECT p.poradie FROM prebiehajuce_laktacie p"_s,
         u"  JOIN zvierata z ON z.zviera_id = p.krava_id"_s, u"WHERE z.usnecislo = :CisloKravy"_s,
         u"ORDER BY poradie"_s});
    poradia.reopen({{u"UsneCislo"_s, usneCislo}, {u"CisloKravy"_s, usneCislo}});
    QList<int> vysledok;
    for (; !poradia.eof(); poradia.next())
        vysledok.append(poradia.value(u"poradie"_s).toInt());
    return vysledok;
}
