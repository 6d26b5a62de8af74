#include "NamedPlaceholders.h"

NamedPlaceholders::NamedPlaceholders(const QString& sql) {
    m_positionalSql.reserve(sql.size());
    QChar quote;
    qsizetype copied = 0;
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
        m_occurrences.append(sql.mid(i + 1, end - i - 1));
        m_positionalSql += QStringView(sql).mid(copied, i - copied);
        m_positionalSql += QLatin1Char('?');
        copied = end;
        i = end - 1;
    }
    m_positionalSql += QStringView(sql).mid(copied);
}

QStringList NamedPlaceholders::names() const {
    QStringList names;
    for (const QString& name : m_occurrences)
        if (!names.contains(name))
            names.append(name);
    return names;
}
