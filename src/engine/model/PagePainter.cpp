#include "PagePainter.h"

#include "ReportPage.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>

PagePainter::PagePainter(QPainter& painter, double scale)
    : m_painter(painter)
    , m_scale(scale) {}

void PagePainter::paint(const ReportPage& page, const QPointF& offset) {
    paint(page.primitives, offset);
}

void PagePainter::paint(const std::vector<PagePrimitive>& primitives, const QPointF& offset) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_font = nullptr;
    paintPrimitives(primitives, offset);
    m_painter.restore();
}

QPen PagePainter::pen(const PagePrimitive& p) const {
    // A box without a pen is a filled area; a line of width 0 is the device's thinnest.
    if (p.kind == PagePrimitive::Kind::Box && p.penWidth <= 0)
        return QPen(Qt::NoPen);
    QPen pen(p.color.isValid() ? p.color : QColor(Qt::black), p.penWidth * m_scale);
    // Lines of a chart meet in its points without notches.
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void PagePainter::paintPrimitives(const std::vector<PagePrimitive>& primitives,
                                  const QPointF& offset) {
    // Fonts are sized in points of the device, which already scales by its resolution.
    const double fontScale = m_scale * 72.0 / m_painter.device()->logicalDpiY();
    auto toDevice = [&](const QPointF& point) {
        return offset + point * m_scale;
    };
    auto rectToDevice = [&](const QRectF& r) {
        return QRectF(toDevice(r.topLeft()), r.size() * m_scale);
    };
    for (const PagePrimitive& p : primitives) {
        switch (p.kind) {
        case PagePrimitive::Kind::Text:
            if (p.text.isEmpty())
                break;
            m_painter.setPen(Qt::black);
            // Long lists print thousands of texts in a few fonts; a font is made once per change.
            if (!m_font || !(*m_font == p.font)) {
                m_painter.setFont(p.font.toQFont(p.font.size * fontScale));
                m_font = &p.font;
            }
            // The layout measures at one resolution and the glyphs come out a few per cent wider
            // at another; a text is let run past its box rather than lose its last letters.
            m_painter.drawText(rectToDevice(p.rect),
                               static_cast<int>(p.alignment | Qt::AlignVCenter) |
                                   Qt::TextSingleLine | Qt::TextDontClip,
                               p.text);
            break;
        case PagePrimitive::Kind::Line:
            m_painter.setPen(pen(p));
            m_painter.drawLine(toDevice(p.rect.topLeft()), toDevice(p.rect.bottomRight()));
            break;
        case PagePrimitive::Kind::Box:
            m_painter.setPen(pen(p));
            m_painter.setBrush(p.fill.isValid() ? QBrush(p.fill) : QBrush(Qt::NoBrush));
            m_painter.drawRect(rectToDevice(p.rect));
            break;
        case PagePrimitive::Kind::Polyline: {
            QPolygonF line;
            for (const QPointF& point : p.points)
                line << toDevice(point);
            m_painter.setPen(pen(p));
            m_painter.drawPolyline(line);
            break;
        }
        case PagePrimitive::Kind::Chart:
            paintPrimitives(p.parts, offset);
            break;
        }
    }
}
