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

namespace {

const QString user = QStringLiteral("tarvelin");
const QString password = QStringLiteral("Dojnica-7");
const QString database = QStringLiteral("tarvelin_ext");

QStringList asRoot() {
    return ::geteuid() == 0 ? QStringList{QStringLiteral("--user=root")} : QStringList{};
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
            settings.host = QStringLiteral("127.0.0.1");
            settings.port = m_port;
            settings.user = user;
            settings.password = password;
        } else {
            settings.socket = m_root.filePath(QStringLiteral("s.sock"));
            settings.password.clear();
        }
        settings.database = asUser ? database : QString();
        return settings;
    }

    QStringList connectionOptions() const {
        return {QStringLiteral("--host"),     QStringLiteral("127.0.0.1"),
                QStringLiteral("--port"),     QString::number(m_port),
                QStringLiteral("--user"),     user,
                QStringLiteral("--password"), password,
                QStringLiteral("--database"), database};
    }

    Result tool(const QString& name, const QStringList& arguments) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + u'/' + name,
                      arguments + connectionOptions());
        if (!process.waitForFinished(180'000))
            return {-1, QStringLiteral("timeout")};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }

    // Starts the server with the defaults, and these options on top.
    void startServer(const QStringList& options) {
        const QString data = m_root.filePath(QStringLiteral("data"));
        m_server.setProgram(m_serverProgram);
        m_server.setArguments(
            QStringList{QStringLiteral("--no-defaults"), QStringLiteral("--datadir=") + data,
                        QStringLiteral("--bind-address=127.0.0.1"),
                        QStringLiteral("--port=") + QString::number(m_port),
                        QStringLiteral("--socket=") + m_root.filePath(QStringLiteral("s.sock")),
                        QStringLiteral("--log-error=") +
                            m_root.filePath(QStringLiteral("server.log"))} +
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
        m_serverProgram = QStandardPaths::findExecutable(
            QStringLiteral("mariadbd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
        const QString installer =
            QStandardPaths::findExecutable(QStringLiteral("mariadb-install-db"));
        if (m_serverProgram.isEmpty() || installer.isEmpty())
            QSKIP("MariaDB's server is not installed");
        m_port = freePort();
        QVERIFY(m_port > 0);
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(
            installer,
            QStringList{QStringLiteral("--no-defaults"),
                        QStringLiteral("--datadir=") + m_root.filePath(QStringLiteral("data")),
                        QStringLiteral("--skip-test-db"),
                        QStringLiteral("--auth-root-authentication-method=normal")} +
                asRoot());
        QVERIFY(install.waitForFinished(180'000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());

        startServer({});
        Connection root(settings(false));
        root.executeDirect(
            QStringLiteral("CREATE USER '%1'@'127.0.0.1' IDENTIFIED BY '%2'").arg(user, password));
        // Rights on the database and the ones beside it that an installation builds in.
        root.executeDirect(
            QStringLiteral("GRANT ALL ON `tarvelin\\_ext%`.* TO '%1'@'127.0.0.1'").arg(user));
    }

    void serverThatTellsNamesApartByCaseIsRefused() {
        const QString setting = QStringLiteral("lower_case_table_names=1");
        const Result install = tool(QStringLiteral("tarvelin-db"), {QStringLiteral("install")});
        QCOMPARE(install.exitCode, 1);
        QVERIFY2(install.err.contains(setting), qPrintable(install.err));
        const Result report =
            tool(QStringLiteral("tarvelin-report"),
                 {QStringLiteral("9.D"), QStringLiteral("--code"), QStringLiteral("208123"),
                  QStringLiteral("--pdf"), m_root.filePath(QStringLiteral("x.pdf"))});
        QCOMPARE(report.exitCode, 1);
        QVERIFY2(report.err.contains(setting), qPrintable(report.err));

        Connection root(settings(false));
        QSqlQuery created = root.execute(QStringLiteral(
            "SELECT COUNT(*) FROM information_schema.SCHEMATA WHERE SCHEMA_NAME LIKE 'tarvelin%'"));
        QVERIFY(created.next());
        QCOMPARE(created.value(0).toInt(), 0);
    }

    void installsAndPrintsOnceNamesCompareWithoutCase() {
        stopServer();
        startServer({QStringLiteral("--lower-case-table-names=1")});

        const Result install =
            tool(QStringLiteral("tarvelin-db"),
                 {QStringLiteral("install"), QStringLiteral("--demo"), QStringLiteral("60"),
                  QStringLiteral("--seed"), QStringLiteral("2")});
        QVERIFY2(install.exitCode == 0, qPrintable(install.err));
        const QString pdf = m_root.filePath(QStringLiteral("9d.pdf"));
        const Result report = tool(QStringLiteral("tarvelin-report"),
                                   {QStringLiteral("9.D"), QStringLiteral("--code"),
                                    QStringLiteral("20812302"), QStringLiteral("--pdf"), pdf});
        QVERIFY2(report.exitCode == 0, qPrintable(report.err));
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        QVERIFY(text.readAllStandardOutput().contains("(9.D)"));

        // The server stays strict; the program's own sessions are lenient.
        Connection connection(settings());
        QSqlQuery modes =
            connection.execute(QStringLiteral("SELECT @@GLOBAL.sql_mode, @@SESSION.sql_mode"));
        QVERIFY(modes.next());
        QVERIFY(modes.value(0).toString().contains(QStringLiteral("STRICT_TRANS_TABLES")));
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
