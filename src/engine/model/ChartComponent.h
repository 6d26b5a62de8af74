#pragma once

#include "FontSpec.h"
#include "ReportComponent.h"

#include <QColor>
#include <QList>
#include <optional>

/// A chart of a data view's rows: one category per row along the bottom, named by a field, and
/// series of other fields' values drawn as bars or lines against one value axis on the left.
/// In a group band of its view's data band it draws the rows of that group, elsewhere all rows.
/// A value that is null or not a number is left out: no bar, a gap in the line.
class ChartComponent : public ReportComponent {
public:
    struct Series {
        enum class Style { Bar, Line };

        QString field;
        Style style = Style::Line;
        QString title;
        /// Invalid for the next colour of the chart's palette.
        QColor color;
    };

    explicit ChartComponent(const QString& name)
        : ReportComponent(Kind::Chart, name) {}

    const QString& dataView() const { return m_dataView; }
    void setDataView(const QString& dataView) { m_dataView = dataView; }
    /// The field whose display text names each row's category.
    const QString& categoryField() const { return m_categoryField; }
    void setCategoryField(const QString& field) { m_categoryField = field; }
    const QString& title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    /// Printed above the value axis ("% kráv", "kg").
    const QString& valueTitle() const { return m_valueTitle; }
    void setValueTitle(const QString& title) { m_valueTitle = title; }
    /// Fixed ends of the value axis; unset, they follow the values (always taking in 0).
    const std::optional<double>& minimum() const { return m_minimum; }
    void setMinimum(std::optional<double> minimum) { m_minimum = minimum; }
    const std::optional<double>& maximum() const { return m_maximum; }
    void setMaximum(std::optional<double> maximum) { m_maximum = maximum; }
    /// A number pattern for the value axis; empty to show as many decimals as its steps need.
    const QString& format() const { return m_format; }
    void setFormat(const QString& format) { m_format = format; }
    /// The labels' font; the title prints two points larger and bold.
    const FontSpec& font() const { return m_font; }
    void setFont(const FontSpec& font) { m_font = font; }

    const QList<Series>& series() const { return m_series; }
    void addSeries(const Series& series) { m_series.append(series); }

    static QString styleName(Series::Style style);
    /// False when the text names no style.
    static bool parseStyle(const QString& text, Series::Style& style);

private:
    QString m_dataView;
    QString m_categoryField;
    QString m_title;
    QString m_valueTitle;
    std::optional<double> m_minimum;
    std::optional<double> m_maximum;
    QString m_format;
    FontSpec m_font{u"DejaVu Sans"_s, 7.0};
    QList<Series> m_series;
};
