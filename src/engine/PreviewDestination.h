#pragma once

#include "engine/model/ReportDestination.h"

class ReportFrontEnd;
class ReportSystem;

/// Shows the pages in the modal preview; returns when the user closes it.
class PreviewDestination : public ReportDestination {
public:
    /// frontEnd may be null; it shows the status when the preview prints.
    PreviewDestination(const ReportSystem& system, ReportFrontEnd* frontEnd);

    void deliver(const PageModel& pages) override;

private:
    const ReportSystem& m_system;
    ReportFrontEnd* m_frontEnd;
};
