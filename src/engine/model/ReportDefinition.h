#pragma once

#include "PageDefinition.h"
#include "PageSetup.h"

#include <QString>
#include <memory>
#include <utility>
#include <vector>

/// A named report: page setup, declared parameters with their defaults, and its pages.
class ReportDefinition {
public:
    using Parameter = std::pair<QString, QString>; ///< name, default value

    explicit ReportDefinition(const QString& name);
    ~ReportDefinition();

    const QString& name() const { return m_name; }
    PageSetup& pageSetup() { return m_pageSetup; }
    const PageSetup& pageSetup() const { return m_pageSetup; }

    const std::vector<Parameter>& parameters() const { return m_parameters; }
    void addParameter(const QString& name, const QString& defaultValue);
    bool hasParameter(const QString& name) const;

    const std::vector<std::unique_ptr<PageDefinition>>& pages() const { return m_pages; }
    PageDefinition& addPage(std::unique_ptr<PageDefinition> page);
    /// By the page's own name or its full name "Report.Page".
    PageDefinition* findPage(const QString& name) const;
    BandDefinition* findBand(const QString& name) const;
    ReportComponent* findComponent(const QString& name) const;

private:
    QString m_name;
    PageSetup m_pageSetup;
    std::vector<Parameter> m_parameters;
    std::vector<std::unique_ptr<PageDefinition>> m_pages;
};
