#pragma once

#include "PagePrimitive.h"

#include <QPointF>
#include <vector>

class BandDefinition;
class LayoutContext;
class ReportComponent;

/// Turns a band's components into page primitives at a given height of its region.
class BandRenderer {
public:
    /// origin: the region's top-left corner on the sheet, in points.
    BandRenderer(const LayoutContext& context, const QPointF& origin);

    /// The band's height in points; a band without a height is as high as its components.
    double height(const BandDefinition& band) const;
    void render(const BandDefinition& band, double y, int pageNumber,
                std::vector<PagePrimitive>& page) const;

private:
    QRectF box(const ReportComponent& component, double y) const;
    QString elided(const QString& text, const FontSpec& font, double width) const;

    const LayoutContext& m_context;
    QPointF m_origin;
};
