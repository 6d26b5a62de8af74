// tarvelin-db: starts, stops and queries the private database server of a data folder and
// installs the program's database, with a demo herd if asked, there or on another server.

#include "cli/CommandLine.h"
#include "cli/ConnectionOptions.h"
#include "cli/Console.h"
#include "cli/InterruptHandler.h"
#include "cli/UsageProblem.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/PrivateServer.h"
#include "data/SchemaInstaller.h"
#include "data/SlovakLocale.h"
#include "demo/DemoHerd.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <limits>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

enum ExitCode { Success = 0, Failure = 1, UsageError = 2, NotRunning = 3 };

struct Options {
    ConnectionOptions connection;
    QCommandLineOption demo{u"demo"_s, u"install: naplní databázu demo stádom N kráv."_s, u"N"_s};
    QCommandLineOption seed{u"seed"_s,
                            u"install: semienko demo stáda (predvolené: 1); rovnaké "
                            u"semienko, rovnaké stádo."_s,
                            u"S"_s, u"1"_s};
    QCommandLineOption replace{u"replace"_s, u"install: nahradí existujúcu databázu wtarvelinhd "
                                             u"so všetkými jej údajmi."_s};
};

int start(PrivateServer server) {
    server.start();
    Console::err() << (server.startedServer() ? u"Server je spustený (proces %1)."_s
                                              : u"Server už beží (proces %1)."_s)
                          .arg(server.runningPid())
                   << Qt::endl;
    Console::out() << server.socketPath() << Qt::endl;
    return Success;
}

int stop(PrivateServer server) {
    const bool running = server.isRunning();
    // Also clears a stale pid or socket when no server runs.
    server.stop();
    Console::err() << (running ? u"Server je zastavený."_s : u"Server nebežal."_s) << Qt::endl;
    return Success;
}

int status(const PrivateServer& server) {
    if (!server.canTellWhetherRunning()) {
        Console::out() << u"Či server pre %1 beží, sa nedá zistiť: priečinok patrí inému "
                          "používateľovi."_s.arg(server.dataFolder())
                       << Qt::endl;
        return Failure;
    }
    if (!server.isRunning()) {
        Console::out() << u"Server pre %1 nebeží."_s.arg(server.dataFolder()) << Qt::endl;
        return NotRunning;
    }
    if (!server.answers()) {
        Console::out() << u"Server pre %1 beží (proces %2), ale neodpovedá ani po %3 s. Zastavte "
                          "ho (tarvelin-db --datadir „%1“ stop) a spustite znova."_s.arg(
                              server.dataFolder(), QString::number(server.runningPid()),
                              QString::number(PrivateServer::answerTimeLimit().count()))
                       << Qt::endl;
        return Failure;
    }
    Console::out() << u"Server pre %1 beží (proces %2, soket %3)."_s.arg(
                          server.dataFolder(), QString::number(server.runningPid()),
                          server.socketPath())
                   << Qt::endl;
    return Success;
}

SchemaInstaller::StatementProducer demoHerd(int cows, quint32 seed) {
    return
        [cows, seed](const SchemaInstaller::StatementSink& sink) {
            QElapsedTimer clock;
            clock.start();
            qint64 statements = 0;
            qint64 shownAt = 0;
            DemoHerd(DemoHerdOptions{cows, seed}).generate([&](const QString& statement) {
                sink(statement);
                ++statements;
                if (clock.elapsed() - shownAt >= 1000) {
                    shownAt = clock.elapsed();
                    Console::err()
                        << u"\rDemo stádo: %1 príkazov, %2 s"_s.arg(statements).arg(shownAt / 1000)
                        << Qt::flush;
                }
            });
            const double seconds = std::max(clock.elapsed(), qint64(1)) / 1000.0;
            Console::err() << u"\rDemo stádo: %1 kráv (%2 príkazov) za %3 s, %4 kráv/s."_s.arg(cows)
                                  .arg(statements)
                                  .arg(seconds, 0, 'f', 1)
                                  .arg(cows / seconds, 0, 'f', 0)
                           << Qt::endl;
        };
}

using DatabaseAction = std::function<void(Connection& connection)>;

// Runs the action on the database the options name. A server this command started for itself
// is stopped again, unless other programs came to use it meanwhile.
int onDatabase(const QCommandLineParser& parser, const Options& options,
               const DatabaseAction& action) {
    std::optional<PrivateServer> server;
    const auto stopOwnServer = [&] {
        if (server && server->startedServer())
            server->stopUnlessInUse();
    };
    const ConnectionSettings settings = options.connection.settings(parser, server);
    try {
        ConnectionSettings serverLogin = settings;
        serverLogin.database.clear();
        try {
            Connection(serverLogin).open();
        } catch (const DatabaseError& error) {
            throw DatabaseError(
                u"Pripojenie k databázovému serveru zlyhalo: %1"_s.arg(error.message()));
        }
        Connection connection(settings);
        action(connection);
    } catch (...) {
        try {
            stopOwnServer();
        } catch (const DatabaseError&) {
            // The command's failure is the one to report.
        }
        throw;
    }
    stopOwnServer();
    return Success;
}

int install(const QCommandLineParser& parser, const Options& options) {
    SchemaInstaller::StatementProducer contents;
    if (parser.isSet(options.demo))
        contents = demoHerd(int(ConnectionOptions::number(parser, options.demo, 1, 10'000'000)),
                            quint32(ConnectionOptions::number(
                                parser, options.seed, 0, std::numeric_limits<quint32>::max())));
    return onDatabase(parser, options, [&](Connection& connection) {
        QElapsedTimer clock;
        clock.start();
        SchemaInstaller(connection)
            .install(parser.isSet(options.replace) ? SchemaInstaller::IfExists::Replace
                                                   : SchemaInstaller::IfExists::Refuse,
                     contents);
        Console::err() << u"Databáza %1 je nainštalovaná (%2 s)."_s
                              .arg(connection.settings().database)
                              .arg(clock.elapsed() / 1000.0, 0, 'f', 1)
                       << Qt::endl;
    });
}

int upgrade(const QCommandLineParser& parser, const Options& options) {
    return onDatabase(parser, options, [](Connection& connection) {
        SchemaInstaller installer(connection);
        installer.requireUsable();
        const QStringList scripts = installer.upgrade();
        Console::err() << (scripts.isEmpty()
                               ? u"Databáza %1 je aktuálna."_s.arg(connection.settings().database)
                               : u"Databáza %1 dostala skripty %2."_s.arg(
                                     connection.settings().database, scripts.join(u", "_s)))
                       << Qt::endl;
    });
}

int run(const QCommandLineParser& parser, const Options& options) {
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 1)
        throw UsageProblem(u"Zadajte jeden príkaz: start, stop, status, install alebo upgrade."_s);
    const QString command = arguments.constFirst();
    const bool installing = command == u"install"_s;
    const bool upgrading = command == u"upgrade"_s;
    if (!installing &&
        (parser.isSet(options.demo) || parser.isSet(options.seed) || parser.isSet(options.replace)))
        throw UsageProblem(u"Voľby --demo, --seed a --replace patria k príkazu install."_s);
    options.connection.check(parser);
    if (!installing && !upgrading && options.connection.external(parser))
        throw UsageProblem(u"Príkazy start, stop a status sa týkajú len súkromného "
                           u"servera; voľby pripojenia k nim nepatria."_s);
    if (installing)
        return install(parser, options);
    if (upgrading)
        return upgrade(parser, options);
    if (command == u"start"_s)
        return start(options.connection.privateServer(parser));
    if (command == u"stop"_s)
        return stop(options.connection.privateServer(parser));
    if (command == u"status"_s)
        return status(options.connection.privateServer(parser));
    throw UsageProblem(u"Neznámy príkaz %1."_s.arg(command));
}

} // namespace

int main(int argc, char* argv[]) {
    InterruptHandler::install();
    QCoreApplication application(argc, argv);
    CommandLine::useSlovak(application);
    QCoreApplication::setApplicationName(u"tarvelin-db"_s);
    QCoreApplication::setApplicationVersion(QString::fromUtf8(TARVELIN_VERSION));
    SlovakLocale::install(application);

    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Spúšťa, zastavuje a zisťuje súkromný databázový server programu Tarvelin "
        u"a inštaluje databázu wtarvelinhd (na súkromný alebo iný server) alebo ju dopĺňa "
        u"skriptami novšej verzie (upgrade)."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"príkaz"_s, u"start | stop | status | install | upgrade"_s);
    parser.addOptions(options.connection.all());
    parser.addOptions({options.demo, options.seed, options.replace});
    try {
        CommandLine::parse(parser, application.arguments());
        return run(parser, options);
    } catch (const UsageProblem& problem) {
        Console::err() << problem.message() << Qt::endl
                       << u"Pomoc: tarvelin-db --help"_s << Qt::endl;
        return UsageError;
    } catch (const DatabaseError& error) {
        Console::err() << error.message() << Qt::endl;
        return Failure;
    }
}
