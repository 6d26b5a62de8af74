#include "RozdielLaktela.h"

#include "data/Connection.h"

#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

namespace {

// The lactation, the cow, the parents forced to text, a figure and the calf.
const QString stlpce = u"laktacia_id, usnecislo, otec, matka, poradie, datumotelenia, "
                       u"chovatel, mlieko_celk, usnecislotelata"_s;

// Written here on its own rather than taken from the program, so that a fault in the program's
// statement shows.
const QString zdroj = u"SELECT l.*, j.usnecislo AS usnecislotelata FROM jalovice_view j RIGHT "
                      u"JOIN laktacie_view l ON l.datumotelenia = j.datumnarodenia AND "
                      u"l.krava_id = j.matka_id"_s;

qint64 pocet(Connection& spojenie, const QString& sql) {
    QSqlQuery q = spojenie.execute(u"SELECT count(*) FROM ("_s + sql + u") rozdiel"_s);
    return q.next() ? q.value(0).toLongLong() : -1;
}

} // namespace

qint64 rozdielLaktela(Connection& spojenie) {
    const QString laktela = u"SELECT "_s + stlpce + u" FROM laktela"_s;
    const QString zostavena = u"SELECT "_s + stlpce + u" FROM ("_s + zdroj + u") z"_s;
    return pocet(spojenie, laktela + u" EXCEPT ALL "_s + zostavena) +
           pocet(spojenie, zostavena + u" EXCEPT ALL "_s + laktela);
}
