#include "ReportStatusWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

ReportStatusWindow::ReportStatusWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint)
    , m_label(new QLabel) {
    setObjectName(u"ReportStatusWindow"_s);
    m_label->setObjectName(u"LabelStatus"_s);
    m_label->setMinimumWidth(240);
    m_label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
}

QString ReportStatusWindow::text() const {
    return m_label->text();
}

void ReportStatusWindow::showText(const QString& title, const QString& text) {
    setWindowTitle(title);
    m_label->setText(text);
    if (!isVisible())
        show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
