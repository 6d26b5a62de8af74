#include "SuhrnImportu.h"

#include <QLocale>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

bool SuhrnImportu::bezZmien() const {
    for (const Pocty* p : {&lokality, &zvierata, &laktacie, &kontroly, &hodnoty})
        if (p->pridane != 0 || p->zmenene != 0)
            return false;
    return true;
}

QString SuhrnImportu::text() const {
    const QLocale locale;
    QStringList riadky;
    const std::pair<const char*, const Pocty*> druhy[] = {{"Podniky, chovy a maštale", &lokality},
                                                          {"Zvieratá", &zvierata},
                                                          {"Laktácie", &laktacie},
                                                          {"Kontroly úžitkovosti", &kontroly},
                                                          {"Plemenné hodnoty", &hodnoty}};
    for (const auto& [nazov, p] : druhy)
        riadky << u"%1: pridané %2, zmenené %3, nezmenené %4"_s.arg(
            QString::fromUtf8(nazov), locale.toString(p->pridane), locale.toString(p->zmenene),
            locale.toString(p->nezmenene));
    riadky << (bezZmien() ? u"Databáza už obsahovala všetko, čo je v súbore; nič sa nezmenilo."_s
                          : u"Import je dokončený."_s);
    return riadky.join(u'\n');
}
