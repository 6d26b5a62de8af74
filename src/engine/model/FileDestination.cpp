#include "FileDestination.h"

#include "PdfExporter.h"
#include "RtfExporter.h"

FileDestination::FileDestination(Format format, const QString& fileName)
    : m_format(format)
    , m_fileName(fileName) {}

void FileDestination::deliver(const PageModel& pages) {
    if (m_format == Format::Pdf)
        PdfExporter::write(pages, m_fileName);
    else
        RtfExporter::write(pages, m_fileName);
}
