#pragma once

#include "Dataset.h"

/// A dataset over a whole table of the database.
class Table : public Dataset {
    Q_OBJECT
public:
    explicit Table(Connection* connection, QObject* parent = nullptr);

    void setTableName(const QString& name) { m_tableName = name; }
    const QString& tableName() const { return m_tableName; }

protected:
    QString selectText() const override;

private:
    QString m_tableName;
};
