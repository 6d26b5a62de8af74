#pragma once

#include <QString>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

class QGroupBox;
class QStatusBar;
class QTextBrowser;

/// The information frame: the program's own HTML page about itself, shown beside the tree after
/// start-up and after "O programe".
class TFrameInfo : public QWidget {
    Q_OBJECT
public:
    explicit TFrameInfo(QWidget* parent = nullptr);

    /// Shows the page from the given folder (the one where the program's files are).
    void zobrazStranku(const QString& folder);

    static inline const QString stranka = u"TarvelinInfo.html"_s;

    QGroupBox* GroupBoxHtml = nullptr;
    QTextBrowser* WebBrowserInfo = nullptr;
    QStatusBar* StatusBarInfo = nullptr;
};
