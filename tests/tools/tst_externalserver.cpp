#include "data/Connection.h"
#include "data/DatabaseError.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString user = u"tarvelin"_s;
const QString password = u"Dojnica-7"_s;
const QString database = u"tarvelin_ext"_s;

QStringList asRoot() {
    return ::geteuid() == 0 ? QStringList{u"--user=root"_s} : QStringList{};
}

// A port of the loopback interface that nothing listens on now.
int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

struct Result {
    int exitCode;
    QString err;
};

} // namespace

/// The program's database on a MariaDB server of an organisation's own, reached over TCP with a
/// user and a password: a server with the defaults (names compared by case, strict SQL mode) is
/// refused with the setting to change, and once that is set, the tools install the database and
/// print a report through it.
class TestExternalServer final : public QObject {
    Q_OBJECT

private:
    ConnectionSettings settings(bool asUser = true) const {
        ConnectionSettings settings;
        if (asUser) {
            settings.host = u"127.0.0.1"_s;
            settings.port = m_port;
            settings.user = user;
            settings.password = password;
        } else {
            settings.socket = m_root.filePath(u"s.sock"_s);
            settings.password.clear();
        }
        settings.database = asUser ? database : QString();
        return settings;
    }

    QStringList connectionOptions() const {
        return {u"--host"_s, u"127.0.0.1"_s,  u"--port"_s, QString::number(m_port), u"--user"_s,
                user,        u"--password"_s, password,    u"--database"_s,         database};
    }

    Result tool(const QString& name, const QStringList& arguments) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + u'/' + name,
                      arguments + connectionOptions());
        if (!process.waitForFinished(180'000))
            return {-1, u"timeout"_s};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }

    // Starts the server with the defaults, and these options on top.
    void startServer(const QStringList& options) {
        const QString data = m_root.filePath(u"data"_s);
        m_server.setProgram(m_serverProgram);
        m_server.setArguments(QStringList{u"--no-defaults"_s, u"--datadir="_s + data,
                                          u"--bind-address=127.0.0.1"_s,
                                          u"--port="_s + QString::number(m_port),
                                          u"--socket="_s + m_root.filePath(u"s.sock"_s),
                                          u"--log-error="_s + m_root.filePath(u"server.log"_s)} +
                              options + asRoot());
        m_server.start();
        QVERIFY(m_server.waitForStarted());
        const QDeadlineTimer deadline(60'000);
        while (!deadline.hasExpired()) {
            try {
                Connection(settings(false)).open();
                return;
            } catch (const DatabaseError&) {
                QThread::msleep(200);
            }
        }
        QFAIL("the server did not start");
    }

    void stopServer() {
        m_server.terminate();
        if (!m_server.waitForFinished(60'000))
            m_server.kill();
        m_server.waitForFinished();
    }

private Q_SLOTS:
    void initTestCase() {
        m_serverProgram =
            QStandardPaths::findExecutable(u"mariadbd"_s, {u"/usr/sbin"_s, u"/usr/bin"_s});
        const QString installer = QStandardPaths::findExecutable(u"mariadb-install-db"_s);
        if (m_serverProgram.isEmpty() || installer.isEmpty())
            QSKIP("MariaDB's server is not installed");
        m_port = freePort();
        QVERIFY(m_port > 0);
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(installer,
                      QStringList{u"--no-defaults"_s, u"--datadir="_s + m_root.filePath(u"data"_s),
                                  u"--skip-test-db"_s,
                                  u"--auth-root-authentication-method=normal"_s} +
                          asRoot());
        QVERIFY(install.waitForFinished(180'000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());

        startServer({});
        Connection root(settings(false));
        root.executeDirect(
            u"CREATE USER '%1'@'127.0.0.1' IDENTIFIED BY '%2'"_s.arg(user, password));
        // Rights on the database and the ones beside it that an installation builds in.
        root.executeDirect(u"GRANT ALL ON `tarvelin\\_ext%`.* TO '%1'@'127.0.0.1' WITH GRANT "
                           u"OPTION"_s.arg(user));
        // The universal report's reading account is made by the installation.
        root.executeDirect(u"GRANT CREATE USER ON *.* TO '%1'@'127.0.0.1'"_s.arg(user));
    }

    void serverThatTellsNamesApartByCaseIsRefused() {
        const QString setting = u"lower_case_table_names=1"_s;
        const Result install = tool(u"tarvelin-db"_s, {u"install"_s});
        QCOMPARE(install.exitCode, 1);
        QVERIFY2(install.err.contains(setting), qPrintable(install.err));
        const Result report = tool(u"tarvelin-report"_s, {u"9.D"_s, u"--code"_s, u"208123"_s,
                                                          u"--pdf"_s, m_root.filePath(u"x.pdf"_s)});
        QCOMPARE(report.exitCode, 1);
        QVERIFY2(report.err.contains(setting), qPrintable(report.err));

        Connection root(settings(false));
        QSqlQuery created = root.execute(
            u"SELECT COUNT(*) FROM information_schema.SCHEMATA WHERE SCHEMA_NAME LIKE 'tarvelin%'"_s);
        QVERIFY(created.next());
        QCOMPARE(created.value(0).toInt(), 0);
    }

    void installsAndPrintsOnceNamesCompareWithoutCase() {
        stopServer();
        startServer({u"--lower-case-table-names=1"_s});

        const Result install =
            tool(u"tarvelin-db"_s, {u"install"_s, u"--demo"_s, u"60"_s, u"--seed"_s, u"2"_s});
        QVERIFY2(install.exitCode == 0, qPrintable(install.err));
        const QString pdf = m_root.filePath(u"9d.pdf"_s);
        const Result report =
            tool(u"tarvelin-report"_s, {u"9.D"_s, u"--code"_s, u"20812302"_s, u"--pdf"_s, pdf});
        QVERIFY2(report.exitCode == 0, qPrintable(report.err));
        QProcess text;
        text.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        QVERIFY(text.waitForFinished());
        QVERIFY(text.readAllStandardOutput().contains("(9.D)"));

        // The server stays strict; the program's own sessions are lenient.
        Connection connection(settings());
        QSqlQuery modes = connection.execute(u"SELECT @@GLOBAL.sql_mode, @@SESSION.sql_mode"_s);
        QVERIFY(modes.next());
        QVERIFY(modes.value(0).toString().contains(u"STRICT_TRANS_TABLES"_s));
        QCOMPARE(modes.value(1).toString(), Connection::sqlMode());
    }

    void cleanupTestCase() {
        if (m_server.state() != QProcess::NotRunning)
            stopServer();
    }

private:
    QTemporaryDir m_root;
    QString m_serverProgram;
    QProcess m_server;
    int m_port = 0;
};

QTEST_GUILESS_MAIN(TestExternalServer)
#include "tst_externalserver.moc"

