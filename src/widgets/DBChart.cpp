#include "DBChart.h"

#include "DesignFont.h"
#include "data/Dataset.h"
#include "data/DisplayFormat.h"

#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int seriesLineWidth = 2;
constexpr int titleFontPixels = 13;
constexpr int labelSpacing = 4;
constexpr double pointLabelGap = 3;
constexpr qint64 dayInMilliseconds = 24 * 60 * 60 * 1000;
constexpr qint64 defaultDateTicks = 5;

std::optional<qint64> dateOf(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    const QDateTime moment =
        value.typeId() == QMetaType::QDate ? value.toDate().startOfDay() : value.toDateTime();
    if (!moment.isValid())
        return std::nullopt;
    return moment.toMSecsSinceEpoch();
}

/// The smallest of step × 1, 2, 5, 10, 20, 50... that puts at most room labels on the range.
double fittingStep(double range, double step, int room) {
    for (double scale = 1;; scale *= 10)
        for (const double factor : {1.0, 2.0, 5.0})
            if (range / (step * factor * scale) + 1 <= room + 1e-9)
                return step * factor * scale;
}

int decimalsOf(double step) {
    int decimals = 0;
    while (decimals < 6 && std::abs(step - std::round(step)) > 1e-9) {
        step *= 10.0;
        ++decimals;
    }
    return decimals;
}

} // namespace

DBChart::DBChart(QWidget* parent)
    : QChartView(new QChart, parent)
    , m_dates(FieldLink::Follows::AllRows, [this] { replot(); })
    , m_leftAxis(new QValueAxis(this))
    , m_bottomAxis(new QDateTimeAxis(this)) {
    setRenderHint(QPainter::Antialiasing);
    QChart* drawing = chart();
    drawing->legend()->hide();
    drawing->setBackgroundBrush(Qt::white);
    drawing->setBackgroundRoundness(0);
    drawing->layout()->setContentsMargins(0, 0, 0, 0);
    drawing->setLocalizeNumbers(true);
    drawing->setTitleFont(DesignFont::make(u"Arial"_s, titleFontPixels, true));

    // Dates read as the grids show them.
    m_bottomAxis->setFormat(QLocale().dateFormat(QLocale::ShortFormat));
    drawing->addAxis(m_bottomAxis, Qt::AlignBottom);
    drawing->addAxis(m_leftAxis, Qt::AlignLeft);
    connect(drawing, &QChart::plotAreaChanged, this, &DBChart::placeLeftAxisLabels);
    connect(drawing, &QChart::plotAreaChanged, this, &DBChart::placePointLabels);
    connect(m_leftAxis, &QValueAxis::rangeChanged, this, &DBChart::placePointLabels);
    connect(m_bottomAxis, &QDateTimeAxis::rangeChanged, this, &DBChart::placePointLabels);
}

void DBChart::setDataset(Dataset* dataset, const QString& dateField) {
    m_dates.bind(dataset, dateField);
}

int DBChart::addSeries(const QString& title, const QString& valueField, const QColor& color,
                       const QString& labelFormat) {
    auto* line = new QLineSeries(this);
    line->setName(title);
    QPen pen(color);
    pen.setWidth(seriesLineWidth);
    line->setPen(pen);
    line->setPointsVisible(false);
    line->setPointLabelsColor(color);
    chart()->addSeries(line);
    line->attachAxis(m_bottomAxis);
    line->attachAxis(m_leftAxis);
    m_series.append(BoundSeries{line, valueField, labelFormat, {}});
    replot();
    return int(m_series.size()) - 1;
}

QLineSeries* DBChart::series(int index) const {
    return index >= 0 && index < m_series.size() ? m_series[index].series : nullptr;
}

QList<QGraphicsSimpleTextItem*> DBChart::pointLabels(int index) const {
    return index >= 0 && index < m_series.size() ? m_series[index].labels
                                                 : QList<QGraphicsSimpleTextItem*>();
}

void DBChart::setActiveSeries(int index) {
    for (int i = 0; i < m_series.size(); ++i) {
        m_series[i].series->setVisible(i == index);
        for (QGraphicsSimpleTextItem* label : std::as_const(m_series[i].labels))
            label->setVisible(i == index);
    }
}

void DBChart::setTitle(const QString& title) {
    chart()->setTitle(title);
}

QString DBChart::title() const {
    return chart()->title();
}

void DBChart::setLeftAxisRange(double minimum, double maximum) {
    m_leftAxis->setRange(minimum, maximum);
    placeLeftAxisLabels();
}

void DBChart::setLeftAxisIncrement(double increment) {
    m_leftIncrement = increment;
    placeLeftAxisLabels();
}

void DBChart::placeLeftAxisLabels() {
    const double range = m_leftAxis->max() - m_leftAxis->min();
    if (range <= 0)
        return;
    // Labels one above the other need their line height; where the increment would crowd
    // them, every second, fifth or tenth... label stands instead, as a chart on paper does.
    const int lineHeight = QFontMetrics(m_leftAxis->labelsFont()).height() + labelSpacing;
    const int room = std::max(2, int(chart()->plotArea().height()) / lineHeight);
    const double base =
        m_leftIncrement > 0 ? m_leftIncrement : std::pow(10.0, std::floor(std::log10(range)) - 1);
    const double step = fittingStep(range, base, room);
    const double intervals = range / step;
    if (std::abs(intervals - std::round(intervals)) < 1e-6) {
        // An exact count keeps the top label, which adding up steps may miss by a rounding.
        m_leftAxis->setTickType(QValueAxis::TicksFixed);
        m_leftAxis->setTickCount(int(std::round(intervals)) + 1);
    } else {
        m_leftAxis->setTickType(QValueAxis::TicksDynamic);
        m_leftAxis->setTickAnchor(m_leftAxis->min());
        m_leftAxis->setTickInterval(step);
    }
    m_leftAxis->setLabelFormat(u"%.%1f"_s.arg(decimalsOf(step)));
}

void DBChart::replot() {
    Dataset* data = m_dates.dataset();
    const int dateColumn = m_dates.column();
    std::optional<qint64> first;
    std::optional<qint64> last;
    for (BoundSeries& bound : m_series) {
        QList<QPointF> points;
        const int valueColumn = dateColumn >= 0 ? data->fieldIndex(bound.valueField) : -1;
        for (int row = 0; valueColumn >= 0 && row < data->recordCount(); ++row) {
            const std::optional<qint64> date = dateOf(data->value(row, dateColumn));
            const QVariant value = data->value(row, valueColumn);
            if (!date || value.isNull())
                continue;
            points.append(QPointF(double(*date), value.toDouble()));
            first = std::min(first.value_or(*date), *date);
            last = std::max(last.value_or(*date), *date);
        }
        std::stable_sort(points.begin(), points.end(),
                         [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        bound.series->replace(points);
        // A line needs two points; a single control shows as its point.
        bound.series->setPointsVisible(points.size() == 1);
        const QString fieldFormat =
            valueColumn >= 0 ? data->fields()[valueColumn].displayFormat : QString();
        labelPoints(bound, fieldFormat.isEmpty() ? bound.labelFormat : fieldFormat);
    }
    // Without points the date axis would label the epoch; an empty chart shows no dates.
    m_bottomAxis->setLabelsVisible(first.has_value());
    if (first) {
        // The first and the last point keep room for their labels, and a single control
        // still gets a span of days to stand in.
        const qint64 margin = std::max(dayInMilliseconds, (*last - *first) / 30);
        m_bottomAxis->setRange(QDateTime::fromMSecsSinceEpoch(*first - margin),
                               QDateTime::fromMSecsSinceEpoch(*last + margin));
        // Labels less than a day apart would print one date twice: a span of a few days gets
        // one label a day.
        const qint64 days = (*last - *first + 2 * margin) / dayInMilliseconds;
        m_bottomAxis->setTickCount(int(std::clamp<qint64>(days + 1, 2, defaultDateTicks)));
    }
    placePointLabels();
}

void DBChart::labelPoints(BoundSeries& bound, const QString& pattern) {
    qDeleteAll(bound.labels);
    bound.labels.clear();
    for (const QPointF& point : bound.series->points()) {
        auto* label =
            new QGraphicsSimpleTextItem(DisplayFormat::formatNumber(point.y(), pattern), chart());
        label->setFont(bound.series->pointLabelsFont());
        label->setBrush(bound.series->pointLabelsColor());
        label->setVisible(bound.series->isVisible());
        bound.labels.append(label);
    }
}

void DBChart::placePointLabels() {
    const QRectF plot = chart()->plotArea();
    for (const BoundSeries& bound : std::as_const(m_series)) {
        const QList<QPointF> points = bound.series->points();
        for (qsizetype i = 0; i < bound.labels.size() && i < points.size(); ++i) {
            QGraphicsSimpleTextItem* label = bound.labels[i];
            const QSizeF size = label->boundingRect().size();
            const QPointF at = chart()->mapToPosition(points[i], bound.series);
            // Above its point, or below it where the top of the plot is near; never across the
            // plot's edges, where it would be cut.
            double top = at.y() - pointLabelGap - size.height();
            if (top < plot.top())
                top = at.y() + pointLabelGap;
            const double left = at.x() - size.width() / 2;
            label->setPos(
                std::clamp(left, plot.left(), std::max(plot.left(), plot.right() - size.width())),
                std::clamp(top, plot.top(), std::max(plot.top(), plot.bottom() - size.height())));
        }
    }
}
