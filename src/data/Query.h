#pragma once

#include "Dataset.h"

#include <QStringList>

/// A dataset read by an SQL statement kept as lines (joined with line breaks when sent), with
/// named parameters (":Chov") that the driver binds; values are never pasted into the text.
class Query : public Dataset {
    Q_OBJECT
public:
    explicit Query(Connection* connection, QObject* parent = nullptr);

    void setSql(const QStringList& lines);
    const QStringList& sql() const { return m_sql; }
    QString sqlText() const { return m_sql.join(QLatin1Char('\n')); }

    /// The parameter names the statement uses, in order of first appearance, without colons.
    const QStringList& parameterNames() const { return m_parameterNames; }
    /// Throws DatabaseError when the statement has no parameter of that name.
    void setParameter(const QString& name, const QVariant& value);
    QVariant parameter(const QString& name) const;

    using Dataset::reopen;
    /// Closes, sets these parameters and opens again: how every loader refreshes its query.
    void reopen(const ParameterValues& parameters);

    /// The ":name" placeholders of an SQL text, outside quoted strings and names.
    static QStringList placeholders(const QString& sql);

protected:
    QString selectText() const override { return sqlText(); }
    ParameterValues boundParameters() const override;

private:
    QStringList m_sql;
    QStringList m_parameterNames;
    QVariantMap m_values;
};
