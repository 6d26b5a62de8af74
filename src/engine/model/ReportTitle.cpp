#include "ReportTitle.h"

#include "ReportDefinition.h"
#include "TextComponent.h"
#include "TextTemplate.h"

QString ReportTitle::of(const ReportDefinition& report, const QHash<QString, QString>& parameters) {
    const TextComponent* largest = nullptr;
    if (!report.pages().empty())
        for (const auto& region : report.pages().front()->regions())
            for (const auto& band : region->bands()) {
                if (band->kind() != BandDefinition::Kind::PageHeader)
                    continue;
                for (const auto& component : band->components())
                    if (component->kind() == ReportComponent::Kind::Text) {
                        const auto* text = static_cast<const TextComponent*>(component.get());
                        if (!largest || text->font().size > largest->font().size)
                            largest = text;
                    }
            }
    QString title;
    if (largest)
        title = TextTemplate::expand(largest->text(), [&](const QString& name) {
                    for (const auto& [declared, defaultValue] : report.parameters())
                        if (declared == name)
                            return parameters.value(name, defaultValue);
                    return QString();
                }).simplified();
    return title.isEmpty() ? report.name() : title;
}
