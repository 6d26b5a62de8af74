#include "ReportLayouter.h"

#include "ComponentReads.h"
#include "ProjectDefinition.h"
#include "RegionLayouter.h"
#include "ReportDataSet.h"
#include "ReportError.h"
#include "ReportTitle.h"
#include "TotalComponent.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

ReportLayouter::ReportLayouter(const ProjectDefinition& project, const ReportDefinition& report,
                               DataViewSets dataSets, const TextMeasurer& measurer)
    : m_project(project)
    , m_report(report)
    , m_dataSets(std::move(dataSets))
    , m_measurer(measurer) {}

PageModel ReportLayouter::run() {
    checkFields();
    const double unit = m_project.pointsPerUnit();
    LayoutContext context(m_report, unit, m_dataSets, m_measurer, m_parameters, m_date);
    for (const auto& page : m_report.pages())
        for (const auto& component : page->components())
            if (component->kind() == ReportComponent::Kind::Total)
                context.totals().track(static_cast<const TotalComponent&>(*component));

    const PageSetup& setup = m_report.pageSetup();
    const QSizeF sheet = setup.sheetSizeInPoints(unit);
    const QRectF printable(
        setup.margins().left() * unit, setup.margins().top() * unit,
        sheet.width() - (setup.margins().left() + setup.margins().right()) * unit,
        sheet.height() - (setup.margins().top() + setup.margins().bottom()) * unit);

    PageModel model;
    model.setTitle(ReportTitle::of(m_report, m_parameters));
    for (const auto& page : m_report.pages()) {
        const int firstPage = model.pageCount() + 1;
        std::vector<std::vector<RegionLayouter::Sheet>> regions;
        for (const auto& region : page->regions()) {
            const QRectF& g = region->geometry();
            const QRectF area(
                printable.left() + g.left() * unit, printable.top() + g.top() * unit,
                g.width() > 0 ? g.width() * unit : printable.width() - g.left() * unit,
                g.height() > 0 ? g.height() * unit : printable.height() - g.top() * unit);
            RegionLayouter layouter(context, *region, area, firstPage);
            // Progress follows the first region; the others fill the same sheets.
            if (regions.empty())
                layouter.setPageFinished(m_pageFinished);
            regions.push_back(layouter.run());
        }
        std::size_t sheets = 1;
        for (const auto& region : regions)
            sheets = std::max(sheets, region.size());
        for (std::size_t i = 0; i < sheets; ++i) {
            ReportPage& out = model.pages().emplace_back();
            out.size = sheet;
            for (auto& region : regions)
                if (i < region.size())
                    std::move(region[i].begin(), region[i].end(),
                              std::back_inserter(out.primitives));
        }
    }

    const QString pageCount = QString::number(model.pageCount());
    for (ReportPage& page : model.pages())
        for (PagePrimitive& primitive : page.primitives)
            primitive.text.replace(LayoutContext::pageCountMarker(), pageCount);
    return model;
}

void ReportLayouter::checkFields() const {
    auto requireSet = [this](const QString& view) {
        const ReportDataSet* set = m_dataSets.value(view);
        if (!set)
            throw ReportError(
                u"Zostava „%1“: dátový pohľad „%2“ nemá dáta."_s.arg(m_report.name(), view));
        return set;
    };
    auto check = [&](const QString& owner, const QString& view, const QString& field) {
        const QList<ReportField> fields = requireSet(view)->fields();
        const bool found = std::any_of(fields.begin(), fields.end(),
                                       [&field](const ReportField& f) { return f.name == field; });
        if (!found)
            throw ReportError(u"Zostava „%1“: „%2“ číta pole „%3“, ktoré dátový "
                              u"pohľad „%4“ nemá."_s.arg(m_report.name(), owner, field, view));
    };
    for (const auto& page : m_report.pages()) {
        for (const auto& region : page->regions()) {
            for (const auto& band : region->bands()) {
                const BandDefinition* master = region->masterOf(*band);
                if (band->kind() == BandDefinition::Kind::Data)
                    requireSet(band->dataView());
                else if (band->isGroupBand() && master)
                    check(band->name(), master->dataView(), band->groupField());
            }
        }
        for (const ReportComponent* component : page->components())
            for (const ViewField& read : ComponentReads::of(*component)) {
                if (read.field.isEmpty())
                    requireSet(read.view);
                else
                    check(component->name(), read.view, read.field);
            }
    }
}
