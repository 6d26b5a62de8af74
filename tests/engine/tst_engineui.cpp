#include "EngineFixtures.h"
#include "engine/DialogReportFrontEnd.h"
#include "engine/ReportPreviewDialog.h"
#include "engine/model/FixedWidthMeasurer.h"
#include "engine/model/ReportConnections.h"
#include "engine/model/ReportProject.h"
#include "engine/model/ReportSystem.h"
#include "widgets/ScriptedDialogService.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
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
    void fileDestinationWritesTheChosenFormat();
    void previewShowsThePagesAndNavigates_data();
    void previewShowsThePagesAndNavigates();

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

void tst_engineui::fileDestinationWritesTheChosenFormat() {
    const QString name = m_dir.filePath(u"zoznam.pdf"_s);
    m_dialogs->answerModal(QDialog::Accepted, [&name](QDialog& dialog) {
        dialog.findChild<QRadioButton*>(u"RadioButtonFile"_s)->setChecked(true);
        dialog.findChild<QLineEdit*>(u"EditFileName"_s)->setText(name);
        // Switching the format follows with the file's extension.
        dialog.findChild<QComboBox*>(u"ComboBoxFormat"_s)->setCurrentIndex(1);
    });
    m_project->executeReport(u"Zoznam"_s);
    QFile file(m_dir.filePath(u"zoznam.rtf"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("{\\rtf1"));
    QVERIFY(!QFile::exists(name));
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

QTEST_MAIN(tst_engineui)
#include "tst_engineui.moc"
