#include "ZoradPodlaStlpca.h"

#include "widgets/GuardedHandler.h"

#include "data/Query.h"
#include "widgets/DBGrid.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString vzostupne = u"ASC"_s;
const QString zostupne = u"DESC"_s;
const QString klauzula = u" ORDER BY"_s;

/// The statement as one text, every line ended by a line break.
QString textDotazu(const Query& query) {
    QString text;
    for (const QString& riadok : query.sql())
        text += riadok + QLatin1Char('\n');
    return text;
}

/// Lines of a text; a line break at its end opens no further line.
QStringList riadky(const QString& text) {
    QStringList vysledok = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        vysledok.removeLast();
    return vysledok;
}

/// Removes blanks and control characters from both ends.
QString orezany(const QString& text) {
    qsizetype zaciatok = 0;
    qsizetype koniec = text.size();
    while (zaciatok < koniec && text[zaciatok] <= QLatin1Char(' '))
        ++zaciatok;
    while (koniec > zaciatok && text[koniec - 1] <= QLatin1Char(' '))
        --koniec;
    return text.mid(zaciatok, koniec - zaciatok);
}

/// The field name as SQL text: a plain name stands as it is, any other one is quoted, so that
/// a column alias of a saved report cannot end the clause.
QString identifikator(const QString& nazovPola) {
    static const QRegularExpression jednoduchy(u"^[A-Za-z_][A-Za-z0-9_]*$"_s);
    if (jednoduchy.match(nazovPola).hasMatch())
        return nazovPola;
    QString ohraniceny = nazovPola;
    ohraniceny.replace(QLatin1Char('`'), u"``"_s);
    return QLatin1Char('`') + ohraniceny + QLatin1Char('`');
}

} // namespace

void ZoradPodlaStlpca(DBGrid& grid, Query& query, StavZoradenia& stav, int stlpec) {
    // The field is taken from the open query itself, never from the title's text: only a name
    // the server delivered may enter the statement.
    const int pole = query.isOpen() ? query.fieldIndex(grid.fieldName(stlpec)) : -1;
    if (pole < 0)
        return;
    const QString nazovPola = query.fields()[pole].name;

    if (stav.SmerZoradenia.isEmpty())
        stav.SmerZoradenia = vzostupne;
    if (stav.ZoradenePodla == nazovPola)
        stav.SmerZoradenia = stav.SmerZoradenia == vzostupne ? zostupne : vzostupne;
    stav.ZoradenePodla = nazovPola;

    QString text = textDotazu(query);
    if (const qsizetype zaciatokKlauzuly = text.indexOf(klauzula); zaciatokKlauzuly >= 0)
        text = orezany(text.left(zaciatokKlauzuly)) + QLatin1Char('\n');
    text += klauzula + QLatin1Char(' ') + identifikator(nazovPola) + QLatin1Char(' ') +
            stav.SmerZoradenia;
    query.close();
    query.setSql(riadky(text));
    query.open();

    const QColor okno = grid.palette().color(QPalette::Base);
    for (int i = 0; i < grid.model()->columnCount(); ++i)
        grid.setColumnColor(i, okno);
    grid.setColumnColor(stlpec, QColor(230, 255, 230));
}

void pripojZoradenie(QObject* kontext, DBGrid* grid, Query* query, StavZoradenia* stav) {
    QObject::connect(grid, &DBGrid::titleClicked, kontext, guarded([grid, query, stav](int stlpec) {
                         ZoradPodlaStlpca(*grid, *query, *stav, stlpec);
                     }));
}
