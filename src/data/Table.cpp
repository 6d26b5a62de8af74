#include "Table.h"

#include "DatabaseError.h"

using namespace Qt::Literals::StringLiterals;

Table::Table(Connection* connection, QObject* parent)
    : Dataset(connection, parent) {}

QString Table::selectText() const {
    if (m_tableName.isEmpty())
        throw DatabaseError(tr("%1: nie je zadaný názov tabuľky.").arg(objectName()));
    return u"SELECT * FROM "_s + m_tableName + (m_fieldsOnly ? u" LIMIT 0"_s : QString());
}
