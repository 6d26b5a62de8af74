#pragma once

#include "ConnectionSettings.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QVariant>
#include <functional>
#include <utility>
#include <vector>

class DatabaseError;
class QSqlQuery;
struct st_mysql;

/// Named parameter values in the order they were set; names without the leading colon.
using ParameterValues = std::vector<std::pair<QString, QVariant>>;

/// The program's one database connection. Opens itself on demand before any statement,
/// reports every statement it sends (statementSent), and turns driver failures into
/// DatabaseError with the server's own text.
///
/// A session the server has ended (its idle time-out, a restart, a killed session) is opened
/// anew: a read that failed on it is sent once more on the new one, so a window left open
/// overnight goes on working; a write is never sent again, since whether it was carried out is
/// not known, and a connection that has been idle is checked before a write is sent. Nothing is
/// repeated while the session holds something of its own (holdSession: a lock, a transaction),
/// which a new session would not have.
class Connection : public QObject {
    Q_OBJECT
public:
    explicit Connection(ConnectionSettings settings, QObject* parent = nullptr);
    ~Connection() override;

    const ConnectionSettings& settings() const { return m_settings; }
    void setSettings(const ConnectionSettings& settings);

    /// Throws DatabaseError when the server cannot be reached.
    void open();
    void close();
    bool isOpen() const;

    /// Runs one statement with its named parameters bound by the driver and returns the active
    /// query positioned before the first row. Opens the connection first when it is closed.
    /// A value for a name the statement lacks, or a placeholder without a value, is a fault of
    /// the program and throws DatabaseError before anything is sent.
    QSqlQuery execute(const QString& sql, const ParameterValues& parameters = {});

    /// Runs one statement without parameters through the driver's plain text protocol (needed
    /// for statements the server cannot prepare, such as CREATE VIEW or multi-row scripts).
    void executeDirect(const QString& sql);

    /// Runs attempt, which sends sql on this connection and takes all it returns; a read is run
    /// once more on a new session when the server ended the session meanwhile, a write is sent
    /// on a session checked first when it has been idle (see the class). Throws DatabaseError
    /// saying that the server cannot be reached when no new session can be opened.
    void send(const QString& sql, const std::function<void()>& attempt);
    /// Whether a statement only reads, so that sending it again changes nothing.
    static bool isRead(const QString& sql);
    /// Whether an error says that the session is gone rather than that the statement failed.
    static bool isConnectionLost(const DatabaseError& error);

    /// The session holds what a new one would not have (a named lock, an open transaction)
    /// until the matching releaseSession(): a session lost meanwhile fails every statement until
    /// then, rather than go on silently without it.
    void holdSession();
    void releaseSession();

    QSqlDatabase database() const;

    /// The server's number of the open session, or of the last one when it has ended (0 before
    /// any): another session names it to stop the statement it runs (KILL QUERY), which may go
    /// on on the server after this side has given it up.
    unsigned long sessionId() const { return m_sessionId; }

    /// The first value of a statement that reads the database's own settings, read once a
    /// session and kept until the session ends; like the session's character set it is no
    /// statement of the program's work and stays out of the log. Null, and read again the next
    /// time, while there is no row or the value is NULL.
    /// Throws DatabaseError when the statement fails.
    QVariant sessionValue(const QString& sql);

    /// One explicit transaction, sent as statements so that the log shows where it begins and
    /// ends.
    void beginTransaction();
    void commit();
    void rollback();

    /// The handle of the client library under the driver, for a reader that sends one statement
    /// through it itself (see ResultReader). Opens the connection first when it is closed and
    /// records the statement in the log as sent. Throws DatabaseError when the driver is not the
    /// MariaDB/MySQL one.
    st_mysql* nativeHandleFor(const QString& sql, const ParameterValues& parameters);
    /// The SQL mode of every session: the program's statements were written for the lenient
    /// mode, whatever mode the server itself defaults to.
    static QString sqlMode();
    /// The SQL mode of the program's own writes of values (StrictWrites): a value that does not
    /// fit its column fails instead of being cut or changed.
    static QString strictSqlMode();

Q_SIGNALS:
    /// One record of the statement log: the exact text and the values bound to it.
    void statementSent(const QString& sql, const ParameterValues& parameters);
    void opened();
    void closed();

private:
    friend class StrictWrites;
    st_mysql* handle();
    /// Closes a session the server has ended, so that the next statement opens a new one.
    void dropLostSession();
    /// Whether the open session still answers; checked without a statement of the program.
    bool answers();
    /// Ends on the server the session this side has just given up waiting for.
    void endAbandonedSession();
    void logStatement(const QString& sql, const ParameterValues& parameters);
    /// Sets the session's SQL mode as the open StrictWrites ask. A setting of the session, like
    /// its character set, and not a statement of the program, so the log leaves it out.
    void applySqlMode(QSqlDatabase& db);

    ConnectionSettings m_settings;
    QString m_name;
    QHash<QString, QVariant> m_sessionValues;
    unsigned long m_sessionId = 0;
    int m_strictWrites = 0;
    int m_sessionHolds = 0;
    /// The session was lost while held; cleared when the last hold goes.
    bool m_heldSessionLost = false;
    /// Since the last answer of the server.
    QElapsedTimer m_idle;
};
