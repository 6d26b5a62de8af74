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

/// One column's values of a batch, laid out as array binding wants them: numbers side by side,
/// texts and dates by their address.
struct BulkInsert::Column {
    std::vector<qint64> integers;
    std::vector<double> numbers;
    std::vector<void*> addresses;
    std::vector<unsigned long> lengths;
    std::vector<char> indicators;
};

void BulkInsert::StatementCloser::operator()(st_mysql_stmt* statement) const {
    mysql_stmt_close(statement);
}

namespace {

/// Whether the server executes a statement once for each row of bound arrays (MariaDB 10.2 and
/// later); the client library refuses arrays for any other.
bool serverTakesArrays(MYSQL* handle) {
    unsigned long capabilities = 0;
    unsigned long extended = 0;
    if (mariadb_get_infov(handle, MARIADB_CONNECTION_SERVER_CAPABILITIES, &capabilities) != 0 ||
        mariadb_get_infov(handle, MARIADB_CONNECTION_EXTENDED_SERVER_CAPABILITIES, &extended) != 0)
        return false;
    return (capabilities & CLIENT_MYSQL) == 0 &&
           (extended & (MARIADB_CLIENT_STMT_BULK_OPERATIONS >> 32)) != 0;
}

} // namespace

BulkInsert::BulkInsert(Connection& connection, const QString& table, const QStringList& columns,
                       int rowsPerStatement, Transfer transfer)
    : m_connection(connection)
    , m_table(table)
    , m_columns(columns)
    , m_rowsPerStatement(
          rowsPerStatement > 0
              ? rowsPerStatement
              : std::clamp(kMostPlaceholders / int(std::max<qsizetype>(columns.size(), 1)), 1,
                           kMostRows)) {
    m_cells.resize(size_t(m_rowsPerStatement) * size_t(m_columns.size()));
    m_fullStatement = statementFor(m_rowsPerStatement);
    if (transfer == Transfer::StatementOfRows)
        m_arrays = false;
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
    // A statement of one row bound to arrays spares the server the parameters of a statement of
    // many rows, which it sets up anew at every execution: about a fifth less of its work per row.
    if (!m_arrays.has_value())
        m_arrays = serverTakesArrays(m_connection.nativeHandleFor(statementFor(1), {}));
    if (!*m_arrays || !sendArrays(rows))
        sendStatementOfRows(rows);
    m_filled = 0;
}

st_mysql_stmt* BulkInsert::prepared(Statement& statement, const QString& sql) {
    MYSQL* handle = m_connection.nativeHandleFor(sql, {});
    if (statement)
        return statement.get();
    Statement made(mysql_stmt_init(handle));
    if (!made)
        throw DatabaseError(QString::fromUtf8(mysql_error(handle)));
    const QByteArray text = sql.toUtf8();
    if (mysql_stmt_prepare(made.get(), text.constData(), (unsigned long)text.size()) != 0)
        throw DatabaseError(u"Zápis do tabuľky %1: %2"_s.arg(
            m_table, QString::fromUtf8(mysql_stmt_error(made.get()))));
    statement = std::move(made);
    return statement.get();
}

void BulkInsert::execute(st_mysql_stmt* statement, const std::vector<st_mysql_bind>& binds) {
    if (mysql_stmt_bind_param(statement, const_cast<MYSQL_BIND*>(binds.data())) != 0 ||
        mysql_stmt_execute(statement) != 0)
        throw DatabaseError(u"Zápis do tabuľky %1: %2"_s.arg(
            m_table, QString::fromUtf8(mysql_stmt_error(statement))));
}

bool BulkInsert::sendArrays(int rows) {
    const size_t columns = size_t(m_columns.size());
    if (m_columnArrays.empty()) {
        m_columnArrays.resize(columns);
        for (Column& column : m_columnArrays) {
            column.integers.resize(size_t(m_rowsPerStatement));
            column.numbers.resize(size_t(m_rowsPerStatement));
            column.addresses.resize(size_t(m_rowsPerStatement));
            column.lengths.resize(size_t(m_rowsPerStatement));
            column.indicators.resize(size_t(m_rowsPerStatement));
        }
        m_arrayBinds.resize(columns);
    }
    for (size_t c = 0; c < columns; ++c) {
        Column& column = m_columnArrays[c];
        enum_field_types type = MYSQL_TYPE_NULL;
        for (size_t r = 0; r < size_t(rows); ++r) {
            Cell& cell = m_cells[r * columns + c];
            if (cell.type == MYSQL_TYPE_NULL) {
                column.indicators[r] = STMT_INDICATOR_NULL;
                continue;
            }
            if (type != MYSQL_TYPE_NULL && type != cell.type)
                return false;
            type = cell.type;
            column.indicators[r] = STMT_INDICATOR_NONE;
            switch (cell.type) {
            case MYSQL_TYPE_LONGLONG:
                column.integers[r] = cell.integer;
                break;
            case MYSQL_TYPE_DOUBLE:
                column.numbers[r] = cell.number;
                break;
            case MYSQL_TYPE_DATE:
                column.addresses[r] = &cell.time;
                break;
            default:
                column.addresses[r] = cell.bytes.data();
                column.lengths[r] = cell.length;
                break;
            }
        }
        MYSQL_BIND& bind = m_arrayBinds[c];
        std::memset(&bind, 0, sizeof bind);
        // A column of nulls alone still needs a type the library can step through.
        bind.buffer_type = type == MYSQL_TYPE_NULL ? MYSQL_TYPE_STRING : type;
        bind.u.indicator = column.indicators.data();
        switch (bind.buffer_type) {
        case MYSQL_TYPE_LONGLONG:
            bind.buffer = column.integers.data();
            break;
        case MYSQL_TYPE_DOUBLE:
            bind.buffer = column.numbers.data();
            break;
        default:
            bind.buffer = column.addresses.data();
            bind.length = column.lengths.data();
            break;
        }
    }
    st_mysql_stmt* statement = prepared(m_oneRow, statementFor(1));
    auto size = (unsigned int)rows;
    if (mysql_stmt_attr_set(statement, STMT_ATTR_ARRAY_SIZE, &size) != 0)
        throw DatabaseError(u"Zápis do tabuľky %1: %2"_s.arg(
            m_table, QString::fromUtf8(mysql_stmt_error(statement))));
    execute(statement, m_arrayBinds);
    return true;
}

void BulkInsert::sendStatementOfRows(int rows) {
    Statement partial;
    st_mysql_stmt* statement = rows == m_rowsPerStatement ? prepared(m_full, m_fullStatement)
                                                          : prepared(partial, statementFor(rows));
    const size_t count = size_t(rows) * size_t(m_columns.size());
    m_binds.resize(count);
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
    execute(statement, m_binds);
}
