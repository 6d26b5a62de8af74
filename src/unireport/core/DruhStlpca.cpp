#include "DruhStlpca.h"

#include "PrikazVyberu.h"
#include "data/FieldDef.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Zapis { Text, Cislo, Datum, DatumCas, Cas };

Zapis zapisPola(FieldKind kind) {
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::SmallInt:
    case FieldKind::AutoIncrement:
    case FieldKind::LargeInt:
    case FieldKind::Decimal:
    case FieldKind::Float:
        return Zapis::Cislo;
    case FieldKind::Date:
        return Zapis::Datum;
    case FieldKind::DateTime:
        return Zapis::DatumCas;
    case FieldKind::Time:
        return Zapis::Cas;
    case FieldKind::Text:
    case FieldKind::FixedText:
    case FieldKind::Other:
        break;
    }
    return Zapis::Text;
}

[[noreturn]] void odmietni(const QString& sprava) {
    throw std::invalid_argument(sprava.toStdString());
}

QString cislo(const QString& hodnota) {
    static const QRegularExpression vyraz(u"^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"_s);
    const QString text = hodnota.trimmed();
    if (!vyraz.match(text).hasMatch())
        odmietni(u"Hodnota „%1“ nie je číslo."_s.arg(hodnota.trimmed()));
    QString zapis = text;
    if (zapis.startsWith(u'+'))
        zapis.remove(0, 1);
    return zapis.replace(u',', u'.');
}

QDate datum(const QString& text) {
    for (const QString& format : {u"yyyy-MM-dd"_s, u"d.M.yyyy"_s}) {
        const QDate den = QDate::fromString(text, format);
        if (den.isValid())
            return den;
    }
    return {};
}

QTime cas(const QString& text) {
    for (const QString& format : {u"H:mm:ss"_s, u"H:mm"_s}) {
        const QTime chvila = QTime::fromString(text, format);
        if (chvila.isValid())
            return chvila;
    }
    return {};
}

QString datumovy(Zapis zapis, const QString& hodnota) {
    static const QRegularExpression medzery(u"\\s+"_s);
    static const QRegularExpression bodka(u"\\.\\s+"_s);
    // "31. 1. 2010" as the Slovak write it, and a time after the date.
    const QString text = hodnota.trimmed();
    const QStringList casti = QString(text).replace(bodka, u"."_s).split(medzery);
    QString vysledok;
    if (zapis == Zapis::Cas && casti.size() == 1 && cas(casti[0]).isValid()) {
        vysledok = cas(casti[0]).toString(u"HH:mm:ss"_s);
    } else if (zapis != Zapis::Cas && casti.size() == 1 && datum(casti[0]).isValid()) {
        vysledok = datum(casti[0]).toString(u"yyyy-MM-dd"_s);
    } else if (zapis == Zapis::DatumCas && casti.size() == 2 && datum(casti[0]).isValid() &&
               cas(casti[1]).isValid()) {
        vysledok = QDateTime(datum(casti[0]), cas(casti[1])).toString(u"yyyy-MM-dd HH:mm:ss"_s);
    } else {
        odmietni(zapis == Zapis::Cas ? u"Hodnota „%1“ nie je čas (napríklad 8:30)."_s.arg(text)
                                     : u"Hodnota „%1“ nie je dátum (napríklad 31.1.2010 alebo "
                                       u"2010-01-31)."_s.arg(text));
    }
    return u"'"_s + vysledok + u"'"_s;
}

QString jednaHodnota(Zapis zapis, const QString& hodnota) {
    switch (zapis) {
    case Zapis::Cislo:
        return cislo(hodnota);
    case Zapis::Datum:
    case Zapis::DatumCas:
    case Zapis::Cas:
        return datumovy(zapis, hodnota);
    case Zapis::Text:
        break;
    }
    return PrikazVyberu::retazec(hodnota);
}

} // namespace

QString DruhStlpca::text(const FieldDef& pole) {
    switch (pole.kind) {
    case FieldKind::Text:
    case FieldKind::FixedText:
        return u"Znakový"_s;
    case FieldKind::SmallInt:
    case FieldKind::Integer:
    case FieldKind::AutoIncrement:
    case FieldKind::LargeInt:
        return u"Celočíselný"_s;
    case FieldKind::Float:
    case FieldKind::Decimal:
        return u"Reálny"_s;
    case FieldKind::Date:
    case FieldKind::Time:
    case FieldKind::DateTime:
        return u"Dátumový"_s;
    case FieldKind::Other:
        break;
    }
    // Only what the program does not interpret (bits, binary data) is unknown to the user too.
    return u"Neznámy"_s;
}

int DruhStlpca::velkost(const FieldDef& pole) {
    switch (pole.kind) {
    case FieldKind::Text:
    case FieldKind::FixedText:
        return pole.size + 1;
    case FieldKind::SmallInt:
        return 2;
    case FieldKind::Integer:
    case FieldKind::AutoIncrement:
    case FieldKind::Date:
    case FieldKind::Time:
        return 4;
    case FieldKind::Float:
    case FieldKind::DateTime:
    case FieldKind::LargeInt:
        return 8;
    case FieldKind::Decimal:
        return 34;
    case FieldKind::Other:
        break;
    }
    return 0;
}

QString DruhStlpca::hodnota(const FieldDef& pole, const QString& operacia, const QString& hodnota) {
    // A pattern is compared as text whatever the column holds.
    if (operacia == u"LIKE"_s)
        return PrikazVyberu::retazec(hodnota);
    const Zapis zapis = zapisPola(pole.kind);
    if (operacia != u"BETWEEN"_s)
        return jednaHodnota(zapis, hodnota);
    static const QRegularExpression spojka(u"\\s+AND\\s+"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    const QStringList hranice = hodnota.trimmed().split(spojka);
    if (hranice.size() != 2)
        odmietni(u"Pre operátor BETWEEN zadajte dve hodnoty spojené slovom AND, napríklad "
                 u"1 AND 5."_s);
    return jednaHodnota(zapis, hranice[0]) + u" AND "_s + jednaHodnota(zapis, hranice[1]);
}
