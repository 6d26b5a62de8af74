#pragma once

#include "FontSpec.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

/// One thing printed on a page, in points from the sheet's top-left corner, tagged with the
/// name of the component that made it. A line runs from rect's top-left to its bottom-right; a
/// polyline through its points. A chart is the rectangle its parts are drawn in: the outputs
/// that draw (PDF, preview, printer) paint the parts, the RTF places them as one picture.
struct PagePrimitive {
    enum class Kind { Text, Line, Box, Polyline, Chart };

    Kind kind = Kind::Text;
    QRectF rect;
    QString component;
    QString text;
    FontSpec font;
    Qt::Alignment alignment = Qt::AlignLeft;
    double penWidth = 0;
    /// The outline's colour; invalid for black.
    QColor color;
    QColor fill;
    QList<QPointF> points;
    std::vector<PagePrimitive> parts;
};
