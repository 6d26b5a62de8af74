#include "RtfExporter.h"

#include "PageModel.h"
#include "PagePainter.h"
#include "ReportError.h"
#include "data/CheckedSave.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
int twips(double points) {
    return static_cast<int>(std::lround(points * 20));
}

int emu(double points) {
    return static_cast<int>(std::lround(points * 12700));
}

QString property(const char* name, long long value) {
    return u"{\\sp{\\sn %1}{\\sv %2}}"_s.arg(QLatin1String(name)).arg(value);
}
} // namespace

void RtfExporter::write(const PageModel& model, const QString& fileName) {
    QSaveFile file(fileName);
    QString problem = CheckedSave::open(file);
    if (problem.isEmpty() && !CheckedSave::write(file, toRtf(model)))
        problem = file.errorString();
    // An uncommitted file is discarded, and the previous one stays.
    if (problem.isEmpty())
        problem = CheckedSave::commit(file);
    if (!problem.isEmpty())
        throw ReportError(u"Súbor „%1“ sa nedá zapísať: %2"_s.arg(fileName, problem));
}

QByteArray RtfExporter::toRtf(const PageModel& model) {
    RtfExporter exporter(model);
    return exporter.document().toLatin1();
}

RtfExporter::RtfExporter(const PageModel& model)
    : m_model(model) {}

QString RtfExporter::document() {
    QString body;
    const auto& pages = m_model.pages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        int order = 0;
        QString shapes;
        for (const PagePrimitive& p : pages[i].primitives) {
            switch (p.kind) {
            case PagePrimitive::Kind::Text:
                shapes += textBox(p, ++order);
                break;
            case PagePrimitive::Kind::Line:
            case PagePrimitive::Kind::Box:
                shapes += shape(p, ++order);
                break;
            case PagePrimitive::Kind::Polyline:
            case PagePrimitive::Kind::Chart:
                shapes += picture(p, ++order);
                break;
            }
        }
        // A sheet's shapes hang on a tiny paragraph; the page break in it starts the next sheet.
        body += u"\\pard\\plain\\fs2 %1%2\\par\n"_s.arg(shapes, i + 1 < pages.size() ? u"\\page"_s
                                                                                     : QString());
    }

    const QSizeF sheet = pages.empty() ? QSizeF(595, 842) : pages.front().size;
    QString header = u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl"_s;
    for (int i = 0; i < m_fonts.size(); ++i)
        header += u"{\\f%1\\fswiss %2;}"_s.arg(i).arg(escaped(m_fonts.at(i)));
    if (m_fonts.isEmpty())
        header += u"{\\f0\\fswiss DejaVu Sans;}"_s;
    header += u"}\n{\\info{\\title %1}}\n"_s.arg(escaped(m_model.title()));
    header +=
        u"\\paperw%1\\paperh%2\\margl0\\margr0\\margt0\\margb0%3\n"_s.arg(twips(sheet.width()))
            .arg(twips(sheet.height()))
            .arg(sheet.width() > sheet.height() ? u"\\landscape"_s : QString());
    header += u"\\sectd\\pgwsxn%1\\pghsxn%2\\marglsxn0\\margrsxn0\\margtsxn0"
              u"\\margbsxn0\n"_s.arg(twips(sheet.width()))
                  .arg(twips(sheet.height()));
    return header + body + u"}\n"_s;
}

QString RtfExporter::textBox(const PagePrimitive& text, int order) {
    // Text boxes print from their top; centre the line in its box as the other outputs do.
    const double lineHeight = text.font.size * 1.2;
    const double top = text.rect.top() + std::max(0.0, (text.rect.height() - lineHeight) / 2);
    const double bottom = top + std::max(lineHeight, text.rect.bottom() - top);
    QString alignment = u"\\ql"_s;
    if (text.alignment & Qt::AlignRight)
        alignment = u"\\qr"_s;
    else if (text.alignment & Qt::AlignHCenter)
        alignment = u"\\qc"_s;
    QString style;
    if (text.font.bold)
        style += u"\\b"_s;
    if (text.font.italic)
        style += u"\\i"_s;
    if (text.font.underline)
        style += u"\\ul"_s;
    // Transparent text boxes rather than paragraph frames: word processors draw frames opaque,
    // which hides the shading of a box behind the texts on it.
    QString properties = property("shapeType", 202);
    properties += property("fFilled", 0);
    properties += property("fLine", 0);
    properties += property("WrapText", 2);
    for (const char* inset : {"dxTextLeft", "dyTextTop", "dxTextRight", "dyTextBottom"})
        properties += property(inset, 0);
    return u"{\\shp{\\*\\shpinst%1\\shpfblwtxt0\\shpz%2%3{\\shptxt \\pard\\plain%4"
           u"\\sl0\\f%5\\fs%6%7 %8\\par}}}"_s
               .arg(placement(
                   QRectF(QPointF(text.rect.left(), top),
                          QPointF(text.rect.left() + std::max(0.05, text.rect.width()), bottom))))
               .arg(order)
               .arg(properties, alignment)
               .arg(fontIndex(text.font.family))
               .arg(std::lround(text.font.size * 2))
               .arg(style, escaped(text.text));
}

QString RtfExporter::placement(const QRectF& rect) {
    return u"\\shpleft%1\\shptop%2\\shpright%3\\shpbottom%4\\shpfhdr0\\shpbxpage"
           u"\\shpbxignore\\shpbypage\\shpbyignore\\shpwr3"_s.arg(twips(rect.left()))
               .arg(twips(rect.top()))
               .arg(twips(rect.right()))
               .arg(twips(rect.bottom()));
}

QString RtfExporter::shape(const PagePrimitive& shape, int order) {
    const bool line = shape.kind == PagePrimitive::Kind::Line;
    QString properties = property("shapeType", line ? 20 : 1);
    properties += property("lineWidth", emu(shape.penWidth));
    properties += property("fLine", shape.penWidth > 0 ? 1 : 0);
    properties += property("fFilled", shape.fill.isValid() ? 1 : 0);
    if (shape.fill.isValid())
        properties += property("fillColor", shape.fill.red() | (shape.fill.green() << 8) |
                                                (shape.fill.blue() << 16));
    return u"{\\shp{\\*\\shpinst%1\\shpfblwtxt1\\shpz%2%3}}"_s.arg(placement(shape.rect))
        .arg(order)
        .arg(properties);
}

// Word processors lay out drawing shapes and text boxes each their own way; a chart of many
// small parts keeps its look only as one picture, drawn by the same painter as the PDF.
QString RtfExporter::picture(const PagePrimitive& drawing, int order) {
    const bool chart = drawing.kind == PagePrimitive::Kind::Chart;
    const QRectF area = chart ? drawing.rect : QPolygonF(drawing.points).boundingRect();
    constexpr double dpi = 200;
    const double scale = dpi / 72;
    QImage image(std::max(1, int(std::ceil(area.width() * scale))),
                 std::max(1, int(std::ceil(area.height() * scale))), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PagePainter(painter, scale)
            .paint(chart ? drawing.parts : std::vector<PagePrimitive>{drawing},
                   -area.topLeft() * scale);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QString hex;
    const QByteArray digits = png.toHex();
    // Short lines: some readers choke on a picture written as one line of many kilobytes.
    for (qsizetype i = 0; i < digits.size(); i += 128)
        hex += QString::fromLatin1(digits.mid(i, 128)) + QLatin1Char('\n');
    QString properties = property("shapeType", 75);
    properties += property("fLine", 0);
    return u"{\\shp{\\*\\shpinst%1\\shpfblwtxt0\\shpz%2%3{\\sp{\\sn pib}{\\sv {\\pict"
           u"\\pngblip\\picw%4\\pich%5\\picwgoal%6\\pichgoal%7\n%8}}}}}"_s.arg(placement(area))
               .arg(order)
               .arg(properties)
               .arg(image.width())
               .arg(image.height())
               .arg(twips(area.width()))
               .arg(twips(area.height()))
               .arg(hex);
}

int RtfExporter::fontIndex(const QString& family) {
    qsizetype index = m_fonts.indexOf(family);
    if (index < 0) {
        m_fonts << family;
        index = m_fonts.size() - 1;
    }
    return static_cast<int>(index);
}

QString RtfExporter::escaped(const QString& text) {
    QString result;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
            result += QLatin1Char('\\') + c;
        else if (u < 0x80)
            result += c;
        else
            // RTF takes a signed 16-bit number, followed by a fallback character.
            result += u"\\u%1?"_s.arg(static_cast<qint16>(u));
    }
    return result;
}
