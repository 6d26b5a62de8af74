#include "PoliaZostavy.h"

#include "engine/model/ComponentReads.h"
#include "engine/model/DataViewDefinition.h"
#include "engine/model/PageDefinition.h"
#include "engine/model/ProjectDefinition.h"
#include "engine/model/RegionDefinition.h"
#include "engine/model/ReportDefinition.h"

QMap<QString, QSet<QString>> PoliaZostavy::citane(const ProjectDefinition& project,
                                                  const ReportDefinition& report) {
    QMap<QString, QSet<QString>> fields;
    const auto read = [&](const QString& view, const QString& field) {
        const DataViewDefinition* definition = project.findDataView(view);
        QSet<QString>& set = fields[definition ? definition->connection() : view];
        if (!field.isEmpty())
            set.insert(field);
    };
    for (const auto& page : report.pages()) {
        for (const auto& region : page->regions()) {
            for (const auto& band : region->bands()) {
                if (band->kind() == BandDefinition::Kind::Data)
                    read(band->dataView(), {});
                else if (band->isGroupBand())
                    read(region->masterOf(*band)->dataView(), band->groupField());
            }
        }
        for (const ReportComponent* component : page->components())
            for (const ViewField& field : ComponentReads::of(*component))
                read(field.view, field.field);
    }
    return fields;
}
