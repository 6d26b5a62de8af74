#include "DotazyKravy.h"

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
