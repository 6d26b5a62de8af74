#include "ReportPreviewDialog.h"

#include "PreviewPageWidget.h"
#include "PrinterDestination.h"
#include "engine/model/FileDestination.h"
#include "engine/model/PageModel.h"
#include "engine/model/ReportSystem.h"
#include "widgets/DialogService.h"
#include "widgets/GuardedHandler.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {
const std::array<double, 9> zoomSteps{0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
const QString pdfFilter = QStringLiteral("Adobe Acrobat (PDF) (*.pdf)");
const QString rtfFilter = QStringLiteral("Rich Text Format (RTF) (*.rtf)");
} // namespace

ReportPreviewDialog::ReportPreviewDialog(const PageModel& pages, const ReportSystem& system,
                                         ReportFrontEnd* frontEnd, QWidget* parent)
    : QDialog(parent)
    , m_pages(pages)
    , m_system(system)
    , m_frontEnd(frontEnd)
    , m_view(new PreviewPageWidget)
    , m_pageBox(new QSpinBox)
    , m_pageCount(new QLabel)
    , m_zoomLabel(new QLabel) {
    setObjectName(QStringLiteral("ReportPreviewDialog"));
    setWindowTitle(system.previewTitle());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(900, 700);

    auto* toolBar = new QToolBar;
    toolBar->setObjectName(QStringLiteral("ToolBarPreview"));
    auto add = [&](const char* name, const QString& text, const QKeySequence& key,
                   void (ReportPreviewDialog::*slot)()) {
        QAction* action = createAction(name, text, key, slot);
        toolBar->addAction(action);
        return action;
    };
    m_first = add("ActionFirstPage", QStringLiteral("Prvá strana"), Qt::CTRL | Qt::Key_Home,
                  &ReportPreviewDialog::firstPage);
    m_previous = add("ActionPreviousPage", QStringLiteral("Predchádzajúca"), Qt::Key_PageUp,
                     &ReportPreviewDialog::previousPage);
    m_pageBox->setObjectName(QStringLiteral("SpinBoxPage"));
    m_pageBox->setRange(1, std::max(1, pages.pageCount()));
    toolBar->addWidget(m_pageBox);
    m_pageCount->setText(QStringLiteral(" z %1 ").arg(pages.pageCount()));
    toolBar->addWidget(m_pageCount);
    m_next = add("ActionNextPage", QStringLiteral("Nasledujúca"), Qt::Key_PageDown,
                 &ReportPreviewDialog::nextPage);
    m_last = add("ActionLastPage", QStringLiteral("Posledná strana"), Qt::CTRL | Qt::Key_End,
                 &ReportPreviewDialog::lastPage);
    toolBar->addSeparator();
    add("ActionZoomOut", QStringLiteral("Zmenšiť"), QKeySequence::ZoomOut,
        &ReportPreviewDialog::zoomOut);
    m_zoomLabel->setObjectName(QStringLiteral("LabelZoom"));
    toolBar->addWidget(m_zoomLabel);
    add("ActionZoomIn", QStringLiteral("Zväčšiť"), QKeySequence::ZoomIn,
        &ReportPreviewDialog::zoomIn);
    toolBar->addSeparator();
    add("ActionPrint", QStringLiteral("Tlačiť…"), QKeySequence::Print, &ReportPreviewDialog::print);
    add("ActionSave", QStringLiteral("Uložiť…"), QKeySequence::Save, &ReportPreviewDialog::save);
    toolBar->addSeparator();
    add("ActionClose", QStringLiteral("Zavrieť"), {}, &ReportPreviewDialog::accept);

    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScrollAreaPreview"));
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setWidget(m_view);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(scroll, 1);

    connect(m_pageBox, &QSpinBox::valueChanged, this, &ReportPreviewDialog::setCurrentPage);
    m_view->setZoom(system.previewZoom() / 100.0);
    setCurrentPage(1);
}

QAction* ReportPreviewDialog::createAction(const char* objectName, const QString& text,
                                           const QKeySequence& key,
                                           void (ReportPreviewDialog::*slot)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, guarded(this, slot));
    addAction(action);
    return action;
}

void ReportPreviewDialog::setCurrentPage(int page) {
    m_page = std::clamp(page, 1, std::max(1, m_pages.pageCount()));
    m_view->setPage(m_pages.pageCount() ? &m_pages.pages()[m_page - 1] : nullptr);
    updateState();
}

double ReportPreviewDialog::zoom() const {
    return m_view->zoom();
}

void ReportPreviewDialog::setZoom(double zoom) {
    m_view->setZoom(zoom);
    updateState();
}

void ReportPreviewDialog::lastPage() {
    setCurrentPage(m_pages.pageCount());
}

void ReportPreviewDialog::zoomIn() {
    const auto next = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), zoom() + 1e-9);
    if (next != zoomSteps.end())
        setZoom(*next);
}

void ReportPreviewDialog::zoomOut() {
    const auto next = std::lower_bound(zoomSteps.begin(), zoomSteps.end(), zoom() - 1e-9);
    if (next != zoomSteps.begin())
        setZoom(*(next - 1));
}

void ReportPreviewDialog::print() {
    PrinterDestination(m_system, m_frontEnd).deliver(m_pages);
}

void ReportPreviewDialog::save() {
    FileDialogRequest request;
    request.objectName = QStringLiteral("PreviewSaveDialog");
    request.title = windowTitle();
    request.directory = QDir::homePath();
    request.filter = pdfFilter + QStringLiteral(";;") + rtfFilter;
    request.defaultSuffix = QStringLiteral("pdf");
    const QString fileName = DialogService::instance().saveFileName(request);
    if (fileName.isEmpty())
        return;
    const bool rtf = fileName.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive);
    FileDestination(rtf ? FileDestination::Format::Rtf : FileDestination::Format::Pdf, fileName)
        .deliver(m_pages);
}

void ReportPreviewDialog::updateState() {
    const QSignalBlocker blocker(m_pageBox);
    m_pageBox->setValue(m_page);
    m_first->setEnabled(m_page > 1);
    m_previous->setEnabled(m_page > 1);
    m_next->setEnabled(m_page < m_pages.pageCount());
    m_last->setEnabled(m_page < m_pages.pageCount());
    m_zoomLabel->setText(QStringLiteral(" %1 % ").arg(qRound(zoom() * 100)));
}
