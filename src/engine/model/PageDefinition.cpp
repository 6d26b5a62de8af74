#include "PageDefinition.h"

#include "ReportDefinition.h"

PageDefinition::PageDefinition(const QString& name)
    : m_name(name) {}

PageDefinition::~PageDefinition() = default;

QString PageDefinition::fullName() const {
    return m_report ? m_report->name() + QLatin1Char('.') + m_name : m_name;
}

RegionDefinition& PageDefinition::addRegion(std::unique_ptr<RegionDefinition> region) {
    region->setPage(this);
    m_regions.push_back(std::move(region));
    return *m_regions.back();
}

RegionDefinition* PageDefinition::findRegion(const QString& name) const {
    for (const auto& region : m_regions)
        if (region->name() == name)
            return region.get();
    return nullptr;
}

BandDefinition* PageDefinition::findBand(const QString& name) const {
    for (const auto& region : m_regions)
        if (BandDefinition* band = region->findBand(name))
            return band;
    return nullptr;
}

std::vector<ReportComponent*> PageDefinition::components() const {
    std::vector<ReportComponent*> result;
    for (const auto& region : m_regions)
        for (const auto& band : region->bands())
            for (const auto& component : band->components())
                result.push_back(component.get());
    return result;
}
