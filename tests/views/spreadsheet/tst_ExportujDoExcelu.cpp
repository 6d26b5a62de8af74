#include "common/TestDatabase.h"
#include "data/Query.h"
#include "views/spreadsheet/ExportujDoExcelu.h"
#include "views/spreadsheet/RecordingSpreadsheetApplication.h"
#include "views/spreadsheet/SpreadsheetError.h"
#include "widgets/DBGrid.h"
#include "widgets/ScriptedDialogService.h"

#include <QtTest>
#include <memory>

namespace {

QStringList errors(const ScriptedDialogService& dialogs) {
    QStringList texts;
    for (const auto& shown : dialogs.interactions())
        if (shown.icon == DialogService::Icon::Error && shown.buttons == DialogService::Ok)
            texts << shown.text;
    return texts;
}

/// The call that writes a cell, as the recorder shows it: a text in apostrophes, a number or a
/// moment with its number format.
QString cell(int row, int column, const QString& written) {
    return QString("Workbooks(1).Worksheets(1).Cells(%1, %2) := ").arg(row).arg(column) + written;
}

QString text(const QString& value) {
    return RecordingSpreadsheetApplication::quoted(value);
}

} // namespace

/// The export of a dataset to the spreadsheet program, watched through the calls the program
/// receives.
class TestExportujDoExcelu final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        m_db = std::make_unique<TestDatabase>("exportujdoexcelu");
        m_db->exec("CREATE TABLE laktacie_test (poradie INT, usnecislo VARCHAR(14), "
                   "datumotelenia DATE, tuk_celk DOUBLE, vlozene DATETIME)");
        m_db->exec("INSERT INTO laktacie_test VALUES "
                   "(1, 'SK000000000123', '2022-09-14', 290.456, '2023-01-02 00:00:00'),"
                   "(2, NULL, NULL, 301.5, '2024-02-03 07:08:09')");
        m_connection = std::make_unique<Connection>(m_db->settings());
    }

    void init() {
        m_lactations = std::make_unique<Query>(m_connection.get());
        m_lactations->setSql(
            {"SELECT * FROM laktacie_test", "WHERE poradie <= :Poradie", "ORDER BY poradie"});
        m_lactations->setDeclaredFields(
            {FieldDef::smallInt("poradie").shown("0"), FieldDef::text("usnecislo", 14).asHidden(),
             FieldDef::date("datumotelenia"), FieldDef::floating("tuk_celk").shown("##0.00"),
             FieldDef::dateTime("vlozene")});
        m_calls.clear();
        m_previous = SpreadsheetApplication::install(
            [this] { return std::make_unique<RecordingSpreadsheetApplication>(m_calls); });
    }

    void cleanup() { SpreadsheetApplication::install(m_previous); }

    void numbersAndDatesKeepTheirKindAfterTheFieldNames() {
        ScriptedDialogService dialogs;
        DBGrid grid;
        grid.setDataset(m_lactations.get());
        m_lactations->setParameter("Poradie", 9);
        m_lactations->open();

        ExportujDoExcelu(*m_lactations, "SK000000000123");

        QCOMPARE(
            m_calls,
            (QStringList{"Visible := True", "Workbooks.Add(-4167)",
                         "Workbooks(1).Worksheets(1).Name := 'SK000000000123'",
                         cell(1, 1, text("poradie")), cell(1, 2, text("usnecislo")),
                         cell(1, 3, text("datumotelenia")), cell(1, 4, text("tuk_celk")),
                         cell(1, 5, text("vlozene")), cell(2, 1, "1 [0]"),
                         cell(2, 2, text("SK000000000123")),
                         cell(2, 3, "#2022-09-14# [d. m. yyyy]"), cell(2, 4, "290.456 [##0.00]"),
                         cell(2, 5, "#2023-01-02# [d. m. yyyy]"), cell(3, 1, "2 [0]"),
                         cell(3, 2, text("")), cell(3, 3, text("")), cell(3, 4, "301.5 [##0.00]"),
                         cell(3, 5, "#2024-02-03 07:08:09# [d. m. yyyy h:mm:ss]"), "Release"}));
        QVERIFY(dialogs.interactions().isEmpty());
        QCOMPARE(m_lactations->currentRow(), 1);
        QCOMPARE(grid.currentIndex().row(), 1);
    }

    void emptyDatasetGivesTheTitleRowOnly() {
        ScriptedDialogService dialogs;
        m_lactations->setParameter("Poradie", 0);
        m_lactations->open();

        ExportujDoExcelu(*m_lactations, "SK000000000123");

        QCOMPARE(m_calls.size(), 3 + 5 + 1);
        QCOMPARE(m_calls[7], cell(1, 5, text("vlozene")));
        QCOMPARE(m_calls.last(), "Release");
    }

    void failuresAreShownAndEndTheExport_data() {
        QTest::addColumn<QString>("sheetName");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("calls");
        enum { none, noObject, notInstalled };
        QTest::newRow("sheet name refused")
            << "SK/123" << int(none) << "Chyba: Zadali ste neplatný názov hárka" << 3;
        QTest::newRow("no automation object")
            << "SK000000000123" << int(noObject)
            << "Prepojenie na aplikáciu MS Excel nie je dostupné" << 0;
        QTest::newRow("program not installed")
            << "SK000000000123" << int(notInstalled) << "Chyba: Tabuľkový program chýba" << 0;
    }
    void failuresAreShownAndEndTheExport() {
        QFETCH(QString, sheetName);
        QFETCH(int, failure);
        QFETCH(QString, shown);
        QFETCH(int, calls);
        if (failure != 0)
            SpreadsheetApplication::install([failure]() -> std::unique_ptr<SpreadsheetApplication> {
                if (failure == 2)
                    throw SpreadsheetError("Tabuľkový program chýba");
                return nullptr;
            });
        ScriptedDialogService dialogs;
        m_lactations->setParameter("Poradie", 9);
        m_lactations->open();

        ExportujDoExcelu(*m_lactations, sheetName);

        QCOMPARE(errors(dialogs).size(), 1);
        QVERIFY2(errors(dialogs).first().startsWith(shown), qPrintable(errors(dialogs).first()));
        QCOMPARE(m_calls.size(), calls);
    }

    void closedDatasetIsNotExported() {
        ScriptedDialogService dialogs;
        ExportujDoExcelu(*m_lactations, "SK000000000123");
        QVERIFY(m_calls.isEmpty());
        QCOMPARE(errors(dialogs).size(), 1);
        QVERIFY(errors(dialogs).first().startsWith("Chyba: "));
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<Query> m_lactations;
    QStringList m_calls;
    SpreadsheetApplication::Factory m_previous;
};

QTEST_MAIN(TestExportujDoExcelu)
#include "tst_ExportujDoExcelu.moc"
