#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

class PageModel;
struct PagePrimitive;
struct ReportPage;

/// Writes the page model as RTF that word processors open with the same sheets: every text in
/// a text box at its place on the page, lines and boxes as drawing shapes, charts as pictures,
/// one page break per sheet.
class RtfExporter {
public:
    /// Throws ReportError when the file cannot be written.
    static void write(const PageModel& model, const QString& fileName);
    static QByteArray toRtf(const PageModel& model);

private:
    explicit RtfExporter(const PageModel& model);

    QString document();
    QString textBox(const PagePrimitive& text, int order);
    QString shape(const PagePrimitive& shape, int order);
    QString picture(const PagePrimitive& drawing, int order);
    static QString placement(const QRectF& rect);
    int fontIndex(const QString& family);
    static QString escaped(const QString& text);

    const PageModel& m_model;
    QStringList m_fonts;
};
