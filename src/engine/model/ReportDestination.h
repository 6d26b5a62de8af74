#pragma once

class PageModel;

/// Where the pages of a run go: a file, the preview, the printer, or a test.
class ReportDestination {
public:
    virtual ~ReportDestination() = default;
    /// Throws an exception carrying a message text when the pages cannot be delivered.
    virtual void deliver(const PageModel& pages) = 0;
};
