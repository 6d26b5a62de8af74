#pragma once

#include "FontSpec.h"

#include <QColor>
#include <QRectF>
#include <QString>

/// One thing printed on a page, in points from the sheet's top-left corner, tagged with the
/// name of the component that made it. A line runs from rect's top-left to its bottom-right.
struct PagePrimitive {
    enum class Kind { Text, Line, Box };

    Kind kind = Kind::Text;
    QRectF rect;
    QString component;
    QString text;
    FontSpec font;
    Qt::Alignment alignment = Qt::AlignLeft;
    double penWidth = 0;
    QColor fill;
};
