#pragma once

#include <QLocale>
#include <QString>

/// A number display pattern: "0" a digit always shown, "#" a digit shown when significant, ","
/// thousands grouping, "." the decimal separator of the locale; text around the digits is kept
/// ("0.0 %" prints a literal percent sign after the number).
class NumberFormat {
public:
    explicit NumberFormat(const QString& pattern);

    QString format(double value, const QLocale& locale = QLocale()) const;
    /// The decimals the pattern shows at most: a finer difference prints as none.
    int maxDecimals() const { return m_maxDecimals; }

private:
    QString m_prefix;
    QString m_suffix;
    int m_minIntegerDigits = 1;
    int m_minDecimals = 0;
    int m_maxDecimals = 0;
    bool m_grouping = false;
};
