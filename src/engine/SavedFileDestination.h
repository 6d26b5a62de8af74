#pragma once

#include "engine/model/FileDestination.h"

/// A file the user named in the save dialog: the pages are written to it, then the user is
/// told where it is.
class SavedFileDestination : public ReportDestination {
public:
    SavedFileDestination(FileDestination::Format format, const QString& fileName);

    void deliver(const PageModel& pages) override;

private:
    FileDestination m_file;
    QString m_fileName;
};
