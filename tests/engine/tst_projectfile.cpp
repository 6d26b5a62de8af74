#include "EngineFixtures.h"
#include "engine/model/ProjectDefinition.h"
#include "engine/model/ProjectReader.h"
#include "engine/model/ProjectWriter.h"
#include "engine/model/ReportError.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

class tst_projectfile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writingBackKeepsTheFile();
    void everyKindSurvivesARoundTrip();
    void faultsNameTheLine_data();
    void faultsNameTheLine();
    void missingOrSpecialFileNamesIt_data();
    void missingOrSpecialFileNamesIt();

private:
    static QByteArray written(const ProjectDefinition& project);
};

QByteArray tst_projectfile::written(const ProjectDefinition& project) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ProjectWriter::write(project, buffer);
    return buffer.data();
}

void tst_projectfile::writingBackKeepsTheFile() {
    QFile file(EngineFixtures::path(u"fixtures/unizostava.rav"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    QBuffer input;
    input.setData(original);
    input.open(QIODevice::ReadOnly);
    const auto project = ProjectReader::read(input, file.fileName());

    // The names the saved-report viewer finds its layout by.
    const PageDefinition* page = project->findPage(u"ReportUniZostava.Strana"_s);
    QVERIFY(page);
    QVERIFY(page->findRegion(u"RegionZostava"_s));
    QCOMPARE(page->findBand(u"BandHlavicka"_s)->kind(), BandDefinition::Kind::ColumnHeader);
    QCOMPARE(page->findBand(u"DataBandZostava"_s)->kind(), BandDefinition::Kind::Data);
    QCOMPARE(project->findDataView(u"DataViewQuery"_s)->connection(), u"RvDataSetUniZostava"_s);

    QCOMPARE(QString::fromUtf8(written(*project)), QString::fromUtf8(original));
}

void tst_projectfile::everyKindSurvivesARoundTrip() {
    const auto first = ProjectReader::readFile(EngineFixtures::path(u"fixtures/small.rav"_s));
    const QByteArray once = written(*first);
    QBuffer input;
    input.setData(once);
    input.open(QIODevice::ReadOnly);
    const auto second = ProjectReader::read(input, u"small.rav"_s);
    QCOMPARE(QString::fromUtf8(written(*second)), QString::fromUtf8(once));
    QCOMPARE(second->reports().size(), first->reports().size());
}

void tst_projectfile::faultsNameTheLine_data() {
    QTest::addColumn<QString>("body"); // lines 4 and on
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");

    const QString band = u"<report name=\"R\"><page name=\"P\"><region name=\"G\">\n"_s;
    const QString end = u"</region></page></report>\n"_s;
    QTest::newRow("unknown element")
        << band + "<bnad name=\"B\"/>\n" + end << 5 << u"neznámy prvok <bnad>"_s;
    QTest::newRow("unknown attribute")
        << u"<report name=\"R\"\n color=\"red\"/>\n"_s << 5 << u"neznámy atribút „color“"_s;
    QTest::newRow("bad number") << band +
                                       "<band name=\"B\" kind=\"pageHeader\" height=\"abc\"/>\n" +
                                       end
                                << 5 << u"„height“ má neplatnú hodnotu „abc“"_s;
    QTest::newRow("missing name") << u"\n<report/>\n"_s << 5 << u"chýba atribút „name“"_s;
    QTest::newRow("name used twice")
        << band +
               "<band name=\"B\" kind=\"pageHeader\"/>\n<band name=\"B\" kind=\"pageFooter\"/>\n" +
               end
        << 6 << u"meno „B“ je v zostave už použité"_s;
    QTest::newRow("undeclared parameter")
        << band +
               "<band name=\"B\" kind=\"pageHeader\">\n<text name=\"T\" "
               "text=\"{Chyba}\"/>\n</band>\n" +
               end
        << 6 << u"parameter „Chyba“ nie je deklarovaný"_s;
    QTest::newRow("unknown data view")
        << band + "<band name=\"B\" kind=\"data\" dataView=\"X\"/>\n" + end << 5
        << u"dátový pohľad „X“ neexistuje"_s;
    QTest::newRow("column header of two data bands")
        << band +
               "<band name=\"D1\" kind=\"data\" dataView=\"V\"/>\n<band name=\"D2\" kind=\"data\" "
               "dataView=\"V\"/>\n<band name=\"H\" kind=\"columnHeader\"/>\n" +
               end
        << 7 << u"pásmo „H“ nemá určené dátové pásmo"_s;
    QTest::newRow("group total outside a group")
        << band +
               "<band name=\"D\" kind=\"data\" dataView=\"V\">\n<total name=\"S\" dataView=\"V\" "
               "field=\"f\" function=\"sum\" reset=\"group\"/>\n</band>\n" +
               end
        << 6 << u"skupinovom pásme"_s;
    QTest::newRow("sort of no order")
        << u"<dataView name=\"W\" connection=\"C\"\n sort=\"meno hore\"/>\n"_s << 5
        << u"„sort“ má neplatnú hodnotu „meno hore“"_s;
    const QString chartBand = band + u"<band name=\"B\" kind=\"reportHeader\">\n"_s;
    const QString chart =
        u"<chart name=\"C\" width=\"100\" height=\"50\" dataView=\"V\" category=\"k\""_s;
    QTest::newRow("chart without a series") << chartBand + chart + ">\n</chart>\n</band>\n" + end
                                            << 6 << u"graf „C“ nemá žiadny rad hodnôt"_s;
    QTest::newRow("chart without a size")
        << chartBand + "<chart name=\"C\" width=\"100\" dataView=\"V\" category=\"k\"/>\n" +
               "</band>\n" + end
        << 6 << u"graf „C“ potrebuje šírku aj výšku"_s;
    QTest::newRow("series of an unknown style")
        << chartBand + chart + ">\n<series field=\"h\" style=\"pie\"/>\n</chart>\n</band>\n" + end
        << 7 << u"„style“ má neplatnú hodnotu „pie“"_s;
    QTest::newRow("chart's axis upside down")
        << chartBand + chart + "\n minimum=\"10\" maximum=\"5\">\n</chart>\n</band>\n" + end << 7
        << u"„maximum“ má neplatnú hodnotu „5“"_s;
    QTest::newRow("chart of an unknown data view")
        << chartBand +
               "<chart name=\"C\" width=\"100\" height=\"50\" dataView=\"X\" "
               "category=\"k\">\n<series field=\"h\"/>\n</chart>\n</band>\n" +
               end
        << 6 << u"dátový pohľad „X“ neexistuje"_s;
    QTest::newRow("malformed XML")
        << band + "<band name=\"B\" kind=\"data\" dataView=\"V\">\n</region>\n"
        << 6 << u"Opening and ending tag mismatch"_s;
}

void tst_projectfile::faultsNameTheLine() {
    QFETCH(QString, body);
    QFETCH(int, line);
    QFETCH(QString, message);
    QByteArray text = "<?xml version=\"1.0\"?>\n<reportProject version=\"1\">\n"
                      "<dataView name=\"V\" connection=\"C\"/>\n";
    text += body.toUtf8();
    text += "</reportProject>\n";
    QBuffer input(&text);
    input.open(QIODevice::ReadOnly);
    try {
        ProjectReader::read(input, u"/some/folder/test.rav"_s);
        QFAIL("the file was read");
    } catch (const ReportError& error) {
        const QString prefix = u"test.rav, riadok %1: "_s.arg(line);
        QVERIFY2(error.message().startsWith(prefix) && error.message().contains(message),
                 qPrintable(error.message()));
    }
}

void tst_projectfile::missingOrSpecialFileNamesIt_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QString() << u"neexistuje"_s;
    // Opening a pipe would wait for a writer for ever.
    QTest::newRow("pipe") << u"fifo"_s << u"nie je obyčajný súbor"_s;
    QTest::newRow("folder") << u"folder"_s << u"nie je obyčajný súbor"_s;
}

void tst_projectfile::missingOrSpecialFileNamesIt() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString name = u"/nonexistent/Tabulky.rav"_s;
    if (!kind.isEmpty()) {
        name = dir.filePath(u"Tabulky.rav"_s);
        if (kind == u"fifo"_s)
            QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkdir(name));
    }
    try {
        ProjectReader::readFile(name);
        QFAIL("a missing file was read");
    } catch (const ReportError& error) {
        QVERIFY2(error.message().contains(name) && error.message().contains(message),
                 qPrintable(error.message()));
    }
}

QTEST_MAIN(tst_projectfile)
#include "tst_projectfile.moc"
