#pragma once

#include "ConnectionSettings.h"

#include <QString>
#include <optional>

class QLockFile;

/// The program's own MariaDB server for one data folder. It listens on a Unix socket only, is
/// installed on its first start, is shared by every program and tool that uses the same folder,
/// and keeps running after the process that started it ends, until someone stops it.
///
/// Every failure throws DatabaseError with a message for the user.
class PrivateServer {
public:
    explicit PrivateServer(const QString& dataFolder);

    /// Where the program and the tool keep their database unless told otherwise.
    static QString defaultDataFolder();

    /// Runs this server program instead of the mariadbd found on the system.
    void setServerProgram(const QString& path);

    /// Starts the server, or finds the one already serving this folder.
    void start();
    /// Shuts the server down cleanly, whoever started it; does nothing when none runs.
    void stop();
    /// Stops the server only when no other client is connected to it: a program that started
    /// the server leaves it running for another program that came to share it. The caller
    /// closes its own connections first. Returns whether the server is stopped.
    bool stopUnlessInUse();

    /// Process id of the server running for this folder, 0 when none runs.
    qint64 runningPid() const;
    bool isRunning() const { return runningPid() != 0; }
    /// Whether the last start() launched the server rather than finding it running.
    bool startedServer() const { return m_startedServer; }

    QString dataFolder() const { return m_dataFolder; }
    /// The socket of the running server, or the one a start would create.
    QString socketPath() const;
    /// Root's login on this server, with no database selected.
    ConnectionSettings connectionSettings() const;

private:
    struct ServerProcess {
        qint64 pid;
        QString socket;
    };

    std::optional<ServerProcess> findServer() const;
    QString plannedSocketPath() const;
    QString pidFilePath() const;
    QString logFilePath() const;

    void prepareFolder();
    void lock(QLockFile& lockFile) const;
    QString locateServerProgram() const;
    void install(const QString& serverProgram);
    void launch(const QString& serverProgram);
    void removeStaleFiles() const;
    void shutDown(const ServerProcess& server) const;
    QString logTail(qint64 fromPosition) const;

    QString m_dataFolder;
    QString m_serverProgram;
    bool m_startedServer = false;
};
