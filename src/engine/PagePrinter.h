#pragma once

#include <functional>

class PageModel;
class QPrinter;

/// Prints a page model on a printer as its print dialog set it up: page range, copies and
/// collation (duplex and the printer itself are the printer's own settings).
class PagePrinter {
public:
    /// onPage is called with each page number before it prints. Throws ReportError when the
    /// printer cannot be started.
    static void print(const PageModel& model, QPrinter& printer,
                      const std::function<void(int)>& onPage = {});
};
