#include "DisplayFormat.h"

#include "FieldDef.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <cmath>

QString DisplayFormat::formatNumber(double value, const QString& pattern) {
    QLocale locale;
    if (pattern.isEmpty()) {
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value, 'g', 15);
    }

    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? pattern : pattern.left(point);
    const QString fractionPart = point < 0 ? QString() : pattern.mid(point + 1);
    const int minIntegerDigits = int(integerPart.count(QLatin1Char('0')));
    const int requiredDecimals = int(fractionPart.count(QLatin1Char('0')));
    const int maxDecimals = requiredDecimals + int(fractionPart.count(QLatin1Char('#')));

    // Round half away from zero, as a breeder's calculator does, not to even.
    const double scale = std::pow(10.0, maxDecimals);
    const double rounded = std::round(std::abs(value) * scale) / scale;
    QString digits = QString::number(rounded, 'f', maxDecimals);

    QString whole = digits;
    QString fraction;
    if (maxDecimals > 0) {
        const qsizetype dot = digits.indexOf(QLatin1Char('.'));
        whole = digits.left(dot);
        fraction = digits.mid(dot + 1);
        while (fraction.size() > requiredDecimals && fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
    }
    if (whole == QLatin1String("0") && minIntegerDigits == 0)
        whole.clear();
    while (whole.size() < minIntegerDigits)
        whole.prepend(QLatin1Char('0'));

    QString result = whole;
    if (!fraction.isEmpty())
        result += locale.decimalPoint() + fraction;
    if (result.isEmpty())
        result = QStringLiteral("0");
    const bool negative = value < 0 && rounded != 0.0;
    return negative ? locale.negativeSign() + result : result;
}

QString DisplayFormat::text(const QVariant& value, const FieldDef& field) {
    if (value.isNull() || !value.isValid())
        return {};
    const QLocale locale;
    switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::SmallInt:
    case FieldKind::AutoIncrement:
        return field.displayFormat.isEmpty() ? QString::number(value.toLongLong())
                                             : formatNumber(value.toDouble(), field.displayFormat);
    case FieldKind::Decimal:
    case FieldKind::Float:
        return formatNumber(value.toDouble(), field.displayFormat);
    case FieldKind::Date:
        return locale.toString(value.toDate(), QLocale::ShortFormat);
    case FieldKind::DateTime:
        return locale.toString(value.toDateTime(), QLocale::ShortFormat);
    case FieldKind::Text:
    case FieldKind::FixedText:
    case FieldKind::Other:
        break;
    }
    return value.toString();
}
