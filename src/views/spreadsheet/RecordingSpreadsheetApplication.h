#pragma once

#include "SpreadsheetApplication.h"

#include <QStringList>

/// Stands in for the spreadsheet program where none may run: appends every call it receives
/// to a list the caller keeps, one line a call in the notation of the automation calls, e.g.
///     Workbooks(1).Worksheets(1).Cells(2, 3) := '12,50'
/// It refuses the worksheet names the program refuses (after recording the call).
class RecordingSpreadsheetApplication : public SpreadsheetApplication {
public:
    explicit RecordingSpreadsheetApplication(QStringList& calls);

    void setVisible(bool visible) override;
    void addWorkbook(int workbookTemplate) override;
    void setWorksheetName(int workbook, int worksheet, const QString& name) override;
    void setCell(int workbook, int worksheet, int row, int column, const QString& value) override;
    void release() override;

    /// A text as the calls show it: in apostrophes, with apostrophes inside doubled.
    static QString quoted(const QString& text);

private:
    QStringList& m_calls;
};
