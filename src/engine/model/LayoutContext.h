#pragma once

#include "TotalsTracker.h"

#include <QDate>
#include <QHash>
#include <QString>

class DataTextComponent;
class ReportDataSet;
class ReportDefinition;
class TextComponent;
class TextMeasurer;

/// Data view name → the data set it reads during a run.
using DataViewSets = QHash<QString, ReportDataSet*>;

/// What every band of a report run reads: units, parameters, the rows the data views are on,
/// the totals, and the texts components print from them.
class LayoutContext {
public:
    LayoutContext(const ReportDefinition& report, double pointsPerUnit, DataViewSets dataSets,
                  const TextMeasurer& measurer, const QHash<QString, QString>& parameters,
                  const QDate& date);

    const ReportDefinition& report() const { return m_report; }
    double toPoints(double units) const { return units * m_pointsPerUnit; }
    const TextMeasurer& measurer() const { return m_measurer; }
    TotalsTracker& totals() { return m_totals; }

    /// Throws ReportError when the view has no data set.
    ReportDataSet& dataSet(const QString& view) const;
    /// The row the view's components print: the one set by the band printing it, else the
    /// set's current row; -1 for an empty set.
    int row(const QString& view) const;
    void setRow(const QString& view, int row) { m_rows.insert(view, row); }
    /// The rows a chart of the view draws: those of the group whose band is being printed (set
    /// with setGroupRows), else all of them. Half-open: [first, second).
    std::pair<int, int> chartRows(const QString& view) const;
    /// The rows first to last of the view's group whose header or footer prints now; -1 for
    /// first to end the group.
    void setGroupRows(const QString& view, int first, int last);

    /// The component's text with its placeholders filled in; the page count stays a marker
    /// (pageCountMarker) until the run knows it.
    QString text(const TextComponent& component, int pageNumber) const;
    QString dataText(const DataTextComponent& component) const;
    QString totalText(const TotalComponent& component) const;

    static QChar pageCountMarker() { return QChar(0xE000); }

private:
    QString fieldText(const QString& view, const QString& field, const QString& format) const;

    const ReportDefinition& m_report;
    double m_pointsPerUnit;
    DataViewSets m_dataSets;
    const TextMeasurer& m_measurer;
    QHash<QString, QString> m_parameters;
    QDate m_date;
    QHash<QString, int> m_rows;
    QHash<QString, std::pair<int, int>> m_groupRows;
    TotalsTracker m_totals;
};
