#include "SqlPlaceholders.h"

QStringList SqlPlaceholders::of(const QString& sql) {
    QStringList names;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == u'\\')
                ++i;
            else if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'`') {
            quote = c;
            continue;
        }
        const bool startsName = c == u':' && i + 1 < sql.size() &&
                                (sql[i + 1].isLetter() || sql[i + 1] == u'_') &&
                                (i == 0 || !(sql[i - 1].isLetterOrNumber() || sql[i - 1] == u':'));
        if (!startsName)
            continue;
        qsizetype end = i + 1;
        while (end < sql.size() && (sql[end].isLetterOrNumber() || sql[end] == u'_'))
            ++end;
        const QString name = sql.mid(i + 1, end - i - 1);
        if (!names.contains(name))
            names.append(name);
        i = end - 1;
    }
    return names;
}
