#include "ComponentReads.h"

#include "ChartComponent.h"
#include "DataTextComponent.h"
#include "TextComponent.h"
#include "TextTemplate.h"

std::vector<ViewField> ComponentReads::of(const ReportComponent& component) {
    std::vector<ViewField> reads;
    switch (component.kind()) {
    case ReportComponent::Kind::Text:
        for (const QString& name :
             TextTemplate::placeholders(static_cast<const TextComponent&>(component).text())) {
            const qsizetype dot = name.indexOf(QLatin1Char('.'));
            if (dot >= 0)
                reads.push_back({name.left(dot), name.mid(dot + 1)});
        }
        break;
    case ReportComponent::Kind::DataText:
    case ReportComponent::Kind::Total: {
        const auto& data = static_cast<const DataTextComponent&>(component);
        reads.push_back({data.dataView(), data.field()});
        break;
    }
    case ReportComponent::Kind::Chart: {
        const auto& chart = static_cast<const ChartComponent&>(component);
        reads.push_back({chart.dataView(), chart.categoryField()});
        for (const ChartComponent::Series& series : chart.series())
            reads.push_back({chart.dataView(), series.field});
        break;
    }
    case ReportComponent::Kind::Line:
    case ReportComponent::Kind::Box:
        break;
    }
    return reads;
}
