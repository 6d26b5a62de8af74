#include "Query.h"

#include "DatabaseError.h"

Query::Query(Connection* connection, QObject* parent)
    : Dataset(connection, parent) {}

void Query::setSql(const QStringList& lines) {
    m_sql = lines;
    m_parameterNames = placeholders(sqlText());
}

QStringList Query::placeholders(const QString& sql) {
    QStringList names;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            quote = c;
            continue;
        }
        const bool startsName =
            c == QLatin1Char(':') && i + 1 < sql.size() &&
            (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_')) &&
            (i == 0 || !(sql[i - 1].isLetterOrNumber() || sql[i - 1] == QLatin1Char(':')));
        if (!startsName)
            continue;
        qsizetype end = i + 1;
        while (end < sql.size() && (sql[end].isLetterOrNumber() || sql[end] == QLatin1Char('_')))
            ++end;
        const QString name = sql.mid(i + 1, end - i - 1);
        if (!names.contains(name))
            names.append(name);
        i = end - 1;
    }
    return names;
}

void Query::setParameter(const QString& name, const QVariant& value) {
    if (!m_parameterNames.contains(name))
        throw DatabaseError(tr("%1: parameter '%2' neexistuje.").arg(objectName(), name));
    m_values.insert(name, value);
}

void Query::reopen(const ParameterValues& parameters) {
    close();
    for (const auto& [name, value] : parameters)
        setParameter(name, value);
    open();
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
