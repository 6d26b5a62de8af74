#pragma once

#include <QWidget>

struct ReportPage;

/// One page of the preview, drawn as paper at the chosen zoom.
class PreviewPageWidget : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPageWidget(QWidget* parent = nullptr);

    void setPage(const ReportPage* page);
    /// 1.0 shows the page at its actual size on the screen.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double pixelsPerPoint() const;

    const ReportPage* m_page = nullptr;
    double m_zoom = 1.0;
};
