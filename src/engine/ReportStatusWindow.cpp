#include "ReportStatusWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

ReportStatusWindow::ReportStatusWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint)
    , m_label(new QLabel) {
    setObjectName(QStringLiteral("ReportStatusWindow"));
    m_label->setObjectName(QStringLiteral("LabelStatus"));
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
