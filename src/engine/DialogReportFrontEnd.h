#pragma once

#include "engine/model/ReportFrontEnd.h"

#include <memory>

class ReportStatusWindow;

/// The front end of the program: the setup dialog through the dialog service, then the
/// preview, the printer or a file named in the report's save dialog (ReportFileDialog); a status
/// window while pages are generated or printed.
class DialogReportFrontEnd : public ReportFrontEnd {
public:
    DialogReportFrontEnd();
    ~DialogReportFrontEnd() override;

    std::unique_ptr<ReportDestination> chooseDestination(const ReportSystem& system,
                                                         const QString& title) override;
    void showStatus(const ReportSystem& system, const QString& text) override;
    void hideStatus() override;

private:
    std::unique_ptr<ReportStatusWindow> m_status;
};
