#include "ObdobieKontrol.h"

#include "ChybaVstupu.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

ObdobieKontrol ObdobieKontrol::navrh(const std::optional<ObdobieKontrol>& ulozene,
                                     const QDate& dnes) {
    if (ulozene && ulozene->zaciatok.isValid() && ulozene->koniec.isValid())
        return *ulozene;
    // QDate::addYears moves 29 February to the 28th of a year without it.
    return {dnes.addYears(-1), dnes};
}

ObdobieKontrol ObdobieKontrol::zo(const QDate& zaciatok, const QDate& koniec) {
    if (!zaciatok.isValid() || !koniec.isValid())
        throw ChybaVstupu(u"Zadajte prvý aj posledný deň kontrolného obdobia."_s);
    if (zaciatok > koniec)
        throw ChybaVstupu(u"Obdobie sa končí skôr, ako sa začína."_s);
    return {zaciatok, koniec};
}

QString ObdobieKontrol::text() const {
    return QLocale().toString(zaciatok, QLocale::ShortFormat) + u" - "_s +
           QLocale().toString(koniec, QLocale::ShortFormat);
}
