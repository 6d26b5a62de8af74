#include "PagePainter.h"

#include "ReportPage.h"

#include <QPaintDevice>
#include <QPainter>

PagePainter::PagePainter(QPainter& painter, double scale)
    : m_painter(painter)
    , m_scale(scale) {}

void PagePainter::paint(const ReportPage& page, const QPointF& offset) {
    // Fonts are sized in points of the device, which already scales by its resolution.
    const double fontScale = m_scale * 72.0 / m_painter.device()->logicalDpiY();
    auto toDevice = [&](const QRectF& r) {
        return QRectF(offset.x() + r.x() * m_scale, offset.y() + r.y() * m_scale,
                      r.width() * m_scale, r.height() * m_scale);
    };
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    // Long lists print thousands of texts in a few fonts; a font is made once per change.
    const FontSpec* font = nullptr;
    for (const PagePrimitive& p : page.primitives) {
        const QRectF rect = toDevice(p.rect);
        switch (p.kind) {
        case PagePrimitive::Kind::Text:
            if (p.text.isEmpty())
                break;
            m_painter.setPen(Qt::black);
            if (!font || !(*font == p.font)) {
                m_painter.setFont(p.font.toQFont(p.font.size * fontScale));
                font = &p.font;
            }
            m_painter.drawText(
                rect, static_cast<int>(p.alignment | Qt::AlignVCenter) | Qt::TextSingleLine,
                p.text);
            break;
        case PagePrimitive::Kind::Line:
            m_painter.setPen(QPen(Qt::black, p.penWidth * m_scale));
            m_painter.drawLine(rect.topLeft(), rect.bottomRight());
            break;
        case PagePrimitive::Kind::Box:
            m_painter.setPen(p.penWidth > 0 ? QPen(Qt::black, p.penWidth * m_scale)
                                            : QPen(Qt::NoPen));
            m_painter.setBrush(p.fill.isValid() ? QBrush(p.fill) : QBrush(Qt::NoBrush));
            m_painter.drawRect(rect);
            break;
        }
    }
    m_painter.restore();
}
