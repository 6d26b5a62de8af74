#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Connection;
struct st_mysql_bind;
struct st_mysql_stmt;

/// Inserts many rows into one table through prepared statements of many rows each, whose values
/// the server binds: a value never becomes part of the statement's text, and the rows travel in
/// the binary protocol without a text to parse per value. Each statement sent is logged by the
/// connection. Failures throw DatabaseError with the server's text.
class BulkInsert {
public:
    /// Rows are sent as soon as rowsPerStatement of them are complete; 0 chooses as many as the
    /// server takes placeholders for, at most 500.
    BulkInsert(Connection& connection, const QString& table, const QStringList& columns,
               int rowsPerStatement = 0);
    ~BulkInsert();
    BulkInsert(const BulkInsert&) = delete;
    BulkInsert& operator=(const BulkInsert&) = delete;

    /// Starts the next row; its values follow in the order of the columns.
    BulkInsert& row();
    BulkInsert& null();
    BulkInsert& integer(qint64 value);
    /// NULL for a value that is not finite.
    BulkInsert& number(double value);
    /// NULL for a null text; an empty text stays empty.
    BulkInsert& text(const QString& value);
    BulkInsert& text(std::string_view utf8);
    /// A Julian day; NULL for 0.
    BulkInsert& date(int julianDay);
    /// Sends the rows not sent yet.
    void finish();

    /// Rows given so far.
    qint64 rows() const { return m_rows; }

    struct Cell;

private:
    struct StatementCloser {
        void operator()(st_mysql_stmt* statement) const;
    };
    Cell& next();
    void send(int rows);
    QString statementFor(int rows) const;

    Connection& m_connection;
    QString m_table;
    QStringList m_columns;
    int m_rowsPerStatement;
    std::vector<Cell> m_cells;
    std::vector<st_mysql_bind> m_binds;
    QString m_fullStatement;
    int m_filled = 0; ///< cells of the pending rows
    qint64 m_rows = 0;
    std::unique_ptr<st_mysql_stmt, StatementCloser> m_full;
};
