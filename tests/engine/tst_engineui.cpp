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
    m_connections.publish(QStringLiteral("DataSetPolozky"), m_items.get());
    m_project = std::make_unique<ReportProject>(
        m_system, m_connections, EngineFixtures::path(QStringLiteral("fixtures/small.rav")));
}

void tst_engineui::cleanup() {
    QCOMPARE(m_dialogs->unusedAnswers(), 0);
    m_dialogs.reset();
}

void tst_engineui::setupOffersPreviewFirstAndBothFileFormats() {
    m_dialogs->answerModal(QDialog::Rejected, [](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Nastavenia"));
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("RadioButtonPreview"))->isChecked());
        const auto* formats = dialog.findChild<QComboBox*>(QStringLiteral("ComboBoxFormat"));
        QCOMPARE(formats->itemText(0), QStringLiteral("Adobe Acrobat (PDF) (*.pdf)"));
        QCOMPARE(formats->itemText(1), QStringLiteral("Rich Text Format (RTF) (*.rtf)"));
    });
    m_project->executeReport(QStringLiteral("Zoznam"));
    QCOMPARE(m_dialogs->interactions().size(), 1);
    QCOMPARE(m_dialogs->interactions().front().objectName, QStringLiteral("ReportSetupDialog"));
}

void tst_engineui::cancelledSetupOutputsNothing() {
    m_dialogs->answerModal(QDialog::Rejected);
    m_project->executeReport(QStringLiteral("Zoznam"));
    QCOMPARE(m_dialogs->interactions().size(), 1);
    QCOMPARE(m_items->openings(), 0);
}

void tst_engineui::fileDestinationWritesTheChosenFormat() {
    const QString name = m_dir.filePath(QStringLiteral("zoznam.pdf"));
    m_dialogs->answerModal(QDialog::Accepted, [&name](QDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("RadioButtonFile"))->setChecked(true);
        dialog.findChild<QLineEdit*>(QStringLiteral("EditFileName"))->setText(name);
        // Switching the format follows with the file's extension.
        dialog.findChild<QComboBox*>(QStringLiteral("ComboBoxFormat"))->setCurrentIndex(1);
    });
    m_project->executeReport(QStringLiteral("Zoznam"));
    QFile file(m_dir.filePath(QStringLiteral("zoznam.rtf")));
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
        QCOMPARE(preview.windowTitle(), QStringLiteral("Náhľad tlače"));
        QCOMPARE(preview.isMaximized() || preview.windowState().testFlag(Qt::WindowMaximized),
                 maximized);
        QCOMPARE(preview.currentPage(), 1);
        auto* next = preview.findChild<QAction*>(QStringLiteral("ActionNextPage"));
        next->trigger();
        QCOMPARE(preview.currentPage(), 2);
        QVERIFY(!next->isEnabled());
        QCOMPARE(preview.findChild<QSpinBox*>(QStringLiteral("SpinBoxPage"))->value(), 2);
        preview.findChild<QAction*>(QStringLiteral("ActionZoomIn"))->trigger();
        QCOMPARE(preview.zoom(), 1.25);
    });
    m_project->executeReport(QStringLiteral("Zoznam"));
    QCOMPARE(m_dialogs->interactions().size(), 2);
    QCOMPARE(m_dialogs->interactions().at(1).objectName, QStringLiteral("ReportPreviewDialog"));
}

QTEST_MAIN(tst_engineui)
#include "tst_engineui.moc"
