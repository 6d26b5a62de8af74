#include "PagePrinter.h"

#include "engine/model/PageModel.h"
#include "engine/model/PagePainter.h"
#include "engine/model/ReportError.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <vector>

using namespace Qt::Literals::StringLiterals;

void PagePrinter::print(const PageModel& model, QPrinter& printer,
                        const std::function<void(int)>& onPage) {
    int first = 1;
    int last = model.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage());
    }
    // Printers that cannot make copies themselves get every copy sent.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    std::vector<int> order;
    for (int copy = 0; copy < copies && printer.collateCopies(); ++copy)
        for (int page = first; page <= last; ++page)
            order.push_back(page);
    for (int page = first; page <= last && !printer.collateCopies(); ++page)
        for (int copy = 0; copy < copies; ++copy)
            order.push_back(page);
    if (order.empty())
        return;

    printer.setFullPage(true);
    auto setSheet = [&](int page) {
        const QSizeF size = model.pages()[page - 1].size;
        printer.setPageLayout(QPageLayout(QPageSize(size, QPageSize::Point),
                                          size.width() > size.height() ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait,
                                          QMarginsF()));
    };
    setSheet(order.front());
    QPainter painter;
    if (!painter.begin(&printer)) {
        // Without a printer set up on the computer the print dialog offers none and the name
        // stays empty.
        if (printer.printerName().isEmpty())
            throw ReportError(u"V počítači nie je nastavená žiadna tlačiareň, preto sa zostava "
                              u"nedá vytlačiť. Uložte ju do súboru PDF (tlačidlo Uložiť… v "
                              u"náhľade) alebo nastavte tlačiareň v systéme."_s);
        throw ReportError(u"Tlačiareň „%1“ sa nedá použiť."_s.arg(printer.printerName()));
    }
    PagePainter pagePainter(painter, printer.resolution() / 72.0);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0) {
            setSheet(order[i]);
            printer.newPage();
        }
        if (onPage)
            onPage(order[i]);
        pagePainter.paint(model.pages()[order[i] - 1]);
    }
    painter.end();
}
