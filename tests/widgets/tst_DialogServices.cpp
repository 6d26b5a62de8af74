#include "widgets/QtDialogService.h"
#include "widgets/ScriptedDialogService.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(DialogService::Icon)
Q_DECLARE_METATYPE(DialogService::Button)
Q_DECLARE_METATYPE(DialogService::Buttons)

namespace {

// Acts on the modal dialog the code under test is about to run, once its event loop turns.
template <typename Dialog> void whenShown(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
    });
}

} // namespace

class TestDialogServices final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scriptedServiceAnswersInOrderAndRecords() {
        ScriptedDialogService dialogs;
        dialogs.answerButton(DialogService::No);
        dialogs.answerInput(u"SK000123456789"_s);
        dialogs.answerFile(u"/tmp/zaloha.sql"_s);
        dialogs.answerModal(QDialog::Accepted, [](QDialog& form) {
            form.findChild<QLineEdit*>(u"EditHodnota"_s)->setText("400");
        });
        QDialog form;
        form.setObjectName(u"FormHraniceOdDo"_s);
        form.setWindowTitle(u"Hranice"_s);
        auto* edit = new QLineEdit(&form);
        edit->setObjectName(u"EditHodnota"_s);
        DialogService& service = DialogService::instance();

        service.error(u"Chyba: spojenie zlyhalo"_s);
        QVERIFY(!service.confirm(u"Ukončiť Tarvelin?"_s));
        QCOMPARE(service.inputText("Hľadaj", "Ušné číslo:", {}), "SK000123456789");
        QCOMPARE(service.saveFileName({.objectName = "SaveDialogExport", .fileName = "*.sql"}),
                 "/tmp/zaloha.sql");
        QCOMPARE(service.showModal(form), int(QDialog::Accepted));

        QCOMPARE(edit->text(), "400");
        QCOMPARE(dialogs.unusedAnswers(), 0);
        using Kind = ScriptedDialogService::Kind;
        const auto& shown = dialogs.interactions();
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown[0].kind, Kind::Message);
        QCOMPARE(shown[0].icon, DialogService::Icon::Error);
        QCOMPARE(shown[0].text, "Chyba: spojenie zlyhalo");
        QCOMPARE(shown[1].icon, DialogService::Icon::Question);
        QCOMPARE(shown[1].buttons, DialogService::Yes | DialogService::No);
        QCOMPARE(shown[1].text, "Ukončiť Tarvelin?");
        QCOMPARE(shown[2].kind, Kind::Input);
        QCOMPARE(shown[2].title, "Hľadaj");
        QCOMPARE(shown[2].text, "Ušné číslo:");
        QCOMPARE(shown[3].kind, Kind::SaveFile);
        QCOMPARE(shown[3].objectName, "SaveDialogExport");
        QCOMPARE(shown[4].kind, Kind::Modal);
        QCOMPARE(shown[4].objectName, "FormHraniceOdDo");
        QCOMPARE(shown[4].title, "Hranice");
    }

    void scriptedFormDecidesItsOwnResult_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        QTest::newRow("filled in") << "400" << int(QDialog::Accepted);
        QTest::newRow("refused by the form's check") << "" << int(QDialog::Rejected);
    }

    void scriptedFormDecidesItsOwnResult() {
        QFETCH(QString, typed);
        QFETCH(int, result);
        QDialog form;
        auto* edit = new QLineEdit(&form);
        auto* ok = new QPushButton(u"OK"_s, &form);
        QObject::connect(ok, &QPushButton::clicked, &form, [&] {
            if (!edit->text().isEmpty())
                form.accept();
        });
        ScriptedDialogService dialogs;
        bool shownWhileAnswered = false;
        dialogs.answerModalWith([&](QDialog& shown) {
            shownWhileAnswered = shown.isVisible();
            edit->setText(typed);
            ok->click();
        });

        QCOMPARE(DialogService::instance().showModal(form), result);
        QVERIFY(shownWhileAnswered);
        QVERIFY(!form.isVisible());
    }

    void scriptedServicePutsBackThePreviousOne() {
        {
            ScriptedDialogService outer;
            {
                ScriptedDialogService inner;
                QCOMPARE(&DialogService::instance(), &inner);
            }
            QCOMPARE(&DialogService::instance(), &outer);
        }
        QVERIFY(dynamic_cast<QtDialogService*>(&DialogService::instance()));
    }

    void messageBoxOffersExactlyTheAskedButtons_data() {
        QTest::addColumn<DialogService::Icon>("icon");
        QTest::addColumn<DialogService::Buttons>("buttons");
        QTest::addColumn<QMessageBox::Icon>("boxIcon");
        QTest::addColumn<QStringList>("buttonTexts");
        QTest::addColumn<QString>("press");
        QTest::addColumn<DialogService::Button>("answer");
        using S = DialogService;
        QTest::newRow("error") << S::Icon::Error << S::Buttons(S::Ok) << QMessageBox::Critical
                               << QStringList{"OK"} << "OK" << S::Ok;
        QTest::newRow("question answered yes")
            << S::Icon::Question << (S::Yes | S::No) << QMessageBox::Question
            << QStringList{"Nie", u"Áno"_s} << u"Áno"_s << S::Yes;
        QTest::newRow("question escaped")
            << S::Icon::Question << (S::Yes | S::No) << QMessageBox::Question
            << QStringList{"Nie", u"Áno"_s} << "Escape" << S::No;
        QTest::newRow("warning escaped")
            << S::Icon::Warning << (S::Ok | S::Cancel) << QMessageBox::Warning
            << QStringList{"OK", u"Zrušiť"_s} << "Escape" << S::Cancel;
        QTest::newRow("information")
            << S::Icon::Information << S::Buttons(S::Ok) << QMessageBox::Information
            << QStringList{"OK"} << "OK" << S::Ok;
    }

    void messageBoxOffersExactlyTheAskedButtons() {
        QFETCH(DialogService::Icon, icon);
        QFETCH(DialogService::Buttons, buttons);
        QFETCH(QMessageBox::Icon, boxIcon);
        QFETCH(QStringList, buttonTexts);
        QFETCH(QString, press);
        QFETCH(DialogService::Button, answer);
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QStringList shownTexts;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            shownIcon = box.icon();
            QAbstractButton* toPress = nullptr;
            for (QAbstractButton* button : box.buttons()) {
                shownTexts << button->text();
                if (button->text() == press)
                    toPress = button;
            }
            if (toPress)
                toPress->click();
            else
                QTest::keyClick(&box, Qt::Key_Escape);
        });

        const DialogService::Button pressed = QtDialogService().message(icon, "Text", buttons);

        shownTexts.sort();
        buttonTexts.sort();
        QCOMPARE(shownIcon, boxIcon);
        QCOMPARE(shownTexts, buttonTexts);
        QCOMPARE(pressed, answer);
    }

    void saveDialogTakesAPatternAsFilterAndAddsTheSuffix() {
        QTemporaryDir folder;
        QStringList shownFilters;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            shownFilters = dialog.nameFilters();
            auto* name = dialog.findChild<QLineEdit*>(u"fileNameEdit"_s);
            name->setText("zaloha");
            QTest::keyClick(name, Qt::Key_Return);
        });

        const QString chosen = QtDialogService().saveFileName({.objectName = "SaveDialogExport",
                                                               .directory = folder.path(),
                                                               .fileName = "*.sql",
                                                               .filter = "Všetky súbory (*)",
                                                               .defaultSuffix = "sql"});

        QCOMPARE(shownFilters, (QStringList{"*.sql", "Všetky súbory (*)"}));
        QCOMPARE(chosen, folder.filePath("zaloha.sql"));
    }

    void inputBoxCancelledGivesNothing() {
        whenShown<QDialog>([](QDialog& dialog) { dialog.reject(); });
        QCOMPARE(QtDialogService().inputText("Hľadaj", "Ušné číslo:", "SK"), std::nullopt);
    }
};

QTEST_MAIN(TestDialogServices)
#include "tst_DialogServices.moc"
