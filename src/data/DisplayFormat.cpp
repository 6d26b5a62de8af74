#include "DisplayFormat.h"

#include "FieldDef.h"
#include "NumberFormat.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

// Texts wider than this many characters are cut rather than given a screen of their own.
constexpr int widestTextColumn = 30;

} // namespace

QString DisplayFormat::longTimeFormat() {
    static const QRegularExpression zone(u"\\s*t+"_s);
    return QLocale().timeFormat(QLocale::LongFormat).remove(zone).trimmed();
}

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

QString DisplayFormat::editText(const QVariant& value, const FieldDef& field) {
    if (field.kind != FieldKind::DateTime || value.isNull())
        return text(value, field);
    const QDateTime moment = value.toDateTime();
    const QLocale locale;
    QString result = locale.toString(moment.date(), QLocale::ShortFormat);
    if (moment.time() != QTime(0, 0))
        result += QLatin1Char(' ') + locale.toString(moment.time(), longTimeFormat());
    return result;
}

int DisplayFormat::characters(const FieldDef& field) {
    if (!field.displayFormat.isEmpty())
        return int(field.displayFormat.size()) + 1;
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::FixedText:
        return std::clamp(field.size, 1, widestTextColumn);
    case FieldKind::Date:
        return 10;
    case FieldKind::DateTime:
        return 19;
    case FieldKind::Time:
        return 8;
    case FieldKind::SmallInt:
        return 6;
    case FieldKind::Decimal:
        return field.size + 2;
    case FieldKind::Integer:
    case FieldKind::AutoIncrement:
    case FieldKind::LargeInt:
    case FieldKind::Float:
    case FieldKind::Other:
        break;
    }
    return 10;
}
