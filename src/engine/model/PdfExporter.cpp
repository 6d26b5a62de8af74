#include "PdfExporter.h"

#include "PageModel.h"
#include "PagePainter.h"
#include "ReportError.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

void PdfExporter::write(const PageModel& model, const QString& fileName) {
    // An existing file is replaced only by a complete one.
    QSaveFile file(fileName);
    const auto failed = [&] {
        return ReportError(u"Súbor „%1“ sa nedá zapísať: %2"_s.arg(
            QDir::toNativeSeparators(fileName), file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw failed();
    {
        QPdfWriter writer(&file);
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
            throw failed();
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
    if (!file.commit())
        throw failed();
}
