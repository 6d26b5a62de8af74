#include "PreviewPageWidget.h"

#include "engine/model/PagePainter.h"
#include "engine/model/ReportPage.h"

#include <QPainter>

using namespace Qt::Literals::StringLiterals;

PreviewPageWidget::PreviewPageWidget(QWidget* parent)
    : QWidget(parent) {
    setObjectName(u"PreviewPageWidget"_s);
}

void PreviewPageWidget::setPage(const ReportPage* page) {
    m_page = page;
    resize(sizeHint());
    update();
}

void PreviewPageWidget::setZoom(double zoom) {
    m_zoom = zoom;
    resize(sizeHint());
    update();
}

QSize PreviewPageWidget::sizeHint() const {
    if (!m_page)
        return {};
    return (m_page->size * pixelsPerPoint()).toSize();
}

void PreviewPageWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_page)
        PagePainter(painter, pixelsPerPoint()).paint(*m_page);
}

double PreviewPageWidget::pixelsPerPoint() const {
    return logicalDpiX() / 72.0 * m_zoom;
}
