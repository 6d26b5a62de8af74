#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

/// Collects the rows of one table into multi-row INSERT statements of a bounded number of rows
/// and hands each complete statement (without a closing semicolon) to the sink. Values are
/// written as SQL literals: texts quoted and escaped, numbers rounded to the given decimals,
/// dates as 'YYYY-MM-DD', missing values as NULL.
class SqlInsertBatch {
public:
    using Sink = std::function<void(const QString& statement)>;

    SqlInsertBatch(std::string_view table, std::string_view columns, const Sink& sink,
                   int rowsPerStatement = 1000);

    /// Starts the next row; the values follow in the order of the columns.
    SqlInsertBatch& row();
    SqlInsertBatch& integer(long long value);
    /// NULL when there is none.
    SqlInsertBatch& integer(std::optional<long long> value);
    /// NULL for a value that is not finite.
    SqlInsertBatch& number(double value, int decimals);
    SqlInsertBatch& text(std::string_view utf8);
    SqlInsertBatch& text(const char* utf8) { return text(std::string_view(utf8)); }
    /// NULL for an empty text.
    SqlInsertBatch& text(const QString& value);
    /// A Julian day; NULL for 0.
    SqlInsertBatch& date(int julianDay);
    SqlInsertBatch& dateTime(int julianDay, int minuteOfDay);
    SqlInsertBatch& null();
    /// Sends the rows not sent yet.
    void finish();

private:
    void separate();
    void appendDate(int julianDay);
    void appendTwoDigits(int value);

    std::string m_head;
    std::string m_statement;
    Sink m_sink;
    int m_rowsPerStatement;
    int m_rows = 0;
    bool m_firstValue = true;
};
