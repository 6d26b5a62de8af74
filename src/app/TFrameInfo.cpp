#include "TFrameInfo.h"

#include <QGroupBox>
#include <QStatusBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TFrameInfo::TFrameInfo(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("FrameInfo"));
    GroupBoxHtml = new QGroupBox(QStringLiteral("Aktuálne informácie "), this);
    GroupBoxHtml->setObjectName(QStringLiteral("GroupBoxHtml"));
    WebBrowserInfo = new QTextBrowser(GroupBoxHtml);
    WebBrowserInfo->setObjectName(QStringLiteral("WebBrowserInfo"));
    WebBrowserInfo->setOpenExternalLinks(true);
    auto* inside = new QVBoxLayout(GroupBoxHtml);
    inside->addWidget(WebBrowserInfo);

    StatusBarInfo = new QStatusBar(this);
    StatusBarInfo->setObjectName(QStringLiteral("StatusBarInfo"));
    StatusBarInfo->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(GroupBoxHtml);
    layout->addWidget(StatusBarInfo);
}

void TFrameInfo::showPage(const QString& folder) {
    // Pasting a POSIX folder after "file:///" would double its leading slash, so the address is
    // built from the local path.
    WebBrowserInfo->setSource(QUrl::fromLocalFile(folder + QStringLiteral("/TarvelinInfo.html")));
}
