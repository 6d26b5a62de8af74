#include "PrinterDestination.h"

#include "PagePrinter.h"
#include "engine/model/PageModel.h"
#include "engine/model/ReportFrontEnd.h"
#include "engine/model/ReportSystem.h"
#include "widgets/DialogService.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopeGuard>

using namespace Qt::Literals::StringLiterals;

PrinterDestination::PrinterDestination(const ReportSystem& system, ReportFrontEnd* frontEnd)
    : m_system(system)
    , m_frontEnd(frontEnd) {}

void PrinterDestination::deliver(const PageModel& pages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_system.printJobTitle());
    printer.setFromTo(1, pages.pageCount());
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setObjectName(u"ReportPrintDialog"_s);
    dialog.setMinMax(1, pages.pageCount());
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    if (DialogService::instance().showModal(dialog) != QDialog::Accepted)
        return;
    const auto hideStatus = qScopeGuard([this] {
        if (m_frontEnd)
            m_frontEnd->hideStatus();
    });
    PagePrinter::print(pages, printer, [this](int page) {
        if (m_frontEnd)
            m_frontEnd->showStatus(m_system,
                                   ReportSystem::statusText(m_system.printingText(), page));
    });
}
