#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/PrivateServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QString besideTest(const QString& name) {
    return QCoreApplication::applicationDirPath() + u'/' + name;
}

/// Whether a client other than the asking one is connected: the window, once it has opened its
/// database.
bool clientConnected(const QString& dataFolder) {
    try {
        Connection connection(PrivateServer(dataFolder).connectionSettings());
        QSqlQuery others =
            connection.execute(u"SELECT COUNT(*) FROM information_schema.PROCESSLIST "
                               u"WHERE ID <> CONNECTION_ID() AND COMMAND <> 'Daemon'"_s);
        return others.next() && others.value(0).toInt() > 0;
    } catch (const DatabaseError&) {
        return false;
    }
}

/// An X server of the test's own, on a display it chose free itself; ended with the object.
class XServer {
public:
    explicit XServer(const QString& program) {
        // Xvfb writes the number of the display it took to the descriptor named, once it
        // listens.
        m_process.start(program, {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s});
        QDeadlineTimer deadline(20'000);
        while (!m_process.canReadLine() &&
               m_process.waitForReadyRead(int(deadline.remainingTime()))) {
        }
        bool ok = false;
        const int number = m_process.readLine().trimmed().toInt(&ok);
        if (ok)
            m_display = u":%1"_s.arg(number);
    }
    ~XServer() {
        m_process.kill();
        m_process.waitForFinished();
    }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    /// Empty when the server did not start.
    QString display() const { return m_display; }
    bool kill() { return ::kill(pid_t(m_process.processId()), SIGKILL) == 0; }

private:
    QProcess m_process;
    QString m_display;
};

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    return true;
}

/// What ends the window from outside: a signal to it, or the X server it shows on going away.
struct Ending {
    int signal = 0;
    bool toXServer = false;
};

} // namespace

Q_DECLARE_METATYPE(Ending)

/// The window as its user ends it from outside: the desktop session ends (TERM), Ctrl+C in the
/// terminal it was started from (INT), the terminal closed (HUP), the X server it shows on gone
/// (a logout may end that first). The window runs as an installed program for a user of its own,
/// so that it starts its private server itself.
class TestWindowSignals final : public QObject {
    Q_OBJECT

private:
    QString home(const QString& user) const { return m_root.filePath(u"home-"_s + user); }
    QString dataFolder(const QString& user) const {
        return home(user) + u"/share/tarvelin/mariadb"_s;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_root.isValid());
        // A copy, since the program finds its files and its configuration from where it lies;
        // the build's own configuration file stays untouched.
        QVERIFY(QDir().mkpath(m_root.filePath(u"bin"_s)));
        QVERIFY(QDir().mkpath(m_root.filePath(u"share"_s)));
        QVERIFY(QFile::copy(besideTest(u"tarvelin"_s), m_root.filePath(u"bin/tarvelin"_s)));
        QVERIFY(QFile::link(QCoreApplication::applicationDirPath(),
                            m_root.filePath(u"share/tarvelin"_s)));

        QProcess install;
        install.start(besideTest(u"tarvelin-db"_s),
                      {u"--datadir"_s, dataFolder(u"returning"_s), u"install"_s, u"--demo"_s,
                       u"40"_s, u"--seed"_s, u"5"_s});
        QVERIFY(install.waitForFinished(180'000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    }

    void endsAndStopsItsServer_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<Ending>("ending");
        QTest::addColumn<bool>("idle");
        QTest::newRow("session ends") << u"returning"_s << Ending{SIGTERM} << true;
        QTest::newRow("Ctrl+C") << u"returning"_s << Ending{SIGINT} << true;
        QTest::newRow("terminal closed") << u"returning"_s << Ending{SIGHUP} << true;
        // The first start installs the demo herd on the GUI thread, which answers no signal
        // meanwhile.
        QTest::newRow("during the first start") << u"new"_s << Ending{SIGTERM} << false;
        // Qt ends the process by exit() at once, past the program's own shutdown.
        QTest::newRow("X server gone") << u"returning"_s << Ending{SIGKILL, true} << true;
    }
    void endsAndStopsItsServer() {
        QFETCH(QString, user);
        QFETCH(Ending, ending);
        QFETCH(bool, idle);
        const QString folder = dataFolder(user);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, home(user));
        environment.insert(u"XDG_DATA_HOME"_s, home(user) + u"/share"_s);
        environment.insert(u"XDG_CONFIG_HOME"_s, home(user) + u"/config"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        std::unique_ptr<XServer> xServer;
        if (ending.toXServer) {
            const QString program = QStandardPaths::findExecutable(u"Xvfb"_s);
            if (program.isEmpty())
                QSKIP("Xvfb is not installed");
            xServer = std::make_unique<XServer>(program);
            QVERIFY2(!xServer->display().isEmpty(), "Xvfb did not start");
            environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
            environment.insert(u"DISPLAY"_s, xServer->display());
        }
        QProcess window;
        window.setProcessEnvironment(environment);
        window.setProcessChannelMode(QProcess::MergedChannels);
        window.start(m_root.filePath(u"bin/tarvelin"_s));
        const auto cleanUp = qScopeGuard([&] {
            window.kill();
            window.waitForFinished();
            PrivateServer(folder).stop();
        });
        QVERIFY(window.waitForStarted());

        QVERIFY(waitFor([&] { return PrivateServer(folder).isRunning(); }, 60'000));
        if (idle) {
            QVERIFY(waitFor([&] { return clientConnected(folder); }, 60'000));
            // The splash screen stays two seconds before the main window's loop starts.
            QThread::msleep(3000);
        }
        QElapsedTimer clock;
        clock.start();
        if (ending.toXServer)
            QVERIFY(xServer->kill());
        else
            QCOMPARE(::kill(pid_t(window.processId()), ending.signal), 0);
        QVERIFY2(window.waitForFinished(30'000), "the window did not end");
        const QString output = QString::fromUtf8(window.readAll());
        qInfo("%s ended after %lld ms", QTest::currentDataTag(), clock.elapsed());

        QCOMPARE(window.exitStatus(), QProcess::NormalExit);
        if (ending.toXServer)
            QVERIFY2(window.exitCode() != 0, qPrintable(output));
        else if (idle)
            QVERIFY2(window.exitCode() == 0, qPrintable(output));
        else if (window.exitCode() != 0)
            QVERIFY2(output.contains(u"zastavujem databázový server"_s), qPrintable(output));
        QVERIFY2(!PrivateServer(folder).isRunning(), qPrintable(output));
    }

private:
    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(TestWindowSignals)
#include "tst_windowsignals.moc"
