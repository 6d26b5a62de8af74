#include "PageBook.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Half a centimetre above the sheet's lower edge, clear of the reports' footers, which end at
// their bottom margin of a centimetre.
constexpr double numberBottom = 14.0;
constexpr double numberHeight = 9.0;

void append(PageModel& book, const PageModel& part) {
    for (const ReportPage& page : part.pages()) {
        book.pages().push_back(page);
        ReportPage& sheet = book.pages().back();
        PagePrimitive number;
        number.kind = PagePrimitive::Kind::Text;
        number.component = PageBook::numberComponent;
        number.text = u"– %1 –"_s.arg(book.pageCount());
        number.font.size = 7;
        number.alignment = Qt::AlignHCenter;
        number.rect = QRectF(0, sheet.size.height() - numberBottom - numberHeight,
                             sheet.size.width(), numberHeight);
        sheet.primitives.push_back(number);
    }
}

} // namespace

std::vector<int> PageBook::chapterStarts(const std::vector<PageModel>& chapters, int frontPages) {
    std::vector<int> starts;
    int next = frontPages + 1;
    for (const PageModel& chapter : chapters) {
        starts.push_back(next);
        next += chapter.pageCount();
    }
    return starts;
}

PageModel PageBook::bind(const QString& title, const PageModel& front,
                         const std::vector<PageModel>& chapters) {
    PageModel book;
    book.setTitle(title);
    append(book, front);
    for (const PageModel& chapter : chapters)
        append(book, chapter);
    return book;
}
