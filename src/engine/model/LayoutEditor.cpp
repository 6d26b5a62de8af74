#include "LayoutEditor.h"

#include "DataSetSession.h"
#include "DataTextComponent.h"
#include "ProjectDefinition.h"
#include "ReportConnections.h"
#include "ReportDataSet.h"
#include "ReportError.h"
#include "ReportProject.h"
#include "TextComponent.h"

using namespace Qt::Literals::StringLiterals;

namespace {
ProjectDefinition& openDefinition(ReportProject& project) {
    if (!project.definition())
        throw ReportError(u"Projekt zostáv „%1“ nie je otvorený."_s.arg(project.fileName()));
    return *project.definition();
}
} // namespace

LayoutEditor::LayoutEditor(ReportProject& project)
    : LayoutEditor(openDefinition(project), project.connections()) {}

LayoutEditor::LayoutEditor(ProjectDefinition& definition, const ReportConnections& connections)
    : m_definition(definition)
    , m_connections(connections) {}

ReportComponent* LayoutEditor::findComponent(const QString& name) const {
    return m_definition.findComponent(name);
}

double LayoutEditor::regionWidth(const RegionDefinition& region) const {
    if (region.geometry().width() > 0)
        return region.geometry().width();
    const PageSetup& setup = region.page()->report()->pageSetup();
    return setup.sheetSizeInPoints(m_definition.pointsPerUnit()).width() /
               m_definition.pointsPerUnit() -
           setup.margins().left() - setup.margins().right() - region.geometry().left();
}

void LayoutEditor::refreshFields(DataViewDefinition& view) const {
    ReportDataSet* set = m_connections.find(view.connection());
    if (!set)
        throw ReportError(u"Dátový pohľad „%1“ číta spojenie „%2“, ktoré program "
                          u"neposkytuje."_s.arg(view.name(), view.connection()));
    DataSetSession session({set});
    view.setFields(set->fields());
}

void LayoutEditor::deleteComponent(ReportComponent& component) const {
    component.band()->removeComponent(&component);
}

TextComponent& LayoutEditor::createText(BandDefinition& band, const QString& name) const {
    requireFreeName(band, name);
    return static_cast<TextComponent&>(band.addComponent(std::make_unique<TextComponent>(name)));
}

DataTextComponent& LayoutEditor::createDataText(BandDefinition& band, const QString& name) const {
    requireFreeName(band, name);
    return static_cast<DataTextComponent&>(
        band.addComponent(std::make_unique<DataTextComponent>(name)));
}

void LayoutEditor::requireFreeName(const BandDefinition& band, const QString& name) const {
    const ReportDefinition* report = band.region()->page()->report();
    if (report->findComponent(name) || report->findBand(name))
        throw ReportError(u"Zostava „%1“ už má komponent „%2“."_s.arg(report->name(), name));
}
