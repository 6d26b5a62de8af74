#include "ReportDefinition.h"

#include <algorithm>

ReportDefinition::ReportDefinition(const QString& name)
    : m_name(name) {}

ReportDefinition::~ReportDefinition() = default;

void ReportDefinition::addParameter(const QString& name, const QString& defaultValue) {
    m_parameters.emplace_back(name, defaultValue);
}

bool ReportDefinition::hasParameter(const QString& name) const {
    return std::any_of(m_parameters.begin(), m_parameters.end(),
                       [&name](const Parameter& p) { return p.first == name; });
}

PageDefinition& ReportDefinition::addPage(std::unique_ptr<PageDefinition> page) {
    page->setReport(this);
    m_pages.push_back(std::move(page));
    return *m_pages.back();
}

PageDefinition* ReportDefinition::findPage(const QString& name) const {
    for (const auto& page : m_pages)
        if (page->name() == name || page->fullName() == name)
            return page.get();
    return nullptr;
}

BandDefinition* ReportDefinition::findBand(const QString& name) const {
    for (const auto& page : m_pages)
        if (BandDefinition* band = page->findBand(name))
            return band;
    return nullptr;
}

ReportComponent* ReportDefinition::findComponent(const QString& name) const {
    for (const auto& page : m_pages)
        for (ReportComponent* component : page->components())
            if (component->name() == name)
                return component;
    return nullptr;
}
