#include "common/TinyFilesystem.h"
#include "views/spreadsheet/RecordingSpreadsheetApplication.h"
#include "views/spreadsheet/SpreadsheetError.h"
#include "views/spreadsheet/SpreadsheetSheetName.h"
#include "views/spreadsheet/XlsxSpreadsheetApplication.h"
#include "widgets/ScriptedDialogService.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray unzipped(const QString& archive, const QString& member) {
    QProcess unzip;
    unzip.start("unzip", {"-p", archive, member});
    if (!unzip.waitForFinished(10000) || unzip.exitCode() != 0)
        return {};
    return unzip.readAllStandardOutput();
}

/// The number formats of an .xlsx file's cell styles, by style index; a built-in format by its
/// code (libxlsxwriter writes "0" and "0.00" as built-in formats 1 and 2).
QList<QString> styleFormatsOf(const QString& file) {
    const QMap<int, QString> builtIn{{0, ""}, {1, "0"}, {2, "0.00"}, {3, "#,##0"}, {4, "#,##0.00"}};
    QMap<int, QString> custom;
    QList<QString> formats;
    QXmlStreamReader styles(unzipped(file, "xl/styles.xml"));
    bool inCellStyles = false;
    while (!styles.atEnd()) {
        styles.readNext();
        if (styles.isStartElement() && styles.name() == u"numFmt")
            custom.insert(styles.attributes().value("numFmtId").toInt(),
                          styles.attributes().value("formatCode").toString());
        else if (styles.name() == u"cellXfs")
            inCellStyles = styles.isStartElement();
        else if (inCellStyles && styles.isStartElement() && styles.name() == u"xf") {
            const int id = styles.attributes().value("numFmtId").toInt();
            formats << (custom.contains(id) ? custom.value(id) : builtIn.value(id, "?"));
        }
    }
    return formats;
}

/// The cells of the first sheet of an .xlsx file by their references ("B2"): a text as it
/// stands, a number as "= value [number format]".
QMap<QString, QString> cellsOf(const QString& file) {
    QStringList shared;
    QXmlStreamReader strings(unzipped(file, "xl/sharedStrings.xml"));
    while (strings.readNextStartElement() || !strings.atEnd()) {
        if (strings.isStartElement() && strings.name() == u"t")
            shared << strings.readElementText();
        else
            strings.readNext();
    }
    const QList<QString> formats = styleFormatsOf(file);
    QMap<QString, QString> cells;
    QXmlStreamReader sheet(unzipped(file, "xl/worksheets/sheet1.xml"));
    QString reference;
    bool isText = false;
    int style = 0;
    while (!sheet.atEnd()) {
        sheet.readNext();
        // A text is kept once for the workbook, or, written row by row, in its cell.
        if (sheet.isStartElement() && sheet.name() == u"c") {
            reference = sheet.attributes().value("r").toString();
            isText = sheet.attributes().value("t") == u"s";
            style = sheet.attributes().value("s").toInt();
        } else if (sheet.isStartElement() && sheet.name() == u"v") {
            const QString value = sheet.readElementText();
            cells.insert(reference, isText ? shared.value(value.toInt())
                                           : QString("= %1 [%2]").arg(value, formats.value(style)));
        } else if (sheet.isStartElement() && sheet.name() == u"t") {
            cells.insert(reference, sheet.readElementText());
        }
    }
    return cells;
}

/// The widths the first sheet of an .xlsx file gives its columns, by column number.
QMap<int, double> columnWidthsOf(const QString& file) {
    QMap<int, double> widths;
    QXmlStreamReader sheet(unzipped(file, "xl/worksheets/sheet1.xml"));
    while (!sheet.atEnd()) {
        sheet.readNext();
        if (sheet.isStartElement() && sheet.name() == u"col")
            widths.insert(sheet.attributes().value("min").toInt(),
                          sheet.attributes().value("width").toDouble());
    }
    return widths;
}

QString sheetNameOf(const QString& file) {
    QXmlStreamReader workbook(unzipped(file, "xl/workbook.xml"));
    while (!workbook.atEnd()) {
        workbook.readNext();
        if (workbook.isStartElement() && workbook.name() == u"sheet")
            return workbook.attributes().value("name").toString();
    }
    return {};
}

} // namespace

/// The two stand-ins for the spreadsheet program: the one that writes .xlsx files and opens
/// them on the desktop, and the one that records the calls for tests.
class TestSpreadsheetApplications final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sheetNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("ear number") << "SK000000000123" << true;
        QTest::newRow("31 characters") << QString(31, 'x') << true;
        QTest::newRow("32 characters") << QString(32, 'x') << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("diacritics and blanks") << "Dojnice – ročník 2024" << true;
        QTest::newRow("apostrophe inside") << "Dojnica's" << true;
        QTest::newRow("apostrophe first") << "'Dojnice" << false;
        QTest::newRow("apostrophe last") << "Dojnice'" << false;
        for (const char* character : {":", "\\", "/", "?", "*", "[", "]"})
            QTest::addRow("with %s", character) << QString("a%1b").arg(character) << false;
    }
    void sheetNames() {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        try {
            SpreadsheetSheetName::check(name);
            QVERIFY(accepted);
        } catch (const SpreadsheetError& error) {
            QVERIFY(!accepted);
            QVERIFY(QString::fromUtf8(error.what()).startsWith("Zadali ste neplatný názov hárka"));
        }
    }

    void recorderWritesTheCallsAndRefusesWhatTheProgramRefuses() {
        QStringList calls;
        RecordingSpreadsheetApplication excel(calls);
        excel.setVisible(true);
        excel.addWorkbook(SpreadsheetApplication::xlWBATWorksheet);
        excel.setWorksheetName(1, 1, "SK000000000123");
        excel.setCell(1, 1, 2, 3, SpreadsheetValue::text("Dojnica's"));
        excel.setCell(1, 1, 2, 4, SpreadsheetValue::number(7512.5, "##0.00"));
        excel.setCell(1, 1, 2, 5, SpreadsheetValue::number(3));
        excel.setCell(
            1, 1, 2, 6,
            SpreadsheetValue::moment(QDateTime({2019, 1, 28}, {7, 5}), "d. m. yyyy h:mm"));
        excel.release();
        QVERIFY_THROWS_EXCEPTION(SpreadsheetError, excel.setWorksheetName(1, 1, "a/b"));

        QCOMPARE(calls, (QStringList{"Visible := True", "Workbooks.Add(-4167)",
                                     "Workbooks(1).Worksheets(1).Name := 'SK000000000123'",
                                     "Workbooks(1).Worksheets(1).Cells(2, 3) := 'Dojnica''s'",
                                     "Workbooks(1).Worksheets(1).Cells(2, 4) := 7512.5 [##0.00]",
                                     "Workbooks(1).Worksheets(1).Cells(2, 5) := 3",
                                     "Workbooks(1).Worksheets(1).Cells(2, 6) := "
                                     "#2019-01-28 07:05:00# [d. m. yyyy h:mm]",
                                     "Release", "Workbooks(1).Worksheets(1).Name := 'a/b'"}));
    }

    void xlsxHoldsTheSheetAndTypedCells() {
        QTemporaryDir folder;
        QStringList opened;
        XlsxSpreadsheetApplication excel(folder.path(), [&](const QString& file) {
            opened << file;
            return true;
        });
        excel.setVisible(true);
        excel.addWorkbook(SpreadsheetApplication::xlWBATWorksheet);
        excel.setWorksheetName(1, 1, "SK000000000123");
        excel.setCell(1, 1, 1, 1, SpreadsheetValue::text("poradie"));
        excel.setCell(1, 1, 1, 2, SpreadsheetValue::text("mlieko_celk"));
        excel.setCell(1, 1, 1, 3, SpreadsheetValue::text("datumotelenia"));
        excel.setCell(1, 1, 2, 1, SpreadsheetValue::number(1, "0"));
        excel.setCell(1, 1, 2, 2, SpreadsheetValue::number(7512.5, "##0.00"));
        excel.setCell(1, 1, 2, 3,
                      SpreadsheetValue::moment(QDate(2019, 1, 28).startOfDay(), "d. m. yyyy"));
        excel.setCell(1, 1, 3, 1, SpreadsheetValue::number(-2.25));
        excel.setCell(1, 1, 3, 2, SpreadsheetValue::text(""));
        excel.setCell(1, 1, 3, 3, SpreadsheetValue::text("Žltá <&> \"2\""));
        excel.release();

        QCOMPARE(excel.savedFiles().size(), 1);
        const QString file = excel.savedFiles().first();
        QCOMPARE(opened, QStringList{file});
        QVERIFY(QFileInfo(file).fileName().startsWith("SK000000000123_"));
        QCOMPARE(sheetNameOf(file), "SK000000000123");
        // Dates count days from 30 December 1899.
        const QString day = QString::number(QDate(1899, 12, 30).daysTo(QDate(2019, 1, 28)));
        const QMap<QString, QString> expected{
            {"A1", "poradie"},    {"B1", "mlieko_celk"},       {"C1", "datumotelenia"},
            {"A2", "= 1 [0]"},    {"B2", "= 7512.5 [##0.00]"}, {"C2", "= " + day + " [d. m. yyyy]"},
            {"A3", "= -2.25 []"}, {"C3", "Žltá <&> \"2\""}};
        QCOMPARE(cellsOf(file), expected);
        // The date's column is wide enough for "28. 1. 2019"; the others keep the default.
        const QMap<int, double> widths = columnWidthsOf(file);
        QCOMPARE(widths.keys(), QList<int>{3});
        QVERIFY(widths.value(3) >= 12);
    }

    void xlsxNeverReplacesAFile() {
        QTemporaryDir folder;
        QStringList files;
        for (int i = 0; i < 2; ++i) {
            XlsxSpreadsheetApplication excel(folder.path(), [](const QString&) { return true; });
            excel.addWorkbook(SpreadsheetApplication::xlWBATWorksheet);
            excel.setWorksheetName(1, 1, "Mlieko (1. laktácia)");
            excel.release();
            files += excel.savedFiles();
        }
        QCOMPARE(files.size(), 2);
        QVERIFY(files[0] != files[1]);
        QVERIFY(QFile::exists(files[0]) && QFile::exists(files[1]));
    }

    void xlsxNotOpenedTellsWhereItIs() {
        QTemporaryDir folder;
        ScriptedDialogService dialogs;
        XlsxSpreadsheetApplication excel(folder.path(), [](const QString&) { return false; });
        excel.setVisible(true);
        excel.addWorkbook(SpreadsheetApplication::xlWBATWorksheet);
        excel.release();

        QCOMPARE(dialogs.interactions().size(), 1);
        const auto& shown = dialogs.interactions().first();
        QCOMPARE(shown.icon, DialogService::Icon::Information);
        QVERIFY(shown.text.endsWith(QDir::toNativeSeparators(excel.savedFiles().first())));
        QCOMPARE(sheetNameOf(excel.savedFiles().first()), "Hárok1");
    }

    void xlsxOnAFullDiskLeavesNoFile_data() {
        QTest::addColumn<qint64>("free");
        QTest::newRow("nothing free") << qint64(0);
        QTest::newRow("part of the workbook fits") << qint64(12'000);
    }
    void xlsxOnAFullDiskLeavesNoFile() {
        QFETCH(qint64, free);
        TinyFilesystem disk(512 * 1024);
        if (!disk.isValid())
            QSKIP(qPrintable(disk.problem()));
        XlsxSpreadsheetApplication excel(disk.path(), [](const QString&) { return true; });
        excel.addWorkbook(SpreadsheetApplication::xlWBATWorksheet);
        for (int row = 1; row <= 2000; ++row)
            excel.setCell(1, 1, row, 1,
                          SpreadsheetValue::text(u"SK%1 krava s dlhým menom"_s.arg(row)));
        disk.leaveFree(free);
        QString message;
        try {
            excel.release();
        } catch (const SpreadsheetError& error) {
            message = QString::fromUtf8(error.what());
        }
        QVERIFY2(message.contains(u"sa nedá"), qPrintable(message));
        QVERIFY(excel.savedFiles().isEmpty());
        // Only the file that filled the disk is there: no workbook, whole or cut off.
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void xlsxRefusesWhatTheProgramRefuses() {
        QTemporaryDir folder;
        XlsxSpreadsheetApplication excel(folder.path(), [](const QString&) { return true; });
        const SpreadsheetValue x = SpreadsheetValue::text("x");
        QVERIFY_THROWS_EXCEPTION(SpreadsheetError, excel.setCell(1, 1, 1, 1, x));
        excel.addWorkbook(SpreadsheetApplication::xlWBATWorksheet);
        QVERIFY_THROWS_EXCEPTION(SpreadsheetError, excel.setWorksheetName(1, 1, "[1]"));
        QVERIFY_THROWS_EXCEPTION(SpreadsheetError, excel.setCell(1, 2, 1, 1, x));
        QVERIFY_THROWS_EXCEPTION(SpreadsheetError, excel.setCell(1, 1, 0, 1, x));
    }
};

QTEST_MAIN(TestSpreadsheetApplications)
#include "tst_SpreadsheetApplications.moc"
