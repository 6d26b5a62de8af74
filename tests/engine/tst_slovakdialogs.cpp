#include "data/SlovakLocale.h"
#include "engine/PrinterDestination.h"
#include "engine/model/PageModel.h"
#include "engine/model/ReportSystem.h"
#include "widgets/DialogService.h"
#include "widgets/ScriptedDialogService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Every text a dialog can show, visible or on a page not in front, without access keys.
QStringList textsOf(const QWidget& dialog) {
    QStringList texts{dialog.windowTitle()};
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        texts << widget->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            texts << group->title();
        if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
    }
    for (QString& text : texts)
        text.remove(u'&');
    texts.removeAll(QString());
    return texts;
}

/// Runs open, which shows a dialog modally, and meanwhile hands the dialog that comes up over
/// the one open before (or over none) to look at, then closes it.
void whileModal(const std::function<void()>& open, const std::function<void(QDialog&)>& look) {
    QWidget* before = QApplication::activeModalWidget();
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (seen || !dialog || dialog == before)
            return;
        seen = true;
        look(*dialog);
        dialog->reject();
    });
    poll.start();
    open();
    QVERIFY(seen);
}

} // namespace

/// Qt's own dialogs speak Slovak where Qt's Slovak catalogue is silent: the program's
/// translation, installed after Qt's by every program, fills in what Qt 6 added.
class tst_slovakdialogs final : public QObject {
    Q_OBJECT

private:
    QStringList printDialog() {
        ScriptedDialogService dialogs;
        QStringList texts;
        dialogs.answerModal(QDialog::Rejected, [&](QDialog& dialog) { texts = textsOf(dialog); });
        PageModel pages;
        pages.pages().push_back(ReportPage{QSizeF(595, 842), {}});
        PrinterDestination(m_system, nullptr).deliver(pages);
        return texts;
    }

    QStringList printerProperties() {
        ScriptedDialogService dialogs;
        QStringList texts;
        dialogs.answerModal(QDialog::Rejected, [&](QDialog& dialog) {
            auto* properties = dialog.findChild<QAbstractButton*>(u"properties"_s);
            QVERIFY(properties);
            whileModal([&] { properties->click(); },
                       [&](QDialog& shown) { texts = textsOf(shown); });
        });
        PageModel pages;
        pages.pages().push_back(ReportPage{QSizeF(595, 842), {}});
        PrinterDestination(m_system, nullptr).deliver(pages);
        return texts;
    }

    QStringList fileDialog() {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir(u"kravy"_s);
        QFile three(QDir(folder.path()).filePath(u"tri.txt"_s));
        if (three.open(QIODevice::WriteOnly))
            three.write("abc");
        three.close();
        QStringList texts;
        whileModal(
            [&] {
                FileDialogRequest request;
                request.directory = folder.path();
                DialogService::instance().saveFileName(request);
            },
            [&](QDialog& dialog) {
                auto* view = dialog.findChild<QTreeView*>(u"treeView"_s);
                QVERIFY(view);
                QAbstractItemModel* list = view->model();
                // The folder first, then the file.
                QVERIFY(QTest::qWaitFor([&] { return list->rowCount(view->rootIndex()) == 2; }));
                for (int row = 0; row < 2; ++row)
                    for (int column = 0; column < list->columnCount(view->rootIndex()); ++column)
                        texts << list->index(row, column, view->rootIndex()).data().toString();
                // The folder's date as the program writes dates, whatever the system's language.
                const QDateTime changed =
                    QFileInfo(QDir(folder.path()).filePath(u"kravy"_s)).lastModified();
                texts << u"dátum "_s + QLocale().toString(changed, QLocale::ShortFormat);
            });
        return texts;
    }

    QStringList colourDialog() {
        QColorDialog dialog;
        return textsOf(dialog);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(SlovakLocale::install(*QCoreApplication::instance()));
        // Printing needs no printer here: every dialog is left with Zrušiť.
    }

    void dialogsSpeakSlovak_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("slovak");
        QTest::addColumn<QStringList>("english");
        QTest::newRow("print")
            << u"print"_s << QStringList{"Strany",
                                         "Tlačiť:",
                                         "Všetky strany",
                                         "Nepárne strany",
                                         "Párne strany",
                                         "Obojstranná tlač",
                                         "Vypnutá",
                                         "Väzba na dlhšej strane",
                                         "Väzba na kratšej strane"}
            << QStringList{
                   "Pages", "Page Set:",         "All Pages",         "Double Sided Printing",
                   "Off",   "Long side binding", "Short side binding"};
        QTest::newRow("page setup of the printer")
            << u"properties"_s
            << QStringList{"Vlastnosti tlačiarne", "Rozloženie strán",           "Strán na hárok:",
                           "Poradie strán:",       "Zľava doprava, zhora nadol", "Možnosti úlohy"}
            << QStringList{
                   "Printer Properties",           "Page Layout", "Pages per sheet:", "Page order:",
                   "Left to Right, Top to Bottom", "Job Options"};
        QTest::newRow("file") << u"file"_s << QStringList{"kravy", "Priečinok", "3 bajty"}
                              << QStringList{"Folder", "3 bytes"};
        QTest::newRow("colour") << u"colour"_s << QStringList{"Vybrať farbu z obrazovky"}
                                << QStringList{"Pick Screen Color"};
    }
    void dialogsSpeakSlovak() {
        QFETCH(QString, dialog);
        QFETCH(QStringList, slovak);
        QFETCH(QStringList, english);
        const QStringList texts = dialog == u"print"_s        ? printDialog()
                                  : dialog == u"properties"_s ? printerProperties()
                                  : dialog == u"file"_s       ? fileDialog()
                                                              : colourDialog();
        for (const QString& text : slovak)
            QVERIFY2(texts.contains(text), qPrintable(text + u" in "_s + texts.join(u" | "_s)));
        for (const QString& text : english)
            QVERIFY2(!texts.contains(text), qPrintable(text + u" in "_s + texts.join(u" | "_s)));
        if (dialog == u"file"_s) {
            // The date column is the fourth; the test's system speaks no language (C).
            QCOMPARE(u"dátum "_s + texts.value(3), texts.last());
        }
    }

private:
    ReportSystem m_system;
};

QTEST_MAIN(tst_slovakdialogs)
#include "tst_slovakdialogs.moc"
