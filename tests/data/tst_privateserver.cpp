#include "common/TestHelpers.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/PrivateServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// What a crashed server leaves: a socket file that no one listens on any more.
void leaveDeadSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// A process that has ended may stay a zombie until its parent, here the system's init, reaps it.
bool processEnded(qint64 pid) {
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2, 1) == "Z";
}

QVariant serverValue(const PrivateServer& server, const QString& sql) {
    Connection connection(server.connectionSettings());
    QSqlQuery query = connection.execute(sql);
    return query.next() ? query.value(0) : QVariant();
}

} // namespace

/// The private server's lifecycle on a folder of its own: first start, sharing a running
/// server, recovery from a crash's leftovers, clean stop, and the messages for setups that
/// cannot work.
class TestPrivateServer final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsAndIsShared() {
        PrivateServer first(folder());
        first.start();
        QVERIFY(first.startedServer());
        QVERIFY(first.isRunning());
        QVERIFY(QFile::encodeName(first.socketPath()).size() < 100);
        QCOMPARE(serverValue(first, u"SELECT @@lower_case_table_names"_s).toInt(), 1);
        QCOMPARE(serverValue(first, u"SELECT @@skip_networking"_s).toInt(), 1);
        // Its spill files stay out of the shared /tmp.
        QCOMPARE(serverValue(first, u"SELECT @@tmpdir"_s).toString(),
                 QDir::cleanPath(folder()) + u"-tmp"_s);
        // Root logs in as root of the system through the socket; everyone else needs the
        // program's password, which must therefore be set.
        QCOMPARE(serverValue(first, u"SELECT COUNT(*) FROM mysql.user WHERE "
                                    u"user = 'root' AND authentication_string = "
                                    u"PASSWORD('lomy')"_s)
                     .toInt(),
                 1);

        PrivateServer second(folder());
        second.start();
        QVERIFY(!second.startedServer());
        QCOMPARE(second.runningPid(), first.runningPid());
        QCOMPARE(second.socketPath(), first.socketPath());

        const QString link = m_root.filePath(u"link"_s);
        QVERIFY(QFile::link(folder(), link));
        PrivateServer throughLink(link);
        throughLink.start();
        QVERIFY(!throughLink.startedServer());
        QCOMPARE(throughLink.runningPid(), first.runningPid());
    }

    void recoversFromCrashLeftovers_data() {
        QTest::addColumn<QByteArray>("pidFile");

        // An empty pid file stands for the one the killed server left behind.
        QTest::newRow("server killed") << QByteArray();
        QTest::newRow("pid now used by another process")
            << QByteArray::number(QCoreApplication::applicationPid());
        QTest::newRow("pid of no process") << QByteArray("99999999");
        QTest::newRow("garbled pid file") << QByteArray("#!?");
    }

    void recoversFromCrashLeftovers() {
        QFETCH(QByteArray, pidFile);
        PrivateServer server(folder());
        server.start();
        const qint64 killed = server.runningPid();
        QCOMPARE(::kill(pid_t(killed), SIGKILL), 0);
        QTRY_VERIFY(processEnded(killed));
        QVERIFY(QFileInfo::exists(server.socketPath()));
        if (!pidFile.isEmpty()) {
            writeFile(pidFilePath(), pidFile);
            QFile::remove(server.socketPath());
            leaveDeadSocket(server.socketPath());
        }
        QVERIFY(!server.isRunning());

        server.start();
        QVERIFY(server.startedServer());
        QVERIFY(server.runningPid() != killed);
        QCOMPARE(serverValue(server, u"SELECT 1"_s).toInt(), 1);
    }

    void stopsCleanlyAndKeepsData() {
        PrivateServer server(folder());
        server.start();
        {
            Connection connection(server.connectionSettings());
            connection.executeDirect(u"CREATE DATABASE IF NOT EXISTS pokus"_s);
            connection.executeDirect(u"CREATE OR REPLACE TABLE pokus.t (meno VARCHAR(20))"_s);
            connection.executeDirect(u"INSERT INTO pokus.t VALUES ('Straka')"_s);
            // A program sharing the server keeps it running.
            QVERIFY(!server.stopUnlessInUse());
            QVERIFY(server.isRunning());
        }
        const qint64 pid = server.runningPid();
        const QString socket = server.socketPath();

        // Straight after its own session closed: the closing session must not count as a user.
        QVERIFY(server.stopUnlessInUse());
        QVERIFY(processEnded(pid));
        QVERIFY(!QFileInfo::exists(pidFilePath()));
        QVERIFY(!QFileInfo::exists(socket));
        // Nor a folder beside the socket: every data folder of the tests once left one in /tmp.
        QVERIFY(!QFileInfo::exists(socket.chopped(5) + u".tmp"_s));
        QVERIFY(!server.isRunning());
        server.stop();

        server.start();
        QCOMPARE(serverValue(server, u"SELECT meno FROM pokus.t"_s).toString(), u"Straka"_s);
        server.stop();
        QVERIFY(!server.isRunning());
    }

    void refusesSetupsThatCannotWork_data() {
        QTest::addColumn<QString>("dataFolder");
        QTest::addColumn<QStringList>("existingFiles");
        QTest::addColumn<QString>("serverProgram");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("leftAsItWas");

        QTest::newRow("server not installed") << "fresh" << QStringList() << "/nonexistent/mariadbd"
                                              << "Nainštalujte balík mariadb-server" << false;
        QTest::newRow("folder cannot be created") << "blocked/data" << QStringList{"blocked"} << ""
                                                  << "sa nedá vytvoriť" << false;
        QTest::newRow("folder holds other files")
            << "documents" << QStringList{"documents/dojivo.xlsx"} << ""
            << "nie je priečinok databázy programu Tarvelin" << true;
        // A system folder with the configuration of the system's own database server.
        QTest::newRow("folder of another server")
            << "etc" << QStringList{"etc/mysql/my.cnf", "etc/hosts"} << ""
            << "nie je priečinok databázy programu Tarvelin" << true;
        QTest::newRow("server fails to start")
            << "broken" << QStringList{"broken/tarvelin.datadir", "broken/mysql/.keep"} << ""
            << "Can't open and lock privilege tables" << false;
    }

    void refusesSetupsThatCannotWork() {
        QFETCH(QString, dataFolder);
        QFETCH(QStringList, existingFiles);
        QFETCH(QString, serverProgram);
        QFETCH(QString, message);
        QFETCH(bool, leftAsItWas);
        for (const QString& existing : existingFiles)
            writeFile(m_root.filePath(existing), "nechať tak");
        const QDir::Filters all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
        const QStringList before = QDir(m_root.filePath(dataFolder)).entryList(all);

        PrivateServer server(m_root.filePath(dataFolder));
        if (!serverProgram.isEmpty())
            server.setServerProgram(serverProgram);
        const QString failure = failureOf([&] { server.start(); });
        QVERIFY2(failure.contains(message), qPrintable(failure));
        if (leftAsItWas) {
            QVERIFY2(failure.contains(m_root.filePath(dataFolder)), qPrintable(failure));
            QCOMPARE(QDir(m_root.filePath(dataFolder)).entryList(all), before);
        }
        QVERIFY(!server.isRunning());
        for (const QString& existing : existingFiles) {
            QFile file(m_root.filePath(existing));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("nechať tak"));
        }
    }

    void cleanupTestCase() { PrivateServer(folder()).stop(); }

private:
    QString folder() const { return m_root.filePath(u"data"_s); }
    QString pidFilePath() const { return folder() + u"/mariadbd.pid"_s; }

    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(TestPrivateServer)
#include "tst_privateserver.moc"
