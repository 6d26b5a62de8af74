#include "EngineFixtures.h"
#include "common/TinyFilesystem.h"
#include "engine/model/FileDestination.h"
#include "engine/model/FontMetricsMeasurer.h"
#include "engine/model/PageModelDestination.h"
#include "engine/model/PagePainter.h"
#include "engine/model/PdfExporter.h"
#include "engine/model/ReportConnections.h"
#include "engine/model/ReportError.h"
#include "engine/model/ReportProject.h"
#include "engine/model/ReportSystem.h"
#include "engine/model/RtfExporter.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

/// The file outputs of a three-page A4 list with groups, measured with real fonts.
class tst_outputs final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pdfHoldsThePagesWithEmbeddedFonts();
    void rtfTokenisesIntoTheSameSheets();
    void rtfOpensInAWordProcessorWithTheSamePages();
    void failedWriteLeavesThePreviousFile_data();
    void failedWriteLeavesThePreviousFile();
    void chartIsDrawnInThePdfAndPicturedInTheRtf();
    void textsWiderOnPaperThanMeasuredKeepTheirLetters();

private:
    QString run(const QString& program, const QStringList& arguments);
    void render(std::shared_ptr<ReportDestination> destination);
    QString output(const QString& name) const;

    QTemporaryDir m_dir;
    PageModel m_pages;
};

QString tst_outputs::run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        qWarning() << program << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString tst_outputs::output(const QString& name) const {
    const QString kept = qEnvironmentVariable("TARVELIN_ENGINE_OUTPUT_DIR");
    return QDir(kept.isEmpty() ? m_dir.path() : kept).filePath(name);
}

void tst_outputs::render(std::shared_ptr<ReportDestination> destination) {
    ReportSystem system;
    system.setDestination(destination);
    system.setRunDate(QDate(2024, 5, 1));
    auto herd = EngineFixtures::herd();
    ReportConnections connections;
    connections.publish(u"DataSetZvierata"_s, herd.get());
    ReportProject project(system, connections, EngineFixtures::path(u"fixtures/stado.rav"_s));
    project.setParameter(u"Nazov"_s, u"Zoznam kráv podľa otcov"_s);
    project.setParameter(u"Podnik"_s, u"PD Horná Ves, farma Dolné lúky"_s);
    project.setParameter(u"Podnadpis"_s, u"Kravy na laktácii k 1. 5. 2024"_s);
    project.setParameter(u"Copyright"_s, u"Tarvelin © Plemenárske služby"_s);
    project.executeReport(u"Stado"_s);
}

void tst_outputs::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
    auto pages = std::make_shared<PageModelDestination>();
    render(pages);
    m_pages = pages->runs().front();
    QCOMPARE(m_pages.pageCount(), 3);
}

void tst_outputs::failedWriteLeavesThePreviousFile_data() {
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<qint64>("free");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("reason");

    // Nothing at all fits, or the pages fail midway, or only the last buffered bytes fail.
    QTest::newRow("PDF, disk full") << true << qint64(0) << false << "No space left on device";
    QTest::newRow("PDF, 10 KB left") << true << qint64(10'000) << false << "No space left";
    QTest::newRow("RTF, 10 KB left") << false << qint64(10'000) << false << "No space left";
    QTest::newRow("RTF, 60 KB left") << false << qint64(60'000) << false << "No space left";
    QTest::newRow("PDF onto a folder") << true << qint64(-1) << true << "nie je obyčajný súbor";
}

void tst_outputs::failedWriteLeavesThePreviousFile() {
    QFETCH(bool, pdf);
    QFETCH(qint64, free);
    QFETCH(bool, folder);
    QFETCH(QString, reason);
    TinyFilesystem disk(1024 * 1024);
    if (!folder && !disk.isValid())
        QSKIP(qPrintable(disk.problem()));
    QTemporaryDir dir;
    const QString target =
        folder ? dir.path() : disk.filePath(pdf ? u"stado.pdf"_s : u"stado.rtf"_s);
    const QByteArray previous("predošlá zostava");
    if (!folder) {
        QFile earlier(target);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write(previous);
        earlier.close();
        disk.leaveFree(free);
    }

    QString message;
    try {
        if (pdf)
            PdfExporter::write(m_pages, target);
        else
            RtfExporter::write(m_pages, target);
    } catch (const ReportError& error) {
        message = error.message();
    }
    QVERIFY2(message.contains(target) && message.contains(reason), qPrintable(message));
    if (folder) {
        QVERIFY(QFileInfo(target).isDir());
        return;
    }
    QFile earlier(target);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), previous);
    // No temporary file is left behind to fill the disk further.
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void tst_outputs::pdfHoldsThePagesWithEmbeddedFonts() {
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("poppler-utils are not installed");
    const QString pdf = output(u"stado.pdf"_s);
    render(std::make_shared<FileDestination>(FileDestination::Format::Pdf, pdf));

    const QString text = run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(pages[i].contains(u"Strana %1 z 3"_s.arg(i + 1)), qPrintable(pages[i]));
        QVERIFY(pages[i].contains(u"Bielkoviny %"_s));
        QVERIFY(pages[i].contains(u"Zoznam kráv podľa otcov"_s));
    }
    QVERIFY(pages[2].contains(u"Priemer za stádo"_s));
    QVERIFY(pages[2].contains(u"90 ks"_s));

    const QStringList fonts =
        run(u"pdffonts"_s, {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts)
        QVERIFY2(font.contains(
                     QRegularExpression(u"\\byes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+\\s*$"_s)),
                 qPrintable(font));
}

void tst_outputs::rtfTokenisesIntoTheSameSheets() {
    const QString rtf = QString::fromLatin1(RtfExporter::toRtf(m_pages));
    int depth = 0;
    int pageBreaks = 0;
    QString text;
    const QRegularExpression token(
        uR"(\\u(-?\d+)\?|\\([a-z]+)(-?\d+)? ?|\\([\\{}])|([{}])|([^\\{}\r\n]+))"_s);
    for (auto it = token.globalMatch(rtf); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty())
            text += QChar(static_cast<char16_t>(m.captured(1).toInt()));
        else if (m.captured(2) == QLatin1String("page"))
            ++pageBreaks;
        else if (m.captured(2) == QLatin1String("par"))
            text += QLatin1Char('\n');
        else if (!m.captured(4).isEmpty())
            text += m.captured(4);
        else if (!m.captured(5).isEmpty())
            depth += m.captured(5) == QLatin1String("{") ? 1 : -1;
        else if (!m.captured(6).isEmpty())
            text += m.captured(6);
        QVERIFY(depth >= 0);
    }
    QCOMPARE(depth, 0);
    QCOMPARE(pageBreaks, 2);
    QVERIFY(rtf.contains(u"\\paperw11906\\paperh16838"_s));
    QVERIFY(text.contains(u"Strana 3 z 3"_s));
    QVERIFY(text.contains(u"Zoznam kráv podľa otcov"_s));
}

void tst_outputs::rtfOpensInAWordProcessorWithTheSamePages() {
    const QString office = QStandardPaths::findExecutable(u"soffice"_s);
    if (office.isEmpty() || QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("LibreOffice or poppler-utils are not installed");
    const QString rtf = output(u"stado.rtf"_s);
    render(std::make_shared<FileDestination>(FileDestination::Format::Rtf, rtf));
    const QString outDir = QFileInfo(rtf).absolutePath();
    run(office,
        {u"-env:UserInstallation=file://"_s + m_dir.filePath(u"lo"_s), u"--headless"_s,
         u"--convert-to"_s, u"pdf:writer_pdf_Export"_s, u"--outdir"_s, outDir + u"/lo"_s, rtf});
    const QString converted = outDir + u"/lo/stado.pdf"_s;
    const QStringList pages = run(u"pdftotext"_s, {u"-layout"_s, converted, u"-"_s})
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 3);
    for (int i = 0; i < 3; ++i)
        QVERIFY2(pages[i].contains(u"Strana %1 z 3"_s.arg(i + 1)), qPrintable(pages[i]));
}

// A chart reaches the PDF as lines and texts, which stay sharp at any zoom, and the RTF as one
// picture of the same drawing at the chart's place.
void tst_outputs::chartIsDrawnInThePdfAndPicturedInTheRtf() {
    ReportSystem system;
    const auto pages = std::make_shared<PageModelDestination>();
    system.setDestination(pages);
    const auto items = EngineFixtures::items();
    ReportConnections connections;
    connections.publish(u"DataSetPolozky"_s, items.get());
    ReportProject project(system, connections, EngineFixtures::path(u"fixtures/small.rav"_s));
    project.executeReport(u"Graf"_s);
    const PageModel& chart = pages->runs().front();

    if (!QStandardPaths::findExecutable(u"pdfimages"_s).isEmpty()) {
        const QString pdf = output(u"graf.pdf"_s);
        PdfExporter::write(chart, pdf);
        const QString text = run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        for (const QString& label : {u"Hodnoty položiek"_s, u"Položka 4"_s, u"Trend"_s})
            QVERIFY2(text.contains(label), qPrintable(text));
        // The list of images has its two lines of headings and no image.
        QCOMPARE(run(u"pdfimages"_s, {u"-list"_s, pdf}).trimmed().split(QLatin1Char('\n')).size(),
                 2);
    }

    const QString rtf = QString::fromLatin1(RtfExporter::toRtf(chart));
    QCOMPARE(rtf.count(u"\\pngblip"_s), 1);
    // The chart's box, 10 pt from the sheet's corner, 180 by 130 pt, in twips.
    QVERIFY(rtf.contains(u"\\shpleft200\\shptop200\\shpright3800\\shpbottom2800"_s));
    const QRegularExpression picture(u"\\\\pichgoal\\d+\\s+([0-9a-f\\s]+)\\}"_s);
    const QRegularExpressionMatch match = picture.match(rtf);
    QVERIFY(match.hasMatch());
    const QImage image = QImage::fromData(
        QByteArray::fromHex(match.captured(1).remove(QRegularExpression(u"\\s"_s)).toLatin1()),
        "PNG");
    QCOMPARE(image.size(), QSize(500, 362));
    // The bars are in it, where the chart drew them: the last bar's middle.
    const QColor bar(0x30, 0x70, 0xb0);
    bool found = false;
    for (const PagePrimitive& part : chart.pages().front().primitives.front().parts)
        if (part.kind == PagePrimitive::Kind::Box && part.fill == bar && part.rect.width() > 10)
            found = image.pixelColor(
                        ((part.rect.center() - QPointF(10, 10)) * 200 / 72).toPoint()) == bar;
    QVERIFY(found);
}

// The layout measures at 96 dpi, where glyphs come out narrower than at a printer's or the PDF's
// resolution: a text just fitting its box on screen is a little wider on paper.
void tst_outputs::textsWiderOnPaperThanMeasuredKeepTheirLetters() {
    PagePrimitive text;
    text.text = u"ketóza (T/B nad 1,5)"_s;
    text.font.size = 7;
    text.rect = QRectF(10, 10, FontMetricsMeasurer(96).width(text.text, text.font), 12);
    constexpr double scale = 600 / 72.0;
    QImage image(int((text.rect.right() + 30) * scale), int(30 * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PagePainter(painter, scale).paint(std::vector<PagePrimitive>{text});
    }
    int inkBeyond = 0;
    for (int x = int(std::ceil(text.rect.right() * scale)) + 1; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            inkBeyond += qGray(image.pixel(x, y)) < 128;
    QVERIFY(inkBeyond > 0);
}

QTEST_MAIN(tst_outputs)
#include "tst_outputs.moc"
