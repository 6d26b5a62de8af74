#pragma once

#include <QPointF>

class QPainter;
struct ReportPage;

/// Paints a page of the page model on any device: printer, PDF, screen.
class PagePainter {
public:
    /// scale: device pixels per point (the device's resolution / 72 for actual size).
    PagePainter(QPainter& painter, double scale);

    /// Paints the page with its top-left corner at offset (device pixels).
    void paint(const ReportPage& page, const QPointF& offset = {});

private:
    QPainter& m_painter;
    double m_scale;
};
