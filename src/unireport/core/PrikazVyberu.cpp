#include "PrikazVyberu.h"

#include "data/DatabaseError.h"

#include <QList>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Polozka {
    qsizetype zaciatok;
    qsizetype koniec;
};

bool jeSlovo(const QString& text, qsizetype at, QLatin1String slovo) {
    const auto hranica = [&](qsizetype i) {
        return i < 0 || i >= text.size() || !(text[i].isLetterOrNumber() || text[i] == u'_');
    };
    return text.mid(at, slovo.size()).compare(slovo, Qt::CaseInsensitive) == 0 && hranica(at - 1) &&
           hranica(at + slovo.size());
}

/// The items of the select list with their places in the statement, trimmed: split at the
/// commas outside quotes and brackets, up to the FROM outside them.
QList<Polozka> polozkyZoznamu(const QString& prikaz) {
    static const QRegularExpression select(u"^\\s*SELECT\\s+"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch zaciatok = select.match(prikaz);
    if (!zaciatok.hasMatch())
        return {};
    QList<Polozka> polozky;
    qsizetype od = zaciatok.capturedEnd();
    QChar uvodzovka;
    int zatvorky = 0;
    const auto pridaj = [&](qsizetype po) {
        qsizetype a = od;
        qsizetype b = po;
        while (a < b && prikaz[a].isSpace())
            ++a;
        while (b > a && prikaz[b - 1].isSpace())
            --b;
        polozky.append({a, b});
    };
    for (qsizetype i = od; i < prikaz.size(); ++i) {
        const QChar c = prikaz[i];
        if (!uvodzovka.isNull()) {
            if (c == u'\\')
                ++i;
            else if (c == uvodzovka)
                uvodzovka = QChar();
        } else if (c == u'\'' || c == u'"' || c == u'`') {
            uvodzovka = c;
        } else if (c == u'(') {
            ++zatvorky;
        } else if (c == u')') {
            --zatvorky;
        } else if (zatvorky == 0 && c == u',') {
            pridaj(i);
            od = i + 1;
        } else if (zatvorky == 0 && c.isSpace() && jeSlovo(prikaz, i + 1, QLatin1String("FROM"))) {
            pridaj(i);
            return polozky;
        }
    }
    return {};
}

const QRegularExpression& alias() {
    static const QRegularExpression vyraz(u"^(.*?)\\s+AS\\s+'((?:[^'\\\\]|''|\\\\.)*)'$"_s,
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    return vyraz;
}

QString citanyRetazec(QString literal) {
    static const QRegularExpression escape(u"\\\\(.)"_s);
    return literal.replace(u"''"_s, u"'"_s).replace(escape, u"\\1"_s);
}

} // namespace

QString PrikazVyberu::zostav(const QString& stlpce, const QString& tabulka,
                             const QString& podmienka) {
    QString prikaz = u"SELECT "_s + stlpce + u" FROM "_s + tabulka;
    if (!podmienka.trimmed().isEmpty())
        prikaz += u" WHERE "_s + podmienka;
    return prikaz;
}

QString PrikazVyberu::premenuj(const QString& prikaz, int stlpec, const QString& nazov,
                               const QString& novyNazov) {
    const QList<Polozka> polozky = polozkyZoznamu(prikaz);
    const auto nenajdeny = [&] {
        return DatabaseError(
            u"Stĺpec „%1“ sa v príkaze zostavy nedá premenovať: výber ho neuvádza menom."_s.arg(
                nazov));
    };
    if (stlpec < 0 || stlpec >= polozky.size())
        throw nenajdeny();
    const Polozka& polozka = polozky[stlpec];
    const QString text = prikaz.mid(polozka.zaciatok, polozka.koniec - polozka.zaciatok);
    const QRegularExpressionMatch sAliasom = alias().match(text);
    const QString meno = sAliasom.hasMatch() ? sAliasom.captured(1) : text;
    const QString titul = sAliasom.hasMatch() ? citanyRetazec(sAliasom.captured(2)) : text;
    if (titul != nazov)
        throw nenajdeny();
    QString novy = prikaz;
    novy.replace(polozka.zaciatok, polozka.koniec - polozka.zaciatok,
                 meno + u" AS "_s + retazec(novyNazov));
    return novy;
}

QString PrikazVyberu::zorad(const QString& prikaz, const QString& stlpec, const QString& smer,
                            const QString& kluc) {
    QString bezTriedenia = prikaz;
    const qsizetype triedenie = bezTriedenia.indexOf(u" ORDER BY"_s);
    if (triedenie >= 0)
        bezTriedenia.truncate(triedenie);
    const QString podla = stlpec.trimmed();
    const bool sKlucom = !kluc.isEmpty() && podla.compare(kluc, Qt::CaseInsensitive) != 0;
    return bezTriedenia.trimmed() + u" ORDER BY "_s + podla + smer +
           (sKlucom ? u", "_s + kluc : QString());
}

QString PrikazVyberu::retazec(const QString& text) {
    QString vnutro = text;
    vnutro.replace(u"\\"_s, u"\\\\"_s).replace(u"'"_s, u"''"_s);
    return u"'"_s + vnutro + u"'"_s;
}
