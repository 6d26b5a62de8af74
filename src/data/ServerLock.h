#pragma once

#include <QString>
#include <chrono>

class Connection;

/// A named lock on the database server (GET_LOCK), held by one session of a connection: spans of
/// statements that must not interleave with another client's take it, whether that client is
/// another program on the same server or another session of this one. The server releases it
/// when the session ends, so a crashed holder blocks nobody. A session that holds the lock
/// already gets it again at once, and the server counts the holds.
class ServerLock {
public:
    /// Waits at most `wait` for the lock; throws DatabaseError with `busyMessage` when another
    /// session keeps holding it, or with the server's text when the server refuses.
    ServerLock(Connection& connection, const QString& name, std::chrono::seconds wait,
               const QString& busyMessage);
    /// Releases the lock unless release() already did.
    ~ServerLock();
    ServerLock(const ServerLock&) = delete;
    ServerLock& operator=(const ServerLock&) = delete;

    /// Lets the lock go before the end of the scope; errors are ignored, since a session that
    /// is gone holds nothing.
    void release();
    bool isHeld() const { return m_held; }

    /// A lock name of the purpose for one database: the same database always gives the same
    /// name, whatever the case it is spelled in, and two databases never share one. Servers take
    /// names of at most 64 characters.
    static QString nameFor(const QString& purpose, const QString& database);

private:
    Connection& m_connection;
    QString m_name;
    bool m_held = false;
};
