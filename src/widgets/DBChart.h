#pragma once

#include "FieldLink.h"

#include <QChartView>
#include <QList>

class QDateTimeAxis;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

/// A line chart of a dataset's columns over a date: each series plots one field against the
/// date field of the same row, with its points in date order, a line of width 2, no markers
/// and every point labelled with its value as the grids show it (the field's display format,
/// dates in the locale's short format), inside the plot. The left axis keeps the range it is
/// given, whatever the data. The series and their labels are replotted whenever the dataset
/// opens or closes.
class DBChart : public QChartView {
    Q_OBJECT
public:
    explicit DBChart(QWidget* parent = nullptr);

    /// The dataset whose rows become points; dateField gives each point's place on the
    /// bottom axis.
    void setDataset(Dataset* dataset, const QString& dateField);
    /// Adds a line series plotting valueField; returns its index. labelFormat is the display
    /// pattern of the point labels where the dataset gives the field none.
    int addSeries(const QString& title, const QString& valueField, const QColor& color,
                  const QString& labelFormat = {});
    int seriesCount() const { return int(m_series.size()); }
    QLineSeries* series(int index) const;
    /// The value labels of a series' points, in the order of its points.
    QList<QGraphicsSimpleTextItem*> pointLabels(int index) const;
    /// Shows the series of this index alone.
    void setActiveSeries(int index);

    void setTitle(const QString& title);
    QString title() const;
    QValueAxis* leftAxis() const { return m_leftAxis; }
    QDateTimeAxis* bottomAxis() const { return m_bottomAxis; }
    void setLeftAxisRange(double minimum, double maximum);
    /// The least distance between the labels of the left axis, counted from its minimum; where
    /// the chart is too low for them all, a multiple (2, 5, 10...) of it stands instead. 0 lets
    /// the chart choose.
    void setLeftAxisIncrement(double increment);

private:
    struct BoundSeries {
        QLineSeries* series;
        QString valueField;
        QString labelFormat;
        QList<QGraphicsSimpleTextItem*> labels;
    };

    void replot();
    void placeLeftAxisLabels();
    /// Labels of the points drawn by the chart itself lie outside the line's bounds, which is
    /// all the view repaints when the data change, so old labels stayed on screen until a
    /// resize; these are items of their own, replaced with the data.
    void labelPoints(BoundSeries& bound, const QString& pattern);
    void placePointLabels();

    FieldLink m_dates; ///< bound to the date field; the value fields are read beside it
    QList<BoundSeries> m_series;
    QValueAxis* m_leftAxis;
    QDateTimeAxis* m_bottomAxis;
    double m_leftIncrement = 0;
};
