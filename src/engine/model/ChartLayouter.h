#pragma once

#include "PagePrimitive.h"

class ChartComponent;
class LayoutContext;

/// Lays a chart out into the page model: its title, the value axis with its steps and grid, the
/// bars and lines of its series over the categories, the names of the categories and a legend,
/// measured with the run's fonts, so that every output draws the same picture and a dump of
/// the page shows it.
class ChartLayouter {
public:
    explicit ChartLayouter(const LayoutContext& context);

    /// rect: the chart's box on the sheet, in points. Throws ReportError when the box leaves no
    /// room for the plot.
    PagePrimitive layOut(const ChartComponent& chart, const QRectF& rect) const;

    /// What a chart without a single value shows.
    static QString noDataText();

private:
    const LayoutContext& m_context;
};
