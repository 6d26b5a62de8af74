#pragma once

#include "ReportDestination.h"

#include <QString>

/// Writes the pages to a PDF or RTF file.
class FileDestination : public ReportDestination {
public:
    enum class Format { Pdf, Rtf };

    FileDestination(Format format, const QString& fileName);

    void deliver(const PageModel& pages) override;

private:
    Format m_format;
    QString m_fileName;
};
