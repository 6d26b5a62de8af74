#pragma once

#include "PageModel.h"
#include "ReportDestination.h"

/// Keeps the pages of every run, for tests and for callers that render on their own.
class PageModelDestination : public ReportDestination {
public:
    void deliver(const PageModel& pages) override { m_runs.push_back(pages); }

    const std::vector<PageModel>& runs() const { return m_runs; }

private:
    std::vector<PageModel> m_runs;
};
