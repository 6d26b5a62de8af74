#pragma once

#include <QString>
#include <QStringList>

/// The named placeholders (":Chov") of an SQL text, outside quoted strings and names, and the
/// same text with each replaced by the client library's positional "?".
class NamedPlaceholders {
public:
    explicit NamedPlaceholders(const QString& sql);

    /// The names in order of first appearance, without colons.
    QStringList names() const;
    /// The name behind each "?" of the positional text, in order; a name used twice is twice.
    const QStringList& occurrences() const { return m_occurrences; }
    const QString& positionalSql() const { return m_positionalSql; }

private:
    QStringList m_occurrences;
    QString m_positionalSql;
};
