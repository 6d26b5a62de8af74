#include "common/TestDatabase.h"
#include "common/TestHelpers.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/ServerCompatibility.h"
#include "data/ServerErrorText.h"
#include "data/ServerLock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTest>
#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

using namespace std::chrono_literals;

/// What the connection guarantees every statement: values reach exactly the placeholders meant
/// for them, sessions share the program's SQL mode whatever the server's default, and a named
/// lock on the server keeps two clients of one database apart for a bounded time.
class TestConnection final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(u"connection"_s); }

    void parametersMustMatchThePlaceholders_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("failure");

        const QString period = u"UPDATE param SET kontrolne_obd_od = :od, kontrolne_obd_do = :do"_s;
        QTest::newRow("bound") << period << QStringList{"od", "do"} << QString();
        // The runner once passed names with their colon, and nothing was bound.
        QTest::newRow("name with its colon")
            << period << QStringList{":od", ":do"} << u"nemá parameter „:od“"_s;
        QTest::newRow("name of no placeholder")
            << period << QStringList{"od", "do", "od2"} << u"nemá parameter „od2“"_s;
        QTest::newRow("placeholder without a value")
            << period << QStringList{"od"} << u"parameter „do“ príkazu nemá hodnotu"_s;
        QTest::newRow("colon inside a text is no placeholder")
            << u"UPDATE param SET chovatel = '20:8123'"_s << QStringList{} << QString();
    }
    void parametersMustMatchThePlaceholders() {
        QFETCH(QString, sql);
        QFETCH(QStringList, names);
        QFETCH(QString, failure);
        Connection connection(m_db->settings());
        m_db->exec(u"UPDATE param SET kontrolne_obd_od = NULL, kontrolne_obd_do = "
                   u"NULL, chovatel = '208123000'"_s);
        ParameterValues values;
        for (const QString& name : names)
            values.emplace_back(name, QDate(2026, 1, 1));
        const QString message = failureOf([&] { connection.execute(sql, values); });
        QVERIFY2(failure.isEmpty() ? message.isEmpty() : message.contains(failure),
                 qPrintable(message));
        QSqlQuery row =
            connection.execute(u"SELECT kontrolne_obd_od, kontrolne_obd_do, chovatel FROM param"_s);
        QVERIFY(row.next());
        if (QTest::currentDataTag() == QByteArrayLiteral("bound")) {
            QCOMPARE(row.value(0).toDate(), QDate(2026, 1, 1));
            QCOMPARE(row.value(1).toDate(), QDate(2026, 1, 1));
        } else if (!failure.isEmpty()) {
            // Refused before anything reached the server.
            QVERIFY(row.value(0).isNull());
        }
    }

    // Every refusal of the server leads with what failed and why in Slovak; the server's own
    // words and number follow for the administrator.
    void serverErrorsLeadWithASentence_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("server");
        QTest::newRow("syntax") << u"SELEC 1"_s << true
                                << u"Príkaz nie je správne zapísaný: server mu nerozumie."_s
                                << u"(chyba 1064): You have an error in your SQL syntax"_s;
        QTest::newRow("unknown column")
            << u"SELECT vek FROM param WHERE vek > 3"_s << true
            << u"Príkaz uvádza stĺpec vek, ktorý v čítanej tabuľke nie je."_s
            << u"(chyba 1054): Unknown column 'vek'"_s;
        QTest::newRow("missing table")
            << u"SELECT * FROM ziadna"_s << true << u"Tabuľka ziadna v databáze nie je."_s
            << u"(chyba 1146): Table "_s;
        QTest::newRow("no server") << u"SELECT 1"_s << false
                                   << u"Server neodpovedá: spojenie s databázovým serverom sa "
                                      u"nedá nadviazať."_s
                                   << u"(chyba 2002): "_s;
    }
    void serverErrorsLeadWithASentence() {
        QFETCH(QString, sql);
        QFETCH(bool, reachable);
        QFETCH(QString, sentence);
        QFETCH(QString, server);
        ConnectionSettings settings = m_db->settings();
        if (!reachable)
            settings.socket = QDir::temp().filePath(u"tarvelin-ziadny-server.sock"_s);
        Connection connection(settings);
        const QString message = failureOf([&] { connection.execute(sql); });
        QVERIFY2(message.startsWith(sentence), qPrintable(message));
        QVERIFY2(message.contains(u"\n\nSpráva servera "_s + server), qPrintable(message));
    }

    // Names come from the server's text in either of the forms servers write them.
    void sentenceNamesWhatTheServerSays_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("message");
        QTest::newRow("right on a table, newer form")
            << 1142
            << u"DROP command denied to user 'chovatel'@'localhost' for table `db`.`kravy`"_s
            << u"Účet chovatel databázy nemá právo DROP na tabuľku kravy."_s;
        QTest::newRow("right of the server")
            << 1227
            << u"Access denied; you need (at least one of) the RELOAD privilege(s) for "
               u"this operation"_s
            << u"Účet databázy nemá právo RELOAD, ktoré táto činnosť potrebuje."_s;
        QTest::newRow("login") << 1045
                               << u"Access denied for user 'chovatel'@'localhost' (using "
                                  u"password: YES)"_s
                               << u"Server odmietol prihlásenie účtu chovatel: meno alebo heslo "
                                  u"nie je správne."_s;
        QTest::newRow("number without a sentence of its own")
            << 1235 << u"This version of MariaDB doesn't yet support 'x'"_s
            << u"Databázový server príkaz odmietol."_s;
        QTest::newRow("no number") << 0 << u"Pole chýba."_s << u"Pole chýba."_s;
    }
    void sentenceNamesWhatTheServerSays() {
        QFETCH(int, code);
        QFETCH(QString, server);
        QFETCH(QString, message);
        const QString full = ServerErrorText::message(code, server);
        QVERIFY2(full.startsWith(message), qPrintable(full));
        QCOMPARE(full.endsWith(server), true);
        QCOMPARE(ServerErrorText::error(code, server).code(), code);
    }

    void sessionUsesTheProgramsSqlMode() {
        Connection connection(m_db->settings());
        QSqlQuery mode = connection.execute(u"SELECT @@SESSION.sql_mode"_s);
        QVERIFY(mode.next());
        QCOMPARE(mode.value(0).toString(), Connection::sqlMode());
    }

    void serverLockKeepsOneDatabasesClientsApart() {
        ConnectionSettings other = m_db->settings();
        other.database.clear();
        Connection holder(m_db->settings());
        Connection waiter(m_db->settings());
        Connection elsewhere(other);
        const QString name = ServerLock::nameFor(u"test"_s, m_db->settings().database);
        QVERIFY(name != ServerLock::nameFor(u"test"_s, u"ina"_s));
        QVERIFY(ServerLock::nameFor(u"test"_s, QString(70, u'X')).size() <= 64);

        std::optional<ServerLock> held;
        held.emplace(holder, name, 0s, u"obsadené"_s);
        // The same session takes it again at once.
        { ServerLock again(holder, name, 0s, u"obsadené"_s); }
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(failureOf([&] { ServerLock(waiter, name, 1s, u"obsadené"_s); }), u"obsadené"_s);
        QVERIFY(waited.elapsed() >= 900 && waited.elapsed() < 5000);
        // Another database's lock is another lock.
        ServerLock(elsewhere, ServerLock::nameFor(u"test"_s, u"ina"_s), 0s, u"obsadené"_s);

        held.reset();
        { ServerLock(waiter, name, 0s, u"obsadené"_s); }
        // A session that ends lets go of what it held.
        held.emplace(holder, name, 0s, u"obsadené"_s);
        holder.close();
        QCOMPARE(failureOf([&] { ServerLock(waiter, name, 5s, u"obsadené"_s); }), QString());
    }

    void serverRequirements_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("lowerCaseTableNames");
        QTest::addColumn<QString>("problem");

        QTest::newRow("MariaDB 10.11") << "10.11.6-MariaDB-0+deb12u1" << 1 << QString();
        QTest::newRow("MariaDB 10.2, names kept but compared in lower case")
            << "10.2.44-MariaDB" << 2 << QString();
        QTest::newRow("MySQL 8") << "8.0.36" << 1 << QString();
        QTest::newRow("MariaDB 10.1") << "10.1.48-MariaDB" << 1 << "MariaDB 10.2";
        QTest::newRow("MySQL 5.7") << "5.7.44-log" << 1 << "MySQL 8.0";
        QTest::newRow("unreadable version") << "?" << 1 << "verziu ?";
        QTest::newRow("names told apart by case")
            << "10.11.6-MariaDB" << 0 << "lower_case_table_names=1";
    }
    void serverRequirements() {
        QFETCH(QString, version);
        QFETCH(int, lowerCaseTableNames);
        QFETCH(QString, problem);
        const QString found = ServerCompatibility::problem(version, lowerCaseTableNames);
        QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.contains(problem), qPrintable(found));
    }

    void cleanupTestCase() { m_db.reset(); }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
