#pragma once

#include "SpreadsheetValue.h"

#include <QString>
#include <functional>
#include <memory>

/// The spreadsheet program as the export drives it: the few automation calls of a desktop
/// spreadsheet application, with workbooks, worksheets and rows and columns counted from 1.
/// Every call may throw SpreadsheetError with the program's own text.
class SpreadsheetApplication {
public:
    /// The template of Workbooks.Add for a workbook of one worksheet.
    static constexpr int xlWBATWorksheet = -4167;

    using Factory = std::function<std::unique_ptr<SpreadsheetApplication>()>;

    virtual ~SpreadsheetApplication() = default;

    /// Visible: a visible program shows the user what it was given.
    virtual void setVisible(bool visible) = 0;
    /// Workbooks.Add(template): a new workbook, the last of the Workbooks collection.
    virtual void addWorkbook(int workbookTemplate) = 0;
    /// Workbooks(workbook).Worksheets(worksheet).Name := name
    virtual void setWorksheetName(int workbook, int worksheet, const QString& name) = 0;
    /// Workbooks(workbook).Worksheets(worksheet).Cells(row, column) := value, with the value's
    /// number format on the cell.
    virtual void setCell(int workbook, int worksheet, int row, int column,
                         const SpreadsheetValue& value) = 0;
    /// The caller lets go of the program, which keeps what it was given.
    virtual void release() = 0;

    /// Starts the spreadsheet program; nullptr when the program gave no object. Throws
    /// SpreadsheetError when it cannot be started at all.
    static std::unique_ptr<SpreadsheetApplication> create();
    /// Makes create() use this factory instead of the .xlsx writer (tests install one that
    /// records); an empty factory restores the writer. Returns the factory installed before.
    static Factory install(Factory factory);
};
