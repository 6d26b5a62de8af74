#include "ResultReader.h"

#include "BoundValue.h"
#include "DatabaseError.h"
#include "NamedPlaceholders.h"
#include "ResultColumn.h"
#include "ServerErrorText.h"
#include "TemporalParts.h"

#include <charconv>
#include <climits>
#include <cstring>
#include <mysql.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr unsigned int binaryCharset = 63;
/// The decimals the database gives a floating-point column whose digits are not fixed.
constexpr unsigned int floatingDecimals = 31;

int clampedSize(unsigned long size) {
    return int(std::min<unsigned long>(size, INT_MAX));
}

int characters(const MYSQL_FIELD& field) {
    const MARIADB_CHARSET_INFO* charset = mariadb_get_charset_by_nr(field.charsetnr);
    const unsigned long bytesPerCharacter =
        charset && charset->char_maxlen > 0 ? charset->char_maxlen : 1;
    return clampedSize(field.length / bytesPerCharacter);
}

/// The digits of a decimal column: its width less the sign and the point.
int precision(const MYSQL_FIELD& field) {
    const unsigned long sign = (field.flags & UNSIGNED_FLAG) ? 0 : 1;
    const unsigned long point = field.decimals > 0 ? 1 : 0;
    return field.length > sign + point ? clampedSize(field.length - sign - point) : 1;
}

FieldDef fieldOf(const MYSQL_FIELD& field) {
    const QString name = QString::fromUtf8(field.name, field.name_length);
    const int width = clampedSize(field.length);
    switch (field.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_YEAR:
        return FieldDef::make(name, FieldKind::SmallInt, width);
    case MYSQL_TYPE_INT24:
        return FieldDef::make(name, FieldKind::Integer, width);
    case MYSQL_TYPE_LONG:
        if (field.flags & UNSIGNED_FLAG)
            return FieldDef::make(name, FieldKind::LargeInt, width);
        return FieldDef::make(name,
                              (field.flags & AUTO_INCREMENT_FLAG) ? FieldKind::AutoIncrement
                                                                  : FieldKind::Integer,
                              width);
    case MYSQL_TYPE_LONGLONG:
        return FieldDef::make(name, FieldKind::LargeInt, width);
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return FieldDef::make(name, FieldKind::Float, width,
                              field.decimals < floatingDecimals ? int(field.decimals) : 0);
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
        return FieldDef::make(name, FieldKind::Decimal, precision(field), int(field.decimals));
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return FieldDef::make(name, FieldKind::Date, width);
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return FieldDef::make(name, FieldKind::DateTime, width);
    case MYSQL_TYPE_TIME:
        return FieldDef::make(name, FieldKind::Time, width);
    case MYSQL_TYPE_BIT:
    case MYSQL_TYPE_GEOMETRY:
    case MYSQL_TYPE_NULL:
        return FieldDef::make(name, FieldKind::Other, width);
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_BLOB:
        if (field.charsetnr == binaryCharset)
            return FieldDef::make(name, FieldKind::Other, width);
        break;
    default:
        break;
    }
    return FieldDef::make(name, FieldKind::Text, characters(field));
}

/// Texts longer than this start with a buffer of this size; the few longer values grow it.
constexpr unsigned long initialTextBuffer = 1024;

enum class Wire { Integer, Single, Double, Temporal, Bytes };

Wire wireOf(enum_field_types type) {
    switch (type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
        return Wire::Integer;
    case MYSQL_TYPE_FLOAT:
        return Wire::Single;
    case MYSQL_TYPE_DOUBLE:
        return Wire::Double;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
    case MYSQL_TYPE_TIME:
        return Wire::Temporal;
    default:
        // Decimals too: their exact digits are text on the wire.
        return Wire::Bytes;
    }
}

/// A single-precision value as the double its shortest text reads as: 0.1f as 0.1, as the
/// database shows it, rather than 0.10000000149011612.
double widened(float value) {
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), value);
    double result = value;
    std::from_chars(text, written.ptr, result);
    return result;
}

TemporalParts partsOf(const MYSQL_TIME& time, TemporalParts::Kind kind) {
    TemporalParts parts;
    parts.kind = kind;
    parts.negative = time.neg != 0;
    parts.year = int(time.year);
    parts.month = int(time.month);
    parts.day = int(time.day);
    parts.hour = int(time.hour);
    parts.minute = int(time.minute);
    parts.second = int(time.second);
    parts.microsecond = int(time.second_part);
    return parts;
}

TemporalParts::Kind temporalKind(enum_field_types type) {
    switch (type) {
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return TemporalParts::Kind::Date;
    case MYSQL_TYPE_TIME:
        return TemporalParts::Kind::Time;
    default:
        return TemporalParts::Kind::DateTime;
    }
}

} // namespace

struct ResultReader::Cell {
    Wire wire = Wire::Bytes;
    TemporalParts::Kind temporal = TemporalParts::Kind::Date;
    bool isUnsigned = false;
    bool is64Bits = false;
    my_bool isNull = false;
    my_bool error = false;
    unsigned long length = 0;
    union {
        qint64 integer;
        float single;
        double number;
        MYSQL_TIME time;
    };
    std::vector<char> bytes;
};

void ResultReader::StatementCloser::operator()(MYSQL_STMT* statement) const {
    // Closing skips whatever rows were not read, keeping the connection usable.
    mysql_stmt_close(statement);
}

ResultReader::ResultReader(Connection& connection, const QString& sql,
                           const ParameterValues& parameters) {
    const NamedPlaceholders placeholders(sql);
    MYSQL* handle = connection.nativeHandleFor(sql, parameters);
    m_statement.reset(mysql_stmt_init(handle));
    if (!m_statement)
        throw ServerErrorText::error(int(mysql_errno(handle)),
                                     QString::fromUtf8(mysql_error(handle)));
    const QByteArray text = placeholders.positionalSql().toUtf8();
    if (mysql_stmt_prepare(m_statement.get(), text.constData(), (unsigned long)text.size()) != 0)
        fail();

    std::vector<std::unique_ptr<BoundValue>> values;
    std::vector<MYSQL_BIND> binds;
    for (const QString& name : placeholders.occurrences()) {
        const auto given = std::find_if(parameters.begin(), parameters.end(),
                                        [&name](const auto& value) { return value.first == name; });
        values.push_back(
            std::make_unique<BoundValue>(given != parameters.end() ? given->second : QVariant()));
        binds.push_back(values.back()->bind());
    }
    if (!binds.empty() && mysql_stmt_bind_param(m_statement.get(), binds.data()) != 0)
        fail();
    if (mysql_stmt_execute(m_statement.get()) != 0)
        fail();

    MYSQL_RES* metadata = mysql_stmt_result_metadata(m_statement.get());
    if (!metadata)
        return;
    prepareCells(mysql_fetch_fields(metadata), mysql_num_fields(metadata));
    mysql_free_result(metadata);
    bindResult();
}

void ResultReader::prepareCells(const MYSQL_FIELD* fields, unsigned int count) {
    m_cells.resize(count);
    m_binds.resize(count);
    for (unsigned int c = 0; c < count; ++c) {
        const MYSQL_FIELD& field = fields[c];
        m_fields.append(fieldOf(field));
        Cell& cell = m_cells[c];
        MYSQL_BIND& bind = m_binds[c];
        std::memset(&bind, 0, sizeof bind);
        cell.wire = wireOf(field.type);
        cell.isUnsigned = (field.flags & UNSIGNED_FLAG) != 0;
        cell.is64Bits = field.type == MYSQL_TYPE_LONGLONG;
        bind.is_null = &cell.isNull;
        bind.error = &cell.error;
        bind.length = &cell.length;
        switch (cell.wire) {
        case Wire::Integer:
            bind.buffer_type = MYSQL_TYPE_LONGLONG;
            bind.buffer = &cell.integer;
            bind.is_unsigned = cell.isUnsigned;
            break;
        case Wire::Single:
            bind.buffer_type = MYSQL_TYPE_FLOAT;
            bind.buffer = &cell.single;
            break;
        case Wire::Double:
            bind.buffer_type = MYSQL_TYPE_DOUBLE;
            bind.buffer = &cell.number;
            break;
        case Wire::Temporal:
            cell.temporal = temporalKind(field.type);
            bind.buffer_type = field.type == MYSQL_TYPE_NEWDATE ? MYSQL_TYPE_DATE : field.type;
            bind.buffer = &cell.time;
            bind.buffer_length = sizeof cell.time;
            break;
        case Wire::Bytes:
            cell.bytes.resize(std::clamp<unsigned long>(field.length, 1, initialTextBuffer));
            bind.buffer_type = MYSQL_TYPE_STRING;
            bind.buffer = cell.bytes.data();
            bind.buffer_length = cell.bytes.size();
            break;
        }
    }
}

bool ResultReader::isUnsigned64(int column) const {
    const Cell& cell = m_cells[std::size_t(column)];
    return cell.isUnsigned && cell.is64Bits;
}

ResultReader::~ResultReader() = default;

void ResultReader::fail() const {
    MYSQL_STMT* statement = m_statement.get();
    // An error the server sends among the rows (a subquery of one row that gives two, a
    // temporary table it cannot drop) is left on the connection, not on the statement.
    QString text = QString::fromUtf8(mysql_stmt_error(statement));
    int number = int(mysql_stmt_errno(statement));
    if (text.isEmpty()) {
        text = QString::fromUtf8(mysql_error(statement->mysql));
        number = int(mysql_errno(statement->mysql));
    }
    if (text.isEmpty())
        text = u"Čítanie výsledku dotazu zlyhalo bez udania dôvodu (chyba %1)."_s.arg(number);
    throw ServerErrorText::error(number, text);
}

void ResultReader::bindResult() {
    if (mysql_stmt_bind_result(m_statement.get(), m_binds.data()) != 0)
        fail();
}

void ResultReader::fetchWhole(std::size_t column) {
    Cell& cell = m_cells[column];
    MYSQL_BIND& bind = m_binds[column];
    cell.bytes.resize(cell.length);
    bind.buffer = cell.bytes.data();
    bind.buffer_length = cell.bytes.size();
    if (mysql_stmt_fetch_column(m_statement.get(), &bind, unsigned(column), 0) != 0)
        fail();
}

std::size_t ResultReader::readInto(const std::vector<ResultColumn*>& columns, std::size_t limit,
                                   const std::function<void()>& beyondLimit) {
    if (m_cells.empty())
        return 0;
    std::size_t row = 0;
    for (;; ++row) {
        const int status = mysql_stmt_fetch(m_statement.get());
        if (status == MYSQL_NO_DATA)
            break;
        // A text longer than its buffer reports truncation; it is read whole below.
        if (status != 0 && status != MYSQL_DATA_TRUNCATED)
            fail();
        if (row >= std::size_t(INT_MAX))
            throw DatabaseError(u"Výsledok dotazu má priveľa riadkov."_s);
        if (beyondLimit && row == limit)
            beyondLimit();
        bool grown = false;
        for (std::size_t c = 0; c < m_cells.size(); ++c) {
            ResultColumn* column = columns[c];
            if (!column)
                continue;
            Cell& cell = m_cells[c];
            if (cell.isNull) {
                column->appendNull(row);
                continue;
            }
            switch (cell.wire) {
            case Wire::Integer:
                if (cell.isUnsigned)
                    column->appendUnsigned(quint64(cell.integer));
                else
                    column->appendInteger(cell.integer);
                break;
            case Wire::Single:
                column->appendDouble(widened(cell.single));
                break;
            case Wire::Double:
                column->appendDouble(cell.number);
                break;
            case Wire::Temporal:
                column->appendTemporal(partsOf(cell.time, cell.temporal));
                break;
            case Wire::Bytes:
                if (cell.length > cell.bytes.size()) {
                    fetchWhole(c);
                    grown = true;
                }
                column->appendText({cell.bytes.data(), cell.length});
                break;
            }
        }
        if (grown)
            bindResult();
    }
    return row;
}
