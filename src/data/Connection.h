#pragma once

#include "ConnectionSettings.h"

#include <QObject>
#include <QSqlDatabase>
#include <QVariant>
#include <utility>
#include <vector>

class QSqlQuery;
struct st_mysql;

/// Named parameter values in the order they were set; names without the leading colon.
using ParameterValues = std::vector<std::pair<QString, QVariant>>;

/// The program's one database connection. Opens itself on demand before any statement,
/// reports every statement it sends (statementSent), and turns driver failures into
/// DatabaseError with the server's own text.
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

    QSqlDatabase database() const;

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
    void logStatement(const QString& sql, const ParameterValues& parameters);
    /// Sets the session's SQL mode as the open StrictWrites ask. A setting of the session, like
    /// its character set, and not a statement of the program, so the log leaves it out.
    void applySqlMode(QSqlDatabase& db);

    ConnectionSettings m_settings;
    QString m_name;
    int m_strictWrites = 0;
};
