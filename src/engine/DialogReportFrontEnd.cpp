#include "DialogReportFrontEnd.h"

#include "PreviewDestination.h"
#include "PrinterDestination.h"
#include "ReportFileDialog.h"
#include "ReportSetupDialog.h"
#include "ReportStatusWindow.h"
#include "SavedFileDestination.h"
#include "engine/model/ReportSystem.h"
#include "widgets/DialogService.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

DialogReportFrontEnd::DialogReportFrontEnd() = default;
DialogReportFrontEnd::~DialogReportFrontEnd() = default;

std::unique_ptr<ReportDestination>
DialogReportFrontEnd::chooseDestination(const ReportSystem& system, const QString& title) {
    ReportSetupDialog dialog(system, QApplication::activeWindow());
    if (DialogService::instance().showModal(dialog) != QDialog::Accepted)
        return nullptr;
    switch (dialog.destination()) {
    case ReportSetupDialog::Destination::Printer:
        return std::make_unique<PrinterDestination>(system, this);
    case ReportSetupDialog::Destination::Preview:
        return std::make_unique<PreviewDestination>(system, this);
    case ReportSetupDialog::Destination::File: {
        const QString file =
            ReportFileDialog::choose(title, dialog.fileFilter(), dialog.fileSuffix());
        if (file.isEmpty())
            return nullptr;
        return std::make_unique<SavedFileDestination>(dialog.fileFormat(), file);
    }
    }
    return nullptr;
}

void DialogReportFrontEnd::showStatus(const ReportSystem& system, const QString& text) {
    if (!m_status)
        m_status = std::make_unique<ReportStatusWindow>(QApplication::activeWindow());
    m_status->showText(system.statusTitle(), text);
}

void DialogReportFrontEnd::hideStatus() {
    m_status.reset();
}
