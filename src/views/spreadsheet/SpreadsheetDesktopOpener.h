#pragma once

#include <QString>

/// Opens a saved workbook in the spreadsheet program the desktop associates with it.
class SpreadsheetDesktopOpener {
public:
    /// False when the desktop has no program for the file or could not start it.
    static bool open(const QString& file);
};
