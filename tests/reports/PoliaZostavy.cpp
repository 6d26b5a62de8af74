#include "PoliaZostavy.h"

#include "engine/model/DataTextComponent.h"
#include "engine/model/DataViewDefinition.h"
#include "engine/model/PageDefinition.h"
#include "engine/model/ProjectDefinition.h"
#include "engine/model/RegionDefinition.h"
#include "engine/model/ReportDefinition.h"
#include "engine/model/TextComponent.h"
#include "engine/model/TextTemplate.h"

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
        for (const ReportComponent* component : page->components()) {
            if (component->kind() == ReportComponent::Kind::Text) {
                const QString& text = static_cast<const TextComponent*>(component)->text();
                for (const QString& name : TextTemplate::placeholders(text))
                    if (name.contains(QLatin1Char('.')))
                        read(name.section(QLatin1Char('.'), 0, 0),
                             name.section(QLatin1Char('.'), 1));
            } else if (component->kind() == ReportComponent::Kind::DataText ||
                       component->kind() == ReportComponent::Kind::Total) {
                const auto* data = static_cast<const DataTextComponent*>(component);
                read(data->dataView(), data->field());
            }
        }
    }
    return fields;
}
