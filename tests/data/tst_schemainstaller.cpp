#include "common/TestDatabase.h"
#include "common/TestHelpers.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/SchemaInstaller.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

// A schema in two scripts, the second of which needs the first.
void writeSchema(const QString& folder) {
    writeFile(folder + u"/010_tabulky.sql"_s, "-- základné tabuľky\n"
                                              "CREATE TABLE kravy (\n"
                                              "  id INT PRIMARY KEY,\n"
                                              "  meno VARCHAR(20)\n"
                                              ");\n");
    writeFile(folder + u"/020_pohlady.sql"_s, "CREATE VIEW kravy_view AS SELECT meno FROM kravy;\n"
                                              "INSERT INTO kravy VALUES (1, 'Straka');\n");
}

QVariant value(Connection& connection, const QString& sql) {
    QSqlQuery query = connection.execute(sql);
    return query.next() ? query.value(0) : QVariant();
}

SchemaInstaller::StatementProducer producing(const QStringList& statements) {
    return [statements](const SchemaInstaller::StatementSink& sink) {
        for (const QString& statement : statements)
            sink(statement);
    };
}

} // namespace

/// Installing the database: scripts split into statements and run in name order, an existing
/// database kept unless its replacement is asked for, a failed installation leaving no database
/// behind, and every loaded statement committed.
class TestSchemaInstaller final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        m_settings = TestDatabase::serverSettings();
        m_settings.database = u"tarvelin_test_schemainstaller"_s;
        writeSchema(m_sql.path());
    }

    void splitsScripts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QList<int>>("lines");

        QTest::newRow("one per line")
            << "CREATE TABLE a (x INT);\nCREATE TABLE b (y INT);\n"
            << QStringList{"CREATE TABLE a (x INT)", "CREATE TABLE b (y INT)"} << QList<int>{1, 2};
        QTest::newRow("over several lines, with comments")
            << "-- pohľady\n\nCREATE VIEW v AS\n  -- len kravy\n  SELECT 1;\n"
            << QStringList{"CREATE VIEW v AS\n  SELECT 1"} << QList<int>{3};
        QTest::newRow("semicolon inside a line")
            << "SELECT 'a;b' AS c, 1\n  FROM dual;\n"
            << QStringList{"SELECT 'a;b' AS c, 1\n  FROM dual"} << QList<int>{1};
        QTest::newRow("blanks after the semicolon")
            << "SELECT 1;  \t\nSELECT 2;" << QStringList{"SELECT 1", "SELECT 2"}
            << QList<int>{1, 2};
        QTest::newRow("windows line ends")
            << "SELECT 1;\r\nSELECT\r\n 2;\r\n"
            << QStringList{"SELECT 1", "SELECT\n 2"} << QList<int>{1, 2};
        QTest::newRow("last statement without semicolon")
            << "SELECT 1;\nSELECT 2\n"
            << QStringList{"SELECT 1", "SELECT 2"} << QList<int>{1, 2};
        QTest::newRow("empty statement")
            << ";\nSELECT 1;" << QStringList{"SELECT 1"} << QList<int>{2};
        QTest::newRow("only comments") << "-- nič\n\n" << QStringList{} << QList<int>{};
    }

    void splitsScripts() {
        QFETCH(QString, script);
        QFETCH(QStringList, statements);
        QFETCH(QList<int>, lines);

        QStringList texts;
        QList<int> starts;
        for (const auto& statement : SchemaInstaller::statementsOf(script)) {
            texts << statement.text;
            starts << statement.line;
        }
        QCOMPARE(texts, statements);
        QCOMPARE(starts, lines);
    }

    void installsScriptsInNameOrder() {
        Connection connection(m_settings);
        SchemaInstaller installer(connection, m_sql.path());
        installer.install(SchemaInstaller::IfExists::Replace);
        QVERIFY(installer.databaseExists());
        QCOMPARE(value(connection, u"SELECT meno FROM kravy_view"_s).toString(), u"Straka"_s);
    }

    void keepsExistingDatabaseUnlessReplaced() {
        Connection connection(m_settings);
        SchemaInstaller installer(connection, m_sql.path());
        installer.install(SchemaInstaller::IfExists::Replace);
        connection.executeDirect(u"INSERT INTO kravy VALUES (2, 'Rysuľa')"_s);

        const QString failure =
            failureOf([&] { installer.install(SchemaInstaller::IfExists::Refuse); });
        QVERIFY2(failure.contains(m_settings.database) && failure.contains(u"--replace"),
                 qPrintable(failure));
        QCOMPARE(value(connection, u"SELECT COUNT(*) FROM kravy"_s).toInt(), 2);

        installer.install(SchemaInstaller::IfExists::Replace);
        QCOMPARE(value(connection, u"SELECT COUNT(*) FROM kravy"_s).toInt(), 1);
    }

    void failedInstallationLeavesThePreviousDatabase_data() {
        QTest::addColumn<QByteArray>("brokenScript");
        QTest::addColumn<QStringList>("contents");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<QString>("message");

        const QStringList brokenContents{"INSERT INTO kravy VALUES (2, 'Lysa')",
                                         "INSERT INTO kravy VALUES (2, 'Belka')"};
        QTest::newRow("broken script, none before")
            << QByteArray("SELECT 1;\n\nSELEKT 2;\n") << QStringList{} << false
            << "030_chyba.sql, riadok 3";
        QTest::newRow("broken script, previous kept")
            << QByteArray("SELECT 1;\n\nSELEKT 2;\n") << QStringList{} << true
            << "030_chyba.sql, riadok 3";
        QTest::newRow("broken contents, none before")
            << QByteArray() << brokenContents << false << "Príkaz č. 2";
        QTest::newRow("broken contents, previous kept")
            << QByteArray() << brokenContents << true << "Príkaz č. 2";
    }

    void failedInstallationLeavesThePreviousDatabase() {
        QFETCH(QByteArray, brokenScript);
        QFETCH(QStringList, contents);
        QFETCH(bool, previous);
        QFETCH(QString, message);
        Connection connection(m_settings);
        if (previous) {
            SchemaInstaller(connection, m_sql.path()).install(SchemaInstaller::IfExists::Replace);
            connection.executeDirect(u"INSERT INTO kravy VALUES (2, 'Rysuľa')"_s);
        } else {
            Connection(TestDatabase::serverSettings())
                .executeDirect(u"DROP DATABASE IF EXISTS "_s + m_settings.database);
        }
        QTemporaryDir sql;
        writeSchema(sql.path());
        if (!brokenScript.isEmpty())
            writeFile(sql.filePath(u"030_chyba.sql"_s), brokenScript);

        SchemaInstaller installer(connection, sql.path());
        const QString failure = failureOf(
            [&] { installer.install(SchemaInstaller::IfExists::Replace, producing(contents)); });
        QVERIFY2(failure.contains(message), qPrintable(failure));
        QCOMPARE(installer.databaseExists(), previous);
        if (previous) {
            QVERIFY(installer.isComplete());
            QCOMPARE(value(connection, u"SELECT COUNT(*) FROM kravy_view"_s).toInt(), 2);
        }
        // Nothing of the attempt stays on the server.
        Connection server(TestDatabase::serverSettings());
        QCOMPARE(value(server, u"SELECT COUNT(*) FROM information_schema.SCHEMATA "
                               u"WHERE SCHEMA_NAME LIKE '%1\\_\\_%'"_s.arg(m_settings.database))
                     .toInt(),
                 0);
    }

    void replacedDatabaseHoldsOnlyTheNewOne() {
        Connection connection(m_settings);
        SchemaInstaller installer(connection, m_sql.path());
        installer.install(SchemaInstaller::IfExists::Replace);
        connection.executeDirect(u"CREATE TABLE laktela (x INT)"_s);
        connection.executeDirect(u"INSERT INTO kravy VALUES (2, 'Rysuľa')"_s);

        installer.install(SchemaInstaller::IfExists::Replace);
        QVERIFY(installer.isComplete());
        // The view reads the new table, not the one it was made over.
        QCOMPARE(value(connection, u"SELECT GROUP_CONCAT(meno) FROM kravy_view"_s).toString(),
                 u"Straka"_s);
        QCOMPARE(value(connection, u"SELECT COUNT(*) FROM information_schema.TABLES "
                                   u"WHERE TABLE_SCHEMA = DATABASE() AND "
                                   u"TABLE_NAME = 'laktela'"_s)
                     .toInt(),
                 0);
    }

    void unfinishedInstallationIsRefused() {
        Connection connection(m_settings);
        SchemaInstaller installer(connection, m_sql.path());
        installer.install(SchemaInstaller::IfExists::Replace);
        installer.requireUsable();
        // What an installation stopped between the swap and its last statement leaves.
        connection.executeDirect(u"DROP TABLE "_s + SchemaInstaller::completionMark);
        QVERIFY(!installer.isComplete());
        const QString failure = failureOf([&] { installer.requireUsable(); });
        QVERIFY2(failure.contains(m_settings.database) &&
                     failure.contains(u"tarvelin-db install --replace"),
                 qPrintable(failure));
    }

    // A database loaded to the end by a program that wrote no completion mark yet keeps its
    // data: it gets its views anew and the mark, where refusing it would send its user to
    // replace the herd.
    void databaseLoadedToTheEndIsKept_data() {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<bool>("kept");
        QTest::newRow("loaded to the end") << "208123000" << true;
        QTest::newRow("load interrupted") << "000000000" << false;
    }
    void databaseLoadedToTheEndIsKept() {
        QFETCH(QString, selection);
        QFETCH(bool, kept);
        QTemporaryDir sql;
        writeSchema(sql.path());
        writeFile(sql.filePath(u"090_param.sql"_s),
                  "CREATE TABLE param (chovatel VARCHAR(9) NOT NULL);\n"
                  "INSERT INTO param VALUES ('000000000');\n");
        Connection connection(m_settings);
        SchemaInstaller installer(connection, sql.path());
        installer.install(SchemaInstaller::IfExists::Replace,
                          producing({u"INSERT INTO kravy VALUES (2, 'Pestrá')"_s,
                                     u"UPDATE param SET chovatel = '%1'"_s.arg(selection)}));
        connection.executeDirect(u"DROP TABLE "_s + SchemaInstaller::completionMark);
        connection.executeDirect(u"DROP VIEW kravy_view"_s);
        const QString failure = failureOf([&] { installer.requireUsable(); });
        QCOMPARE(failure.isEmpty(), kept);
        QCOMPARE(installer.isComplete(), kept);
        if (kept)
            QCOMPARE(value(connection, u"SELECT count(*) FROM kravy_view"_s).toInt(), 2);
    }

    // A report drops its working table and makes it anew; when that failed, the views over
    // the table must still be made again, with the table, empty, where it was missing.
    void viewOverAMissingWorkingTableIsMadeAgain() {
        QTemporaryDir sql;
        writeSchema(sql.path());
        writeFile(sql.filePath(u"030_zostavy.sql"_s),
                  "CREATE TABLE IF NOT EXISTS pracovna (meno VARCHAR(20));\n"
                  "CREATE VIEW pracovna_view AS SELECT meno FROM pracovna;\n");
        writeFile(sql.filePath(u"090_param.sql"_s),
                  "CREATE TABLE param (chovatel VARCHAR(9) NOT NULL);\n"
                  "INSERT INTO param VALUES ('208123000');\n");
        Connection connection(m_settings);
        SchemaInstaller installer(connection, sql.path());
        installer.install(SchemaInstaller::IfExists::Replace);
        connection.executeDirect(u"DROP TABLE "_s + SchemaInstaller::completionMark);
        connection.executeDirect(u"DROP TABLE pracovna"_s);
        QCOMPARE(failureOf([&] { installer.requireUsable(); }), QString());
        QCOMPARE(value(connection, u"SELECT count(*) FROM pracovna_view"_s).toInt(), 0);
    }

    // A report stopped between dropping its working table and making it anew (a killed server,
    // a killed program) leaves the views over the table failing; the next start makes the
    // table again, empty, so that the views, and a backup, work.
    void workingTableDroppedByAStoppedReportIsMadeAtTheNextStart() {
        QTemporaryDir sql;
        writeSchema(sql.path());
        writeFile(sql.filePath(u"030_zostavy.sql"_s),
                  "CREATE TABLE IF NOT EXISTS pracovna (meno VARCHAR(20));\n"
                  "CREATE VIEW pracovna_view AS SELECT meno FROM pracovna;\n");
        Connection connection(m_settings);
        SchemaInstaller installer(connection, sql.path());
        installer.install(SchemaInstaller::IfExists::Replace);
        connection.executeDirect(u"INSERT INTO pracovna VALUES ('Straka')"_s);
        connection.executeDirect(u"DROP TABLE pracovna"_s);
        connection.executeDirect(u"CREATE TABLE docasna (a INT)"_s);
        connection.executeDirect(u"CREATE VIEW docasna_view AS SELECT a FROM docasna"_s);
        connection.executeDirect(u"DROP TABLE docasna"_s);
        QCOMPARE(installer.invalidViews(), (QStringList{u"docasna_view"_s, u"pracovna_view"_s}));

        QCOMPARE(failureOf([&] { installer.requireUsable(); }), QString());
        QCOMPARE(value(connection, u"SELECT count(*) FROM pracovna_view"_s).toInt(), 0);
        // A view over a table no script makes stays as it is, and is known to fail.
        QCOMPARE(installer.invalidViews(), QStringList{u"docasna_view"_s});
        QCOMPARE(installer.restoreWorkingTables(), QStringList());
        connection.executeDirect(u"DROP VIEW docasna_view"_s);
    }

    // Advice must be true: an account that may not read the database is told which right it
    // lacks, never to install the database again, which would wipe the herd.
    void accountWithoutRightsIsToldTheRight_data() {
        QTest::addColumn<QString>("grant");
        QTest::addColumn<QString>("advice");
        QTest::newRow("no right to the database") << QString() << u"žiadne právo"_s;
        QTest::newRow("one table only")
            << u"GRANT SELECT ON `%1`.kravy TO %2"_s << u"chýba právo SELECT k databáze"_s;
    }
    void accountWithoutRightsIsToldTheRight() {
        QFETCH(QString, grant);
        QFETCH(QString, advice);
        Connection connection(m_settings);
        SchemaInstaller(connection, m_sql.path()).install(SchemaInstaller::IfExists::Replace);
        Connection server(TestDatabase::serverSettings());
        const QString account = u"'tarvelin_bez_prav'@'localhost'"_s;
        server.executeDirect(u"CREATE OR REPLACE USER %1 IDENTIFIED BY 'Heslo-1'"_s.arg(account));
        const auto drop =
            qScopeGuard([&] { server.executeDirect(u"DROP USER IF EXISTS "_s + account); });
        if (!grant.isEmpty())
            server.executeDirect(grant.arg(m_settings.database, account));

        ConnectionSettings settings = m_settings;
        settings.user = u"tarvelin_bez_prav"_s;
        settings.password = u"Heslo-1"_s;
        Connection limited(settings);
        const QString failure =
            failureOf([&] { SchemaInstaller(limited, m_sql.path()).requireUsable(); });
        QVERIFY2(failure.contains(advice) && failure.contains(m_settings.database),
                 qPrintable(failure));
        QVERIFY2(!failure.contains(u"tarvelin-db install"_s), qPrintable(failure));
    }

    // An installation killed at the wrong moment leaves its staging database, or the old data
    // it replaced; the next installation or upgrade of the database clears them away.
    void leftoversOfAnInterruptedInstallationAreRemoved_data() {
        QTest::addColumn<bool>("upgrade");
        QTest::newRow("by an upgrade") << true;
        QTest::newRow("by an installation") << false;
    }
    void leftoversOfAnInterruptedInstallationAreRemoved() {
        QFETCH(bool, upgrade);
        Connection connection(m_settings);
        SchemaInstaller installer(connection, m_sql.path());
        installer.install(SchemaInstaller::IfExists::Replace);
        Connection server(TestDatabase::serverSettings());
        for (const QString& role : {u"instalacia"_s, u"povodna"_s}) {
            const QString name = m_settings.database + u"__"_s + role;
            server.executeDirect(u"CREATE DATABASE "_s + name);
            server.executeDirect(u"CREATE TABLE "_s + name + u".kravy (id INT)"_s);
        }
        if (upgrade)
            installer.upgrade();
        else
            installer.install(SchemaInstaller::IfExists::Replace);
        QCOMPARE(value(server, u"SELECT COUNT(*) FROM information_schema.SCHEMATA "
                               u"WHERE SCHEMA_NAME LIKE '%1\\_\\_%'"_s.arg(m_settings.database))
                     .toInt(),
                 0);
    }

    // The reading account is made before the new database takes the old one's place: an
    // account that may not make it stops the installation while the old data are still there,
    // so that a failed installation never leaves a new database in place.
    void accountThatCannotBePreparedStopsBeforeTheSwap() {
        Connection connection(m_settings);
        SchemaInstaller(connection, m_sql.path()).install(SchemaInstaller::IfExists::Replace);
        connection.executeDirect(u"INSERT INTO kravy VALUES (2, 'Rysuľa')"_s);
        Connection server(TestDatabase::serverSettings());
        const QString account = u"'tarvelin_instalator'@'localhost'"_s;
        server.executeDirect(u"CREATE OR REPLACE USER %1 IDENTIFIED BY 'Heslo-2'"_s.arg(account));
        const auto drop =
            qScopeGuard([&] { server.executeDirect(u"DROP USER IF EXISTS "_s + account); });
        // Every right on the database and the ones beside it, but none to make accounts.
        server.executeDirect(u"GRANT ALL ON `%1%`.* TO %2 WITH GRANT OPTION"_s.arg(
            QString(m_settings.database).replace(u"_"_s, u"\\_"_s), account));

        ConnectionSettings settings = m_settings;
        settings.user = u"tarvelin_instalator"_s;
        settings.password = u"Heslo-2"_s;
        Connection installer(settings);
        const QString failure = failureOf([&] {
            SchemaInstaller(installer, m_sql.path()).install(SchemaInstaller::IfExists::Replace);
        });
        QVERIFY2(failure.contains(u"tarvelin_zostavy"_s), qPrintable(failure));
        QVERIFY2(!failure.contains(u"je nainštalovaná"_s), qPrintable(failure));
        QCOMPARE(value(connection, u"SELECT COUNT(*) FROM kravy_view"_s).toInt(), 2);
        QCOMPARE(value(server, u"SELECT COUNT(*) FROM information_schema.SCHEMATA "
                               u"WHERE SCHEMA_NAME LIKE '%1\\_\\_%'"_s.arg(m_settings.database))
                     .toInt(),
                 0);
    }

    void loadCommitsEveryStatement() {
        Connection connection(m_settings);
        SchemaInstaller installer(connection, m_sql.path());
        installer.install(SchemaInstaller::IfExists::Replace);
        QStringList statements;
        for (int id = 2; id <= 1235; ++id)
            statements << u"INSERT INTO kravy VALUES (%1, 'Krava')"_s.arg(id);

        QCOMPARE(installer.load(producing(statements)), 1234);
        // Another session sees only what was committed.
        Connection other(m_settings);
        QCOMPARE(value(other, u"SELECT COUNT(*) FROM kravy"_s).toInt(), 1235);
    }

    void upgradeAddsOnlyTheNewScripts() {
        QTemporaryDir sql;
        writeSchema(sql.path());
        Connection connection(m_settings);
        SchemaInstaller installer(connection, sql.path());
        installer.install(SchemaInstaller::IfExists::Replace);
        QCOMPARE(installer.upgrade(), QStringList());

        writeFile(sql.filePath(u"030_zostavy.sql"_s),
                  "CREATE VIEW pocet AS SELECT count(*) AS n FROM kravy;\n");
        QCOMPARE(installer.upgrade(), QStringList{u"030_zostavy.sql"_s});
        QCOMPARE(value(connection, u"SELECT n FROM pocet"_s).toInt(), 1);
        QCOMPARE(installer.upgrade(), QStringList());
    }

    void databaseFromBeforeTheRecordGetsTheLaterScripts() {
        // The first release's scripts by name, and one added later.
        QTemporaryDir sql;
        writeFile(sql.filePath(u"010_tables.sql"_s), "CREATE TABLE kravy (id INT PRIMARY KEY);\n");
        writeFile(sql.filePath(u"030_zostavy.sql"_s),
                  "CREATE VIEW pocet AS SELECT count(*) AS n FROM kravy;\n");
        Connection connection(m_settings);
        SchemaInstaller installer(connection, sql.path());
        installer.install(SchemaInstaller::IfExists::Replace);
        connection.executeDirect(u"DROP VIEW pocet"_s);
        connection.executeDirect(u"DROP TABLE skripty_schemy"_s);

        QCOMPARE(installer.upgrade(), QStringList{u"030_zostavy.sql"_s});
        QCOMPARE(value(connection, u"SELECT n FROM pocet"_s).toInt(), 0);
    }

    void cleanupTestCase() {
        Connection server(TestDatabase::serverSettings());
        server.executeDirect(u"DROP DATABASE IF EXISTS "_s + m_settings.database);
    }

private:
    ConnectionSettings m_settings;
    QTemporaryDir m_sql;
};

QTEST_GUILESS_MAIN(TestSchemaInstaller)
#include "tst_schemainstaller.moc"
