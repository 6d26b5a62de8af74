#pragma once

#include <QString>

/// The names a desktop spreadsheet program accepts for a worksheet: 1 to 31 characters, none of
/// : \ / ? * [ ], not beginning or ending with an apostrophe.
class SpreadsheetSheetName {
public:
    /// Throws SpreadsheetError with the program's message for a name it refuses.
    static void check(const QString& name);
};
