#include "DemoDatabase.h"

#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/PrivateServer.h"
#include "data/SchemaInstaller.h"
#include "demo/DemoHerd.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

ConnectionSettings installDemoDatabase(const ConnectionSettings& server, const QString& name,
                                       int cows) {
    ConnectionSettings settings = server;
    settings.database = name;
    Connection connection(settings);
    const DemoHerd herd(DemoHerdOptions{cows, 1});
    SchemaInstaller(connection)
        .install(SchemaInstaller::IfExists::Replace,
                 [&herd](const SchemaInstaller::StatementSink& sink) { herd.generate(sink); });
    return settings;
}

ConnectionSettings keptDemoDatabase(const ConnectionSettings& server, int cows) {
    const QString name = u"tarvelin_demo_%1"_s.arg(cows);
    ConnectionSettings settings = server;
    settings.database = name;
    Connection connection(settings);
    SchemaInstaller installer(connection);
    if (installer.databaseExists()) {
        try {
            // As the program's start takes it: an older one is brought up to date, one whose
            // installation did not finish is installed again.
            installer.requireComplete();
            installer.upgrade();
            return settings;
        } catch (const DatabaseError&) {
        }
    }
    std::printf("installing a demo database of %d cows...\n", cows);
    std::fflush(stdout);
    return installDemoDatabase(server, name, cows);
}

int runOnBenchmarkServer(QCommandLineParser& parser, const char* usage,
                         const std::function<int(const ConnectionSettings& server)>& body) {
    parser.addHelpOption();
    const QCommandLineOption folderOption(u"datadir"_s,
                                          u"Server data folder kept for the next run."_s, u"DIR"_s);
    parser.addOption(folderOption);
    parser.process(*QCoreApplication::instance());
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s\n", usage);
        return 2;
    }
    QTemporaryDir temporary;
    PrivateServer server(parser.isSet(folderOption) ? parser.value(folderOption)
                                                    : temporary.filePath(u"db"_s));
    try {
        server.start();
        const int result = body(server.connectionSettings());
        server.stop();
        return result;
    } catch (const DatabaseError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        try {
            server.stop();
        } catch (const DatabaseError&) {
            // The first failure is the one to report.
        }
        return 1;
    }
}
