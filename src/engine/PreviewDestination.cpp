#include "PreviewDestination.h"

#include "ReportPreviewDialog.h"
#include "engine/model/ReportSystem.h"
#include "widgets/DialogService.h"

#include <QApplication>

PreviewDestination::PreviewDestination(const ReportSystem& system, ReportFrontEnd* frontEnd)
    : m_system(system)
    , m_frontEnd(frontEnd) {}

void PreviewDestination::deliver(const PageModel& pages) {
    ReportPreviewDialog preview(pages, m_system, m_frontEnd, QApplication::activeWindow());
    if (m_system.previewMaximized())
        preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    DialogService::instance().showModal(preview);
}
