#pragma once

#include <QString>

class PageModel;

/// Writes the page model as a PDF file with its fonts embedded.
class PdfExporter {
public:
    /// Throws ReportError when the file cannot be written.
    static void write(const PageModel& model, const QString& fileName);
};
