#pragma once

#include <QString>

/// The save dialog of a report's file, wherever a report is saved from (the file destination of
/// the setup dialog, "Uložiť…" of the preview): the report's title proposed as the name in the
/// user's documents folder, and an existing file replaced only when the user confirms.
class ReportFileDialog {
public:
    /// The file the user names for the report; empty when the user cancels. filter lists the
    /// formats offered, suffix is the one of the proposed name.
    static QString choose(const QString& title, const QString& filter, const QString& suffix);
};
