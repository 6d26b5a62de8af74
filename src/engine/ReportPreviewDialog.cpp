#include "ReportPreviewDialog.h"

#include "PreviewPageWidget.h"
#include "PrinterDestination.h"
#include "ReportFileDialog.h"
#include "SavedFileDestination.h"
#include "engine/model/PageModel.h"
#include "engine/model/ReportSystem.h"
#include "widgets/GuardedHandler.h"

#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {
const std::array<double, 9> zoomSteps{0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
const QString pdfFilter = u"Adobe Acrobat (PDF) (*.pdf)"_s;
const QString rtfFilter = u"Rich Text Format (RTF) (*.rtf)"_s;
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
    setObjectName(u"ReportPreviewDialog"_s);
    setWindowTitle(system.previewTitle());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(900, 700);

    auto* toolBar = new QToolBar;
    toolBar->setObjectName(u"ToolBarPreview"_s);
    auto add = [&](const char* name, const QString& text, const QKeySequence& key,
                   void (ReportPreviewDialog::*slot)()) {
        QAction* action = createAction(name, text, key, slot);
        toolBar->addAction(action);
        return action;
    };
    m_first = add("ActionFirstPage", u"Prvá strana"_s, Qt::CTRL | Qt::Key_Home,
                  &ReportPreviewDialog::firstPage);
    m_previous = add("ActionPreviousPage", u"Predchádzajúca"_s, Qt::Key_PageUp,
                     &ReportPreviewDialog::previousPage);
    m_pageBox->setObjectName(u"SpinBoxPage"_s);
    m_pageBox->setRange(1, std::max(1, pages.pageCount()));
    toolBar->addWidget(m_pageBox);
    m_pageCount->setText(u" z %1 "_s.arg(pages.pageCount()));
    toolBar->addWidget(m_pageCount);
    m_next =
        add("ActionNextPage", u"Nasledujúca"_s, Qt::Key_PageDown, &ReportPreviewDialog::nextPage);
    m_last = add("ActionLastPage", u"Posledná strana"_s, Qt::CTRL | Qt::Key_End,
                 &ReportPreviewDialog::lastPage);
    toolBar->addSeparator();
    add("ActionZoomOut", u"Zmenšiť"_s, QKeySequence::ZoomOut, &ReportPreviewDialog::zoomOut);
    m_zoomLabel->setObjectName(u"LabelZoom"_s);
    toolBar->addWidget(m_zoomLabel);
    add("ActionZoomIn", u"Zväčšiť"_s, QKeySequence::ZoomIn, &ReportPreviewDialog::zoomIn);
    toolBar->addSeparator();
    add("ActionPrint", u"Tlačiť…"_s, QKeySequence::Print, &ReportPreviewDialog::print);
    add("ActionSave", u"Uložiť…"_s, QKeySequence::Save, &ReportPreviewDialog::save);
    toolBar->addSeparator();
    add("ActionClose", u"Zavrieť"_s, {}, &ReportPreviewDialog::accept);

    auto* scroll = new QScrollArea;
    scroll->setObjectName(u"ScrollAreaPreview"_s);
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
    // As the file destination of the setup dialog: the same folder, name and closing word.
    const QString fileName =
        ReportFileDialog::choose(m_pages.title(), pdfFilter + u";;"_s + rtfFilter, u"pdf"_s);
    if (fileName.isEmpty())
        return;
    const bool rtf = fileName.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive);
    SavedFileDestination(rtf ? FileDestination::Format::Rtf : FileDestination::Format::Pdf,
                         fileName)
        .deliver(m_pages);
}

void ReportPreviewDialog::updateState() {
    const QSignalBlocker blocker(m_pageBox);
    m_pageBox->setValue(m_page);
    m_first->setEnabled(m_page > 1);
    m_previous->setEnabled(m_page > 1);
    m_next->setEnabled(m_page < m_pages.pageCount());
    m_last->setEnabled(m_page < m_pages.pageCount());
    m_zoomLabel->setText(u" %1 % "_s.arg(qRound(zoom() * 100)));
}
