#pragma once

#include "SpreadsheetApplication.h"

#include <QStringList>

/// Stands in for the spreadsheet program where none may run: appends every call it receives
/// to a list the caller keeps, one line a call in the notation of the automation calls, texts
/// in apostrophes, numbers as written in code, moments between hashes, each followed by the
/// cell's number format in brackets when it has one:
///     Workbooks(1).Worksheets(1).Cells(2, 3) := 'Straka'
///     Workbooks(1).Worksheets(1).Cells(2, 4) := 290.456 [##0.00]
///     Workbooks(1).Worksheets(1).Cells(2, 5) := #2022-09-14# [d. m. yyyy]
/// It refuses the worksheet names the program refuses (after recording the call).
class RecordingSpreadsheetApplication : public SpreadsheetApplication {
public:
    explicit RecordingSpreadsheetApplication(QStringList& calls);

    void setVisible(bool visible) override;
    void addWorkbook(int workbookTemplate) override;
    void setWorksheetName(int workbook, int worksheet, const QString& name) override;
    void setCell(int workbook, int worksheet, int row, int column,
                 const SpreadsheetValue& value) override;
    void release() override;

    /// A text as the calls show it: in apostrophes, with apostrophes inside doubled.
    static QString quoted(const QString& text);
    /// A cell's value as the calls show it.
    static QString written(const SpreadsheetValue& value);

private:
    QStringList& m_calls;
};
