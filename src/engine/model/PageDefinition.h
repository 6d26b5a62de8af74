#pragma once

#include "RegionDefinition.h"

#include <memory>
#include <vector>

class ReportDefinition;

/// A page layout of a report: its regions. Each region flows on its own; the page prints as
/// many sheets as its longest region needs.
class PageDefinition {
public:
    explicit PageDefinition(const QString& name);
    ~PageDefinition();

    const QString& name() const { return m_name; }
    ReportDefinition* report() const { return m_report; }
    void setReport(ReportDefinition* report) { m_report = report; }
    /// "Report.Page", the name by which the page is found.
    QString fullName() const;

    const std::vector<std::unique_ptr<RegionDefinition>>& regions() const { return m_regions; }
    RegionDefinition& addRegion(std::unique_ptr<RegionDefinition> region);
    RegionDefinition* findRegion(const QString& name) const;
    BandDefinition* findBand(const QString& name) const;
    /// Every component of the page's bands, in order.
    std::vector<ReportComponent*> components() const;

private:
    QString m_name;
    ReportDefinition* m_report = nullptr;
    std::vector<std::unique_ptr<RegionDefinition>> m_regions;
};
