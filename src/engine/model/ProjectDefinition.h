#pragma once

#include "DataViewDefinition.h"
#include "ReportDefinition.h"

#include <memory>
#include <vector>

/// A loaded report project: the unit of its measures, its data views and its named reports.
class ProjectDefinition {
public:
    enum class Units { Millimetre, Inch, Point };

    /// The newest project file format this engine reads and the one it writes.
    static constexpr int formatVersion = 1;

    ProjectDefinition();
    ~ProjectDefinition();

    Units units() const { return m_units; }
    void setUnits(Units units) { m_units = units; }
    double pointsPerUnit() const;
    static QString unitsName(Units units);
    static bool parseUnits(const QString& text, Units& units);

    const std::vector<std::unique_ptr<DataViewDefinition>>& dataViews() const {
        return m_dataViews;
    }
    DataViewDefinition& addDataView(std::unique_ptr<DataViewDefinition> view);
    DataViewDefinition* findDataView(const QString& name) const;

    const std::vector<std::unique_ptr<ReportDefinition>>& reports() const { return m_reports; }
    ReportDefinition& addReport(std::unique_ptr<ReportDefinition> report);
    ReportDefinition* findReport(const QString& name) const;
    /// A page by its full name "Report.Page".
    PageDefinition* findPage(const QString& fullName) const;
    /// A component of any report by name.
    ReportComponent* findComponent(const QString& name) const;

private:
    Units m_units = Units::Millimetre;
    std::vector<std::unique_ptr<DataViewDefinition>> m_dataViews;
    std::vector<std::unique_ptr<ReportDefinition>> m_reports;
};
