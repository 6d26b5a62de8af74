#pragma once

#include "DialogService.h"

#include <QString>

/// A save dialog as the program asks it: in the user's documents folder (the home folder where
/// there is none) with a name made of what is saved, and an existing file replaced only when
/// the user confirms it in the program's words; otherwise the dialog comes again.
class SaveFileChoice {
public:
    /// The file the user names; empty when the user cancels. The request gives the dialog's
    /// name, title, filter and suffix; its folder and file name are this class's.
    static QString choose(FileDialogRequest request, const QString& title);

    /// A title as a file name every file system takes.
    static QString fileNameOf(const QString& title);
};
