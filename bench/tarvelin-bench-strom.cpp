// Prints how the herd tree's build and the first herd-frame load scale from a 1,000-cow to a
// 10,000-cow enterprise (the build sends one statement per barn). Run it alone.
#include "DemoDatabase.h"
#include "app/ProgramInstances.h"
#include "app/TFormHlavny.h"
#include "app/TFormOAplikacii.h"
#include "app/strom/StromChovov.h"
#include "data/PrivateServer.h"
#include "data/TDataModuleHlavny.h"
#include "reports/TDataModuleTabulky.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Figures {
    double build;
    double firstLoad;
    int animals;
};

Figures measure(const ConnectionSettings& server, int cows) {
    const ConnectionSettings settings =
        installDemoDatabase(server, u"tarvelin_strom_%1"_s.arg(cows), cows);
    ProgramInstances instances;
    TDataModuleHlavny data(settings);
    instances.DataModuleHlavny = &data;
    TFormHlavny okno(instances);
    instances.FormHlavny = &okno;
    TFormOAplikacii about;
    instances.FormOAplikacii = &about;
    TDataModuleTabulky tabulky(data.ADOConnectionTarvelin);
    instances.DataModuleTabulky = &tabulky;
    const QString podnik = data.ADOQueryParam->text(u"chovatel"_s).left(6);

    auto* strom = okno.findChild<StromChovov*>(u"StromChovov"_s);
    auto* stromZvierat = okno.findChild<QTreeWidget*>(u"TreeViewZvierata"_s);
    int zvierata = 0;
    QObject::connect(strom, &StromChovov::budovanieSkoncene,
                     [&zvierata](int pocet) { zvierata = pocet; });

    QElapsedTimer timer;
    timer.start();
    strom->NaplnStrom(podnik);
    const double build = double(timer.nsecsElapsed()) / 1e9;
    timer.restart();
    stromZvierat->setCurrentItem(stromZvierat->topLevelItem(0));
    const double firstLoad = double(timer.nsecsElapsed()) / 1e9;
    return {build, firstLoad, zvierata};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir folder;
    PrivateServer server(folder.path() + u"/db"_s);
    server.start();
    const Figures small = measure(server.connectionSettings(), 1000);
    const Figures large = measure(server.connectionSettings(), 10000);
    for (const Figures& f : {small, large})
        std::printf("%6d animals: tree build %.2f s, first herd-frame load %.2f s\n", f.animals,
                    f.build, f.firstLoad);
    std::printf("ratio 10,000 / 1,000: tree build %.1f, first herd-frame load %.1f\n",
                large.build / small.build, large.firstLoad / small.firstLoad);
    server.stop();
    return 0;
}
