#include "SavedReport.h"

#include "data/SlovakLocale.h"

#include "CountingDestination.h"
#include "cli/Console.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/Query.h"
#include "data/ReportReaderAccount.h"
#include "engine/model/ReportConnections.h"
#include "engine/model/ReportProject.h"
#include "engine/model/ReportSystem.h"
#include "reports/DatasetReportDataSet.h"
#include "reports/MakerInfo.h"
#include "reports/PriecinokZostav.h"
#include "unireport/core/DotazyUniZostavy.h"
#include "unireport/core/TlacUniZostavy.h"
#include "unireport/core/VystupZostavy.h"
#include "unireport/core/ZositZostavy.h"

#include <QLocale>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

enum ExitCode { Success = 0, Failure = 1 };

/// The enterprise of the parameter row, which the layout prints, as the main window reads it.
QString enterpriseCode(Connection& connection) {
    Query param(&connection);
    param.setSql({u"select * from param p"_s});
    param.open();
    return param.isEmpty() ? QString() : param.text(u"Chovatel"_s).left(6);
}

} // namespace

void SavedReport::list(Connection& connection) {
    const QList<UlozenaZostava> saved = DotazyUniZostavy::vsetky(connection);
    Console::out() << u"Uložené univerzálne zostavy (--saved NÁZOV):"_s << Qt::endl;
    if (saved.isEmpty())
        Console::out() << u"  (žiadne)"_s << Qt::endl;
    for (const UlozenaZostava& zostava : saved)
        Console::out() << u"  "_s << zostava.Nazov << u"  –  "_s << zostava.Popis << u"  ("_s
                       << zostava.Modifikovana << u")"_s << Qt::endl;
}

int SavedReport::run(const ConnectionSettings& settings, const QString& name, const QString& code,
                     Output output, const QString& file) {
    Connection owner(settings);
    const QList<UlozenaZostava> found = DotazyUniZostavy::podlaNazvu(owner, name);
    if (found.isEmpty()) {
        Console::err() << u"Uložená zostava „%1“ v databáze nie je (zoznam: --list)."_s.arg(name)
                       << Qt::endl;
        return Failure;
    }
    const UlozenaZostava& zostava = found.constFirst();
    if (found.size() > 1)
        Console::err() << u"Zostáv s názvom „%1“ je %2; tlačí sa posledná uložená (%3)."_s.arg(
                              name, QString::number(found.size()), zostava.Modifikovana)
                       << Qt::endl;

    // A changed password of the account is put back before the statement runs under it.
    Connection reader(ReportReaderAccount::create(owner));
    Query vystup(&reader);
    vystup.setObjectName(u"ADOQueryUniZostava"_s);
    const QString enterprise = enterpriseCode(owner);
    VystupZostavy::otvor(
        vystup, zostava, owner, code.isEmpty() ? enterprise : code, [&](std::size_t limit) {
            throw DatabaseError(
                u"Zostava „%1“ má viac ako %2 riadkov, čo je viac, než sa dá naraz vytlačiť. "
                u"Zúžte jej podmienku alebo výber (--code)."_s.arg(
                    zostava.Nazov, QLocale().toString(qulonglong(limit))));
        });

    if (output == Output::Xlsx) {
        ZositZostavy::zapis(vystup, zostava.Nazov, file);
        Console::err() << u"Zostava „%1“: %2 riadkov → %3"_s.arg(
                              zostava.Nazov, QString::number(vystup.recordCount()), file)
                       << Qt::endl;
        return Success;
    }

    ReportSystem system;
    ReportConnections connections;
    DatasetReportDataSet result(vystup);
    connections.publish(u"RvDataSetUniZostava"_s, &result);
    ReportProject project(system, connections, PriecinokZostav::subor(u"TarvelinZostavy.rav"_s));
    const auto destination = std::make_shared<CountingDestination>(
        output == Output::Pdf ? FileDestination::Format::Pdf : FileDestination::Format::Rtf, file);
    system.setDestination(destination);
    TlacUniZostavy(project).tlac(zostava, enterprise, MakerInfo::copyrightLine(),
                                 TlacUniZostavy::sirkyPodlaPoli(vystup.fields()));
    if (!destination->pages()) {
        Console::err() << u"Projekt %1 neobsahuje zostavu %2."_s.arg(project.fileName(),
                                                                     TlacUniZostavy::menoZostavy)
                       << Qt::endl;
        return Failure;
    }
    Console::err()
        << u"Zostava „%1“: %2, %3 → %4"_s.arg(
               zostava.Nazov,
               SlovakLocale::count(vystup.recordCount(), u"riadok"_s, u"riadky"_s, u"riadkov"_s),
               SlovakLocale::count(*destination->pages(), u"strana"_s, u"strany"_s, u"strán"_s),
               file)
        << Qt::endl;
    return Success;
}
