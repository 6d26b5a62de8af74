#include "TextTemplate.h"

namespace {
// Walks the text once; literal pieces go to the output, names to onName.
QString walk(const QString& text, const std::function<QString(const QString&)>& onName) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool doubled = i + 1 < text.size() && text.at(i + 1) == c;
        if ((c == QLatin1Char('{') || c == QLatin1Char('}')) && doubled) {
            result += c;
            ++i;
            continue;
        }
        const qsizetype close = c == QLatin1Char('{') ? text.indexOf(QLatin1Char('}'), i) : -1;
        if (close < 0) {
            result += c;
            continue;
        }
        result += onName(text.mid(i + 1, close - i - 1));
        i = close;
    }
    return result;
}
} // namespace

QStringList TextTemplate::placeholders(const QString& text) {
    QStringList names;
    walk(text, [&names](const QString& name) {
        names << name;
        return QString();
    });
    return names;
}

QString TextTemplate::expand(const QString& text,
                             const std::function<QString(const QString&)>& lookup) {
    return walk(text, lookup);
}
