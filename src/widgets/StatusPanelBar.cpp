#include "StatusPanelBar.h"

#include <QLabel>
#include <QResizeEvent>

using namespace Qt::Literals::StringLiterals;

StatusPanelBar::StatusPanelBar(const QList<int>& widths, QWidget* parent)
    : QStatusBar(parent) {
    // The panels are placed by hand rather than through the status bar's layout, whose spacing
    // would make them wider than designed.
    setSizeGripEnabled(false);
    setMinimumHeight(fontMetrics().height() + 8);
    for (int i = 0; i < widths.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(u"Panel%1"_s.arg(i));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->resize(widths[i], panel->sizeHint().height());
        panel->setTextFormat(Qt::PlainText);
        m_panels.append(panel);
    }
}

QString StatusPanelBar::panelText(int panel) const {
    return m_panels.value(panel) ? m_panels[panel]->text() : QString();
}

void StatusPanelBar::setPanelText(int panel, const QString& text) {
    if (QLabel* label = m_panels.value(panel))
        label->setText(text);
}

int StatusPanelBar::panelWidth(int panel) const {
    return m_panels.value(panel) ? m_panels[panel]->width() : 0;
}

void StatusPanelBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    placePanels();
}

void StatusPanelBar::placePanels() {
    if (m_panels.isEmpty())
        return;
    int others = 0;
    for (int i = 1; i < m_panels.size(); ++i)
        others += m_panels[i]->width();
    int x = 0;
    for (int i = 0; i < m_panels.size(); ++i) {
        const int w = i == 0 ? std::max(0, width() - others) : m_panels[i]->width();
        m_panels[i]->setGeometry(x, 0, w, height());
        x += w;
    }
}
