#pragma once

#include <QTabWidget>

/// The page control of a frame. Pages may be hidden; callers count only the visible ones. A page
/// brought to front is reported only while the frame is on screen, so that selecting a page of
/// a hidden frame loads nothing and showing the frame again does not reload its page.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    /// Adds a page with its component name; a hidden page is also disabled.
    QWidget* addPage(const QString& name, const QString& caption, bool visible = true);
    /// The index of the current page among the visible pages, -1 when there is none.
    int visiblePageIndex() const;

Q_SIGNALS:
    void pageShown(QWidget* page);

private:
    void reportShownPage(int index);
};
