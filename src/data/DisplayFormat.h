#pragma once

#include <QString>
#include <QVariant>

struct FieldDef;

/// Turns field values into the text grids, edits and reports show: numbers through a display
/// pattern (see NumberFormat), dates in the locale's short format. Always through QLocale().
class DisplayFormat {
public:
    static QString formatNumber(double value, const QString& pattern);
    static QString text(const QVariant& value, const FieldDef& field);
    /// The value as a user would edit it: as displayed, but a date-time shows its time to the
    /// second, and only when it has one.
    static QString editText(const QVariant& value, const FieldDef& field);
    /// The locale's long time format without the time zone, which the values do not carry.
    static QString longTimeFormat();
    /// How many characters wide the field's values are shown: from its display pattern, else
    /// from its kind and size (texts wider than 30 are counted as 30).
    static int characters(const FieldDef& field);
};
