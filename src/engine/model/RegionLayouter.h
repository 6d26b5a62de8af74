#pragma once

#include "BandRenderer.h"
#include "PagePrimitive.h"

#include <QRectF>
#include <functional>
#include <vector>

class BandDefinition;
class LayoutContext;
class RegionDefinition;
class TotalComponent;

/// Flows the bands of one region down its pages: page header and footer on every page, the
/// report header and footer once, and for each data band its column headers (again after every
/// page break), its rows with their groups, and its summaries. Nothing but the page footer
/// enters the footer's space.
class RegionLayouter {
public:
    using Sheet = std::vector<PagePrimitive>;

    /// area: the region on the sheet, in points; firstPage: the number of its first sheet.
    RegionLayouter(LayoutContext& context, const RegionDefinition& region, const QRectF& area,
                   int firstPage);

    /// Called with the number of each finished sheet.
    void setPageFinished(std::function<void(int)> callback) { m_pageFinished = callback; }
    std::vector<Sheet> run();

private:
    struct Group {
        QString field;
        const BandDefinition* header = nullptr;
        const BandDefinition* footer = nullptr;
        std::vector<const TotalComponent*> totals; ///< reset when the group starts
    };
    struct Flow {
        const BandDefinition* data = nullptr;
        std::vector<const BandDefinition*> columnHeaders;
        std::vector<Group> groups; ///< outermost first
        std::vector<const BandDefinition*> summaries;
    };

    void plan();
    Group& groupOf(Flow& flow, const QString& field);
    void runFlow(const Flow& flow);
    void startGroups(const Flow& flow, std::size_t level, int row);
    /// The first group level whose field changes from the previous row; groups.size() if none.
    std::size_t changedLevel(const Flow& flow, int row) const;
    /// What the column headers keep with them on their page: the first row with the headers of
    /// its groups, or the whole first group where it is kept together and fits on a page.
    double firstBlock(const Flow& flow) const;
    /// The last row of the group of that level that starts at row.
    int groupLast(const Flow& flow, std::size_t level, int row) const;
    double groupHeight(const Flow& flow, std::size_t level, int row) const;
    double bandsHeight(const std::vector<const BandDefinition*>& bands) const;

    void startPage();
    void finishPage();
    void makeRoom(double height);
    void place(const BandDefinition& band);
    void print(const BandDefinition& band);
    double bottom() const;
    /// The height a page offers below its page headers and the flow's column headers.
    double pageCapacity(const Flow* flow) const;

    LayoutContext& m_context;
    const RegionDefinition& m_region;
    QRectF m_area;
    int m_firstPage;
    BandRenderer m_renderer;
    std::function<void(int)> m_pageFinished;

    std::vector<const BandDefinition*> m_reportHeaders;
    std::vector<const BandDefinition*> m_pageHeaders;
    std::vector<const BandDefinition*> m_pageFooters;
    std::vector<const BandDefinition*> m_reportFooters;
    std::vector<Flow> m_flows;

    std::vector<Sheet> m_sheets;
    Sheet m_sheet;
    double m_y = 0;
    bool m_sheetHasContent = false;
    const Flow* m_activeFlow = nullptr; ///< the flow whose column headers repeat
};
