#include "DisplayFormat.h"

#include "FieldDef.h"
#include "NumberFormat.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

QString DisplayFormat::formatNumber(double value, const QString& pattern) {
    QLocale locale;
    if (pattern.isEmpty()) {
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value, 'g', 15);
    }
    return NumberFormat(pattern).format(value, locale);
}

QString DisplayFormat::text(const QVariant& value, const FieldDef& field) {
    if (value.isNull() || !value.isValid())
        return {};
    const QLocale locale;
    switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::SmallInt:
    case FieldKind::AutoIncrement:
    case FieldKind::LargeInt:
        if (!field.displayFormat.isEmpty())
            return formatNumber(value.toDouble(), field.displayFormat);
        return value.typeId() == QMetaType::ULongLong ? QString::number(value.toULongLong())
                                                      : QString::number(value.toLongLong());
    case FieldKind::Decimal:
    case FieldKind::Float:
        return formatNumber(value.toDouble(), field.displayFormat);
    case FieldKind::Date:
        return locale.toString(value.toDate(), QLocale::ShortFormat);
    case FieldKind::DateTime:
        return locale.toString(value.toDateTime(), QLocale::ShortFormat);
    case FieldKind::Time:
        // A duration beyond a day comes as the database's text.
        if (value.typeId() == QMetaType::QTime)
            return locale.toString(value.toTime(), QLocale::ShortFormat);
        break;
    case FieldKind::Text:
    case FieldKind::FixedText:
    case FieldKind::Other:
        break;
    }
    return value.toString();
}
