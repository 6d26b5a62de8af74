#pragma once

#include <QString>

class Dataset;

/// The rows of a universal report's result in an .xlsx file, as the viewer's export sends them
/// to the spreadsheet program: row 1 the column titles, then every value as the text a user
/// would edit. For the command-line runner, which writes into a file it is given rather than
/// into the spreadsheet program.
class ZositZostavy {
public:
    /// The sheet is named after the definition, made acceptable to the spreadsheet program.
    /// Throws SpreadsheetError when the file cannot be written; a file of that name is then
    /// left as it was.
    static void zapis(const Dataset& vysledok, const QString& harok, const QString& subor);
};
