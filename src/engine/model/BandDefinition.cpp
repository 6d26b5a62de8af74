#include "BandDefinition.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
const std::array<std::pair<BandDefinition::Kind, const char*>, 9> kindNames{{
    {BandDefinition::Kind::ReportHeader, "reportHeader"},
    {BandDefinition::Kind::PageHeader, "pageHeader"},
    {BandDefinition::Kind::ColumnHeader, "columnHeader"},
    {BandDefinition::Kind::GroupHeader, "groupHeader"},
    {BandDefinition::Kind::Data, "data"},
    {BandDefinition::Kind::GroupFooter, "groupFooter"},
    {BandDefinition::Kind::Summary, "summary"},
    {BandDefinition::Kind::PageFooter, "pageFooter"},
    {BandDefinition::Kind::ReportFooter, "reportFooter"},
}};
} // namespace

BandDefinition::BandDefinition(Kind kind, const QString& name)
    : m_kind(kind)
    , m_name(name) {}

BandDefinition::~BandDefinition() = default;

ReportComponent& BandDefinition::addComponent(std::unique_ptr<ReportComponent> component) {
    component->setBand(this);
    m_components.push_back(std::move(component));
    return *m_components.back();
}

bool BandDefinition::removeComponent(const ReportComponent* component) {
    const auto it = std::find_if(m_components.begin(), m_components.end(),
                                 [component](const auto& c) { return c.get() == component; });
    if (it == m_components.end())
        return false;
    m_components.erase(it);
    return true;
}

bool BandDefinition::needsMaster() const {
    return m_kind == Kind::ColumnHeader || isGroupBand() || m_kind == Kind::Summary;
}

QString BandDefinition::kindName(Kind kind) {
    for (const auto& [k, name] : kindNames)
        if (k == kind)
            return QString::fromLatin1(name);
    return {};
}

bool BandDefinition::parseKind(const QString& text, Kind& kind) {
    for (const auto& [k, name] : kindNames) {
        if (text == QLatin1String(name)) {
            kind = k;
            return true;
        }
    }
    return false;
}
