#pragma once

#include "data/ConnectionSettings.h"

#include <QString>

class Connection;

/// The saved definitions of the universal report without the window: listed, or run and
/// printed with the viewer's layout (columns as wide as their kinds and sizes ask, there being
/// no grid), or written into a workbook. The statement runs under the reading account, as in
/// the program.
class SavedReport {
public:
    enum class Output { Pdf, Rtf, Xlsx };

    /// Prints the saved definitions, name, description and time of saving, one a line.
    static void list(Connection& connection);

    /// Runs the definition of this name (the last saved of several) for the enterprise, herd or
    /// barn of the code (the enterprise of the parameter row when empty) into the file. Returns
    /// the process exit code; failures of the database, the project or the file throw, and so
    /// does a result of more rows than VystupZostavy::najviacRiadkov.
    static int run(const ConnectionSettings& settings, const QString& name, const QString& code,
                   Output output, const QString& file);
};
