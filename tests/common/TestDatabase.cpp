#include "TestDatabase.h"

#include "data/DatabaseError.h"
#include "data/PrivateServer.h"
#include "data/SchemaInstaller.h"
#include "data/VerziaUdajov.h"
#include "demo/DemoHerd.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

ConnectionSettings databaseSettings(const QString& name) {
    static const QRegularExpression notInName(u"[^a-z0-9_]"_s);
    ConnectionSettings settings = TestDatabase::serverSettings();
    settings.database = u"tarvelin_test_"_s + name.toLower().replace(notInName, u"_"_s);
    return settings;
}

} // namespace

TestDatabase::TestDatabase(const QString& name)
    : m_connection(databaseSettings(name)) {
    SchemaInstaller(m_connection, QString::fromUtf8(TARVELIN_SQL_DIR))
        .install(SchemaInstaller::IfExists::Replace);
}

TestDatabase::~TestDatabase() {
    if (qEnvironmentVariableIsSet("TARVELIN_KEEP_TEST_DB"))
        return;
    try {
        m_connection.executeDirect(
            u"DROP DATABASE IF EXISTS `%1`"_s.arg(m_connection.settings().database));
    } catch (const DatabaseError& error) {
        qWarning().noquote() << error.message();
    }
}

ConnectionSettings TestDatabase::serverSettings() {
    const QString folder = qEnvironmentVariableIsSet("TARVELIN_TEST_DATADIR")
                               ? qEnvironmentVariable("TARVELIN_TEST_DATADIR")
                               : QString::fromUtf8(TARVELIN_TEST_DATADIR_DEFAULT);
    PrivateServer server(folder);
    server.start();
    if (server.startedServer())
        qInfo().noquote() << u"Test server started; it keeps running for the next "
                             u"tests until: tarvelin-db --datadir %1 stop"_s.arg(folder);
    return server.connectionSettings();
}

void TestDatabase::loadDemo(int cows, quint32 seed) {
    SchemaInstaller(m_connection, QString::fromUtf8(TARVELIN_SQL_DIR))
        .load([&](const SchemaInstaller::StatementSink& sink) {
            DemoHerd(DemoHerdOptions{cows, seed}).generate(sink);
        });
}

void TestDatabase::exec(const QString& sql) {
    m_connection.executeDirect(sql);
    // A fixture writes the herd's data as any other writer does.
    VerziaUdajov::zvys(m_connection);
}

TestDatabase::ToolRun TestDatabase::runTool(const QString& program,
                                            const QStringList& arguments) const {
    return runToolsAtOnce(program, {arguments}).constFirst();
}

QList<TestDatabase::ToolRun> TestDatabase::runToolsAtOnce(const QString& program,
                                                          const QList<QStringList>& runs) const {
    const ConnectionSettings login = settings();
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QStringList& arguments : runs) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program,
                                arguments + QStringList{u"--socket"_s, login.socket, u"--user"_s,
                                                        login.user, u"--password"_s, login.password,
                                                        u"--database"_s, login.database});
    }
    QList<ToolRun> results;
    for (const auto& process : processes) {
        if (!process->waitForFinished(120'000)) {
            process->kill();
            process->waitForFinished();
            results.append({-1, u"timeout"_s, {}});
            continue;
        }
        results.append({process->exitCode(), QString::fromUtf8(process->readAllStandardError()),
                        QString::fromUtf8(process->readAllStandardOutput())});
    }
    return results;
}

void TestDatabase::loadFixture(const QString& path) {
    QFile fixture(path);
    if (!fixture.open(QIODevice::ReadOnly))
        throw DatabaseError(u"Fixture %1: %2"_s.arg(path, fixture.errorString()));
    for (const SchemaInstaller::ScriptStatement& statement :
         SchemaInstaller::statementsOf(QString::fromUtf8(fixture.readAll())))
        m_connection.executeDirect(statement.text);
    VerziaUdajov::zvys(m_connection);
}
