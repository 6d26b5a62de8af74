#pragma once

#include <QString>

/// The names a desktop spreadsheet program accepts for a worksheet: 1 to 31 characters, none of
/// : \ / ? * [ ], not beginning or ending with an apostrophe.
class SpreadsheetSheetName {
public:
    /// Throws SpreadsheetError with the program's message for a name it refuses.
    static void check(const QString& name);
    /// A name the program accepts made of this one: forbidden characters become "_", leading
    /// and trailing apostrophes go, and it is cut to 31 characters ("Hárok1" for nothing left).
    static QString fitted(const QString& name);
};
