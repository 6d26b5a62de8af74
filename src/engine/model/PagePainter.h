#pragma once

#include "PagePrimitive.h"

#include <QPointF>
#include <vector>

class QPainter;
class QPen;
struct ReportPage;

/// Paints a page of the page model on any device: printer, PDF, screen, picture.
class PagePainter {
public:
    /// scale: device pixels per point (the device's resolution / 72 for actual size).
    PagePainter(QPainter& painter, double scale);

    /// Paints the page with its top-left corner at offset (device pixels).
    void paint(const ReportPage& page, const QPointF& offset = {});
    /// Paints primitives with the sheet's top-left corner at offset (device pixels); a chart
    /// as its parts, in lines, boxes and texts that stay sharp at any zoom.
    void paint(const std::vector<PagePrimitive>& primitives, const QPointF& offset = {});

private:
    void paintPrimitives(const std::vector<PagePrimitive>& primitives, const QPointF& offset);
    QPen pen(const PagePrimitive& p) const;

    QPainter& m_painter;
    double m_scale;
    const FontSpec* m_font = nullptr;
};
