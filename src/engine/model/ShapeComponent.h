#pragma once

#include "ReportComponent.h"

#include <QColor>

/// A line (from the top-left to the bottom-right corner of its box) or a box outline, with an
/// optional fill for boxes.
class ShapeComponent : public ReportComponent {
public:
    /// kind is Kind::Line or Kind::Box.
    ShapeComponent(Kind kind, const QString& name)
        : ReportComponent(kind, name) {}

    /// Points; 0 draws no outline (a filled box only).
    double penWidth() const { return m_penWidth; }
    void setPenWidth(double penWidth) { m_penWidth = penWidth; }
    /// Invalid for no fill.
    const QColor& fill() const { return m_fill; }
    void setFill(const QColor& fill) { m_fill = fill; }

private:
    double m_penWidth = 0.5;
    QColor m_fill;
};
