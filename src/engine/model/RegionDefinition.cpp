#include "RegionDefinition.h"

#include <algorithm>

RegionDefinition::RegionDefinition(const QString& name)
    : m_name(name) {}

RegionDefinition::~RegionDefinition() = default;

BandDefinition& RegionDefinition::addBand(std::unique_ptr<BandDefinition> band) {
    band->setRegion(this);
    m_bands.push_back(std::move(band));
    return *m_bands.back();
}

BandDefinition* RegionDefinition::findBand(const QString& name) const {
    for (const auto& band : m_bands)
        if (band->name() == name)
            return band.get();
    return nullptr;
}

BandDefinition* RegionDefinition::masterOf(const BandDefinition& band) const {
    if (!band.master().isEmpty()) {
        BandDefinition* master = findBand(band.master());
        return master && master->kind() == BandDefinition::Kind::Data ? master : nullptr;
    }
    BandDefinition* only = nullptr;
    for (const auto& candidate : m_bands) {
        if (candidate->kind() != BandDefinition::Kind::Data)
            continue;
        if (only)
            return nullptr;
        only = candidate.get();
    }
    return only;
}
