#pragma once

#include "engine/model/FileDestination.h"
#include "engine/model/PageModel.h"

#include <optional>

/// Counts the pages that reach the file, so that a report the project lacks, which the engine
/// skips without a word, is reported as an error.
class CountingDestination : public ReportDestination {
public:
    CountingDestination(FileDestination::Format format, const QString& fileName)
        : m_file(format, fileName) {}
    void deliver(const PageModel& pages) override {
        m_file.deliver(pages);
        m_pages = pages.pageCount();
    }
    std::optional<int> pages() const { return m_pages; }

private:
    FileDestination m_file;
    std::optional<int> m_pages;
};
