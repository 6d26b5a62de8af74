#include "DialogReportFrontEnd.h"

#include "PreviewDestination.h"
#include "PrinterDestination.h"
#include "ReportSetupDialog.h"
#include "ReportStatusWindow.h"
#include "engine/model/ReportSystem.h"
#include "widgets/DialogService.h"

#include <QApplication>

DialogReportFrontEnd::DialogReportFrontEnd() = default;
DialogReportFrontEnd::~DialogReportFrontEnd() = default;

std::unique_ptr<ReportDestination>
DialogReportFrontEnd::chooseDestination(const ReportSystem& system) {
    ReportSetupDialog dialog(system, QApplication::activeWindow());
    if (DialogService::instance().showModal(dialog) != QDialog::Accepted)
        return nullptr;
    switch (dialog.destination()) {
    case ReportSetupDialog::Destination::Printer:
        return std::make_unique<PrinterDestination>(system, this);
    case ReportSetupDialog::Destination::Preview:
        return std::make_unique<PreviewDestination>(system, this);
    case ReportSetupDialog::Destination::File:
        return std::make_unique<FileDestination>(dialog.fileFormat(), dialog.fileName());
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
