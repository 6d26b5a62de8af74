#pragma once

#include "engine/model/ReportDestination.h"

class ReportFrontEnd;
class ReportSystem;

/// Sends the pages to a printer chosen in the print dialog, with the status window showing
/// the page being printed.
class PrinterDestination : public ReportDestination {
public:
    /// frontEnd may be null (no status window).
    PrinterDestination(const ReportSystem& system, ReportFrontEnd* frontEnd);

    /// Does nothing when the print dialog is cancelled.
    void deliver(const PageModel& pages) override;

private:
    const ReportSystem& m_system;
    ReportFrontEnd* m_frontEnd;
};
