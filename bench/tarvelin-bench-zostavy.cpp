// Prints how fast reports come out: pages per second for a 2,000-row cow list written to PDF
// (layout and PDF apart), and the time from the handler's start to the finished pages of
// report 9.D on a 1,000-cow and a 10,000-cow enterprise (the preview shows its first page once
// the layout is done). Run it alone; it installs both demo herds on a server of its own.
#include "DemoDatabase.h"
#include "data/PrivateServer.h"
#include "engine/model/FileDestination.h"
#include "engine/model/PageModelDestination.h"
#include "reports/KatalogZostav.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

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

void measure9D(const ConnectionSettings& settings, int cows) {
    Connection connection(settings);
    TDataModuleTabulky tabulky(&connection);
    const auto pages = std::make_shared<PageModelDestination>();
    tabulky.RvSystemTabulky.setDestination(pages);
    StavZostav stav;
    stav.KodPodniku = u"208123"_s;
    QElapsedTimer timer;
    timer.start();
    TlacZostavy(tabulky, stav, {}).tlac(*KatalogZostav::najdi(u"9.D"_s));
    std::printf("report 9.D, %5d cows: %.2f s from the handler's start to %d finished pages\n",
                cows, seconds(timer), pages->runs().at(0).pageCount());
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
    QTemporaryDir folder;
    PrivateServer server(folder.path() + u"/db"_s);
    server.start();
    const ConnectionSettings small =
        installDemoDatabase(server.connectionSettings(), u"tarvelin_zostavy_1000"_s, 1000);
    const ConnectionSettings large =
        installDemoDatabase(server.connectionSettings(), u"tarvelin_zostavy_10000"_s, 10000);
    measureList(large, folder.filePath(u"zoznam.pdf"_s));
    measure9D(small, 1000);
    measure9D(large, 10000);
    server.stop();
    return 0;
}
