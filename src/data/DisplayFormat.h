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
};
