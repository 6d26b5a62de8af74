#include "Query.h"

#include "DatabaseError.h"
#include "SqlPlaceholders.h"

Query::Query(Connection* connection, QObject* parent)
    : Dataset(connection, parent) {}

void Query::setSql(const QStringList& lines) {
    m_sql = lines;
    m_parameterNames = placeholders(sqlText());
}

QStringList Query::placeholders(const QString& sql) {
    return SqlPlaceholders::of(sql);
}

void Query::setParameter(const QString& name, const QVariant& value) {
    if (!m_parameterNames.contains(name))
        throw DatabaseError(tr("%1: parameter '%2' neexistuje.").arg(objectName(), name));
    m_values.insert(name, value);
}

QVariant Query::parameter(const QString& name) const {
    return m_values.value(name);
}

ParameterValues Query::boundParameters() const {
    ParameterValues values;
    for (const QString& name : m_parameterNames)
        values.emplace_back(name, m_values.value(name));
    return values;
}
