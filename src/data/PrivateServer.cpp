#include "PrivateServer.h"

#include "CheckedSave.h"

#include "Connection.h"
#include "DatabaseError.h"
#include "ServerUsers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

using namespace std::chrono_literals;

namespace {

// sun_path holds 108 bytes; MariaDB and the client library want some room to spare.
constexpr qsizetype maxSocketPathLength = 100;

constexpr auto pollInterval = 100ms;
// Long enough for another program's first start, which installs the server's own tables.
constexpr auto lockTimeLimit = 180s;
constexpr auto installTimeLimit = 120s;
constexpr auto startTimeLimit = 60s;
// Servers are launched under the folder's lock, so one found running has already answered
// its launcher; the grace is for a server started by hand or busy for a moment.
constexpr auto answerWait = 10s;
constexpr auto shutdownTimeLimit = 30s;
constexpr auto terminateTimeLimit = 15s;
constexpr auto killTimeLimit = 5s;
constexpr auto closingSessionWait = 2s;
constexpr qsizetype logTailLines = 15;
constexpr qint64 maxLogSize = 1024 * 1024;

QString lockFileName() {
    return u"tarvelin.lock"_s;
}

QString logFileName() {
    return u"server.log"_s;
}

QString usersFileName() {
    return u"tarvelin.users"_s;
}

/// Written into a data folder when the program makes its server there: a folder without it is
/// somebody else's.
QString markerFileName() {
    return u"tarvelin.datadir"_s;
}

/// The files the class keeps beside the server's own in its folder.
bool isOwnFile(const QString& entry) {
    return entry.startsWith(lockFileName()) || entry.startsWith(logFileName()) ||
           entry == usersFileName() || entry == markerFileName();
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() >= limit.count())
            return false;
        std::this_thread::sleep_for(pollInterval);
    }
    return true;
}

bool processAlive(qint64 pid) {
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    // The state letter follows the command name, which may itself hold parentheses. A zombie
    // has finished; only its parent has not collected it yet.
    const qsizetype state = text.lastIndexOf(')') + 2;
    return state >= 2 && state < text.size() && text[state] != 'Z' && text[state] != 'X';
}

bool endProcess(qint64 pid) {
    const auto gone = [pid] {
        return !processAlive(pid);
    };
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    // A stopped process (SIGSTOP, a debugger) acts on the request only once it runs again;
    // MariaDB then shuts down cleanly.
    ::kill(static_cast<pid_t>(pid), SIGCONT);
    if (waitUntil(gone, terminateTimeLimit))
        return true;
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    return waitUntil(gone, killTimeLimit);
}

QStringList commandLineOf(qint64 pid) {
    QFile file(u"/proc/%1/cmdline"_s.arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList arguments;
    for (const QByteArray& argument : file.readAll().split('\0'))
        arguments << QFile::decodeName(argument);
    return arguments;
}

// MariaDB greets every new client with a handshake packet whose first byte is the protocol
// version, 10. Receiving it shows that the server takes clients, without logging in.
bool socketAnswers(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.isEmpty() || name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const timeval timeout{2, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    unsigned char header[5] = {};
    const bool answered =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::recv(fd, header, sizeof header, MSG_WAITALL) == qsizetype(sizeof header) &&
        header[4] == 10;
    ::close(fd);
    return answered;
}

QStringList rootUserOption() {
    // mariadbd refuses to run as root unless told that this is meant.
    return ::geteuid() == 0 ? QStringList{u"--user=root"_s} : QStringList{};
}

QStringList temporaryFolderOption(const QString& folder) {
    // Large sorts and joins spill to files there. In the shared /tmp they were deleted under a
    // running report, and the server failed the statement among its rows; a folder beside the
    // data is the server's own. Where none can be made, the server keeps its default.
    if (!QDir().mkpath(folder))
        return {};
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return {u"--tmpdir="_s + folder};
}

// What the server or its installer wrote, cut to what says why it failed: the lines that name an
// error, or else the last ones. Their advice that follows an error, and paths in it, can be long
// enough to push the cause itself out of the last lines.
QString causeLines(const QString& text) {
    static const QRegularExpression cause(
        u"\\[ERROR\\]|\\bcan't\\b|\\bcannot\\b|\\bfatal\\b|\\bfailed\\b|denied|No such"_s,
        QRegularExpression::CaseInsensitiveOption);
    QStringList lines = text.trimmed().split(QLatin1Char('\n'));
    const QStringList causes = lines.filter(cause);
    if (!causes.isEmpty())
        lines = causes;
    if (lines.size() > logTailLines)
        lines = lines.mid(lines.size() - logTailLines);
    return lines.join(QLatin1Char('\n'));
}

ConnectionSettings rootSettings(const QString& socket) {
    ConnectionSettings settings;
    settings.socket = socket;
    settings.database.clear();
    return settings;
}

// The login of the server's own housekeeping (shutdown, who else is connected): short
// statements, so a server that hangs is given up soon.
ConnectionSettings adminSettings(const QString& socket) {
    ConnectionSettings settings = rootSettings(socket);
    settings.connectTimeout = 5;
    settings.readTimeout = 10;
    return settings;
}

// The installer script passes the data folder unquoted to chown, which splits a path at its
// blanks; a link without them leads it to the same folder.
bool shellSplits(const QString& path) {
    static const QRegularExpression special(u"[\\s*?\\[]"_s);
    return path.contains(special);
}

DatabaseError notInstalled(const QString& program) {
    return DatabaseError(u"Databázový server MariaDB nie je nainštalovaný (program %1 "
                         u"sa nenašiel). Nainštalujte balík mariadb-server."_s.arg(program));
}

} // namespace

/// The servers this process started, by the users' record through which it counts itself, so
/// that a signal can stop them while their owners are busy in another thread, and the end of the
/// process when their owners never get to their shutdown.
class PrivateServer::StartedHere {
public:
    static StartedHere& instance();

    void record(ServerUsers* users, const QString& dataFolder);
    void forget(ServerUsers* users);
    /// Stops those that no other program or tool uses, and forgets all of them.
    void stopAll(ShutdownRequest request);

private:
    StartedHere() = default;
    static void stopAtExit();

    std::mutex m_mutex;
    std::map<ServerUsers*, QString> m_servers;
};

PrivateServer::StartedHere& PrivateServer::StartedHere::instance() {
    static StartedHere registry;
    // exit() skips the owners' shutdown: Qt calls it itself when the X server goes away, as at
    // the end of a desktop session. Handlers and the destructors of statics run in the reverse
    // order of their registration and construction, so the handler is registered only once the
    // registry is complete; registered earlier, it would find the registry destroyed.
    [[maybe_unused]] static const bool stopsAtExit = std::atexit(stopAtExit) == 0;
    return registry;
}

void PrivateServer::StartedHere::stopAtExit() {
    // The statics made after the registry are destroyed by now, Qt's record of its database
    // connections among them, so no client connection can be opened to ask for the shutdown.
    instance().stopAll(ShutdownRequest::SignalOnly);
}

void PrivateServer::StartedHere::record(ServerUsers* users, const QString& dataFolder) {
    const std::lock_guard guard(m_mutex);
    m_servers[users] = dataFolder;
}

void PrivateServer::StartedHere::forget(ServerUsers* users) {
    const std::lock_guard guard(m_mutex);
    m_servers.erase(users);
}

void PrivateServer::StartedHere::stopAll(ShutdownRequest request) {
    const std::lock_guard guard(m_mutex);
    for (const auto& [users, folder] : m_servers) {
        PrivateServer server(folder);
        QLockFile lockFile(folder + QLatin1Char('/') + lockFileName());
        lockFile.setStaleLockTime(0);
        // The folder's lock may be held by this very process, busy starting another server.
        if (!lockFile.tryLock(int(std::chrono::milliseconds(shutdownTimeLimit).count())) ||
            !users->leaveAndClaimAlone())
            continue;
        try {
            if (const auto process = server.findServer())
                server.shutDown(*process, request);
            server.removeStaleFiles();
        } catch (const DatabaseError&) {
            // Ending anyway; the next start cleans up after a server that lingers.
        }
        users->leave();
    }
    m_servers.clear();
}

PrivateServer::~PrivateServer() {
    forgetStarted();
}

PrivateServer::PrivateServer(PrivateServer&&) noexcept = default;
PrivateServer& PrivateServer::operator=(PrivateServer&&) noexcept = default;

PrivateServer::PrivateServer(const QString& dataFolder)
    : m_dataFolder(QDir::cleanPath(QFileInfo(dataFolder).absoluteFilePath())) {
    // The running server is recognised by the folder in its command line; a folder reached
    // through a symbolic link must name the same server.
    const QString canonical = QFileInfo(m_dataFolder).canonicalFilePath();
    if (!canonical.isEmpty())
        m_dataFolder = canonical;
}

QString PrivateServer::defaultDataFolder() {
    // Spelled out rather than taken from the application name, so that the program and the
    // tool, which run under different names, share one folder.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/tarvelin/mariadb"_s;
}

void PrivateServer::setServerProgram(const QString& path) {
    m_serverProgram = path;
}

void PrivateServer::start() {
    m_startedServer = false;
    prepareFolder();
    refuseForeignFolder();
    QLockFile lockFile(m_dataFolder + QLatin1Char('/') + lockFileName());
    lock(lockFile);
    if (!m_users)
        m_users = std::make_unique<ServerUsers>(m_dataFolder + u'/' + usersFileName());
    if (const auto server = findServer()) {
        if (QFileInfo::exists(server->socket)) {
            // A server that keeps its socket but does not answer may be hung or stopped; ending
            // it could cost another program its work, so that is left for an explicit stop.
            if (!answers())
                throw DatabaseError(
                    u"Databázový server pre priečinok %1 (proces %2) beží, ale neodpovedá ani po "
                    "%3 s. Zastavte ho (tarvelin-db --datadir „%1“ stop) a skúste to znova."_s.arg(
                        m_dataFolder, QString::number(server->pid),
                        QString::number(std::chrono::seconds(answerWait).count())));
            m_users->join();
            return;
        }
        // Its socket is gone (runtime folders are emptied at logout), so no client can reach
        // it; it makes way for a server that can be reached.
        shutDown(*server);
    }
    removeStaleFiles();
    const QString program = locateServerProgram();
    if (!QFileInfo(m_dataFolder + u"/mysql"_s).isDir())
        install(program);
    launch(program);
    m_startedServer = true;
    m_users->join();
    StartedHere::instance().record(m_users.get(), m_dataFolder);
}

void PrivateServer::stop() {
    if (!QFileInfo(m_dataFolder).isDir())
        return;
    QLockFile lockFile(m_dataFolder + QLatin1Char('/') + lockFileName());
    lock(lockFile);
    stopLocked();
}

void PrivateServer::stopLocked() {
    if (const auto server = findServer())
        shutDown(*server);
    removeStaleFiles();
    if (m_users)
        m_users->leave();
    forgetStarted();
}

void PrivateServer::stopServersStartedHere() {
    StartedHere::instance().stopAll(ShutdownRequest::SignalOnly);
}

void PrivateServer::forgetStarted() {
    // A process that never started a server has nothing to forget, nor a reason to register
    // the handler for its end.
    if (m_users)
        StartedHere::instance().forget(m_users.get());
}

bool PrivateServer::stopUnlessInUse() {
    if (!QFileInfo(m_dataFolder).isDir())
        return true;
    // Under the folder's lock nobody starts or joins the server while this decides.
    QLockFile lockFile(m_dataFolder + QLatin1Char('/') + lockFileName());
    lock(lockFile);
    ServerUsers users(m_dataFolder + u'/' + usersFileName());
    ServerUsers& own = m_users ? *m_users : users;
    if (!own.leaveAndClaimAlone())
        return false;
    const auto server = findServer();
    if (!server) {
        own.leave();
        return true;
    }
    // Clients that do not count themselves among the users, such as the client programs of a
    // backup, still show as connections. A session this process has just closed lingers in the
    // list until the server's thread notices the closed socket, so only connections that stay
    // for a moment count.
    {
        Connection connection(adminSettings(server->socket));
        const auto nobodyElse = [&connection] {
            QSqlQuery others =
                connection.execute(u"SELECT COUNT(*) FROM information_schema.PROCESSLIST "
                                   u"WHERE ID <> CONNECTION_ID() AND COMMAND <> 'Daemon'"_s);
            return others.next() && others.value(0).toInt() == 0;
        };
        if (!waitUntil(nobodyElse, closingSessionWait)) {
            own.leave();
            return false;
        }
    }
    stopLocked();
    own.leave();
    return true;
}

bool PrivateServer::canTellWhetherRunning() const {
    // A path that cannot be looked at for lack of rights is not a missing one.
    const auto absentOrReadable = [](const QString& path, int access) {
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) != 0)
            return errno == ENOENT;
        return ::access(QFile::encodeName(path).constData(), access) == 0;
    };
    return absentOrReadable(m_dataFolder, R_OK | X_OK) && absentOrReadable(pidFilePath(), R_OK);
}

bool PrivateServer::answers() const {
    const auto server = findServer();
    return server && waitUntil([&] { return socketAnswers(server->socket); }, answerWait);
}

std::chrono::seconds PrivateServer::answerTimeLimit() {
    return answerWait;
}

qint64 PrivateServer::runningPid() const {
    const auto server = findServer();
    return server ? server->pid : 0;
}

QString PrivateServer::socketPath() const {
    const auto server = findServer();
    return server ? server->socket : plannedSocketPath();
}

ConnectionSettings PrivateServer::connectionSettings() const {
    return rootSettings(socketPath());
}

std::optional<PrivateServer::ServerProcess> PrivateServer::findServer() const {
    QFile file(pidFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const qint64 pid = file.readAll().trimmed().toLongLong(&ok);
    if (!ok || pid <= 0)
        return std::nullopt;
    // After a crash the pid may belong to another process by now; only a server started for
    // this folder counts. A process that has ended shows an empty command line.
    const QStringList arguments = commandLineOf(pid);
    if (!arguments.contains(u"--datadir="_s + m_dataFolder))
        return std::nullopt;
    const QString socketOption = u"--socket="_s;
    for (const QString& argument : arguments) {
        if (argument.startsWith(socketOption))
            return ServerProcess{pid, argument.mid(socketOption.size())};
    }
    return std::nullopt;
}

QString PrivateServer::plannedSocketPath() const {
    // Data folders may lie deep below the home folder, but a socket path must stay short: the
    // socket lives in a private folder of the user's runtime or temporary folder, named by a
    // hash of the data folder.
    const QString name = QString::fromLatin1(QCryptographicHash::hash(m_dataFolder.toUtf8(),
                                                                      QCryptographicHash::Sha1)
                                                 .toHex()
                                                 .left(16)) +
                         u".sock"_s;
    const QString user = QString::number(::geteuid());
    QStringList folders;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        folders << runtime + u"/tarvelin"_s;
    folders << QDir::tempPath() + u"/tarvelin-"_s + user << u"/tmp/tarvelin-"_s + user;
    for (const QString& folder : std::as_const(folders)) {
        const QString path = folder + QLatin1Char('/') + name;
        if (QFile::encodeName(path).size() < maxSocketPathLength)
            return path;
    }
    return folders.last() + QLatin1Char('/') + name;
}

QString PrivateServer::pidFilePath() const {
    return m_dataFolder + u"/mariadbd.pid"_s;
}

QString PrivateServer::logFilePath() const {
    return m_dataFolder + QLatin1Char('/') + logFileName();
}

QString PrivateServer::temporaryFolder() const {
    return QDir::cleanPath(m_dataFolder) + u"-tmp"_s;
}

void PrivateServer::prepareFolder() {
    if (!QDir().mkpath(m_dataFolder) || !QFileInfo(m_dataFolder).isDir())
        throw DatabaseError(u"Priečinok databázy %1 sa nedá vytvoriť."_s.arg(m_dataFolder));
    m_dataFolder = QFileInfo(m_dataFolder).canonicalFilePath();
}

void PrivateServer::refuseForeignFolder() const {
    const QDir folder(m_dataFolder);
    if (QFileInfo::exists(folder.filePath(markerFileName())))
        return;
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (std::all_of(entries.cbegin(), entries.cend(), isOwnFile))
        return;
    // A folder the program used before it marked its folders: its server's files with the
    // program's own record of its users, which no other program writes.
    if (QFileInfo(folder.filePath(u"mysql"_s)).isDir() &&
        QFileInfo::exists(folder.filePath(usersFileName()))) {
        writeMarker();
        return;
    }
    throw DatabaseError(
        u"Priečinok %1 nie je priečinok databázy programu Tarvelin: nie je "
        u"prázdny a chýba v ňom súbor %2. Databáza sa v ňom nezaloží ani "
        u"nespustí; zvoľte prázdny alebo nový priečinok."_s.arg(m_dataFolder, markerFileName()));
}

void PrivateServer::writeMarker() const {
    if (const QString problem =
            CheckedSave::writeWhole(QDir(m_dataFolder).filePath(markerFileName()),
                                    "Priecinok databazy programu Tarvelin.\n");
        !problem.isEmpty())
        throw DatabaseError(
            u"Do priečinka databázy %1 sa nedá zapisovať: %2"_s.arg(m_dataFolder, problem));
}

void PrivateServer::lock(QLockFile& lockFile) const {
    // Two programs starting on one folder at once must not both install or launch a server;
    // the second waits and then finds the first one's server running.
    lockFile.setStaleLockTime(0);
    if (lockFile.tryLock(int(std::chrono::milliseconds(lockTimeLimit).count())))
        return;
    if (lockFile.error() == QLockFile::LockFailedError)
        throw DatabaseError(u"Priečinok databázy %1 má zamknutý iný program, ktorý "
                            u"práve spúšťa alebo zastavuje databázový server."_s.arg(m_dataFolder));
    throw DatabaseError(u"Do priečinka databázy %1 sa nedá zapisovať."_s.arg(m_dataFolder));
}

QString PrivateServer::locateServerProgram() const {
    if (!m_serverProgram.isEmpty()) {
        if (QFileInfo(m_serverProgram).isExecutable())
            return m_serverProgram;
        throw notInstalled(m_serverProgram);
    }
    const QString name = u"mariadbd"_s;
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(name, {u"/usr/sbin"_s, u"/usr/local/sbin"_s});
    if (path.isEmpty())
        throw notInstalled(name);
    return path;
}

void PrivateServer::install(const QString& serverProgram) {
    // Installing into a folder that holds something else could overwrite it; the folder
    // must hold nothing but what this class itself put there.
    const QDir folder(m_dataFolder);
    const auto foreignEntries = [&] {
        QStringList entries =
            folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        entries.removeIf(isOwnFile);
        return entries;
    };
    if (!foreignEntries().isEmpty())
        throw DatabaseError(u"Priečinok %1 nie je prázdny a nie je v ňom databáza "
                            u"MariaDB; databáza sa doň nezaloží."_s.arg(m_dataFolder));
    // Before the server's files, so that a folder an interrupted installation left is still
    // known for the program's own.
    writeMarker();

    const QString name = u"mariadb-install-db"_s;
    QString installer =
        QStandardPaths::findExecutable(name, {QFileInfo(serverProgram).absolutePath()});
    if (installer.isEmpty())
        installer = QStandardPaths::findExecutable(name);
    if (installer.isEmpty())
        throw notInstalled(name);

    // Root's password is set while the grant tables are written, so that the server never
    // runs with root reachable without it. FLUSH PRIVILEGES loads the tables that the
    // installer's bootstrap mode otherwise leaves unused.
    QTemporaryFile script;
    if (!script.open())
        throw DatabaseError(u"Dočasný súbor sa nedá vytvoriť: %1"_s.arg(script.errorString()));
    script.write("FLUSH PRIVILEGES;\n"
                 "ALTER USER root@localhost IDENTIFIED VIA mysql_native_password "
                 "USING PASSWORD('lomy') OR unix_socket;\n");
    script.flush();

    std::optional<QTemporaryDir> linkFolder;
    QString dataFolder = m_dataFolder;
    if (shellSplits(dataFolder)) {
        const QString temporary = shellSplits(QDir::tempPath()) ? u"/tmp"_s : QDir::tempPath();
        linkFolder.emplace(temporary + u"/tarvelin-XXXXXX"_s);
        dataFolder = linkFolder->filePath(u"data"_s);
        if (!linkFolder->isValid() || !QFile::link(m_dataFolder, dataFolder))
            throw DatabaseError(
                u"Pomocný odkaz na priečinok %1 sa nedá vytvoriť."_s.arg(m_dataFolder));
    }

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(installer, QStringList{u"--no-defaults"_s, u"--datadir="_s + dataFolder,
                                         u"--skip-test-db"_s, u"--lower-case-table-names=1"_s,
                                         u"--extra-file="_s + script.fileName()} +
                                 rootUserOption());
    const bool finished =
        process.waitForFinished(int(std::chrono::milliseconds(installTimeLimit).count()));
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return;
    process.kill();
    process.waitForFinished();
    QString output = QString::fromLocal8Bit(process.readAll());
    if (output.trimmed().isEmpty())
        output = process.errorString();
    // What the installer left is incomplete and would pass for an installed server next time.
    for (const QString& entry : foreignEntries()) {
        const QString path = folder.filePath(entry);
        if (!QDir(path).removeRecursively())
            QFile::remove(path);
    }
    throw DatabaseError(
        u"Príprava databázy v priečinku %1 zlyhala:\n%2"_s.arg(m_dataFolder, causeLines(output)));
}

void PrivateServer::launch(const QString& serverProgram) {
    const QString socket = plannedSocketPath();
    const QFileInfo socketFolder(QFileInfo(socket).absolutePath());
    QDir().mkpath(socketFolder.absoluteFilePath());
    // A folder in /tmp could have been prepared by another user to catch the socket.
    if (socketFolder.isSymLink() || socketFolder.ownerId() != ::geteuid())
        throw DatabaseError(u"Priečinok %1 pre soket databázového servera patrí "
                            u"inému používateľovi."_s.arg(socketFolder.absoluteFilePath()));
    QFile::setPermissions(socketFolder.absoluteFilePath(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (QFile::encodeName(socket).size() >= maxSocketPathLength)
        throw DatabaseError(
            u"Cesta k soketu databázového servera je príliš dlhá: %1"_s.arg(socket));
    // The log gets a few lines each start; a program used for years must not fill the disk.
    if (QFileInfo(logFilePath()).size() > maxLogSize) {
        QFile::remove(logFilePath() + u".old"_s);
        QFile::rename(logFilePath(), logFilePath() + u".old"_s);
    }
    const qint64 logStart = QFileInfo(logFilePath()).size();
    QProcess process;
    process.setProgram(serverProgram);
    process.setArguments(
        QStringList{// The system's and the user's option files must not move the socket, open
                    // a port or change how table names compare.
                    u"--no-defaults"_s, u"--datadir="_s + m_dataFolder, u"--socket="_s + socket,
                    u"--pid-file="_s + pidFilePath(), u"--log-error="_s + logFilePath(),
                    u"--skip-networking"_s, u"--lower-case-table-names=1"_s,
                    u"--character-set-server=utf8mb4"_s, u"--collation-server=utf8mb4_unicode_ci"_s,
                    u"--innodb-buffer-pool-size=256M"_s,
                    // The report scripts were written for MySQL's lenient mode: a division by zero
                    // gives no value rather than failing the whole working table.
                    u"--sql-mode="_s + Connection::sqlMode(),
                    // A crash of the system may cost the last second of work, never the
                    // database; loading a herd gets much faster.
                    u"--innodb-flush-log-at-trx-commit=2"_s} +
        temporaryFolderOption(temporaryFolder()) + rootUserOption());
    process.setWorkingDirectory(m_dataFolder);
    // The server outlives this process, so it must not hold on to its terminal or pipes.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    // Complaints about the options come before the server opens its log.
    process.setStandardErrorFile(logFilePath(), QIODevice::Append);
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        throw DatabaseError(u"Databázový server %1 sa nepodarilo spustiť: %2"_s.arg(
            serverProgram, process.errorString()));

    bool ended = false;
    const bool answered = waitUntil(
        [&] {
            ended = !processAlive(pid);
            return ended || socketAnswers(socket);
        },
        startTimeLimit);
    if (answered && !ended)
        return;
    if (!ended)
        endProcess(pid);
    // A server that aborts may leave its socket behind.
    removeStaleFiles();
    throw DatabaseError(u"Databázový server sa nespustil. Posledné riadky jeho "
                        u"záznamu %1:\n%2"_s.arg(logFilePath(), logTail(logStart)));
}

void PrivateServer::removeStaleFiles() const {
    QFile::remove(pidFilePath());
    const QString socket = plannedSocketPath();
    if (QFileInfo(socket).exists() && !socketAnswers(socket))
        QFile::remove(socket);
}

void PrivateServer::shutDown(const ServerProcess& server, ShutdownRequest request) const {
    bool requested = request == ShutdownRequest::Statement;
    if (requested) {
        try {
            Connection connection(adminSettings(server.socket));
            connection.executeDirect(u"SHUTDOWN"_s);
        } catch (const DatabaseError&) {
            // No login (a lost socket, a changed password): the signal still reaches the server.
            requested = false;
        }
    }
    if (requested && waitUntil([&] { return !processAlive(server.pid); }, shutdownTimeLimit))
        return;
    if (!endProcess(server.pid))
        throw DatabaseError(
            u"Databázový server (proces %1) sa nepodarilo zastaviť."_s.arg(server.pid));
}

QString PrivateServer::logTail(qint64 fromPosition) const {
    QFile log(logFilePath());
    if (!log.open(QIODevice::ReadOnly) || !log.seek(fromPosition))
        return {};
    return causeLines(QString::fromLocal8Bit(log.readAll()));
}
