#pragma once

#include <QList>
#include <QStatusBar>

class QLabel;

/// A status bar divided into panels of fixed widths, each with one text. The first panel takes
/// whatever width the others leave, so resizing the window keeps the others as designed.
class StatusPanelBar : public QStatusBar {
    Q_OBJECT
public:
    /// One panel per width; the first width is only the design value of the stretching panel.
    StatusPanelBar(const QList<int>& widths, QWidget* parent = nullptr);

    int panelCount() const { return int(m_panels.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    int panelWidth(int panel) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePanels();

    QList<QLabel*> m_panels;
};
