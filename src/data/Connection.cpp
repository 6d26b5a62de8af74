#include "Connection.h"

#include "DatabaseError.h"
#include "NamedPlaceholders.h"
#include "ServerErrorText.h"
#include "StatementLogFile.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <mysql.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString uniqueConnectionName() {
    static QAtomicInt counter;
    return u"tarvelin-%1"_s.arg(counter.fetchAndAddRelaxed(1));
}

QString errorText(const QSqlError& error) {
    // The server's own text goes below the sentence; the driver's prefix only repeats the kind.
    QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

DatabaseError errorOf(const QSqlError& error) {
    return ServerErrorText::error(error.nativeErrorCode().toInt(), errorText(error));
}

// A session idle this long is checked before a write is sent on it: the server may have ended
// it meanwhile, and a write that fails on a lost session is not sent again.
constexpr qint64 idleBeforeCheckMs = 1000;

// Names bound to a statement must be exactly its placeholders: a value bound to no placeholder
// would silently leave a NULL where the caller meant a value.
void checkParameters(const QString& sql, const ParameterValues& parameters) {
    const QStringList placeholders = NamedPlaceholders(sql).names();
    for (const auto& [name, value] : parameters)
        if (!placeholders.contains(name))
            throw DatabaseError(
                u"Chyba programu: príkaz nemá parameter „%1“:\n%2"_s.arg(name, sql));
    for (const QString& placeholder : placeholders) {
        const bool given =
            std::any_of(parameters.begin(), parameters.end(),
                        [&](const auto& parameter) { return parameter.first == placeholder; });
        if (!given)
            throw DatabaseError(u"Chyba programu: parameter „%1“ príkazu nemá hodnotu:\n%2"_s.arg(
                placeholder, sql));
    }
}

} // namespace

Connection::Connection(ConnectionSettings settings, QObject* parent)
    : QObject(parent)
    , m_settings(std::move(settings))
    , m_name(uniqueConnectionName()) {
    QSqlDatabase::addDatabase(u"QMYSQL"_s, m_name);
}

Connection::~Connection() {
    close();
    // The handle must be gone before the name is released, or Qt warns about a connection
    // still in use.
    { QSqlDatabase::database(m_name, false) = QSqlDatabase(); }
    QSqlDatabase::removeDatabase(m_name);
}

void Connection::setSettings(const ConnectionSettings& settings) {
    close();
    m_settings = settings;
}

QSqlDatabase Connection::database() const {
    return QSqlDatabase::database(m_name, false);
}

void Connection::open() {
    QSqlDatabase db = database();
    if (db.isOpen())
        return;
    if (!db.isValid())
        throw DatabaseError(tr("Ovládač databázy MariaDB/MySQL pre Qt nie je nainštalovaný "
                               "(balík libqt6sql6-mysql)."));
    db.setUserName(m_settings.user);
    db.setPassword(m_settings.password);
    db.setDatabaseName(m_settings.database);
    QString options =
        u"MYSQL_OPT_RECONNECT=0;MYSQL_OPT_CONNECT_TIMEOUT=%1;"
        "MYSQL_OPT_READ_TIMEOUT=%2;MYSQL_OPT_WRITE_TIMEOUT=%2"_s.arg(m_settings.connectTimeout)
            .arg(m_settings.readTimeout);
    if (m_settings.usesSocket()) {
        db.setHostName(u"localhost"_s);
        options += u";UNIX_SOCKET="_s + m_settings.socket;
    } else {
        db.setHostName(m_settings.host);
        db.setPort(m_settings.port);
    }
    db.setConnectOptions(options);
    QElapsedTimer waited;
    waited.start();
    if (!db.open()) {
        if (waited.elapsed() >= m_settings.connectTimeout * 1000)
            throw ServerErrorText::timedOut(m_settings.connectTimeout,
                                            db.lastError().nativeErrorCode().toInt(),
                                            errorText(db.lastError()));
        throw errorOf(db.lastError());
    }
    try {
        QSqlQuery names(db);
        if (!names.exec(u"SET NAMES utf8mb4"_s))
            throw errorOf(names.lastError());
        applySqlMode(db);
        m_sessionId = mysql_thread_id(handle());
    } catch (const DatabaseError&) {
        db.close();
        throw;
    }
    m_idle.start();
    Q_EMIT opened();
}

void Connection::applySqlMode(QSqlDatabase& db) {
    QSqlQuery mode(db);
    if (!mode.exec(
            u"SET SESSION sql_mode = '%1'"_s.arg(m_strictWrites > 0 ? strictSqlMode() : sqlMode())))
        throw errorOf(mode.lastError());
}

void Connection::close() {
    m_sessionValues.clear();
    QSqlDatabase db = database();
    if (!db.isOpen())
        return;
    db.close();
    Q_EMIT closed();
}

QVariant Connection::sessionValue(const QString& sql) {
    open();
    const auto known = m_sessionValues.constFind(sql);
    if (known != m_sessionValues.cend())
        return *known;
    QVariant value;
    send(sql, [&] {
        QSqlQuery query(database());
        query.setForwardOnly(true);
        if (!query.exec(sql))
            throw errorOf(query.lastError());
        value = query.next() ? query.value(0) : QVariant();
    });
    // No row yet may be one soon (a table the program is filling): it is asked again.
    if (!value.isNull())
        m_sessionValues.insert(sql, value);
    return value;
}

bool Connection::isOpen() const {
    return database().isOpen();
}

QString Connection::sqlMode() {
    return u"NO_ENGINE_SUBSTITUTION"_s;
}

QString Connection::strictSqlMode() {
    return u"STRICT_ALL_TABLES,NO_ENGINE_SUBSTITUTION"_s;
}

QSqlQuery Connection::execute(const QString& sql, const ParameterValues& parameters) {
    checkParameters(sql, parameters);
    QSqlQuery result;
    // The driver fetches the whole result when the statement runs, so a session lost later
    // costs no rows.
    send(sql, [&] {
        QSqlQuery query(database());
        query.setForwardOnly(true);
        logStatement(sql, parameters);
        if (parameters.empty()) {
            if (!query.exec(sql))
                throw errorOf(query.lastError());
        } else {
            if (!query.prepare(sql))
                throw errorOf(query.lastError());
            for (const auto& [name, value] : parameters)
                query.bindValue(QLatin1Char(':') + name, value);
            if (!query.exec())
                throw errorOf(query.lastError());
        }
        result = std::move(query);
    });
    return result;
}

void Connection::executeDirect(const QString& sql) {
    send(sql, [&] {
        QSqlQuery query(database());
        logStatement(sql, {});
        if (!query.exec(sql))
            throw errorOf(query.lastError());
    });
}

void Connection::send(const QString& sql, const std::function<void()>& attempt) {
    if (m_heldSessionLost)
        throw DatabaseError(u"Spojenie s databázovým serverom sa prerušilo uprostred práce, ktorá "
                            u"potrebuje jedno spojenie od začiatku do konca (zámok alebo "
                            u"transakcia); práca sa preto nedokončila. Skúste ju znova."_s);
    const bool read = isRead(sql);
    open();
    if (!read && m_idle.isValid() && m_idle.elapsed() >= idleBeforeCheckMs && !answers()) {
        dropLostSession();
        if (m_heldSessionLost)
            return send(sql, attempt);
        open();
    }
    QElapsedTimer took;
    took.start();
    try {
        attempt();
        m_idle.start();
        return;
    } catch (const DatabaseError& error) {
        if (!isConnectionLost(error))
            throw;
        const bool timedOut = took.elapsed() >= qint64(m_settings.readTimeout) * 1000;
        dropLostSession();
        if (timedOut)
            endAbandonedSession();
        if (m_heldSessionLost)
            return send(sql, attempt);
        // A statement that ran into the time limit would only wait as long again.
        if (timedOut)
            throw DatabaseError(u"Databázový server neodpovedal na príkaz ani po %1 s.\n%2"_s.arg(
                                    QString::number(m_settings.readTimeout), error.message()),
                                error.code());
        if (!read)
            throw DatabaseError(
                u"Spojenie s databázovým serverom sa prerušilo počas príkazu, ktorý mení údaje. "
                u"Príkaz sa neopakuje, lebo nie je isté, či sa vykonal; pri ďalšej práci sa "
                u"program k serveru pripojí znova.\n%1"_s.arg(error.message()),
                error.code());
    }
    try {
        open();
    } catch (const DatabaseError& error) {
        throw DatabaseError(u"Spojenie s databázovým serverom sa prerušilo a server teraz "
                            u"neodpovedá: %1"_s.arg(error.message()),
                            error.code());
    }
    attempt();
    m_idle.start();
}

bool Connection::isRead(const QString& sql) {
    static const QRegularExpression reading(u"^\\s*[(\\s]*(SELECT|SHOW|DESCRIBE|DESC|EXPLAIN)\\b"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    // What a SELECT can also write or lock.
    static const QRegularExpression writing(u"\\bINTO\\b|\\bFOR\\s+UPDATE\\b|\\bLOCK\\s+IN\\b"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    return reading.match(sql).hasMatch() && !writing.match(sql).hasMatch();
}

bool Connection::isConnectionLost(const DatabaseError& error) {
    // The client library's "gone away" and "lost during the query", its extended form, the
    // server's killed connection, shutdown and (MySQL) its inactivity notice.
    static const QList<int> lost = {2006, 2013, 2055, 1927, 1053, 4031};
    return lost.contains(error.code());
}

void Connection::dropLostSession() {
    if (m_sessionHolds > 0)
        m_heldSessionLost = true;
    m_idle.invalidate();
    close();
}

void Connection::endAbandonedSession() {
    // The server goes on with a statement this side has given up until it ends by itself,
    // holding the session's locks and transaction meanwhile: an import given up would keep the
    // next one out for as long as its statement runs. The account may end its own sessions.
    // A server too slow for the statement may be too slow for the KILL as well; that session is
    // then not ended from yet another one, which would only add its own wait.
    static thread_local bool ending = false;
    if (ending)
        return;
    const QScopedValueRollback guard(ending, true);
    ConnectionSettings settings = m_settings;
    settings.readTimeout = std::min(settings.readTimeout, settings.connectTimeout);
    try {
        Connection other(settings);
        other.executeDirect(u"KILL "_s + QString::number(m_sessionId));
    } catch (const DatabaseError&) {
        // A session already gone has nothing left to end; an unreachable server ends it itself
        // once it notices the closed connection.
    }
}

bool Connection::answers() {
    return mysql_ping(handle()) == 0;
}

void Connection::holdSession() {
    ++m_sessionHolds;
}

void Connection::releaseSession() {
    if (m_sessionHolds > 0 && --m_sessionHolds == 0)
        m_heldSessionLost = false;
}

void Connection::beginTransaction() {
    executeDirect(u"START TRANSACTION"_s);
    holdSession();
}

void Connection::commit() {
    const auto release = qScopeGuard([this] { releaseSession(); });
    executeDirect(u"COMMIT"_s);
}

void Connection::rollback() {
    const auto release = qScopeGuard([this] { releaseSession(); });
    executeDirect(u"ROLLBACK"_s);
}

st_mysql* Connection::handle() {
    const QVariant handle = database().driver()->handle();
    // The driver declares its handle as MYSQL*, which Qt names after the struct behind it.
    if (qstrcmp(handle.typeName(), "MYSQL*") != 0 && qstrcmp(handle.typeName(), "st_mysql*") != 0)
        throw DatabaseError(tr("Ovládač databázy nesprístupňuje spojenie MariaDB/MySQL."));
    return *static_cast<st_mysql* const*>(handle.constData());
}

st_mysql* Connection::nativeHandleFor(const QString& sql, const ParameterValues& parameters) {
    open();
    st_mysql* native = handle();
    logStatement(sql, parameters);
    return native;
}

void Connection::logStatement(const QString& sql, const ParameterValues& parameters) {
    StatementLogFile::instance().append(sql, parameters);
    Q_EMIT statementSent(sql, parameters);
}
