#include "common/TestDatabase.h"
#include "common/TestHelpers.h"
#include "data/CancelledByUser.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/ServerCompatibility.h"
#include "data/ServerErrorText.h"
#include "data/ServerLock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;

using namespace std::chrono_literals;

/// What the connection guarantees every statement: values reach exactly the placeholders meant
/// for them, sessions share the program's SQL mode whatever the server's default, a session the
/// server ended is opened anew without repeating a write, and a named lock on the server keeps
/// two clients of one database apart for a bounded time.
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
        QTest::newRow("disk full while writing a temporary file")
            << 3
            << u"Error writing file '/tmp/d-tmp/#sql/fd=99' (Errcode: 28 \"No space left on "
               u"device\")"_s
            << u"Na disku databázového servera nie je miesto."_s;
        QTest::newRow("disk full in the storage engine")
            << 1030 << u"Got error 28 \"No space left on device\" from storage engine InnoDB"_s
            << u"Na disku databázového servera nie je miesto."_s;
        QTest::newRow("another error of the system")
            << 3 << u"Error writing file '/tmp/x' (Errcode: 5 \"Input/output error\")"_s
            << u"Databázový server príkaz odmietol."_s;
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

    // A window waits for the lock in short attempts, hearing each, so that it stays painted and
    // the user may give up; the lock is taken as soon as the holder lets it go.
    void serverLockWaitIsHeardAndMayBeGivenUp_data() {
        QTest::addColumn<bool>("givenUp");
        QTest::newRow("holder lets go") << false;
        QTest::newRow("user gives up") << true;
    }
    void serverLockWaitIsHeardAndMayBeGivenUp() {
        QFETCH(bool, givenUp);
        Connection holder(m_db->settings());
        Connection waiter(m_db->settings());
        const QString name = ServerLock::nameFor(u"test-cakanie"_s, m_db->settings().database);
        std::optional<ServerLock> held;
        held.emplace(holder, name, 0s, u"obsadené"_s);
        int heard = 0;
        const ServerLock::Waiting waiting = [&](std::chrono::milliseconds waited) {
            ++heard;
            [&] {
                QVERIFY(waited < 60s);
            }();
            if (heard == 3) {
                if (givenUp)
                    return false;
                held.reset();
            }
            return true;
        };
        bool cancelled = false;
        try {
            ServerLock taken(waiter, name, 60s, u"obsadené"_s, waiting);
            QVERIFY(taken.isHeld());
        } catch (const CancelledByUser&) {
            cancelled = true;
        }
        QCOMPARE(cancelled, givenUp);
        QCOMPARE(heard, 3);
    }

    // The server ends a session after its idle time-out, at a restart, or when it is killed: a
    // read on such a session is sent once more on a new one and the caller never knows, a
    // write is never sent twice, and nothing goes on silently in a new session while the old
    // one held a lock that the new one has not.
    void lostSessionIsOpenedAnew_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("idleMs");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("written");
        const QString read = u"SELECT pocet_dcer FROM param"_s;
        const QString write = u"UPDATE param SET pocet_dcer = pocet_dcer + 1"_s;
        QTest::newRow("read") << read << 0 << false << QString() << 2 << 0;
        QTest::newRow("write") << write << 0 << false << u"neopakuje"_s << 1 << 0;
        // A session idle for a while is checked before a write goes out on it.
        QTest::newRow("write after a pause") << write << 1500 << false << QString() << 1 << 1;
        QTest::newRow("read under a lock") << read << 0 << true << u"uprostred práce"_s << 1 << 0;
    }
    void lostSessionIsOpenedAnew() {
        QFETCH(QString, sql);
        QFETCH(int, idleMs);
        QFETCH(bool, locked);
        QFETCH(QString, failure);
        QFETCH(int, sent);
        QFETCH(int, written);
        Connection root(m_db->settings());
        const auto daughters = [&] {
            QSqlQuery row = root.execute(u"SELECT pocet_dcer FROM param"_s);
            return row.next() ? row.value(0).toInt() : -1;
        };
        const int before = daughters();
        Connection connection(m_db->settings());
        QSqlQuery id = connection.execute(u"SELECT CONNECTION_ID()"_s);
        QVERIFY(id.next());
        const qint64 session = id.value(0).toLongLong();
        std::optional<ServerLock> lock;
        if (locked)
            lock.emplace(connection, u"tarvelin-test-spojenie"_s, 0s, u"obsadené"_s);

        root.executeDirect(u"KILL %1"_s.arg(session));
        QTRY_COMPARE_WITH_TIMEOUT(
            [&] {
                QSqlQuery alive = root.execute(
                    u"SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE ID = :Id"_s,
                    {{u"Id"_s, session}});
                return alive.next() ? alive.value(0).toInt() : -1;
            }(),
            0, 5000);
        QThread::msleep(idleMs);

        QSignalSpy log(&connection, &Connection::statementSent);
        const QString message = failureOf([&] { connection.execute(sql); });
        QVERIFY2(failure.isEmpty() ? message.isEmpty() : message.contains(failure),
                 qPrintable(message));
        QCOMPARE(std::count_if(log.cbegin(), log.cend(),
                               [&](const QList<QVariant>& s) { return s[0].toString() == sql; }),
                 sent);
        QCOMPARE(daughters(), before + written);

        // Once the lock is let go, the connection works on a session of its own again.
        lock.reset();
        QSqlQuery again = connection.execute(u"SELECT CONNECTION_ID()"_s);
        QVERIFY(again.next());
        QVERIFY(again.value(0).toLongLong() != session);
    }

    // A statement given up on this side would go on on the server, keeping what its session
    // holds (here a named lock) until it ended by itself.
    void statementGivenUpEndsOnTheServer() {
        ConnectionSettings impatient = m_db->settings();
        impatient.readTimeout = 1;
        Connection connection(impatient);
        connection.executeDirect(u"DO GET_LOCK('tarvelin-test-opustene', 0)"_s);
        QElapsedTimer waited;
        waited.start();
        // Unlike a sleep or a lock wait, a computation does not look at the client meanwhile.
        const QString message = failureOf(
            [&] { connection.execute(u"SELECT BENCHMARK(2000000000, CRC32('tarvelin'))"_s); });
        QVERIFY2(message.contains(u"neodpovedal"_s), qPrintable(message));
        QVERIFY(waited.elapsed() < 10'000);
        Connection other(m_db->settings());
        QTRY_COMPARE_WITH_TIMEOUT(
            [&] {
                QSqlQuery free = other.execute(u"SELECT IS_FREE_LOCK('tarvelin-test-opustene')"_s);
                return free.next() ? free.value(0).toInt() : -1;
            }(),
            1, 5000);
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
