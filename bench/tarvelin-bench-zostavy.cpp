// Prints how fast reports come out: pages per second for a 2,000-row cow list written to PDF
// (layout and PDF apart), and for every report of the catalogue that is available, on a
// 10,000-cow enterprise, the time its database work takes alone (its preparation statements and
// queries) against the time of the whole run as the report runner does it (preparation, queries,
// layout, PDF file), the best of three each. A run that takes more than ten times its database
// work is marked, and the program then exits with 1. Run it alone; it installs the demo herd on a
// server of its own.
#include "DemoDatabase.h"
#include "data/PrivateServer.h"
#include "engine/model/FileDestination.h"
#include "engine/model/PageModel.h"
#include "engine/model/PageModelDestination.h"
#include "reports/KatalogZostav.h"
#include "reports/PrikazyPripravy.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"
#include "reports/ZadaneVstupyZostav.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double kMaxRatio = 10;

double seconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e9;
}

void measureList(const ConnectionSettings& settings, const QString& pdf) {
    Connection connection(settings);
    TDataModuleTabulky tabulky(&connection);
    Query* zoznam = tabulky.ADOQueryTabulka5kravy;
    zoznam->setSql({u"SELECT * FROM tab50v3kravy ORDER BY usnecislo LIMIT 2000"_s});
    zoznam->open();
    tabulky.RvProjectTabulky.open();

    const auto pages = std::make_shared<PageModelDestination>();
    tabulky.RvSystemTabulky.setDestination(pages);
    QElapsedTimer timer;
    timer.start();
    tabulky.RvProjectTabulky.executeReport(u"ReportTabulka5Kravy"_s);
    const double layout = seconds(timer);
    const int count = pages->runs().at(0).pageCount();

    tabulky.RvSystemTabulky.setDestination(
        std::make_shared<FileDestination>(FileDestination::Format::Pdf, pdf));
    timer.restart();
    tabulky.RvProjectTabulky.executeReport(u"ReportTabulka5Kravy"_s);
    const double whole = seconds(timer);
    std::printf("list of %d rows, %d pages: layout %.2f s (%.0f pages/s), layout + PDF %.2f s "
                "(%.0f pages/s)\n",
                zoznam->recordCount(), count, layout, count / layout, whole, count / whole);
}

/// The queries a run of the report reads: those its handler opens, and those its layout has the
/// engine open.
std::vector<Query*> queriesOf(const PolozkaKatalogu& polozka, TDataModuleTabulky& tabulky) {
    std::vector<Query*> queries;
    for (Query* TDataModuleTabulky::*member : polozka.dotazy)
        queries.push_back(tabulky.*member);
    if (polozka.zostava == "ReportTabulka1B"_L1)
        queries.insert(queries.end(),
                       {tabulky.ADOQueryTabulka1B, tabulky.ADOQueryTabulka1Bpriemer});
    return queries;
}

/// Returns false when the whole run took more than kMaxRatio times its queries. Each is timed
/// three times and the best time counts, so that a busy machine does not decide the ratio.
bool measureReport(const ConnectionSettings& settings, const PolozkaKatalogu& polozka,
                   const QString& pdf) {
    Connection connection(settings);
    TDataModuleTabulky tabulky(&connection);
    StavZostav stav;
    stav.KodPodniku = u"208123"_s;
    ZadaneVstupyZostav vstupy;
    vstupy.nastavPocetDcer(u"5"_s);
    TlacZostavy tlac(tabulky, stav, vstupy, {});
    const auto pages = std::make_shared<PageModelDestination>();
    tabulky.RvSystemTabulky.setDestination(pages);
    tlac.tlac(polozka);
    const int pageCount = pages->runs().at(0).pageCount();

    // The queries alone read the parameter row the run wrote.
    if (polozka.priprava == PolozkaKatalogu::Priprava::SkupinaPlemien)
        tabulky.ADOQueryTabulka5kravy->setSql({polozka.sqlSkupiny});
    const std::vector<Query*> queries = queriesOf(polozka, tabulky);
    tabulky.RvSystemTabulky.setDestination(
        std::make_shared<FileDestination>(FileDestination::Format::Pdf, pdf));
    double alone = 1e9;
    double whole = 1e9;
    int rows = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        rows = 0;
        PrikazyPripravy::posli(*tabulky.ADOCommandParametre, polozka.pripravnePrikazy, nullptr);
        for (Query* query : queries) {
            query->open();
            rows += query->recordCount();
        }
        alone = std::min(alone, seconds(timer));
        for (Query* query : queries)
            query->close();

        timer.restart();
        tlac.tlac(polozka);
        whole = std::min(whole, seconds(timer));
    }
    const double ratio = whole / alone;
    std::printf("%-5s %7d rows %5d pages   database %6.3f s   whole run %6.3f s   %5.1f x%s\n",
                qPrintable(polozka.kod), rows, pageCount, alone, whole, ratio,
                ratio > kMaxRatio ? "   TOO SLOW" : "");
    return ratio <= kMaxRatio;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
    QTemporaryDir folder;
    PrivateServer server(folder.path() + u"/db"_s);
    server.start();
    const ConnectionSettings large =
        installDemoDatabase(server.connectionSettings(), u"tarvelin_zostavy_10000"_s, 10000);
    measureList(large, folder.filePath(u"zoznam.pdf"_s));

    std::printf("reports of the enterprise, 10,000 cows (1.A and 1.B for 5 daughters):\n");
    bool fast = true;
    for (const PolozkaKatalogu& polozka : KatalogZostav::polozky())
        if (polozka.dostupna)
            fast = measureReport(large, polozka, folder.filePath(u"zostava.pdf"_s)) && fast;
    server.stop();
    return fast ? 0 : 1;
}
