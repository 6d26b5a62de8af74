#pragma once

#include "Connection.h"
#include "FieldDef.h"

#include <QList>
#include <QObject>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

class ResultColumn;

/// Rows read by a dataset, held in memory as a static cursor: the whole result is fetched when
/// the dataset opens, so it can be counted and scrolled both ways. The rows are kept column by
/// column in compact form; a cell becomes a QVariant or a text only when it is read.
class Dataset : public QObject {
    Q_OBJECT
public:
    explicit Dataset(Connection* connection, QObject* parent = nullptr);
    ~Dataset() override;

    Connection* connection() const { return m_connection; }

    /// Declares the fields the dataset exposes, in order; an empty list exposes the result's own.
    void setDeclaredFields(QList<FieldDef> fields);
    const QList<FieldDef>& declaredFields() const { return m_declared; }
    /// Gives the result's own fields (when none are declared) a display format as they open,
    /// by what the result says of each: for a statement made at run time, whose fields nobody
    /// could declare. An empty format leaves the value's own digits.
    void setResultFieldFormats(std::function<QString(const FieldDef& field)> formatOf);

    /// Hears a result that grows past `limit` rows, as the row after them arrives and before it
    /// is kept: it throws to stop the reading, which leaves the dataset closed, or returns to go
    /// on without a limit. Rows come from the server one by one, so a result that is refused
    /// never took more memory than the limit's rows. None by default.
    using RowLimit = std::function<void(std::size_t limit)>;
    void setRowLimit(std::size_t limit, RowLimit beyond);

    /// Reads the whole result. Opening an open dataset does nothing. Throws DatabaseError when
    /// the statement fails or the result lacks a declared field.
    void open();
    void close();
    /// Closes and opens again, keeping nothing of the old result.
    void reopen();
    bool isOpen() const { return m_open; }

    /// The fields of the open result (declared ones when declared).
    const QList<FieldDef>& fields() const { return m_fields; }
    int fieldCount() const { return int(m_fields.size()); }
    /// Looks a field up by name regardless of case; -1 when there is none.
    int fieldIndex(const QString& name) const;
    /// Like fieldIndex but throws DatabaseError naming the field when it is missing.
    int requireField(const QString& name) const;

    int recordCount() const { return m_rowCount; }
    bool isEmpty() const { return m_rowCount == 0; }

    /// Current row, -1 when the dataset is closed or empty.
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    void first() { setCurrentRow(0); }
    void last() { setCurrentRow(recordCount() - 1); }
    void next();
    void prior();
    /// True after next() has moved past the last row (or for an empty result).
    bool eof() const { return m_eof; }

    QVariant value(int row, int column) const;
    QString displayText(int row, int column) const;
    /// The value of the named field in the current row; throws when the field is missing.
    QVariant value(const QString& fieldName) const;
    /// The current row's field as text (an empty text for NULL).
    QString text(const QString& fieldName) const;

Q_SIGNALS:
    void opened();
    void closed();
    void currentRowChanged(int row);

protected:
    virtual QString selectText() const = 0;
    virtual ParameterValues boundParameters() const { return {}; }

private:
    void readResult();
    void readResult(const QString& sql);
    void moveTo(int row, bool eof);

    Connection* m_connection;
    QList<FieldDef> m_declared;
    std::function<QString(const FieldDef& field)> m_formatOf;
    std::size_t m_rowLimit = 0;
    RowLimit m_beyondLimit;
    QList<FieldDef> m_fields;
    std::vector<std::unique_ptr<ResultColumn>> m_columns;
    std::vector<std::size_t> m_columnOfField;
    int m_rowCount = 0;
    int m_current = -1;
    bool m_eof = true;
    bool m_open = false;
};
