#pragma once

#include "engine/model/ReportFrontEnd.h"

#include <memory>

class ReportSetupDialog;
class ReportStatusWindow;

/// The front end of the program: the setup dialog through the dialog service, then the
/// preview, the printer or a file named in a save dialog (the report's title in the documents
/// folder unless the user names another, an existing file replaced only when the user
/// confirms); a status window while pages are generated or printed.
class DialogReportFrontEnd : public ReportFrontEnd {
public:
    DialogReportFrontEnd();
    ~DialogReportFrontEnd() override;

    std::unique_ptr<ReportDestination> chooseDestination(const ReportSystem& system,
                                                         const QString& title) override;
    void showStatus(const ReportSystem& system, const QString& text) override;
    void hideStatus() override;

private:
    /// The file the user names for the report; empty when the user cancels.
    static QString chooseFile(const ReportSetupDialog& setup, const QString& title);

    std::unique_ptr<ReportStatusWindow> m_status;
};
