#include "ImportVymeny.h"

#include "CitanieVymeny.h"
#include "KontrolaPrijatych.h"
#include "PrijateUdaje.h"
#include "SubezneCitanie.h"
#include "ZapisImportu.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/ReportReaderAccount.h"
#include "data/SchemaInstaller.h"
#include "data/ServerLock.h"
#include "data/VerziaUdajov.h"

#include <QDate>
#include <malloc.h>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString kCitanie = u"Čítanie a kontrola súboru"_s;

CitacZbierok::Priebeh priebehCitania(const ImportVymeny::Priebeh& priebeh) {
    if (!priebeh)
        return {};
    return [priebeh](qint64 precitane, qint64 velkost) {
        priebeh(kCitanie, precitane, velkost);
    };
}

int dnes() {
    return int(QDate::currentDate().toJulianDay());
}

} // namespace

ImportVymeny::ImportVymeny(ConnectionSettings settings)
    : m_settings(std::move(settings)) {}

PrehladSuboru ImportVymeny::prehlad(const QString& cesta, const Priebeh& priebeh) {
    PrehladSuboru prehlad;
    CitanieVymeny citanie(prehlad, dnes());
    citanie.citaj(cesta, priebehCitania(priebeh));
    prehlad.nastavNepouzite(citanie.nepouziteZbierky());
    return prehlad;
}

SuhrnImportu ImportVymeny::importuj(const QString& cesta, const Priebeh& priebeh) {
    const Priebeh hlasenie = priebeh ? priebeh : [](const QString&, qint64, qint64) {
    };
    Connection connection(m_settings);
    SchemaInstaller(connection).requireUsable();
    const QString databaza = m_settings.database;
    // Two imports into one database would each see the other's records half written.
    ServerLock zamok(connection, ReportReaderAccount::lockName(connection, u"tarvelin-import"_s),
                     0s, u"Do databázy %1 práve importuje iný program."_s.arg(databaza));

    hlasenie(kCitanie, 0, 0);
    PrijateUdaje prijate(connection);
    SubezneCitanie(prijate, dnes()).citaj(cesta, priebehCitania(priebeh));
    prijate.dokonci();
    // The records the reading thread made and this one freed stay with the allocator in pieces
    // too scattered for it to hand back by itself; the writes need none of them.
    malloc_trim(0);
    hlasenie(u"Kontrola súboru voči databáze"_s, 0, 0);
    KontrolaPrijatych::skontroluj(connection, prijate.kontrolyBezDuplicit());

    ZapisImportu zapis(connection);
    zapis.priprav();
    // The import reads what it joins as it stands, without locking it: another import is kept
    // away by the lock above, and row locks on every test day read would outgrow the server's
    // lock table on a large herd.
    connection.executeDirect(u"SET SESSION TRANSACTION ISOLATION LEVEL READ COMMITTED"_s);
    connection.beginTransaction();
    SuhrnImportu suhrn;
    try {
        suhrn = zapis.zapis([&](const QString& krok) { hlasenie(krok, 0, 0); });
        // With the data in the same transaction: the next start rebuilds laktela from them.
        VerziaUdajov::zvys(connection);
        hlasenie(u"Uloženie"_s, 0, 0);
        connection.commit();
    } catch (...) {
        try {
            connection.rollback();
        } catch (const DatabaseError&) {
            // A session that is gone has nothing to roll back: the server did it.
        }
        throw;
    }
    return suhrn;
}
