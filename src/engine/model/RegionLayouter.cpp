#include "RegionLayouter.h"

#include "LayoutContext.h"
#include "RegionDefinition.h"
#include "ReportDataSet.h"
#include "ReportError.h"
#include "TotalComponent.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
void collectGroupTotals(const BandDefinition& band, std::vector<const TotalComponent*>& totals) {
    for (const auto& component : band.components()) {
        if (component->kind() != ReportComponent::Kind::Total)
            continue;
        const auto* total = static_cast<const TotalComponent*>(component.get());
        if (total->reset() == TotalComponent::Reset::Group)
            totals.push_back(total);
    }
}

/// While a group's header or footer prints, a chart in it draws the rows of that group.
class GroupRows {
public:
    GroupRows(LayoutContext& context, const QString& view, int first, int last)
        : m_context(context)
        , m_view(view) {
        m_context.setGroupRows(view, first, last);
    }
    ~GroupRows() { m_context.setGroupRows(m_view, -1, -1); }
    GroupRows(const GroupRows&) = delete;
    GroupRows& operator=(const GroupRows&) = delete;

private:
    LayoutContext& m_context;
    const QString& m_view;
};
} // namespace

RegionLayouter::RegionLayouter(LayoutContext& context, const RegionDefinition& region,
                               const QRectF& area, int firstPage)
    : m_context(context)
    , m_region(region)
    , m_area(area)
    , m_firstPage(firstPage)
    , m_renderer(context, area.topLeft()) {
    plan();
}

void RegionLayouter::plan() {
    for (const auto& band : m_region.bands())
        if (band->kind() == BandDefinition::Kind::Data)
            m_flows.push_back(Flow{band.get(), {}, {}, {}});
    for (const auto& band : m_region.bands()) {
        const BandDefinition* master = band->needsMaster() ? m_region.masterOf(*band) : nullptr;
        const auto flow = std::find_if(m_flows.begin(), m_flows.end(),
                                       [master](const Flow& f) { return f.data == master; });
        if (band->needsMaster() && flow == m_flows.end())
            throw ReportError(u"Pásmo „%1“ nemá dátové pásmo."_s.arg(band->name()));
        switch (band->kind()) {
        case BandDefinition::Kind::ReportHeader:
            m_reportHeaders.push_back(band.get());
            break;
        case BandDefinition::Kind::PageHeader:
            m_pageHeaders.push_back(band.get());
            break;
        case BandDefinition::Kind::PageFooter:
            m_pageFooters.push_back(band.get());
            break;
        case BandDefinition::Kind::ReportFooter:
            m_reportFooters.push_back(band.get());
            break;
        case BandDefinition::Kind::Data:
            break;
        case BandDefinition::Kind::ColumnHeader:
            flow->columnHeaders.push_back(band.get());
            break;
        case BandDefinition::Kind::Summary:
            flow->summaries.push_back(band.get());
            break;
        case BandDefinition::Kind::GroupHeader:
        case BandDefinition::Kind::GroupFooter: {
            Group& group = groupOf(*flow, band->groupField());
            (band->kind() == BandDefinition::Kind::GroupHeader ? group.header : group.footer) =
                band.get();
            collectGroupTotals(*band, group.totals);
            break;
        }
        }
    }
}

RegionLayouter::Group& RegionLayouter::groupOf(Flow& flow, const QString& field) {
    for (Group& group : flow.groups)
        if (group.field == field)
            return group;
    flow.groups.push_back(Group{field, nullptr, nullptr, {}});
    return flow.groups.back();
}

std::vector<RegionLayouter::Sheet> RegionLayouter::run() {
    startPage();
    for (const BandDefinition* band : m_reportHeaders)
        place(*band);
    for (const Flow& flow : m_flows)
        runFlow(flow);
    for (const BandDefinition* band : m_reportFooters)
        place(*band);
    finishPage();
    return std::move(m_sheets);
}

void RegionLayouter::runFlow(const Flow& flow) {
    const QString& view = flow.data->dataView();
    ReportDataSet& set = m_context.dataSet(view);
    const int rows = set.rowCount();
    const double rowHeight = m_renderer.height(*flow.data);

    // Column headers never stand alone at the foot of a page: they keep the first row with the
    // headers of its groups, or the whole first group where it is kept together.
    makeRoom(bandsHeight(flow.columnHeaders) + (rows > 0 ? firstBlock(flow) : 0));
    for (const BandDefinition* band : flow.columnHeaders)
        print(*band);
    m_activeFlow = &flow;

    const std::size_t groups = flow.groups.size();
    std::vector<int> starts(groups, 0); ///< the first row of each level's open group
    auto placeFooters = [&](std::size_t level, int last) {
        m_context.setRow(view, last);
        for (std::size_t l = groups; l-- > level;)
            if (flow.groups[l].footer) {
                const GroupRows group(m_context, view, starts[l], last);
                place(*flow.groups[l].footer);
            }
    };
    for (int row = 0; row < rows; ++row) {
        const std::size_t level = row == 0 ? 0 : changedLevel(flow, row);
        if (row > 0)
            placeFooters(level, row - 1);
        m_context.setRow(view, row);
        if (level < groups) {
            std::fill(starts.begin() + std::ptrdiff_t(level), starts.end(), row);
            startGroups(flow, level, row);
        }
        makeRoom(rowHeight);
        // Counted before the row prints so that a running total in the row includes it, and
        // after the room is made so that a page total never counts a row of the next page.
        m_context.totals().feed(view, set, row);
        print(*flow.data);
    }
    if (rows > 0)
        placeFooters(0, rows - 1);
    m_activeFlow = nullptr;
    for (const BandDefinition* band : flow.summaries)
        place(*band);
}

void RegionLayouter::startGroups(const Flow& flow, std::size_t level, int row) {
    // A group header never stands alone at the foot of a page: it keeps the headers of the
    // groups starting with it and the first row.
    double block = m_renderer.height(*flow.data);
    for (std::size_t l = level; l < flow.groups.size(); ++l)
        if (flow.groups[l].header)
            block += m_renderer.height(*flow.groups[l].header);
    for (std::size_t l = level; l < flow.groups.size(); ++l) {
        const Group& group = flow.groups[l];
        m_context.totals().reset(group.totals);
        if (!group.header)
            continue;
        if (group.header->newPage() && m_sheetHasContent) {
            finishPage();
            startPage();
        } else if (group.header->keepTogether()) {
            const double whole = groupHeight(flow, l, row);
            if (whole > bottom() - m_y && whole <= pageCapacity(m_activeFlow)) {
                finishPage();
                startPage();
            }
        }
        makeRoom(block);
        block -= m_renderer.height(*group.header);
        const GroupRows rowsOfGroup(m_context, flow.data->dataView(), row, groupLast(flow, l, row));
        print(*group.header);
    }
}

std::size_t RegionLayouter::changedLevel(const Flow& flow, int row) const {
    const ReportDataSet& set = m_context.dataSet(flow.data->dataView());
    for (std::size_t l = 0; l < flow.groups.size(); ++l) {
        const QString& field = flow.groups[l].field;
        if (set.value(row, field) != set.value(row - 1, field))
            return l;
    }
    return flow.groups.size();
}

double RegionLayouter::firstBlock(const Flow& flow) const {
    double headers = 0;
    for (std::size_t l = 0; l < flow.groups.size(); ++l) {
        const BandDefinition* header = flow.groups[l].header;
        if (header && header->keepTogether()) {
            const double whole = headers + groupHeight(flow, l, 0);
            if (whole <= pageCapacity(&flow))
                return whole;
        }
        if (header)
            headers += m_renderer.height(*header);
    }
    return headers + m_renderer.height(*flow.data);
}

int RegionLayouter::groupLast(const Flow& flow, std::size_t level, int row) const {
    const int rows = m_context.dataSet(flow.data->dataView()).rowCount();
    int last = row;
    while (last + 1 < rows && changedLevel(flow, last + 1) > level)
        ++last;
    return last;
}

double RegionLayouter::groupHeight(const Flow& flow, std::size_t level, int row) const {
    const ReportDataSet& set = m_context.dataSet(flow.data->dataView());
    const double rowHeight = m_renderer.height(*flow.data);
    auto bandHeight = [this](const BandDefinition* band) {
        return band ? m_renderer.height(*band) : 0.0;
    };
    double height = 0;
    for (std::size_t l = level; l < flow.groups.size(); ++l)
        height += bandHeight(flow.groups[l].header) + bandHeight(flow.groups[l].footer);
    int last = row;
    for (int next = row + 1; next < set.rowCount(); ++next) {
        const std::size_t changed = changedLevel(flow, next);
        if (changed <= level)
            break;
        for (std::size_t l = changed; l < flow.groups.size(); ++l)
            height += bandHeight(flow.groups[l].header) + bandHeight(flow.groups[l].footer);
        last = next;
    }
    return height + rowHeight * (last - row + 1);
}

double RegionLayouter::bandsHeight(const std::vector<const BandDefinition*>& bands) const {
    double height = 0;
    for (const BandDefinition* band : bands)
        height += m_renderer.height(*band);
    return height;
}

void RegionLayouter::startPage() {
    m_sheet.clear();
    m_y = 0;
    m_context.totals().resetPageTotals();
    for (const BandDefinition* band : m_pageHeaders)
        print(*band);
    if (m_activeFlow)
        for (const BandDefinition* band : m_activeFlow->columnHeaders)
            print(*band);
    m_sheetHasContent = false;
}

void RegionLayouter::finishPage() {
    m_y = bottom();
    for (const BandDefinition* band : m_pageFooters)
        print(*band);
    m_sheets.push_back(std::move(m_sheet));
    m_sheet = {};
    if (m_pageFinished)
        m_pageFinished(m_firstPage + static_cast<int>(m_sheets.size()) - 1);
}

void RegionLayouter::makeRoom(double height) {
    if (m_y + height > bottom() && m_sheetHasContent) {
        finishPage();
        startPage();
    }
}

void RegionLayouter::place(const BandDefinition& band) {
    makeRoom(m_renderer.height(band));
    print(band);
}

void RegionLayouter::print(const BandDefinition& band) {
    const double height = m_renderer.height(band);
    // Only a band higher than an empty page gets here without room; printing it would run
    // into the footer, and breaking the page again would never end.
    if (band.kind() != BandDefinition::Kind::PageFooter && m_y + height > bottom() + 0.001)
        throw ReportError(u"Pásmo „%1“ sa nezmestí na stranu."_s.arg(band.name()));
    const int page = m_firstPage + static_cast<int>(m_sheets.size());
    m_renderer.render(band, m_y, page, m_sheet);
    m_y += height;
    m_sheetHasContent = true;
}

double RegionLayouter::bottom() const {
    return m_area.height() - bandsHeight(m_pageFooters);
}

double RegionLayouter::pageCapacity(const Flow* flow) const {
    double used = bandsHeight(m_pageHeaders);
    if (flow)
        used += bandsHeight(flow->columnHeaders);
    return bottom() - used;
}
