#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Connection;
struct st_mysql_bind;
struct st_mysql_stmt;

/// Inserts many rows into one table through prepared statements whose values the server binds:
/// a value never becomes part of the statement's text, and the rows travel in the binary
/// protocol without a text to parse per value. A MariaDB server takes each batch as an array of
/// rows for a statement of one row; other servers get a statement of as many rows as the batch.
/// Each statement sent is logged by the connection. Failures throw DatabaseError with the
/// server's text.
class BulkInsert {
public:
    enum class Transfer {
        /// Arrays where the server takes them.
        Best,
        /// A statement of many rows per batch, as for a server without arrays.
        StatementOfRows,
    };

    /// Rows are sent as soon as rowsPerStatement of them are complete; 0 chooses as many as the
    /// server takes placeholders for, at most 500.
    BulkInsert(Connection& connection, const QString& table, const QStringList& columns,
               int rowsPerStatement = 0, Transfer transfer = Transfer::Best);
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
    struct Column;

private:
    struct StatementCloser {
        void operator()(st_mysql_stmt* statement) const;
    };
    using Statement = std::unique_ptr<st_mysql_stmt, StatementCloser>;
    Cell& next();
    void send(int rows);
    /// False when a column holds values of two types, which an array cannot.
    bool sendArrays(int rows);
    void sendStatementOfRows(int rows);
    QString statementFor(int rows) const;
    st_mysql_stmt* prepared(Statement& statement, const QString& sql);
    void execute(st_mysql_stmt* statement, const std::vector<st_mysql_bind>& binds);

    Connection& m_connection;
    QString m_table;
    QStringList m_columns;
    int m_rowsPerStatement;
    std::vector<Cell> m_cells;
    std::vector<st_mysql_bind> m_binds;
    QString m_fullStatement;
    int m_filled = 0; ///< cells of the pending rows
    qint64 m_rows = 0;
    /// Known at the first batch, once the session is open.
    std::optional<bool> m_arrays;
    Statement m_full;
    Statement m_oneRow;
    std::vector<Column> m_columnArrays;
    std::vector<st_mysql_bind> m_arrayBinds;
};
