#include "SqlInsertBatch.h"

#include <QDate>
#include <charconv>
#include <cmath>

namespace {

void appendInteger(std::string& out, long long value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

} // namespace

SqlInsertBatch::SqlInsertBatch(std::string_view table, std::string_view columns, const Sink& sink,
                               int rowsPerStatement)
    : m_head("INSERT INTO ")
    , m_sink(sink)
    , m_rowsPerStatement(rowsPerStatement) {
    m_head.append(table).append(" (").append(columns).append(") VALUES\n");
    m_statement = m_head;
}

SqlInsertBatch& SqlInsertBatch::row() {
    if (m_rows == m_rowsPerStatement)
        finish();
    if (m_rows > 0)
        m_statement += "),\n";
    m_statement += '(';
    ++m_rows;
    m_firstValue = true;
    return *this;
}

void SqlInsertBatch::separate() {
    if (!m_firstValue)
        m_statement += ", ";
    m_firstValue = false;
}

SqlInsertBatch& SqlInsertBatch::integer(long long value) {
    separate();
    appendInteger(m_statement, value);
    return *this;
}

SqlInsertBatch& SqlInsertBatch::integer(std::optional<long long> value) {
    return value ? integer(*value) : null();
}

SqlInsertBatch& SqlInsertBatch::number(double value, int decimals) {
    if (!std::isfinite(value))
        return null();
    separate();
    long long scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const long long scaled = std::llround(value * double(scale));
    if (scaled < 0)
        m_statement += '-';
    const long long magnitude = scaled < 0 ? -scaled : scaled;
    appendInteger(m_statement, magnitude / scale);
    if (decimals > 0) {
        m_statement += '.';
        std::string fraction;
        appendInteger(fraction, magnitude % scale);
        m_statement.append(size_t(decimals) - fraction.size(), '0').append(fraction);
    }
    return *this;
}

SqlInsertBatch& SqlInsertBatch::text(std::string_view utf8) {
    separate();
    m_statement += '\'';
    for (const char c : utf8) {
        switch (c) {
        case '\'':
            m_statement += "''";
            break;
        case '\\':
            m_statement += "\\\\";
            break;
        case '\0':
            m_statement += "\\0";
            break;
        case '\n':
            m_statement += "\\n";
            break;
        case '\r':
            m_statement += "\\r";
            break;
        case '\x1a':
            m_statement += "\\Z";
            break;
        default:
            m_statement += c;
        }
    }
    m_statement += '\'';
    return *this;
}

SqlInsertBatch& SqlInsertBatch::text(const QString& value) {
    if (value.isEmpty())
        return null();
    const QByteArray utf8 = value.toUtf8();
    return text(std::string_view(utf8.constData(), size_t(utf8.size())));
}

SqlInsertBatch& SqlInsertBatch::date(int julianDay) {
    if (julianDay == 0)
        return null();
    separate();
    m_statement += '\'';
    appendDate(julianDay);
    m_statement += '\'';
    return *this;
}

SqlInsertBatch& SqlInsertBatch::dateTime(int julianDay, int minuteOfDay) {
    separate();
    m_statement += '\'';
    appendDate(julianDay);
    m_statement += ' ';
    appendTwoDigits(minuteOfDay / 60);
    m_statement += ':';
    appendTwoDigits(minuteOfDay % 60);
    m_statement += ":00'";
    return *this;
}

SqlInsertBatch& SqlInsertBatch::null() {
    separate();
    m_statement += "NULL";
    return *this;
}

void SqlInsertBatch::finish() {
    if (m_rows == 0)
        return;
    m_statement += ')';
    m_sink(QString::fromUtf8(m_statement.data(), qsizetype(m_statement.size())));
    m_statement = m_head;
    m_rows = 0;
}

void SqlInsertBatch::appendDate(int julianDay) {
    int year = 0;
    int month = 0;
    int day = 0;
    QDate::fromJulianDay(julianDay).getDate(&year, &month, &day);
    appendInteger(m_statement, year);
    m_statement += '-';
    appendTwoDigits(month);
    m_statement += '-';
    appendTwoDigits(day);
}

void SqlInsertBatch::appendTwoDigits(int value) {
    m_statement += char('0' + value / 10);
    m_statement += char('0' + value % 10);
}
