// Prints how fast reports come out: pages per second for a 2,000-row cow list written to PDF
// (layout and PDF apart); for every report of the catalogue that is available, on a 2,000-cow
// and a 10,000-cow enterprise, the time its working tables take to rebuild and its queries take
// to read, against the time of the whole run from the handler to its pages (preparation, working
// tables, queries, layout) and on to a PDF file as the report runner writes it, the best of
// three each; the same for reports 2, 9.D, 11.A and 15 of a 100,000-cow enterprise, once each;
// and the whole book of reports of the first two enterprises. A run to pages that takes more
// than ten times its rebuild and queries is marked, as is a 10,000-cow book that takes ten times
// the 2,000-cow one, and the program then exits with 1. Run it alone; it installs the demo herds
// on a server of its own.
//
//   tarvelin-bench-zostavy [--datadir DIR]
//
// --datadir keeps the server's data folder, and the demo databases in it, for the next run:
// installing the 100,000-cow one takes minutes.
#include "DemoDatabase.h"
#include "engine/model/FileDestination.h"
#include "engine/model/PageModel.h"
#include "engine/model/PageModelDestination.h"
#include "reports/KatalogZostav.h"
#include "reports/KnihaZostav.h"
#include "reports/PrikazyPripravy.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"
#include "reports/ZadaneVstupyZostav.h"

#include <QCommandLineParser>
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
    if (polozka.zostava == "ReportTabulka10A"_L1)
        queries.push_back(tabulky.ADOQueryTabulka10K);
    return queries;
}

/// Returns false when the run from the handler to its pages took more than kMaxRatio times its
/// rebuild and queries. Each is timed as often as asked and the best time counts, so that a busy
/// machine does not decide the ratio.
bool measureReport(const ConnectionSettings& settings, const PolozkaKatalogu& polozka,
                   const QString& pdf, int runs) {
    Connection connection(settings);
    TDataModuleTabulky tabulky(&connection);
    StavZostav stav;
    stav.KodPodniku = u"208123"_s;
    ZadaneVstupyZostav vstupy;
    vstupy.nastavPocetDcer(u"5"_s);
    TlacZostavy tlac(tabulky, stav, vstupy, {});
    const auto pages = std::make_shared<PageModelDestination>();
    const auto file = std::make_shared<FileDestination>(FileDestination::Format::Pdf, pdf);
    tabulky.RvSystemTabulky.setDestination(pages);
    // The first run leaves the parameter row, the working tables and the queries' statements and
    // parameters as the queries alone read them.
    tlac.tlac(polozka);
    const int pageCount = pages->runs().at(0).pageCount();
    const std::vector<Query*> queries = queriesOf(polozka, tabulky);
    const auto closeQueries = [&queries] {
        for (Query* query : queries)
            query->close();
    };
    closeQueries();
    double rebuild = 1e9;
    double alone = 1e9;
    double toPages = 1e9;
    double toPdf = 1e9;
    int rows = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        PrikazyPripravy::posli(*tabulky.ADOCommandParametre, polozka.pripravnePrikazy, nullptr);
        rebuild = std::min(rebuild, seconds(timer));

        timer.restart();
        rows = 0;
        PrikazyPripravy::posli(*tabulky.ADOCommandParametre, polozka.pripravnePrikazy, nullptr);
        for (Query* query : queries) {
            query->open();
            rows += query->recordCount();
        }
        alone = std::min(alone, seconds(timer));
        closeQueries();

        for (const auto& [destination, best] :
             {std::pair<std::shared_ptr<ReportDestination>, double*>{pages, &toPages},
              {file, &toPdf}}) {
            tabulky.RvSystemTabulky.setDestination(destination);
            timer.restart();
            tlac.tlac(polozka);
            *best = std::min(*best, seconds(timer));
            closeQueries();
        }
    }
    const double ratio = toPages / (rebuild + alone);
    std::printf("%-5s %7d rows %5d pages   rebuild %6.3f s   query %6.3f s   to pages %6.3f s   "
                "to PDF %6.3f s   %5.1f x%s\n",
                qPrintable(polozka.kod), rows, pageCount, rebuild, alone, toPages, toPdf, ratio,
                ratio > kMaxRatio ? "   TOO SLOW" : "");
    return ratio <= kMaxRatio;
}

/// The whole book of the enterprise as tarvelin-report --all makes it: the reports to pages,
/// then the PDF file. Returns the seconds of the whole.
double measureBook(const ConnectionSettings& settings, int cows, const QString& pdf) {
    Connection connection(settings);
    TDataModuleTabulky tabulky(&connection);
    StavZostav stav;
    stav.KodVyberu = u"208123"_s;
    stav.KodPodniku = stav.KodVyberu;
    ZadaneVstupyZostav vstupy;
    QElapsedTimer timer;
    timer.start();
    KnihaZostav kniha(tabulky, stav, vstupy, {});
    const PageModel pages = kniha.tlac().value();
    const double layout = seconds(timer);
    FileDestination(FileDestination::Format::Pdf, pdf).deliver(pages);
    const double whole = seconds(timer);
    std::printf("book of %zu reports, %6d cows: %5d pages, to pages %6.2f s, with PDF %6.2f s\n",
                KnihaZostav::zostavy().size(), cows, pages.pageCount(), layout, whole);
    return whole;
}

int run(const ConnectionSettings& server) {
    QTemporaryDir folder;
    const ConnectionSettings small = keptDemoDatabase(server, 2000);
    const ConnectionSettings large = keptDemoDatabase(server, 10000);
    const ConnectionSettings national = keptDemoDatabase(server, 100000);
    measureList(large, folder.filePath(u"zoznam.pdf"_s));

    bool fast = true;
    for (const auto& [settings, cows] : {std::pair{small, 2000}, std::pair{large, 10000}}) {
        std::printf("reports of the enterprise, %d cows (1.A and 1.B for 5 daughters):\n", cows);
        for (const PolozkaKatalogu& polozka : KatalogZostav::polozky())
            if (polozka.jeZostava())
                fast =
                    measureReport(settings, polozka, folder.filePath(u"zostava.pdf"_s), 3) && fast;
    }
    std::printf("reports of the enterprise, 100000 cows, once each:\n");
    const QStringList nationalReports = {u"2"_s, u"9.D"_s, u"11.A"_s, u"15"_s};
    for (const PolozkaKatalogu& polozka : KatalogZostav::polozky())
        if (polozka.jeZostava() && nationalReports.contains(polozka.kod))
            fast = measureReport(national, polozka, folder.filePath(u"zostava.pdf"_s), 1) && fast;

    const double smallBook = measureBook(small, 2000, folder.filePath(u"kniha2000.pdf"_s));
    const double largeBook = measureBook(large, 10000, folder.filePath(u"kniha10000.pdf"_s));
    const double bookRatio = largeBook / smallBook;
    std::printf("book of 10,000 cows over 2,000: %.1f x%s\n", bookRatio,
                bookRatio >= kMaxRatio ? "   TOO SLOW" : "");
    return fast && bookRatio < kMaxRatio ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
    QCommandLineParser parser;
    return runOnBenchmarkServer(parser, "Použitie: tarvelin-bench-zostavy [--datadir PRIEČINOK]",
                                run);
}
