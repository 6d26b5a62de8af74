#include "ReportProject.h"

#include "ComponentReads.h"
#include "DataSetSession.h"
#include "ProjectDefinition.h"
#include "ProjectReader.h"
#include "ReportConnections.h"
#include "ReportDestination.h"
#include "ReportError.h"
#include "ReportFrontEnd.h"
#include "ReportLayouter.h"
#include "ReportSystem.h"
#include "ReportTitle.h"
#include "SortedDataSet.h"

#include <QScopeGuard>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

ReportProject::ReportProject(ReportSystem& system, const ReportConnections& connections,
                             const QString& fileName)
    : m_system(system)
    , m_connections(connections)
    , m_fileName(fileName) {}

ReportProject::~ReportProject() = default;

void ReportProject::open() {
    if (!m_definition)
        m_definition = ProjectReader::readFile(m_fileName);
}

void ReportProject::close() {
    m_definition.reset();
}

void ReportProject::setParameter(const QString& name, const QString& value) {
    m_parameters.insert(name, value);
}

void ReportProject::executeReport(const QString& name, const std::function<void()>& pagesLaidOut) {
    open();
    const ReportDefinition* report = m_definition->findReport(name);
    if (!report)
        return;

    std::shared_ptr<ReportDestination> destination = m_system.destination();
    ReportFrontEnd* frontEnd = m_system.frontEnd();
    if (!destination) {
        if (!frontEnd)
            throw ReportError(u"Zostava „%1“ nemá kam tlačiť."_s.arg(name));
        destination = frontEnd->chooseDestination(m_system, ReportTitle::of(*report, m_parameters));
        if (!destination)
            return;
    }

    const DataViewSets dataSets = dataSetsOf(*report);
    PageModel pages;
    {
        std::vector<ReportDataSet*> sets;
        for (ReportDataSet* set : dataSets)
            if (std::find(sets.begin(), sets.end(), set) == sets.end())
                sets.push_back(set);
        DataSetSession session(sets);
        // A view that sorts reads its set through an order taken now that the set is open.
        DataViewSets viewSets = dataSets;
        std::vector<std::unique_ptr<SortedDataSet>> sorted;
        for (auto it = viewSets.begin(); it != viewSets.end(); ++it) {
            const DataViewDefinition* view = m_definition->findDataView(it.key());
            if (!view || view->sort().isEmpty())
                continue;
            sorted.push_back(std::make_unique<SortedDataSet>(**it, it.key(), view->sort()));
            it.value() = sorted.back().get();
        }
        ReportLayouter layouter(*m_definition, *report, viewSets, m_system.measurer());
        layouter.setParameters(m_parameters);
        layouter.setDate(m_system.runDate());
        // The status window belongs to runs the user started through the setup dialog.
        const bool showStatus = frontEnd && !m_system.destination();
        const auto hideStatus = qScopeGuard([&] {
            if (showStatus)
                frontEnd->hideStatus();
        });
        if (showStatus)
            layouter.setPageFinished([this, frontEnd](int page) {
                frontEnd->showStatus(m_system,
                                     ReportSystem::statusText(m_system.generatingText(), page));
            });
        pages = layouter.run();
    }
    if (pagesLaidOut)
        pagesLaidOut();
    destination->deliver(pages);
}

DataViewSets ReportProject::dataSetsOf(const ReportDefinition& report) const {
    DataViewSets sets;
    auto use = [&](const QString& viewName) {
        if (sets.contains(viewName))
            return;
        const DataViewDefinition* view = m_definition->findDataView(viewName);
        ReportDataSet* set = view ? m_connections.find(view->connection()) : nullptr;
        if (!set)
            throw ReportError(u"Zostava „%1“ číta spojenie „%2“, ktoré program neposkytuje."_s.arg(
                report.name(), view ? view->connection() : viewName));
        sets.insert(viewName, set);
    };
    for (const auto& page : report.pages()) {
        for (const auto& region : page->regions())
            for (const auto& band : region->bands())
                if (band->kind() == BandDefinition::Kind::Data)
                    use(band->dataView());
        for (const ReportComponent* component : page->components())
            for (const ViewField& read : ComponentReads::of(*component))
                use(read.view);
    }
    return sets;
}
