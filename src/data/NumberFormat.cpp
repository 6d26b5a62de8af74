#include "NumberFormat.h"

#include <cmath>

namespace {
bool isPatternChar(QChar c) {
    return c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char(',') ||
           c == QLatin1Char('.');
}

// Half away from zero, as the value is written in decimals: a binary double lies a hair off the
// decimal it stands for (0,55 is 0,54999…, a sum of shares 0,5499… or 0,5500…), so the scaled
// value is first cut to the twelve digits that such noise never reaches.
double roundedDecimal(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = QString::number(value * scale, 'g', 12).toDouble();
    return std::round(scaled) / scale;
}
} // namespace

NumberFormat::NumberFormat(const QString& pattern) {
    qsizetype first = 0;
    while (first < pattern.size() && !isPatternChar(pattern.at(first)))
        ++first;
    qsizetype last = first;
    while (last < pattern.size() && isPatternChar(pattern.at(last)))
        ++last;
    m_prefix = pattern.left(first);
    m_suffix = pattern.mid(last);
    const QString digits = pattern.mid(first, last - first);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const QString integer = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    m_grouping = integer.contains(QLatin1Char(','));
    m_minIntegerDigits = static_cast<int>(integer.count(QLatin1Char('0')));
    m_minDecimals = static_cast<int>(fraction.count(QLatin1Char('0')));
    m_maxDecimals = m_minDecimals + static_cast<int>(fraction.count(QLatin1Char('#')));
}

QString NumberFormat::format(double value, const QLocale& locale) const {
    QLocale numbers = locale;
    numbers.setNumberOptions(m_grouping ? QLocale::DefaultNumberOptions
                                        : QLocale::OmitGroupSeparator);
    const double rounded = roundedDecimal(value, m_maxDecimals);
    QString text = numbers.toString(rounded == 0 ? 0.0 : rounded, 'f', m_maxDecimals);

    const QString point = numbers.decimalPoint();
    qsizetype pointAt = text.indexOf(point);
    if (pointAt >= 0) {
        qsizetype keep = pointAt + point.size() + m_minDecimals;
        qsizetype end = text.size();
        while (end > keep && text.at(end - 1) == QLatin1Char('0'))
            --end;
        text.truncate(end);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    pointAt = text.indexOf(point);
    const qsizetype sign = text.startsWith(numbers.negativeSign()) ? 1 : 0;
    const qsizetype integerDigits = (pointAt < 0 ? text.size() : pointAt) - sign;
    if (m_minIntegerDigits == 0 && integerDigits == 1 && text.at(sign) == QLatin1Char('0') &&
        pointAt >= 0)
        text.remove(sign, 1);
    else if (integerDigits < m_minIntegerDigits)
        text.insert(sign, QString(m_minIntegerDigits - integerDigits, QLatin1Char('0')));
    return m_prefix + text + m_suffix;
}
