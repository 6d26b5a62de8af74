#include "DBChart.h"

#include "DesignFont.h"
#include "data/Dataset.h"

#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int seriesLineWidth = 2;
constexpr int titleFontPixels = 13;
constexpr int labelSpacing = 4;
constexpr qint64 dayInMilliseconds = 24 * 60 * 60 * 1000;

std::optional<qint64> dateOf(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    const QDateTime moment =
        value.typeId() == QMetaType::QDate ? value.toDate().startOfDay() : value.toDateTime();
    if (!moment.isValid())
        return std::nullopt;
    return moment.toMSecsSinceEpoch();
}

/// Point labels show a value to three decimals at most, so that a computed value does not
/// cover its neighbours with digits nobody reads.
double labelled(double value) {
    return std::round(value * 1000.0) / 1000.0;
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

    m_bottomAxis->setFormat(u"dd.MM.yyyy"_s);
    drawing->addAxis(m_bottomAxis, Qt::AlignBottom);
    drawing->addAxis(m_leftAxis, Qt::AlignLeft);
    connect(drawing, &QChart::plotAreaChanged, this, &DBChart::placeLeftAxisLabels);
}

void DBChart::setDataset(Dataset* dataset, const QString& dateField) {
    m_dates.bind(dataset, dateField);
}

int DBChart::addSeries(const QString& title, const QString& valueField, const QColor& color) {
    auto* line = new QLineSeries(this);
    line->setName(title);
    QPen pen(color);
    pen.setWidth(seriesLineWidth);
    line->setPen(pen);
    line->setPointsVisible(false);
    line->setPointLabelsVisible(true);
    line->setPointLabelsFormat(u"@yPoint"_s);
    line->setPointLabelsColor(color);
    line->setPointLabelsClipping(false);
    chart()->addSeries(line);
    line->attachAxis(m_bottomAxis);
    line->attachAxis(m_leftAxis);
    m_series.append(BoundSeries{line, valueField});
    replot();
    return int(m_series.size()) - 1;
}

QLineSeries* DBChart::series(int index) const {
    return index >= 0 && index < m_series.size() ? m_series[index].series : nullptr;
}

void DBChart::setActiveSeries(int index) {
    for (int i = 0; i < m_series.size(); ++i)
        m_series[i].series->setVisible(i == index);
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
    for (const BoundSeries& bound : std::as_const(m_series)) {
        QList<QPointF> points;
        const int valueColumn = dateColumn >= 0 ? data->fieldIndex(bound.valueField) : -1;
        for (int row = 0; valueColumn >= 0 && row < data->recordCount(); ++row) {
            const std::optional<qint64> date = dateOf(data->value(row, dateColumn));
            const QVariant value = data->value(row, valueColumn);
            if (!date || value.isNull())
                continue;
            points.append(QPointF(double(*date), labelled(value.toDouble())));
            first = std::min(first.value_or(*date), *date);
            last = std::max(last.value_or(*date), *date);
        }
        std::stable_sort(points.begin(), points.end(),
                         [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        bound.series->replace(points);
    }
    // Without points the date axis would label the epoch; an empty chart shows no dates.
    m_bottomAxis->setLabelsVisible(first.has_value());
    if (first) {
        // The first and the last point keep room for their labels, and a single control
        // still gets a span of days to stand in.
        const qint64 margin = std::max(dayInMilliseconds, (*last - *first) / 30);
        m_bottomAxis->setRange(QDateTime::fromMSecsSinceEpoch(*first - margin),
                               QDateTime::fromMSecsSinceEpoch(*last + margin));
    }
}
