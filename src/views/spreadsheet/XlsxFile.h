#pragma once

#include "SpreadsheetValue.h"

#include <QString>
#include <functional>

/// One worksheet written into an .xlsx file, whole or not at all: the file is built beside its
/// target and takes its place only when complete. Numbers and dates go in as such, in their
/// formats, so that the spreadsheet program can sum and sort them. Needs no widgets, so the
/// command-line runner writes its workbooks through it too.
class XlsxFile {
public:
    /// The value of a cell, rows and columns counted from 1; an empty text leaves it empty.
    using Cell = std::function<SpreadsheetValue(int row, int column)>;

    /// Writes rows × columns cells in row order into the sheet of that name. Throws
    /// SpreadsheetError with the reason when the name or the file is refused.
    static void write(const QString& fileName, const QString& sheetName, int rows, int columns,
                      const Cell& cell);
};
