#pragma once

#include "LayoutContext.h"
#include "PageModel.h"

#include <functional>

class ProjectDefinition;

/// Lays a report out over its data: every page definition in turn, its regions side by side,
/// into a page model whose "page X of Y" texts know the final page count.
class ReportLayouter {
public:
    ReportLayouter(const ProjectDefinition& project, const ReportDefinition& report,
                   DataViewSets dataSets, const TextMeasurer& measurer);

    void setParameters(const QHash<QString, QString>& parameters) { m_parameters = parameters; }
    /// The date {Date} prints; today unless set.
    void setDate(const QDate& date) { m_date = date; }
    /// Called with the number of each page as it is finished.
    void setPageFinished(std::function<void(int)> callback) { m_pageFinished = callback; }

    /// Throws ReportError when the layout reads a field its data set lacks.
    PageModel run();

private:
    void checkFields() const;

    const ProjectDefinition& m_project;
    const ReportDefinition& m_report;
    DataViewSets m_dataSets;
    const TextMeasurer& m_measurer;
    QHash<QString, QString> m_parameters;
    QDate m_date = QDate::currentDate();
    std::function<void(int)> m_pageFinished;
};
