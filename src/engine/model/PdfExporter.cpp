#include "PdfExporter.h"

#include "PageModel.h"
#include "PagePainter.h"
#include "ReportError.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::Literals::StringLiterals;

void PdfExporter::write(const PageModel& model, const QString& fileName) {
    QPdfWriter writer(fileName);
    writer.setResolution(600);
    writer.setTitle(model.title());
    writer.setCreator(u"Tarvelin"_s);
    auto setSheet = [&writer](const ReportPage& page) {
        writer.setPageLayout(QPageLayout(QPageSize(page.size, QPageSize::Point),
                                         QPageLayout::Portrait, QMarginsF()));
    };
    if (!model.pages().empty())
        setSheet(model.pages().front());
    QPainter painter;
    if (!painter.begin(&writer))
        throw ReportError(u"Súbor „%1“ sa nedá zapísať."_s.arg(fileName));
    PagePainter pagePainter(painter, writer.resolution() / 72.0);
    for (std::size_t i = 0; i < model.pages().size(); ++i) {
        if (i > 0) {
            setSheet(model.pages()[i]);
            writer.newPage();
        }
        pagePainter.paint(model.pages()[i]);
    }
    painter.end();
}
