#include "PdfExporter.h"

#include "PageModel.h"
#include "PagePainter.h"
#include "ReportError.h"
#include "data/CheckedSave.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace {

[[noreturn]] void cannotWrite(const QString& fileName, const QString& reason) {
    throw ReportError(u"Súbor „%1“ sa nedá zapísať: %2"_s.arg(fileName, reason));
}

} // namespace

void PdfExporter::write(const PageModel& model, const QString& fileName) {
    // The pages go to a temporary file that replaces the target only when all of them reached
    // the disk: a full disk must not leave a cut-off report where the previous one was.
    QSaveFile file(fileName);
    if (const QString problem = CheckedSave::open(file); !problem.isEmpty())
        cannotWrite(fileName, problem);
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
            cannotWrite(fileName, file.errorString());
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
    if (const QString problem = CheckedSave::commit(file); !problem.isEmpty())
        cannotWrite(fileName, problem);
}
