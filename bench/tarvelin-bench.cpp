// Prints the figures of the data layer: private server start, demo generation and load rate,
// and how opening the enterprise's milk controls scales with the herd. Run it alone; the
// figures that matter are the ratios of one run.
#include "DemoDatabase.h"
#include "data/Connection.h"
#include "data/PrivateServer.h"
#include "data/TDataModuleHlavny.h"
#include "demo/DemoHerd.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

double seconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e9;
}

struct Load {
    double generate;
    double total;
};

Load loadHerd(const ConnectionSettings& server, int cows) {
    const DemoHerd herd(DemoHerdOptions{cows, 1});

    QElapsedTimer timer;
    timer.start();
    qint64 bytes = 0;
    herd.generate([&bytes](const QString& statement) { bytes += statement.size(); });
    const double generate = seconds(timer);

    timer.restart();
    installDemoDatabase(server, u"tarvelin_bench_%1"_s.arg(cows), cows);
    return {generate, seconds(timer)};
}

double openMilkControls(const ConnectionSettings& server, int cows, int* rows) {
    ConnectionSettings settings = server;
    settings.database = u"tarvelin_bench_%1"_s.arg(cows);
    TDataModuleHlavny data(settings);
    Query* kontroly = data.ADOQueryKontrolyMlieka;
    kontroly->setParameter(u"Chov"_s,
                           data.ADOQueryParam->text(u"chovatel"_s).left(6) + QLatin1Char('%'));
    kontroly->setParameter(u"Dni"_s, 5000);
    QElapsedTimer timer;
    timer.start();
    kontroly->open();
    *rows = kontroly->recordCount();
    return seconds(timer);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    const int large = args.size() > 1 ? args[1].toInt() : 100000;

    QTemporaryDir folder;
    PrivateServer server(folder.path() + u"/db"_s);
    QElapsedTimer timer;
    timer.start();
    server.start();
    const double firstStart = seconds(timer);
    server.stop();
    timer.restart();
    server.start();
    const double warmStart = seconds(timer);
    std::printf("server first start %.2f s, warm start %.2f s\n", firstStart, warmStart);

    for (int cows : {1000, 10000, large}) {
        const Load load = loadHerd(server.connectionSettings(), cows);
        std::printf("demo %6d cows: generate %.1f s (%.0f cows/s), generate+load %.1f s (%.0f "
                    "cows/s)\n",
                    cows, load.generate, cows / load.generate, load.total, cows / load.total);
        std::fflush(stdout);
    }
    int rows1 = 0;
    int rows10 = 0;
    const double open1 = openMilkControls(server.connectionSettings(), 1000, &rows1);
    const double open10 = openMilkControls(server.connectionSettings(), 10000, &rows10);
    std::printf("ADOQueryKontrolyMlieka, whole enterprise: 1,000 cows %d rows %.2f s; 10,000 "
                "cows %d rows %.2f s; ratio %.1f\n",
                rows1, open1, rows10, open10, open10 / open1);
    server.stop();
    return 0;
}
