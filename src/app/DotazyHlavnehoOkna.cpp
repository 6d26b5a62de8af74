#include "DotazyHlavnehoOkna.h"

#include "data/Command.h"
#include "data/ReportReaderAccount.h"
#include "data/ServerLock.h"
#include "data/VerziaUdajov.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString vytvorenieLaktela =
    u"CREATE TABLE laktela (otec varchar(14) NULL, matka varchar(14) NULL)select  l.*, "
    u"j.usnecislo as usnecislotelata from jalovice_view j right join  laktacie_view l  on  "
    u"l.datumotelenia = j.datumnarodenia                                   and l.krava_id = "
    u"j.matka_id ; "_s;

QString odtlacokPrikazu() {
    return QString::fromLatin1(
        QCryptographicHash::hash(vytvorenieLaktela.toUtf8(), QCryptographicHash::Sha1).toHex());
}

struct StavLaktela {
    bool aktualna = false;
    /// The version of the herd's data now; none when the database keeps none.
    std::optional<qint64> verzia;
};

StavLaktela stavLaktela(Connection& spojenie) {
    QSqlQuery tabulky = spojenie.execute(
        u"SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA = database() AND "
        u"TABLE_NAME IN ('laktela', :Verzia)"_s,
        {{u"Verzia"_s, VerziaUdajov::tabulka}});
    bool laktela = false;
    bool vedena = false;
    while (tabulky.next()) {
        const QString nazov = tabulky.value(0).toString();
        laktela = laktela || nazov.compare(u"laktela"_s, Qt::CaseInsensitive) == 0;
        vedena = vedena || nazov.compare(VerziaUdajov::tabulka, Qt::CaseInsensitive) == 0;
    }
    if (!vedena)
        return {};
    QSqlQuery riadok = spojenie.execute(u"SELECT verzia, laktela, laktela_prikaz FROM "
                                        u"verzia_udajov WHERE verzia_id = 1"_s);
    if (!riadok.next())
        return {};
    const qint64 verzia = riadok.value(0).toLongLong();
    return {laktela && !riadok.value(1).isNull() && riadok.value(1).toLongLong() == verzia &&
                riadok.value(2).toString() == odtlacokPrikazu(),
            verzia};
}

} // namespace

void DotazyHlavnehoOkna::prebudujLaktela(Command& parametre) {
    parametre.setCommandText(u"DROP TABLE IF EXISTS laktela;"_s);
    parametre.execute();
    parametre.setCommandText(vytvorenieLaktela);
    parametre.execute();
}

bool DotazyHlavnehoOkna::obnovLaktela(Command& parametre, Connection& spojenie,
                                      const std::function<void()>& predPrestavbou) {
    if (stavLaktela(spojenie).aktualna)
        return false;
    if (predPrestavbou)
        predPrestavbou();
    // A second program would drop the table under the first one's build, or fail to create it.
    // The name is one the reading account's free SQL cannot take to hold every start up.
    ServerLock zamok(spojenie, ReportReaderAccount::lockName(spojenie, u"tarvelin-laktela"_s), 120s,
                     u"Pracovnú tabuľku laktácií (laktela) už dlhšie zostavuje iný program na tej "
                     u"istej databáze."_s);
    // The other one may have built it while this one waited.
    const StavLaktela stav = stavLaktela(spojenie);
    if (stav.aktualna)
        return false;
    prebudujLaktela(parametre);
    // The version read before the build: a writer that raised it meanwhile gets its data into
    // the next build.
    if (stav.verzia)
        spojenie.execute(u"UPDATE verzia_udajov SET laktela = :Verzia, laktela_prikaz = :Prikaz "
                         u"WHERE verzia_id = 1"_s,
                         {{u"Verzia"_s, *stav.verzia}, {u"Prikaz"_s, odtlacokPrikazu()}});
    return true;
}
