#include "BandRenderer.h"

#include "BandDefinition.h"
#include "ChartComponent.h"
#include "ChartLayouter.h"
#include "LayoutContext.h"
#include "ShapeComponent.h"
#include "TextComponent.h"
#include "TextMeasurer.h"
#include "TotalComponent.h"

#include <algorithm>

BandRenderer::BandRenderer(const LayoutContext& context, const QPointF& origin)
    : m_context(context)
    , m_origin(origin) {}

double BandRenderer::height(const BandDefinition& band) const {
    if (band.height() > 0)
        return m_context.toPoints(band.height());
    double bottom = 0;
    for (const auto& component : band.components())
        bottom = std::max(bottom, box(*component, 0).bottom() - m_origin.y());
    return bottom;
}

void BandRenderer::render(const BandDefinition& band, double y, int pageNumber,
                          std::vector<PagePrimitive>& page) const {
    for (const auto& component : band.components()) {
        PagePrimitive p;
        p.component = component->name();
        p.rect = box(*component, y);
        switch (component->kind()) {
        case ReportComponent::Kind::Line:
        case ReportComponent::Kind::Box: {
            const auto& shape = static_cast<const ShapeComponent&>(*component);
            p.kind = component->kind() == ReportComponent::Kind::Line ? PagePrimitive::Kind::Line
                                                                      : PagePrimitive::Kind::Box;
            p.penWidth = shape.penWidth();
            p.fill = shape.fill();
            break;
        }
        case ReportComponent::Kind::Text:
            p.text = m_context.text(static_cast<const TextComponent&>(*component), pageNumber);
            break;
        case ReportComponent::Kind::DataText:
            p.text = m_context.dataText(static_cast<const DataTextComponent&>(*component));
            break;
        case ReportComponent::Kind::Total:
            p.text = m_context.totalText(static_cast<const TotalComponent&>(*component));
            break;
        case ReportComponent::Kind::Chart:
            p = ChartLayouter(m_context).layOut(static_cast<const ChartComponent&>(*component),
                                                p.rect);
            break;
        }
        if (p.kind == PagePrimitive::Kind::Text) {
            const auto& textual = static_cast<const TextualComponent&>(*component);
            p.font = textual.font();
            p.alignment = textual.alignment();
            if (component->width() <= 0)
                p.rect.setWidth(m_context.measurer().width(p.text, p.font));
            else
                p.text = elided(p.text, p.font, p.rect.width());
        }
        page.push_back(std::move(p));
    }
}

QRectF BandRenderer::box(const ReportComponent& component, double y) const {
    double height = m_context.toPoints(component.height());
    const bool textual = component.kind() == ReportComponent::Kind::Text ||
                         component.kind() == ReportComponent::Kind::DataText ||
                         component.kind() == ReportComponent::Kind::Total;
    if (height <= 0 && textual)
        height =
            m_context.measurer().lineHeight(static_cast<const TextualComponent&>(component).font());
    return QRectF(m_origin.x() + m_context.toPoints(component.left()),
                  m_origin.y() + y + m_context.toPoints(component.top()),
                  m_context.toPoints(component.width()), height);
}

// A text wider than its box is cut with an ellipsis rather than run into the next column,
// so that a cut value is visibly cut. Texts waiting for the page count are left alone.
QString BandRenderer::elided(const QString& text, const FontSpec& font, double width) const {
    const TextMeasurer& measurer = m_context.measurer();
    if (text.contains(LayoutContext::pageCountMarker()) || measurer.width(text, font) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (measurer.width(text.left(middle) + ellipsis, font) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return text.left(low) + ellipsis;
}
