#include "DataViewDefinition.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

DataViewDefinition::DataViewDefinition(const QString& name, const QString& connection)
    : m_name(name)
    , m_connection(connection) {}

QString DataViewDefinition::sortText() const {
    QStringList parts;
    for (const SortField& field : m_sort)
        parts << (field.descending ? field.field + u" desc"_s : field.field);
    return parts.join(u", "_s);
}

bool DataViewDefinition::parseSort(const QString& text, QList<SortField>& sort) {
    static const QRegularExpression item(u"^\\s*(\\w+)(?:\\s+(asc|desc))?\\s*$"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    QList<SortField> parsed;
    for (const QString& part : text.split(u','))
        if (const QRegularExpressionMatch match = item.match(part); match.hasMatch())
            parsed.append({match.captured(1),
                           match.captured(2).compare(u"desc"_s, Qt::CaseInsensitive) == 0});
        else
            return false;
    sort = parsed;
    return true;
}
