#pragma once

#include "Dataset.h"

/// A dataset over a whole table of the database.
class Table : public Dataset {
    Q_OBJECT
public:
    explicit Table(Connection* connection, QObject* parent = nullptr);

    void setTableName(const QString& name) { m_tableName = name; }
    const QString& tableName() const { return m_tableName; }
    /// Opens with the table's fields and no rows, for a user that asks only what columns the
    /// table has: a large table is then not read for nothing.
    void setFieldsOnly(bool fieldsOnly) { m_fieldsOnly = fieldsOnly; }

protected:
    QString selectText() const override;

private:
    QString m_tableName;
    bool m_fieldsOnly = false;
};
