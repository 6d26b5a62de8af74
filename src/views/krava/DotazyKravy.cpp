#include "DotazyKravy.h"

#include "data/TDataModuleHlavny.h"

using namespace Qt::Literals::StringLiterals;

void DotazyKravy::otvorKravu(TDataModuleHlavny& data, const QString& usneCislo) {
    data.ADOQueryKrava->close();
    data.ADOQueryKrava->setParameter(u"UsneCislo"_s, usneCislo);
    data.ADOQueryKrava->open();
}

void DotazyKravy::otvorLaktacie(TDataModuleHlavny& data, const QString& usneCislo) {
    data.ADOQueryLaktacieKravy->close();
    data.ADOQueryLaktacieKravy->setParameter(u"CisloKravy"_s, usneCislo);
    data.ADOQueryLaktacieKravy->open();
}

void DotazyKravy::otvorLaktacnuKrivku(TDataModuleHlavny& data, const QString& usneCislo,
                                      int poradie) {
    data.ADOQueryLaktacnaKrivka->close();
    data.ADOQueryLaktacnaKrivka->setParameter(u"CisloKravy"_s, usneCislo);
    data.ADOQueryLaktacnaKrivka->setParameter(u"Poradie"_s, poradie);
    data.ADOQueryLaktacnaKrivka->open();
}
