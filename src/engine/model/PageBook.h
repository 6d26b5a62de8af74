#pragma once

#include "PageModel.h"

#include <vector>

using namespace Qt::Literals::StringLiterals;

/// Several report runs bound into one document: the front pages (a table of contents), then
/// each chapter's pages in turn. The reports number their pages each from 1, so every sheet
/// of the whole also gets its number in the book, small and centred below the report's own
/// footer, where the contents' page numbers can be looked up.
class PageBook {
public:
    /// The book page, counted from 1, on which each chapter starts when frontPages come first.
    static std::vector<int> chapterStarts(const std::vector<PageModel>& chapters, int frontPages);
    static PageModel bind(const QString& title, const PageModel& front,
                          const std::vector<PageModel>& chapters);

    /// The name of the component that prints the book's page numbers.
    static inline const QString numberComponent = u"CisloStranyKnihy"_s;
};
