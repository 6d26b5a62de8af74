#pragma once

#include "Connection.h"
#include "FieldDef.h"

#include <QList>
#include <functional>
#include <memory>
#include <vector>

class ResultColumn;
struct st_mysql_bind;
struct st_mysql_field;
struct st_mysql_stmt;

/// Runs one statement through the MariaDB client library that the Qt driver wraps, on the
/// connection's own handle, and reads its result straight into compact columns: the driver's
/// QVariant per value doubles the time of a large result. The statement is prepared on the
/// server, which binds the parameter values (a value never becomes part of the SQL text), and
/// its rows come in the binary protocol, numbers and dates as such, read as the server sends
/// them rather than buffered by the library first.
class ResultReader {
public:
    /// Sends the statement, logged by the connection, with its named parameters. Throws
    /// DatabaseError with the server's text when it fails.
    ResultReader(Connection& connection, const QString& sql, const ParameterValues& parameters);
    ~ResultReader();
    ResultReader(const ResultReader&) = delete;
    ResultReader& operator=(const ResultReader&) = delete;

    /// The result's columns as the database describes them (none for a statement without a
    /// result).
    const QList<FieldDef>& fields() const { return m_fields; }
    /// Whether a column holds 64-bit unsigned integers, which a signed one cannot hold.
    bool isUnsigned64(int column) const;

    /// Appends every row to the columns, one for each result column, nullptr for a column not
    /// kept. Returns the number of rows. Throws DatabaseError when the server fails meanwhile.
    /// With beyondLimit, it is called once a row arrives after `limit` rows, before that row is
    /// kept; what it throws stops the reading.
    std::size_t readInto(const std::vector<ResultColumn*>& columns, std::size_t limit = 0,
                         const std::function<void()>& beyondLimit = {});

    /// The receiving end of one result column's bind.
    struct Cell;

private:
    [[noreturn]] void fail() const;
    void prepareCells(const st_mysql_field* fields, unsigned int count);
    void bindResult();
    /// Reads a text longer than its cell's buffer, which then grows for the rows to come.
    void fetchWhole(std::size_t column);

    struct StatementCloser {
        void operator()(st_mysql_stmt* statement) const;
    };

    std::unique_ptr<st_mysql_stmt, StatementCloser> m_statement;
    QList<FieldDef> m_fields;
    std::vector<Cell> m_cells;
    std::vector<st_mysql_bind> m_binds;
};
