#pragma once

#include <QWidget>

class QGroupBox;
class QStatusBar;
class QTextBrowser;

/// The information frame: the program's own HTML page about itself, shown beside the tree after
/// start-up and after "O programe".
class TFrameInfo : public QWidget {
    Q_OBJECT
public:
    explicit TFrameInfo(QWidget* parent = nullptr);

    /// Shows TarvelinInfo.html from the given folder (the executable's).
    void zobrazStranku(const QString& folder);

    QGroupBox* GroupBoxHtml = nullptr;
    QTextBrowser* WebBrowserInfo = nullptr;
    QStatusBar* StatusBarInfo = nullptr;
};
