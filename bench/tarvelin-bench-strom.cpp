// Prints how the program's start scales from a 1,000-cow to a 10,000-cow enterprise: the time
// from the start to a usable main window (splash hold, instances, the show step's working table
// and herd tree, the first paint) against what cannot be saved, the start-up's statements sent
// alone plus the splash hold; then the herd tree's build and the first herd-frame load. Each
// figure is the best of three runs. Run it alone.
#include "DemoDatabase.h"
#include "app/DotazyHlavnehoOkna.h"
#include "app/SpustenieProgramu.h"
#include "app/TFormHlavny.h"
#include "app/strom/DotazyStromu.h"
#include "app/strom/StromChovov.h"
#include "data/ConfigFile.h"
#include "data/DatabaseLocation.h"
#include "data/PrivateServer.h"
#include "data/Query.h"
#include "data/TDataModuleHlavny.h"
#include "reports/TDataModuleTabulky.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int splashHoldMs = 2000;
constexpr int runs = 3;

double seconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e9;
}

struct Figures {
    int animals = 0;
    double start = 0;      ///< start to a usable main window, splash hold included
    double statements = 0; ///< the start-up's statements alone
    double laktela = 0;    ///< of which the working table laktela
    double build = 0;      ///< the tree's build inside the window
    double firstLoad = 0;  ///< the first herd-frame load after the start
};

/// Sends what the start sends, with nothing on screen: the data modules' opening statements,
/// the working table and every statement of the tree's build, each result read in full.
void sendStartStatements(const ConnectionSettings& settings, Figures& figures) {
    QElapsedTimer timer;
    timer.start();
    TDataModuleHlavny data(settings);
    TDataModuleTabulky tabulky(data.ADOConnectionTarvelin);
    QElapsedTimer laktela;
    laktela.start();
    DotazyHlavnehoOkna::prebudujLaktela(*tabulky.ADOCommandParametre);
    figures.laktela = seconds(laktela);
    Connection* connection = data.ADOConnectionTarvelin;
    const QString podnik = data.ADOQueryParam->text(u"Chovatel"_s).left(6);
    for (const auto chovy = DotazyStromu::chovy(connection, podnik); !chovy->eof(); chovy->next()) {
        const QString chov = podnik + chovy->text(u"chov"_s);
        for (const auto mastale = DotazyStromu::mastale(connection, chov); !mastale->eof();
             mastale->next()) {
            const auto zvierata =
                DotazyStromu::zvierata(connection, chov + mastale->text(u"mastal"_s));
            for (; !zvierata->eof(); zvierata->next())
                zvierata->text(u"usnecislo"_s);
        }
    }
    figures.statements = seconds(timer);
}

/// The program's own start on the benchmark's database, named in the configuration file as an
/// external server, until the main window has painted itself.
void startProgram(Figures& figures) {
    QElapsedTimer timer;
    timer.start();
    SpustenieProgramu program;
    program.zdrzanieUvoduMs = splashHoldMs;
    if (!program.zacni())
        qFatal("the program did not start");
    TFormHlavny* okno = program.instancie().FormHlavny;
    auto* strom = okno->findChild<StromChovov*>(u"StromChovov"_s);
    QElapsedTimer build;
    QObject::connect(strom, &StromChovov::budovanieZacate, [&build] { build.start(); });
    QObject::connect(strom, &StromChovov::budovanieSkoncene, [&](int pocet) {
        figures.build = seconds(build);
        figures.animals = pocet;
    });
    okno->showMaximized();
    QApplication::processEvents();
    figures.start = seconds(timer);

    auto* stromZvierat = okno->findChild<QTreeWidget*>(u"TreeViewZvierata"_s);
    timer.restart();
    stromZvierat->setCurrentItem(stromZvierat->topLevelItem(0));
    figures.firstLoad = seconds(timer);
}

Figures measure(const ConnectionSettings& server, int cows) {
    const ConnectionSettings settings =
        installDemoDatabase(server, u"tarvelin_strom_%1"_s.arg(cows), cows);
    ConfigFile::write(DatabaseLocation::section, u"Socket"_s, settings.socket);
    ConfigFile::write(DatabaseLocation::section, u"Pouzivatel"_s, settings.user);
    ConfigFile::write(DatabaseLocation::section, u"Heslo"_s, settings.password);
    ConfigFile::write(DatabaseLocation::section, u"Nazov"_s, settings.database);
    // Once to bring the server's caches to where a program started every day finds them; then
    // the best of a few runs, as the machine is shared and a single run may be held up.
    Figures figures;
    sendStartStatements(settings, figures);
    Figures best;
    for (int run = 0; run < runs; ++run) {
        startProgram(figures);
        sendStartStatements(settings, figures);
        if (run == 0 || figures.start < best.start) {
            best.start = figures.start;
            best.build = figures.build;
            best.firstLoad = figures.firstLoad;
            best.animals = figures.animals;
        }
        if (run == 0 || figures.statements < best.statements) {
            best.statements = figures.statements;
            best.laktela = figures.laktela;
        }
    }
    return best;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir folder;
    PrivateServer server(folder.path() + u"/db"_s);
    server.start();
    const Figures small = measure(server.connectionSettings(), 1000);
    const Figures large = measure(server.connectionSettings(), 10000);
    for (const Figures& f : {small, large}) {
        const double floor = f.statements + splashHoldMs / 1000.0;
        std::printf("%6d animals: start to a usable window %.2f s; start-up statements alone "
                    "%.2f s (laktela %.2f s) + splash hold %.2f s = %.2f s; ratio %.2f "
                    "(goal 1.5)\n",
                    f.animals, f.start, f.statements, f.laktela, splashHoldMs / 1000.0, floor,
                    f.start / floor);
        std::printf("%6d animals: tree build %.2f s, first herd-frame load %.2f s\n", f.animals,
                    f.build, f.firstLoad);
    }
    std::printf("ratio 10,000 / 1,000: tree build %.1f, first herd-frame load %.1f\n",
                large.build / small.build, large.firstLoad / small.firstLoad);
    QFile::remove(ConfigFile::path());
    server.stop();
    return 0;
}
