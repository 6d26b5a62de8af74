#include "TFrameInfo.h"

#include <QGroupBox>
#include <QStatusBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrameInfo::TFrameInfo(QWidget* parent)
    : QWidget(parent) {
    setObjectName(u"FrameInfo"_s);
    GroupBoxHtml = new QGroupBox(u"Aktuálne informácie "_s, this);
    GroupBoxHtml->setObjectName(u"GroupBoxHtml"_s);
    WebBrowserInfo = new QTextBrowser(GroupBoxHtml);
    WebBrowserInfo->setObjectName(u"WebBrowserInfo"_s);
    WebBrowserInfo->setOpenExternalLinks(true);
    auto* inside = new QVBoxLayout(GroupBoxHtml);
    inside->addWidget(WebBrowserInfo);

    StatusBarInfo = new QStatusBar(this);
    StatusBarInfo->setObjectName(u"StatusBarInfo"_s);
    StatusBarInfo->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(GroupBoxHtml);
    layout->addWidget(StatusBarInfo);
}

void TFrameInfo::zobrazStranku(const QString& folder) {
    // Pasting a POSIX folder after "file:///" would double its leading slash, so the address is
    // built from the local path.
    WebBrowserInfo->setSource(QUrl::fromLocalFile(folder + u'/' + stranka));
}
