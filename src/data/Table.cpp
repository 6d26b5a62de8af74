#include "Table.h"

#include "DatabaseError.h"

Table::Table(Connection* connection, QObject* parent)
    : Dataset(connection, parent) {}

QString Table::selectText() const {
    if (m_tableName.isEmpty())
        throw DatabaseError(tr("%1: nie je zadaný názov tabuľky.").arg(objectName()));
    return QStringLiteral("SELECT * FROM ") + m_tableName;
}
