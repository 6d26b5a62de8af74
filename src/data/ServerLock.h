#pragma once

#include <QString>
#include <chrono>
#include <functional>

class Connection;

/// A named lock on the database server (GET_LOCK), held by one session of a connection: spans of
/// statements that must not interleave with another client's take it, whether that client is
/// another program on the same server or another session of this one. The server releases it
/// when the session ends, so a crashed holder blocks nobody. A session that holds the lock
/// already gets it again at once, and the server counts the holds.
class ServerLock {
public:
    /// Hears a wait for the lock that another session holds, between attempts, with the time
    /// waited so far; it pauses for a moment itself (keeping a window painted meanwhile) and
    /// returns false when the wait is to be given up.
    using Waiting = std::function<bool(std::chrono::milliseconds waited)>;

    /// Waits at most `wait` for the lock; throws DatabaseError with `busyMessage` when another
    /// session keeps holding it, or with the server's text when the server refuses. With a
    /// waiting, the lock is asked for again and again, waiting between the attempts, and
    /// CancelledByUser is thrown when waiting gives up; without one the server is asked once and
    /// answers when the lock is free or the time is up.
    ServerLock(Connection& connection, const QString& name, std::chrono::seconds wait,
               const QString& busyMessage, const Waiting& waiting = {});
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
    /// names of at most 64 characters. With a secret of the database the name is a hash of both,
    /// which nobody who does not know the secret can name, so no other account can take the
    /// lock and block the program.
    static QString nameFor(const QString& purpose, const QString& database,
                           const QString& secret = {});

private:
    /// 1 when taken, 0 when another session held it for `wait` seconds.
    int ask(std::chrono::seconds wait);

    Connection& m_connection;
    QString m_name;
    bool m_held = false;
};
