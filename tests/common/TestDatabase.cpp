#include "TestDatabase.h"

#include "data/DatabaseError.h"
#include "data/PrivateServer.h"
#include "data/SchemaInstaller.h"
#include "demo/DemoHerd.h"

#include <QDebug>
#include <QRegularExpression>

namespace {

ConnectionSettings databaseSettings(const QString& name) {
    static const QRegularExpression notInName(QStringLiteral("[^a-z0-9_]"));
    ConnectionSettings settings = TestDatabase::serverSettings();
    settings.database =
        QStringLiteral("tarvelin_test_") + name.toLower().replace(notInName, QStringLiteral("_"));
    return settings;
}

} // namespace

TestDatabase::TestDatabase(const QString& name)
    : m_connection(databaseSettings(name)) {
    SchemaInstaller(m_connection, QStringLiteral(TARVELIN_SQL_DIR))
        .install(SchemaInstaller::IfExists::Replace);
}

TestDatabase::~TestDatabase() {
    if (qEnvironmentVariableIsSet("TARVELIN_KEEP_TEST_DB"))
        return;
    try {
        m_connection.executeDirect(
            QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(m_connection.settings().database));
    } catch (const DatabaseError& error) {
        qWarning().noquote() << error.message();
    }
}

ConnectionSettings TestDatabase::serverSettings() {
    const QString folder = qEnvironmentVariableIsSet("TARVELIN_TEST_DATADIR")
                               ? qEnvironmentVariable("TARVELIN_TEST_DATADIR")
                               : QStringLiteral(TARVELIN_TEST_DATADIR_DEFAULT);
    PrivateServer server(folder);
    server.start();
    if (server.startedServer())
        qInfo().noquote() << QStringLiteral("Test server started; it keeps running for the next "
                                            "tests until: tarvelin-db --datadir %1 stop")
                                 .arg(folder);
    return server.connectionSettings();
}

void TestDatabase::loadDemo(int cows, quint32 seed) {
    SchemaInstaller(m_connection, QStringLiteral(TARVELIN_SQL_DIR))
        .load([&](const SchemaInstaller::StatementSink& sink) {
            DemoHerd(DemoHerdOptions{cows, seed}).generate(sink);
        });
}

void TestDatabase::exec(const QString& sql) {
    m_connection.executeDirect(sql);
}
