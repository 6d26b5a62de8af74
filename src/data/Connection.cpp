#include "Connection.h"

#include "DatabaseError.h"
#include "NamedPlaceholders.h"
#include "ServerErrorText.h"
#include "StatementLogFile.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

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
    for (const QString& setting :
         {u"SET NAMES utf8mb4"_s, u"SET SESSION sql_mode = '%1'"_s.arg(sqlMode())}) {
        QSqlQuery session(db);
        if (!session.exec(setting)) {
            const DatabaseError error = errorOf(session.lastError());
            db.close();
            throw error;
        }
    }
    Q_EMIT opened();
}

void Connection::close() {
    QSqlDatabase db = database();
    if (!db.isOpen())
        return;
    db.close();
    Q_EMIT closed();
}

bool Connection::isOpen() const {
    return database().isOpen();
}

QString Connection::sqlMode() {
    return u"NO_ENGINE_SUBSTITUTION"_s;
}

QSqlQuery Connection::execute(const QString& sql, const ParameterValues& parameters) {
    checkParameters(sql, parameters);
    open();
    QSqlQuery query(database());
    query.setForwardOnly(true);
    logStatement(sql, parameters);
    if (parameters.empty()) {
        if (!query.exec(sql))
            throw errorOf(query.lastError());
        return query;
    }
    if (!query.prepare(sql))
        throw errorOf(query.lastError());
    for (const auto& [name, value] : parameters)
        query.bindValue(QLatin1Char(':') + name, value);
    if (!query.exec())
        throw errorOf(query.lastError());
    return query;
}

void Connection::executeDirect(const QString& sql) {
    open();
    QSqlQuery query(database());
    logStatement(sql, {});
    if (!query.exec(sql))
        throw errorOf(query.lastError());
}

void Connection::beginTransaction() {
    executeDirect(u"START TRANSACTION"_s);
}

void Connection::commit() {
    executeDirect(u"COMMIT"_s);
}

void Connection::rollback() {
    executeDirect(u"ROLLBACK"_s);
}

st_mysql* Connection::nativeHandleFor(const QString& sql, const ParameterValues& parameters) {
    open();
    const QVariant handle = database().driver()->handle();
    // The driver declares its handle as MYSQL*, which Qt names after the struct behind it.
    if (qstrcmp(handle.typeName(), "MYSQL*") != 0 && qstrcmp(handle.typeName(), "st_mysql*") != 0)
        throw DatabaseError(tr("Ovládač databázy nesprístupňuje spojenie MariaDB/MySQL."));
    logStatement(sql, parameters);
    return *static_cast<st_mysql* const*>(handle.constData());
}

void Connection::logStatement(const QString& sql, const ParameterValues& parameters) {
    StatementLogFile::instance().append(sql, parameters);
    Q_EMIT statementSent(sql, parameters);
}
