#pragma once

#include "ConnectionSettings.h"

#include <QString>
#include <chrono>
#include <memory>
#include <optional>

class QLockFile;
class ServerUsers;

/// The program's own MariaDB server for one data folder. It listens on a Unix socket only, is
/// installed on its first start, is shared by every program and tool that uses the same folder,
/// and keeps running after the process that started it ends, until someone stops it.
///
/// Every failure throws DatabaseError with a message for the user.
class PrivateServer {
public:
    explicit PrivateServer(const QString& dataFolder);
    ~PrivateServer();
    PrivateServer(PrivateServer&&) noexcept;
    PrivateServer& operator=(PrivateServer&&) noexcept;

    /// Where the program and the tool keep their database unless told otherwise.
    static QString defaultDataFolder();

    /// Runs this server program instead of the mariadbd found on the system.
    void setServerProgram(const QString& path);

    /// Starts the server, or finds the one already serving this folder, and counts this object
    /// among its users until it goes or stops the server. A server that runs but does not answer
    /// within a few seconds is an error: it is left for an explicit stop.
    void start();
    /// Shuts the server down cleanly, whoever started it; does nothing when none runs. A server
    /// that does not take the shutdown statement is ended by its process id, first asked
    /// (TERM), then forced (KILL), each within a time limit.
    void stop();
    /// Stops the server only when nobody else uses it: no other program or tool counted among
    /// its users (see start) and no other client connected. A program that started the server
    /// leaves it running for another program that came to share it. The caller closes its own
    /// connections first. Returns whether the server is stopped.
    bool stopUnlessInUse();

    /// For a process that ends on a signal: stops every server that this process started and
    /// that no other program or tool uses, though this process may still be connected to it.
    /// Safe to call from another thread than the one that started the servers. A process that
    /// ends through exit() while such servers are still recorded (their objects never got to
    /// their shutdown) stops them too, asking each by TERM.
    static void stopServersStartedHere();

    /// Process id of the server running for this folder, 0 when none runs.
    qint64 runningPid() const;
    bool isRunning() const { return runningPid() != 0; }
    /// Whether the server running for this folder greets a client within answerTimeLimit(); a
    /// process that runs but is stopped or hung does not.
    bool answers() const;
    /// How long a running server is given to greet before it counts as not answering.
    static std::chrono::seconds answerTimeLimit();
    /// False when the data folder belongs to someone whose files this user may not read, so
    /// that whether a server runs cannot be told.
    bool canTellWhetherRunning() const;
    /// Whether the last start() launched the server rather than finding it running.
    bool startedServer() const { return m_startedServer; }

    QString dataFolder() const { return m_dataFolder; }
    /// The socket of the running server, or the one a start would create.
    QString socketPath() const;
    /// Root's login on this server, with no database selected.
    ConnectionSettings connectionSettings() const;

private:
    class StartedHere;

    struct ServerProcess {
        qint64 pid;
        QString socket;
    };
    /// How a server is asked to shut down: by the statement, or by TERM alone when this
    /// process is too far in its end to open a client connection.
    enum class ShutdownRequest { Statement, SignalOnly };

    std::optional<ServerProcess> findServer() const;
    QString plannedSocketPath() const;
    QString pidFilePath() const;
    QString logFilePath() const;
    /// Where the server puts the files of large sorts and joins: a folder beside the data one.
    QString temporaryFolder() const;

    void prepareFolder();
    /// Throws DatabaseError unless the folder is empty or the program's own, so that a folder
    /// named by mistake (a system folder, a folder of documents) is never written into.
    void refuseForeignFolder() const;
    void writeMarker() const;
    void lock(QLockFile& lockFile) const;
    QString locateServerProgram() const;
    void install(const QString& serverProgram);
    void launch(const QString& serverProgram);
    void removeStaleFiles() const;
    void stopLocked();
    void shutDown(const ServerProcess& server,
                  ShutdownRequest request = ShutdownRequest::Statement) const;
    /// Takes this object's server off the record of those started here.
    void forgetStarted();
    QString logTail(qint64 fromPosition) const;

    QString m_dataFolder;
    QString m_serverProgram;
    bool m_startedServer = false;
    std::unique_ptr<ServerUsers> m_users;
};
