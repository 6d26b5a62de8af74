#include "BulkInsert.h"

#include "Connection.h"
#include "DatabaseError.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <mysql.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The server takes at most 65,535 placeholders in one statement.
constexpr int kMostPlaceholders = 65535;
constexpr int kMostRows = 500;

} // namespace

struct BulkInsert::Cell {
    enum_field_types type = MYSQL_TYPE_NULL;
    qint64 integer = 0;
    double number = 0;
    MYSQL_TIME time{};
    std::string bytes;
    unsigned long length = 0;
};

void BulkInsert::StatementCloser::operator()(st_mysql_stmt* statement) const {
    mysql_stmt_close(statement);
}

BulkInsert::BulkInsert(Connection& connection, const QString& table, const QStringList& columns,
                       int rowsPerStatement)
    : m_connection(connection)
    , m_table(table)
    , m_columns(columns)
    , m_rowsPerStatement(
          rowsPerStatement > 0
              ? rowsPerStatement
              : std::clamp(kMostPlaceholders / int(std::max<qsizetype>(columns.size(), 1)), 1,
                           kMostRows)) {
    m_cells.resize(size_t(m_rowsPerStatement) * size_t(m_columns.size()));
    m_binds.resize(m_cells.size());
    m_fullStatement = statementFor(m_rowsPerStatement);
}

BulkInsert::~BulkInsert() = default;

BulkInsert& BulkInsert::row() {
    if (m_filled % m_columns.size() != 0)
        throw DatabaseError(
            u"Chyba programu: riadok pre tabuľku %1 nemá všetky hodnoty."_s.arg(m_table));
    if (m_filled == int(m_cells.size()))
        send(m_rowsPerStatement);
    ++m_rows;
    return *this;
}

BulkInsert::Cell& BulkInsert::next() {
    if (m_filled >= int(m_cells.size()) || m_rows == 0)
        throw DatabaseError(
            u"Chyba programu: riadok pre tabuľku %1 má priveľa hodnôt."_s.arg(m_table));
    return m_cells[size_t(m_filled++)];
}

BulkInsert& BulkInsert::null() {
    next().type = MYSQL_TYPE_NULL;
    return *this;
}

BulkInsert& BulkInsert::integer(qint64 value) {
    Cell& cell = next();
    cell.type = MYSQL_TYPE_LONGLONG;
    cell.integer = value;
    return *this;
}

BulkInsert& BulkInsert::number(double value) {
    if (!std::isfinite(value))
        return null();
    Cell& cell = next();
    cell.type = MYSQL_TYPE_DOUBLE;
    cell.number = value;
    return *this;
}

BulkInsert& BulkInsert::text(const QString& value) {
    if (value.isNull())
        return null();
    const QByteArray utf8 = value.toUtf8();
    return text(std::string_view(utf8.constData(), size_t(utf8.size())));
}

BulkInsert& BulkInsert::text(std::string_view utf8) {
    Cell& cell = next();
    cell.type = MYSQL_TYPE_STRING;
    cell.bytes.assign(utf8);
    cell.length = (unsigned long)cell.bytes.size();
    return *this;
}

BulkInsert& BulkInsert::date(int julianDay) {
    if (julianDay == 0)
        return null();
    Cell& cell = next();
    const QDate day = QDate::fromJulianDay(julianDay);
    cell.type = MYSQL_TYPE_DATE;
    std::memset(&cell.time, 0, sizeof cell.time);
    cell.time.year = unsigned(day.year());
    cell.time.month = unsigned(day.month());
    cell.time.day = unsigned(day.day());
    cell.time.time_type = MYSQL_TIMESTAMP_DATE;
    return *this;
}

void BulkInsert::finish() {
    if (m_filled % m_columns.size() != 0)
        throw DatabaseError(
            u"Chyba programu: riadok pre tabuľku %1 nemá všetky hodnoty."_s.arg(m_table));
    if (m_filled > 0)
        send(m_filled / int(m_columns.size()));
}

QString BulkInsert::statementFor(int rows) const {
    QString row = u"("_s;
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        row += i == 0 ? u"?"_s : u", ?"_s;
    row += u')';
    QStringList values(rows, row);
    return u"INSERT INTO "_s + m_table + u" ("_s + m_columns.join(u", "_s) + u") VALUES "_s +
           values.join(u", "_s);
}

void BulkInsert::send(int rows) {
    const bool full = rows == m_rowsPerStatement;
    const QString sql = full ? m_fullStatement : statementFor(rows);
    MYSQL* handle = m_connection.nativeHandleFor(sql, {});
    std::unique_ptr<st_mysql_stmt, StatementCloser> partial;
    MYSQL_STMT* statement = full ? m_full.get() : nullptr;
    const auto fail = [this](MYSQL_STMT* failed) {
        throw DatabaseError(
            u"Zápis do tabuľky %1: %2"_s.arg(m_table, QString::fromUtf8(mysql_stmt_error(failed))));
    };
    if (!statement) {
        std::unique_ptr<st_mysql_stmt, StatementCloser> prepared(mysql_stmt_init(handle));
        if (!prepared)
            throw DatabaseError(QString::fromUtf8(mysql_error(handle)));
        const QByteArray text = sql.toUtf8();
        if (mysql_stmt_prepare(prepared.get(), text.constData(), (unsigned long)text.size()) != 0)
            fail(prepared.get());
        statement = prepared.get();
        (full ? m_full : partial) = std::move(prepared);
    }
    const size_t count = size_t(rows) * size_t(m_columns.size());
    for (size_t i = 0; i < count; ++i) {
        Cell& cell = m_cells[i];
        MYSQL_BIND& bind = m_binds[i];
        std::memset(&bind, 0, sizeof bind);
        bind.buffer_type = cell.type;
        switch (cell.type) {
        case MYSQL_TYPE_LONGLONG:
            bind.buffer = &cell.integer;
            break;
        case MYSQL_TYPE_DOUBLE:
            bind.buffer = &cell.number;
            break;
        case MYSQL_TYPE_DATE:
            bind.buffer = &cell.time;
            break;
        case MYSQL_TYPE_STRING:
            bind.buffer = cell.bytes.data();
            bind.buffer_length = cell.length;
            bind.length = &cell.length;
            break;
        default:
            break;
        }
    }
    if (mysql_stmt_bind_param(statement, m_binds.data()) != 0 || mysql_stmt_execute(statement) != 0)
        fail(statement);
    m_filled = 0;
}
