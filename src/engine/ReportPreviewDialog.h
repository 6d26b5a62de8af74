#pragma once

#include <QDialog>

class PageModel;
class PreviewPageWidget;
class QAction;
class QLabel;
class QSpinBox;
class ReportFrontEnd;
class ReportSystem;

/// The modal print preview: page navigation, zoom, printing and saving as PDF or RTF.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    /// frontEnd may be null; it shows the status while printing.
    ReportPreviewDialog(const PageModel& pages, const ReportSystem& system,
                        ReportFrontEnd* frontEnd, QWidget* parent = nullptr);

    /// 1-based.
    int currentPage() const { return m_page; }
    void setCurrentPage(int page);
    double zoom() const;
    void setZoom(double zoom);

private:
    QAction* createAction(const char* objectName, const QString& text, const QKeySequence& key,
                          void (ReportPreviewDialog::*slot)());
    void firstPage() { setCurrentPage(1); }
    void previousPage() { setCurrentPage(m_page - 1); }
    void nextPage() { setCurrentPage(m_page + 1); }
    void lastPage();
    void zoomIn();
    void zoomOut();
    void print();
    void save();
    void updateState();

    const PageModel& m_pages;
    const ReportSystem& m_system;
    ReportFrontEnd* m_frontEnd;
    int m_page = 1;
    PreviewPageWidget* m_view;
    QSpinBox* m_pageBox;
    QLabel* m_pageCount;
    QLabel* m_zoomLabel;
    QAction* m_first = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_next = nullptr;
    QAction* m_last = nullptr;
};
