#include "PageControl.h"

PageControl::PageControl(QWidget* parent)
    : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, &PageControl::reportShownPage);
}

QWidget* PageControl::addPage(const QString& name, const QString& caption, bool visible) {
    auto* page = new QWidget(this);
    page->setObjectName(name);
    const int index = addTab(page, caption);
    setTabVisible(index, visible);
    setTabEnabled(index, visible);
    return page;
}

int PageControl::visiblePageIndex() const {
    const int current = currentIndex();
    if (current < 0 || !isTabVisible(current))
        return -1;
    int visibleBefore = 0;
    for (int i = 0; i < current; ++i)
        visibleBefore += isTabVisible(i) ? 1 : 0;
    return visibleBefore;
}

void PageControl::reportShownPage(int index) {
    if (index >= 0 && isVisible())
        Q_EMIT pageShown(widget(index));
}
