#include "EngineFixtures.h"
#include "engine/DialogReportFrontEnd.h"
#include "engine/PagePrinter.h"
#include "engine/ReportPreviewDialog.h"
#include "engine/model/FixedWidthMeasurer.h"
#include "engine/model/PageModel.h"
#include "engine/model/ReportConnections.h"
#include "engine/model/ReportError.h"
#include "engine/model/ReportProject.h"
#include "engine/model/ReportSystem.h"
#include "widgets/ScriptedDialogService.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

/// A report run as the user has it: the setup dialog, then the preview or a file.
class tst_engineui final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void setupOffersPreviewFirstAndBothFileFormats();
    void cancelledSetupOutputsNothing();
    void fileDestinationAsksForTheFile_data();
    void fileDestinationAsksForTheFile();
    void previewShowsThePagesAndNavigates_data();
    void previewShowsThePagesAndNavigates();
    void previewSavesAsTheFileDestinationDoes();
    void printingWithoutAPrinterSaysSo();

private:
    QTemporaryDir m_dir;
    ReportSystem m_system;
    DialogReportFrontEnd m_frontEnd;
    ReportConnections m_connections;
    std::unique_ptr<MemoryDataSet> m_items;
    std::unique_ptr<ScriptedDialogService> m_dialogs;
    std::unique_ptr<ReportProject> m_project;
};

void tst_engineui::init() {
    m_dialogs = std::make_unique<ScriptedDialogService>();
    m_system.setFrontEnd(&m_frontEnd);
    m_system.setMeasurer(std::make_shared<FixedWidthMeasurer>());
    m_items = EngineFixtures::items(false);
    m_connections.publish(u"DataSetPolozky"_s, m_items.get());
    m_project = std::make_unique<ReportProject>(m_system, m_connections,
                                                EngineFixtures::path(u"fixtures/small.rav"_s));
}

void tst_engineui::cleanup() {
    QCOMPARE(m_dialogs->unusedAnswers(), 0);
    m_dialogs.reset();
}

void tst_engineui::setupOffersPreviewFirstAndBothFileFormats() {
    m_dialogs->answerModal(QDialog::Rejected, [](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), u"Nastavenia"_s);
        QVERIFY(dialog.findChild<QRadioButton*>(u"RadioButtonPreview"_s)->isChecked());
        const auto* formats = dialog.findChild<QComboBox*>(u"ComboBoxFormat"_s);
        QCOMPARE(formats->itemText(0), u"Adobe Acrobat (PDF) (*.pdf)"_s);
        QCOMPARE(formats->itemText(1), u"Rich Text Format (RTF) (*.rtf)"_s);
    });
    m_project->executeReport(u"Zoznam"_s);
    QCOMPARE(m_dialogs->interactions().size(), 1);
    QCOMPARE(m_dialogs->interactions().front().objectName, u"ReportSetupDialog"_s);
}

void tst_engineui::cancelledSetupOutputsNothing() {
    m_dialogs->answerModal(QDialog::Rejected);
    m_project->executeReport(u"Zoznam"_s);
    QCOMPARE(m_dialogs->interactions().size(), 1);
    QCOMPARE(m_items->openings(), 0);
}

void tst_engineui::fileDestinationAsksForTheFile_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::newRow("PDF") << 0 << false << ""
                         << "zoznam.pdf";
    QTest::newRow("RTF") << 1 << false << ""
                         << "zoznam.rtf";
    QTest::newRow("existing file replaced") << 0 << true << "yes"
                                            << "zoznam.pdf";
    QTest::newRow("existing file kept, another named") << 0 << true << "no"
                                                       << "iny.pdf";
    QTest::newRow("save dialog cancelled") << 0 << false << "cancel"
                                           << "";
}

void tst_engineui::fileDestinationAsksForTheFile() {
    QFETCH(int, format);
    QFETCH(bool, existing);
    QFETCH(QString, answer);
    QFETCH(QString, written);
    const QString suffix = format == 0 ? u"pdf"_s : u"rtf"_s;
    const QString named = m_dir.filePath(u"zoznam."_s + suffix);
    const QByteArray before("predošlá zostava");
    if (existing) {
        QFile file(named);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    m_dialogs->answerModal(QDialog::Accepted, [format](QDialog& dialog) {
        dialog.findChild<QRadioButton*>(u"RadioButtonFile"_s)->setChecked(true);
        dialog.findChild<QComboBox*>(u"ComboBoxFormat"_s)->setCurrentIndex(format);
    });
    m_dialogs->answerFile(answer == u"cancel"_s ? QString() : named);
    if (existing)
        m_dialogs->answerButton(answer == u"yes"_s ? DialogService::Yes : DialogService::No);
    if (answer == u"no"_s)
        m_dialogs->answerFile(m_dir.filePath(u"iny.pdf"_s));

    m_project->executeReport(u"Zoznam"_s);

    // The save dialog offers the report's title in the documents folder (the home folder of
    // a user without one).
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    const auto& shown = m_dialogs->interactions();
    QCOMPARE(shown[1].kind, ScriptedDialogService::Kind::SaveFile);
    QCOMPARE(shown[1].objectName, u"ReportFileDialog"_s);
    QCOMPARE(shown[1].text, QDir(folder).filePath(u"Zoznam položiek."_s + suffix));
    if (written.isEmpty()) {
        QCOMPARE(shown.size(), 2);
        QCOMPARE(m_items->openings(), 0);
        return;
    }
    const QString file = m_dir.filePath(written);
    QFile output(file);
    QVERIFY(output.open(QIODevice::ReadOnly));
    QVERIFY(output.readAll().startsWith(format == 0 ? "%PDF" : "{\\rtf1"));
    QFile earlier(named);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll() == before, answer == u"no"_s);
    QCOMPARE(shown.last().kind, ScriptedDialogService::Kind::Message);
    QCOMPARE(shown.last().icon, DialogService::Icon::Information);
    QVERIFY2(shown.last().text.endsWith(QDir::toNativeSeparators(file)),
             qPrintable(shown.last().text));
    QVERIFY(shown.last().text.contains(u"Zoznam položiek"_s));
}

void tst_engineui::previewShowsThePagesAndNavigates_data() {
    QTest::addColumn<bool>("maximized");
    QTest::newRow("normal window") << false;
    QTest::newRow("maximised by the report system") << true;
}

void tst_engineui::previewShowsThePagesAndNavigates() {
    QFETCH(bool, maximized);
    m_system.setPreviewMaximized(maximized);
    m_dialogs->answerModal(QDialog::Accepted);
    m_dialogs->answerModal(QDialog::Accepted, [maximized](QDialog& dialog) {
        auto& preview = static_cast<ReportPreviewDialog&>(dialog);
        QCOMPARE(preview.windowTitle(), u"Náhľad tlače"_s);
        QCOMPARE(preview.isMaximized() || preview.windowState().testFlag(Qt::WindowMaximized),
                 maximized);
        QCOMPARE(preview.currentPage(), 1);
        auto* next = preview.findChild<QAction*>(u"ActionNextPage"_s);
        next->trigger();
        QCOMPARE(preview.currentPage(), 2);
        QVERIFY(!next->isEnabled());
        QCOMPARE(preview.findChild<QSpinBox*>(u"SpinBoxPage"_s)->value(), 2);
        preview.findChild<QAction*>(u"ActionZoomIn"_s)->trigger();
        QCOMPARE(preview.zoom(), 1.25);
    });
    m_project->executeReport(u"Zoznam"_s);
    QCOMPARE(m_dialogs->interactions().size(), 2);
    QCOMPARE(m_dialogs->interactions().at(1).objectName, u"ReportPreviewDialog"_s);
}

// "Uložiť…" of the preview offers what the setup dialog's file destination offers: the
// documents folder, the report's title as the name, and a closing word where the file is.
void tst_engineui::previewSavesAsTheFileDestinationDoes() {
    const QString file = m_dir.filePath(u"z náhľadu.pdf"_s);
    m_dialogs->answerModal(QDialog::Accepted);
    m_dialogs->answerModal(QDialog::Accepted, [](QDialog& dialog) {
        dialog.findChild<QAction*>(u"ActionSave"_s)->trigger();
    });
    m_dialogs->answerFile(file);
    m_project->executeReport(u"Zoznam"_s);

    const auto& shown = m_dialogs->interactions();
    QCOMPARE(shown.size(), 4);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    QCOMPARE(shown[2].kind, ScriptedDialogService::Kind::SaveFile);
    QCOMPARE(shown[2].objectName, u"ReportFileDialog"_s);
    QCOMPARE(shown[2].title, u"Uložiť zostavu do súboru"_s);
    QCOMPARE(shown[2].text, QDir(folder).filePath(u"Zoznam položiek.pdf"_s));
    QCOMPARE(shown[3].icon, DialogService::Icon::Information);
    QVERIFY2(shown[3].text.contains(u"Zoznam položiek"_s) &&
                 shown[3].text.endsWith(QDir::toNativeSeparators(file)),
             qPrintable(shown[3].text));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().startsWith("%PDF"));
}

// A computer without a printer leaves the print dialog's printer without a name; the user is
// told that, not that a printer of no name cannot be used.
void tst_engineui::printingWithoutAPrinterSaysSo() {
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.printerName().isEmpty())
        QSKIP("this computer has a printer");
    PageModel pages;
    pages.pages().push_back(ReportPage{QSizeF(595, 842), {}});
    try {
        PagePrinter::print(pages, printer);
        QFAIL("printed without a printer");
    } catch (const ReportError& error) {
        QVERIFY2(error.message().startsWith(u"V počítači nie je nastavená žiadna tlačiareň"_s),
                 qPrintable(error.message()));
    }
}

QTEST_MAIN(tst_engineui)
#include "tst_engineui.moc"
