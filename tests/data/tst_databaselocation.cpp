#include "data/ConfigFile.h"
#include "data/DatabaseLocation.h"
#include "data/PrivateServer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

/// The private database as the program's first and later starts find it: what the user is told
/// while it is prepared, and that only the first start installs it.
class TestDatabaseLocation final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_root.isValid());
        QFile::remove(ConfigFile::path());
        ConfigFile::write(DatabaseLocation::section, u"Priecinok"_s, m_root.filePath(u"db"_s));
        ConfigFile::write(DatabaseLocation::section, u"Nazov"_s, u"tarvelin_umiestnenie"_s);
    }

    void firstStartSaysItInstallsTheDemo_data() {
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<int>("installed");
        QTest::newRow("first start")
            << QStringList{"Spúšťa sa databáza…",
                           "Prvé spustenie: zakladá sa databáza s ukážkovým stádom…"}
            << 1;
        QTest::newRow("later start") << QStringList{"Spúšťa sa databáza…"} << 0;
    }
    void firstStartSaysItInstallsTheDemo() {
        QFETCH(QStringList, told);
        QFETCH(int, installed);
        QStringList progress;
        int contents = 0;
        DatabaseLocation location = DatabaseLocation::fromConfig();
        location.prepare([&contents](const SchemaInstaller::StatementSink&) { ++contents; },
                         [&progress](const QString& activity) { progress << activity; });
        QCOMPARE(progress, told);
        QCOMPARE(contents, installed);
    }

    void cleanupTestCase() {
        PrivateServer(m_root.filePath(u"db"_s)).stop();
        QFile::remove(ConfigFile::path());
    }

private:
    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(TestDatabaseLocation)
#include "tst_databaselocation.moc"
