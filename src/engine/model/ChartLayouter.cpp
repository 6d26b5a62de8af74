#include "ChartLayouter.h"

#include "ChartComponent.h"
#include "LayoutContext.h"
#include "ReportDataSet.h"
#include "ReportError.h"
#include "TextMeasurer.h"
#include "data/NumberFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const std::array<QColor, 6> palette{QColor(0x1f, 0x6f, 0xb4), QColor(0xd6, 0x45, 0x28),
                                    QColor(0x2c, 0x9a, 0x2c), QColor(0xe8, 0x8e, 0x0e),
                                    QColor(0x84, 0x5e, 0xbd), QColor(0x7f, 0x7f, 0x7f)};
const QColor gridColor(0xc8, 0xc8, 0xc8);
constexpr double gap = 3;            ///< points between the parts of the chart
constexpr double swatchWidth = 10;   ///< a series' sample in the legend
constexpr double legendSpacing = 12; ///< between the entries of the legend
constexpr double markerSize = 2.4;   ///< a point of a line
constexpr double barShare = 0.7;     ///< of a category's width taken by its bars

struct ValueAxis {
    double minimum = 0;
    double maximum = 1;
    double step = 0.2;
};

/// A step of 1, 2, 2.5 or 5 times a power of ten that cuts the span into about five.
double roundStep(double span) {
    const double raw = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double multiple : {1.0, 2.0, 2.5, 5.0})
        if (raw <= multiple * power * 1.000001)
            return multiple * power;
    return 10 * power;
}

// Bars stand on zero, so an axis that follows the values always takes it in. Its step is no
// finer than the values' format shows, else neighbouring steps would print the same number.
ValueAxis axisOf(const ChartComponent& chart, std::optional<double> low, std::optional<double> high,
                 double finestStep) {
    ValueAxis axis;
    axis.minimum = chart.minimum().value_or(std::min(0.0, low.value_or(0)));
    axis.maximum = chart.maximum().value_or(std::max(0.0, high.value_or(0)));
    if (axis.maximum <= axis.minimum)
        axis.maximum = axis.minimum + 1;
    axis.step = std::max(roundStep(axis.maximum - axis.minimum), finestStep);
    if (!chart.minimum())
        axis.minimum = std::floor(axis.minimum / axis.step + 1e-9) * axis.step;
    if (!chart.maximum())
        axis.maximum = std::ceil(axis.maximum / axis.step - 1e-9) * axis.step;
    return axis;
}

QString stepPattern(double step) {
    if (std::abs(step - std::round(step)) < 1e-9)
        return u"0"_s;
    if (std::abs(step * 10 - std::round(step * 10)) < 1e-9)
        return u"0.0"_s;
    return u"0.00"_s;
}

/// The parts of one chart, each tagged with the chart's name.
class Drawing {
public:
    Drawing(PagePrimitive& chart, const TextMeasurer& measurer)
        : m_chart(chart)
        , m_measurer(measurer) {}

    void text(const QRectF& rect, const QString& text, const FontSpec& font,
              Qt::Alignment alignment) {
        PagePrimitive& p = add(PagePrimitive::Kind::Text, rect);
        p.text = text;
        p.font = font;
        p.alignment = alignment;
    }
    void line(const QPointF& from, const QPointF& to, double pen, const QColor& color) {
        PagePrimitive& p = add(PagePrimitive::Kind::Line, QRectF(from, to));
        p.penWidth = pen;
        p.color = color;
    }
    void box(const QRectF& rect, double pen, const QColor& fill) {
        PagePrimitive& p = add(PagePrimitive::Kind::Box, rect);
        p.penWidth = pen;
        p.fill = fill;
    }
    void polyline(const QList<QPointF>& points, double pen, const QColor& color) {
        PagePrimitive& p = add(PagePrimitive::Kind::Polyline, QRectF());
        p.points = points;
        p.penWidth = pen;
        p.color = color;
    }
    void marker(const QPointF& centre, const QColor& color) {
        box(QRectF(centre.x() - markerSize / 2, centre.y() - markerSize / 2, markerSize,
                   markerSize),
            0, color);
    }
    double width(const QString& text, const FontSpec& font) const {
        return m_measurer.width(text, font);
    }
    double lineHeight(const FontSpec& font) const { return m_measurer.lineHeight(font); }

private:
    PagePrimitive& add(PagePrimitive::Kind kind, const QRectF& rect) {
        PagePrimitive& p = m_chart.parts.emplace_back();
        p.kind = kind;
        p.rect = rect;
        p.component = m_chart.component;
        return p;
    }

    PagePrimitive& m_chart;
    const TextMeasurer& m_measurer;
};

} // namespace

ChartLayouter::ChartLayouter(const LayoutContext& context)
    : m_context(context) {}

QString ChartLayouter::noDataText() {
    return u"Žiadne údaje"_s;
}

PagePrimitive ChartLayouter::layOut(const ChartComponent& chart, const QRectF& rect) const {
    PagePrimitive result;
    result.kind = PagePrimitive::Kind::Chart;
    result.rect = rect;
    result.component = chart.name();
    Drawing drawing(result, m_context.measurer());

    // The values, row by row of the group or the whole set.
    const ReportDataSet& set = m_context.dataSet(chart.dataView());
    const auto [first, end] = m_context.chartRows(chart.dataView());
    const QList<ChartComponent::Series>& series = chart.series();
    QStringList categories;
    std::vector<std::vector<std::optional<double>>> values(std::size_t(series.size()));
    std::optional<double> low;
    std::optional<double> high;
    for (int row = first; row < end; ++row) {
        categories << set.displayText(row, chart.categoryField());
        for (qsizetype s = 0; s < series.size(); ++s) {
            const QVariant value = set.value(row, series[s].field);
            bool numeric = false;
            const double number = value.toDouble(&numeric);
            std::optional<double> point;
            if (!value.isNull() && numeric && std::isfinite(number)) {
                point = number;
                low = std::min(low.value_or(number), number);
                high = std::max(high.value_or(number), number);
            }
            values[std::size_t(s)].push_back(point);
        }
    }
    std::optional<NumberFormat> chartFormat;
    if (!chart.format().isEmpty())
        chartFormat.emplace(chart.format());
    const ValueAxis axis =
        axisOf(chart, low, high, chartFormat ? std::pow(10.0, -chartFormat->maxDecimals()) : 0);
    const NumberFormat valueFormat = chartFormat.value_or(NumberFormat(stepPattern(axis.step)));
    QStringList ticks;
    std::vector<double> tickValues;
    for (double v = std::ceil(axis.minimum / axis.step - 1e-9) * axis.step;
         v <= axis.maximum + axis.step * 1e-6; v += axis.step) {
        tickValues.push_back(v);
        ticks << valueFormat.format(std::abs(v) < axis.step * 1e-9 ? 0 : v);
    }
    auto seriesColor = [&](qsizetype s) {
        return series[s].color.isValid() ? series[s].color
                                         : palette[std::size_t(s) % palette.size()];
    };

    const FontSpec& font = chart.font();
    FontSpec titleFont = font;
    titleFont.size += 2;
    titleFont.bold = true;
    const double lineHeight = drawing.lineHeight(font);

    // From the top: the title, the value axis' title; from the bottom: the legend, the names
    // of the categories. The plot takes what is left, right of the values of the steps.
    double top = rect.top();
    if (!chart.title().isEmpty()) {
        const double height = drawing.lineHeight(titleFont);
        drawing.text(QRectF(rect.left(), top, rect.width(), height), chart.title(), titleFont,
                     Qt::AlignHCenter);
        top += height + gap;
    }
    if (!chart.valueTitle().isEmpty()) {
        drawing.text(QRectF(rect.left(), top, rect.width(), lineHeight), chart.valueTitle(), font,
                     Qt::AlignLeft);
        top += lineHeight;
    }

    struct LegendEntry {
        qsizetype series;
        double x;
        int row;
    };
    std::vector<LegendEntry> legend;
    int legendRows = 0;
    double x = rect.left();
    for (qsizetype s = 0; s < series.size(); ++s) {
        const double entry = swatchWidth + gap + drawing.width(series[s].title, font);
        if (x > rect.left() && x + entry > rect.right()) {
            x = rect.left();
            ++legendRows;
        }
        legend.push_back({s, x, legendRows});
        x += entry + legendSpacing;
    }
    if (!legend.empty())
        ++legendRows;
    const double legendTop = rect.bottom() - legendRows * lineHeight;
    const double labelsTop = (legendRows > 0 ? legendTop - gap : rect.bottom()) - lineHeight;

    double ticksWidth = 0;
    for (const QString& tick : ticks)
        ticksWidth = std::max(ticksWidth, drawing.width(tick, font));
    // The highest step's value stands half a line above the plot.
    const QRectF plot(QPointF(rect.left() + ticksWidth + gap, top + lineHeight / 2),
                      QPointF(rect.right() - 1, labelsTop - 1));
    if (plot.width() < 20 || plot.height() < 20)
        throw ReportError(
            u"Graf „%1“ je pre svoje popisy príliš malý: zväčšite ho alebo skráťte texty."_s.arg(
                chart.name()));
    auto yOf = [&](double value) {
        const double clamped = std::clamp(value, axis.minimum, axis.maximum);
        return plot.bottom() -
               (clamped - axis.minimum) / (axis.maximum - axis.minimum) * plot.height();
    };

    for (std::size_t t = 0; t < tickValues.size(); ++t) {
        const double y = yOf(tickValues[t]);
        drawing.line(QPointF(plot.left(), y), QPointF(plot.right(), y), 0.25, gridColor);
        drawing.text(QRectF(rect.left(), y - lineHeight / 2, ticksWidth, lineHeight),
                     ticks[qsizetype(t)], font, Qt::AlignRight);
    }

    const qsizetype count = categories.size();
    const double slot = count > 0 ? plot.width() / double(count) : plot.width();
    auto centre = [&](qsizetype i) {
        return plot.left() + slot * (double(i) + 0.5);
    };

    qsizetype bars = 0;
    for (const ChartComponent::Series& s : series)
        bars += s.style == ChartComponent::Series::Style::Bar;
    const double barWidth = bars > 0 ? slot * barShare / double(bars) : 0;
    const double baseline = yOf(0);
    qsizetype bar = 0;
    bool anyValue = false;
    for (qsizetype s = 0; s < series.size(); ++s) {
        const std::vector<std::optional<double>>& points = values[std::size_t(s)];
        const QColor color = seriesColor(s);
        if (series[s].style == ChartComponent::Series::Style::Bar) {
            for (qsizetype i = 0; i < count; ++i) {
                if (!points[std::size_t(i)])
                    continue;
                anyValue = true;
                const double left = centre(i) - slot * barShare / 2 + double(bar) * barWidth;
                const double y = yOf(*points[std::size_t(i)]);
                drawing.box(QRectF(QPointF(left, std::min(y, baseline)),
                                   QPointF(left + barWidth, std::max(y, baseline))),
                            0, color);
            }
            ++bar;
            continue;
        }
        // A missing value breaks the line rather than joining its neighbours across it.
        QList<QPointF> run;
        auto finishRun = [&] {
            if (run.size() > 1)
                drawing.polyline(run, 1, color);
            run.clear();
        };
        for (qsizetype i = 0; i < count; ++i) {
            if (!points[std::size_t(i)]) {
                finishRun();
                continue;
            }
            anyValue = true;
            run << QPointF(centre(i), yOf(*points[std::size_t(i)]));
        }
        finishRun();
        for (qsizetype i = 0; i < count; ++i)
            if (points[std::size_t(i)])
                drawing.marker(QPointF(centre(i), yOf(*points[std::size_t(i)])), color);
    }
    drawing.box(plot, 0.5, QColor());
    if (!anyValue) {
        FontSpec italic = font;
        italic.italic = true;
        drawing.text(
            QRectF(plot.left(), plot.center().y() - lineHeight / 2, plot.width(), lineHeight),
            noDataText(), italic, Qt::AlignHCenter);
    }

    // Names that would run into each other are shown for every second, third... category.
    double widest = 0;
    for (const QString& category : categories)
        widest = std::max(widest, drawing.width(category, font));
    const qsizetype every = std::max<qsizetype>(1, qsizetype(std::ceil((widest + gap) / slot)));
    for (qsizetype i = 0; i < count; i += every) {
        const double left = std::clamp(centre(i) - widest / 2, rect.left(),
                                       std::max(rect.left(), rect.right() - widest));
        drawing.text(QRectF(left, labelsTop, widest, lineHeight), categories[i], font,
                     Qt::AlignHCenter);
    }

    for (const LegendEntry& entry : legend) {
        const double y = legendTop + entry.row * lineHeight;
        const double middle = y + lineHeight / 2;
        const QColor color = seriesColor(entry.series);
        if (series[entry.series].style == ChartComponent::Series::Style::Bar) {
            drawing.box(QRectF(entry.x, middle - lineHeight * 0.3, swatchWidth, lineHeight * 0.6),
                        0, color);
        } else {
            drawing.line(QPointF(entry.x, middle), QPointF(entry.x + swatchWidth, middle), 1,
                         color);
            drawing.marker(QPointF(entry.x + swatchWidth / 2, middle), color);
        }
        const double textLeft = entry.x + swatchWidth + gap;
        drawing.text(
            QRectF(textLeft, y, drawing.width(series[entry.series].title, font), lineHeight),
            series[entry.series].title, font, Qt::AlignLeft);
    }
    return result;
}
