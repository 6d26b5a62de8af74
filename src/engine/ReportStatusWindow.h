#pragma once

#include <QWidget>

class QLabel;

/// The small window that says which page is being generated or printed.
class ReportStatusWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReportStatusWindow(QWidget* parent = nullptr);

    QString text() const;
    /// Shows the text at once, even while the run keeps the event loop busy.
    void showText(const QString& title, const QString& text);

private:
    QLabel* m_label;
};
