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
    QFile file(EngineFixtures::path(QStringLiteral("fixtures/unizostava.rav")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    QBuffer input;
    input.setData(original);
    input.open(QIODevice::ReadOnly);
    const auto project = ProjectReader::read(input, file.fileName());

    // The names the saved-report viewer finds its layout by.
    const PageDefinition* page = project->findPage(QStringLiteral("ReportUniZostava.Strana"));
    QVERIFY(page);
    QVERIFY(page->findRegion(QStringLiteral("RegionZostava")));
    QCOMPARE(page->findBand(QStringLiteral("BandHlavicka"))->kind(),
             BandDefinition::Kind::ColumnHeader);
    QCOMPARE(page->findBand(QStringLiteral("DataBandZostava"))->kind(), BandDefinition::Kind::Data);
    QCOMPARE(project->findDataView(QStringLiteral("DataViewQuery"))->connection(),
             QStringLiteral("RvDataSetUniZostava"));

    QCOMPARE(QString::fromUtf8(written(*project)), QString::fromUtf8(original));
}

void tst_projectfile::everyKindSurvivesARoundTrip() {
    const auto first =
        ProjectReader::readFile(EngineFixtures::path(QStringLiteral("fixtures/small.rav")));
    const QByteArray once = written(*first);
    QBuffer input;
    input.setData(once);
    input.open(QIODevice::ReadOnly);
    const auto second = ProjectReader::read(input, QStringLiteral("small.rav"));
    QCOMPARE(QString::fromUtf8(written(*second)), QString::fromUtf8(once));
    QCOMPARE(second->reports().size(), first->reports().size());
}

void tst_projectfile::faultsNameTheLine_data() {
    QTest::addColumn<QString>("body"); // lines 4 and on
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");

    const QString band =
        QStringLiteral("<report name=\"R\"><page name=\"P\"><region name=\"G\">\n");
    const QString end = QStringLiteral("</region></page></report>\n");
    QTest::newRow("unknown element")
        << band + "<bnad name=\"B\"/>\n" + end << 5 << QStringLiteral("neznámy prvok <bnad>");
    QTest::newRow("unknown attribute") << QStringLiteral("<report name=\"R\"\n color=\"red\"/>\n")
                                       << 5 << QStringLiteral("neznámy atribút „color“");
    QTest::newRow("bad number") << band +
                                       "<band name=\"B\" kind=\"pageHeader\" height=\"abc\"/>\n" +
                                       end
                                << 5 << QStringLiteral("„height“ má neplatnú hodnotu „abc“");
    QTest::newRow("missing name") << QStringLiteral("\n<report/>\n") << 5
                                  << QStringLiteral("chýba atribút „name“");
    QTest::newRow("name used twice")
        << band +
               "<band name=\"B\" kind=\"pageHeader\"/>\n<band name=\"B\" kind=\"pageFooter\"/>\n" +
               end
        << 6 << QStringLiteral("meno „B“ je v zostave už použité");
    QTest::newRow("undeclared parameter")
        << band +
               "<band name=\"B\" kind=\"pageHeader\">\n<text name=\"T\" "
               "text=\"{Chyba}\"/>\n</band>\n" +
               end
        << 6 << QStringLiteral("parameter „Chyba“ nie je deklarovaný");
    QTest::newRow("unknown data view")
        << band + "<band name=\"B\" kind=\"data\" dataView=\"X\"/>\n" + end << 5
        << QStringLiteral("dátový pohľad „X“ neexistuje");
    QTest::newRow("column header of two data bands")
        << band +
               "<band name=\"D1\" kind=\"data\" dataView=\"V\"/>\n<band name=\"D2\" kind=\"data\" "
               "dataView=\"V\"/>\n<band name=\"H\" kind=\"columnHeader\"/>\n" +
               end
        << 7 << QStringLiteral("pásmo „H“ nemá určené dátové pásmo");
    QTest::newRow("group total outside a group")
        << band +
               "<band name=\"D\" kind=\"data\" dataView=\"V\">\n<total name=\"S\" dataView=\"V\" "
               "field=\"f\" function=\"sum\" reset=\"group\"/>\n</band>\n" +
               end
        << 6 << QStringLiteral("skupinovom pásme");
    QTest::newRow("malformed XML")
        << band + "<band name=\"B\" kind=\"data\" dataView=\"V\">\n</region>\n"
        << 6 << QStringLiteral("Opening and ending tag mismatch");
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
        ProjectReader::read(input, QStringLiteral("/some/folder/test.rav"));
        QFAIL("the file was read");
    } catch (const ReportError& error) {
        const QString prefix = QStringLiteral("test.rav, riadok %1: ").arg(line);
        QVERIFY2(error.message().startsWith(prefix) && error.message().contains(message),
                 qPrintable(error.message()));
    }
}

void tst_projectfile::missingOrSpecialFileNamesIt_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QString() << QStringLiteral("neexistuje");
    // Opening a pipe would wait for a writer for ever.
    QTest::newRow("pipe") << QStringLiteral("fifo") << QStringLiteral("nie je obyčajný súbor");
    QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("nie je obyčajný súbor");
}

void tst_projectfile::missingOrSpecialFileNamesIt() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString name = QStringLiteral("/nonexistent/Tabulky.rav");
    if (!kind.isEmpty()) {
        name = dir.filePath(QStringLiteral("Tabulky.rav"));
        if (kind == QStringLiteral("fifo"))
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
