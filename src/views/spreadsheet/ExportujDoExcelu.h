#pragma once

#include <QString>

class Dataset;

/// Copies the rows of an open dataset into a new workbook of the spreadsheet program and leaves
/// it open there: row 1 the titles of all fields (hidden ones too), then one row per record:
/// numbers as numbers and dates as dates, in the formats the grids show them with, anything
/// else as the text it is shown with (empty for NULL). The worksheet is named sheetName.
/// Afterwards the dataset's current row is its last one. Errors are caught and shown as
/// "Chyba: " followed by their text.
void ExportujDoExcelu(Dataset& dataset, const QString& sheetName);
