#include "reports/HraniceMlieka.h"
#include "reports/dialogy/DialogoveVstupyZostav.h"
#include "reports/dialogy/TFormHraniceOdDo.h"
#include "reports/dialogy/TFormParametreTab10.h"
#include "reports/dialogy/TFormParametreTab8.h"
#include "widgets/ScriptedDialogService.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

template <typename T> T* prvok(QDialog& dialog, const char* meno) {
    T* najdeny = dialog.findChild<T*>(QString::fromLatin1(meno));
    if (!najdeny)
        qFatal("no component %s", meno);
    return najdeny;
}

void stlac(QDialog& dialog, const char* tlacidlo) {
    prvok<QPushButton>(dialog, tlacidlo)->click();
}

} // namespace

/// The three parameter dialogs of the reports as the window shows them: what they propose, what
/// they keep from one use to the next, how they are cancelled and what they refuse while
/// staying open.
class TestDialogyZostav final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_sluzba = std::make_unique<ScriptedDialogService>();
        m_hranice = std::make_unique<TFormHraniceOdDo>();
        m_najlepsie = std::make_unique<TFormParametreTab8>();
        m_obdobie = std::make_unique<TFormParametreTab10>();
        m_vstupy = std::make_unique<DialogoveVstupyZostav>(*m_hranice, *m_najlepsie, *m_obdobie);
    }

    void cleanup() {
        QCOMPARE(m_sluzba->unusedAnswers(), 0);
        m_vstupy.reset();
        m_obdobie.reset();
        m_najlepsie.reset();
        m_hranice.reset();
        m_sluzba.reset();
    }

    // The bounds dialog's close box takes the bounds as its button does.
    void hranicePredvoleneAZapamatane_data() {
        QTest::addColumn<QString>("zavri");
        QTest::newRow("button") << "ButtonOK";
        QTest::newRow("close box") << QString();
    }
    void hranicePredvoleneAZapamatane() {
        QFETCH(QString, zavri);
        const auto zatvor = [zavri](QDialog& dialog) {
            if (zavri.isEmpty())
                dialog.close();
            else
                stlac(dialog, qPrintable(zavri));
        };
        m_sluzba->answerModalWith(zatvor);
        QCOMPARE(m_vstupy->hraniceMlieka(),
                 std::pair(HraniceMlieka::predvolenaDolna, HraniceMlieka::predvolenaHorna));
        m_sluzba->answerModalWith([&](QDialog& dialog) {
            prvok<QLineEdit>(dialog, "EditHraniceOd7AA")->setText(u"6 500,5"_s);
            prvok<QLineEdit>(dialog, "EditHraniceDo7AA")->setText(u"12000"_s);
            zatvor(dialog);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        });
        QCOMPARE(m_vstupy->hraniceMlieka(), std::pair(u"6 500,5"_s, u"12000"_s));
        // The next report finds the bounds typed last.
        m_sluzba->answerModalWith(zatvor);
        QCOMPARE(m_vstupy->hraniceMlieka(), std::pair(u"6 500,5"_s, u"12000"_s));
        QCOMPARE(m_sluzba->interactions().size(), 3);
    }

    // Zrušiť and Escape leave the dialog without bounds, so that no report runs; the bounds
    // typed stay for the next time.
    void hraniceZrusene_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Zrušiť") << false;
        QTest::newRow("Escape") << true;
    }
    void hraniceZrusene() {
        QFETCH(bool, escape);
        m_sluzba->answerModalWith([&](QDialog& dialog) {
            prvok<QLineEdit>(dialog, "EditHraniceOd7AA")->setText(u"8000"_s);
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                stlac(dialog, "ButtonZrusit");
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        });
        QCOMPARE(m_vstupy->hraniceMlieka(), std::nullopt);
        m_sluzba->answerModalWith([](QDialog& dialog) {
            QCOMPARE(prvok<QLineEdit>(dialog, "EditHraniceOd7AA")->text(), u"8000"_s);
            stlac(dialog, "ButtonOK");
        });
        QCOMPARE(m_vstupy->hraniceMlieka(), std::pair(u"8000"_s, HraniceMlieka::predvolenaHorna));
    }

    void hraniceNespravneOstanuOtvorene_data() {
        QTest::addColumn<QString>("od");
        QTest::addColumn<QString>("po");
        QTest::addColumn<QString>("sprava");
        QTest::newRow("no number") << "veľa"
                                   << "10000"
                                   << "Neplatná hranica mlieka veľa: čaká sa nezáporné číslo v kg.";
        QTest::newRow("emptied") << "7000"
                                 << ""
                                 << "Chýba hranica mlieka: zadajte nezáporné číslo v kg.";
        QTest::newRow("reversed") << "9000"
                                  << "8000"
                                  << "Dolná hranica mlieka je vyššia ako horná.";
    }
    void hraniceNespravneOstanuOtvorene() {
        QFETCH(QString, od);
        QFETCH(QString, po);
        QFETCH(QString, sprava);
        m_sluzba->answerModalWith([&](QDialog& dialog) {
            prvok<QLineEdit>(dialog, "EditHraniceOd7AA")->setText(od);
            prvok<QLineEdit>(dialog, "EditHraniceDo7AA")->setText(po);
            stlac(dialog, "ButtonOK");
            QVERIFY(dialog.isVisible());
            dialog.close();
            QVERIFY(dialog.isVisible());
            prvok<QLineEdit>(dialog, "EditHraniceOd7AA")->setText(u"7000"_s);
            prvok<QLineEdit>(dialog, "EditHraniceDo7AA")->setText(u"9000"_s);
            stlac(dialog, "ButtonOK");
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(m_vstupy->hraniceMlieka(), std::pair(u"7000"_s, u"9000"_s));
        const QList<ScriptedDialogService::Interaction>& boxy = m_sluzba->interactions();
        QCOMPARE(boxy.size(), 3);
        for (int i : {1, 2}) {
            QCOMPARE(boxy[i].icon, DialogService::Icon::Error);
            QCOMPARE(boxy[i].text, sprava);
        }
    }

    // The period dialog starts from the proposal each time and gives nothing when cancelled.
    void obdobie_data() {
        QTest::addColumn<QString>("tlacidlo");
        QTest::addColumn<QDate>("zaciatok");
        QTest::addColumn<bool>("dane");
        QTest::newRow("proposal confirmed") << "BitBtnTlac" << QDate() << true;
        QTest::newRow("changed") << "BitBtnTlac" << QDate(2026, 3, 1) << true;
        QTest::newRow("cancelled") << "BitBtnZrus" << QDate(2026, 3, 1) << false;
        QTest::newRow("close box") << QString() << QDate(2026, 3, 1) << false;
    }
    void obdobie() {
        QFETCH(QString, tlacidlo);
        QFETCH(QDate, zaciatok);
        QFETCH(bool, dane);
        const ObdobieKontrol navrh{QDate(2025, 12, 1), QDate(2026, 11, 30)};
        m_sluzba->answerModalWith([&](QDialog& dialog) {
            QCOMPARE(prvok<QDateEdit>(dialog, "DateTimePickerObdobieOd")->date(), navrh.zaciatok);
            QCOMPARE(prvok<QDateEdit>(dialog, "DateTimePickerObdobieDo")->date(), navrh.koniec);
            if (zaciatok.isValid())
                prvok<QDateEdit>(dialog, "DateTimePickerObdobieOd")->setDate(zaciatok);
            if (tlacidlo.isEmpty())
                dialog.reject();
            else
                stlac(dialog, qPrintable(tlacidlo));
        });
        const std::optional<ObdobieKontrol> obdobie = m_vstupy->obdobie(navrh);
        QCOMPARE(obdobie.has_value(), dane);
        if (dane)
            QCOMPARE(*obdobie, (ObdobieKontrol{zaciatok.isValid() ? zaciatok : navrh.zaciatok,
                                               navrh.koniec}));
        QCOMPARE(m_sluzba->interactions().size(), 1);
    }

    void obdobieOdzaduOstaneOtvorene() {
        m_sluzba->answerModalWith([&](QDialog& dialog) {
            prvok<QDateEdit>(dialog, "DateTimePickerObdobieOd")->setDate(QDate(2026, 7, 1));
            stlac(dialog, "BitBtnTlac");
            QVERIFY(dialog.isVisible());
            prvok<QDateEdit>(dialog, "DateTimePickerObdobieOd")->setDate(QDate(2026, 6, 1));
            stlac(dialog, "BitBtnTlac");
        });
        QCOMPARE(m_vstupy->obdobie({QDate(2026, 1, 1), QDate(2026, 6, 30)}),
                 std::optional(ObdobieKontrol{QDate(2026, 6, 1), QDate(2026, 6, 30)}));
        QCOMPARE(m_sluzba->interactions().size(), 2);
        QCOMPARE(m_sluzba->interactions()[1].text, u"Obdobie sa končí skôr, ako sa začína."_s);
    }

    // The best-cows dialog: the print button takes the size and measure, which stay for the next
    // use; a text of one's own in the list chooses no measure.
    void najlepsie() {
        m_sluzba->answerModalWith([](QDialog& dialog) { stlac(dialog, "BitBtnTlac"); });
        std::optional<VolbaNajlepsich> volba = m_vstupy->najlepsieKravy();
        QVERIFY(volba);
        QCOMPARE(volba->velkost, u"10"_s);
        QCOMPARE(volba->zoradenie, -1);

        m_sluzba->answerModalWith([](QDialog& dialog) {
            QCOMPARE(prvok<QComboBox>(dialog, "ComboBoxZoradenie")->currentText(),
                     u"Celoživotnej úžitkovosti"_s);
            prvok<QComboBox>(dialog, "ComboBoxZoradenie")->setCurrentIndex(6);
            prvok<QLineEdit>(dialog, "EditVelkostSkupiny")->setText(u"25"_s);
            stlac(dialog, "BitBtnTlac");
        });
        volba = m_vstupy->najlepsieKravy();
        QCOMPARE(volba->velkost, u"25"_s);
        QCOMPARE(volba->zoradenie, 6);

        m_sluzba->answerModalWith([](QDialog& dialog) {
            QCOMPARE(prvok<QComboBox>(dialog, "ComboBoxZoradenie")->currentText(),
                     u"Percenta tuku na max. laktácii"_s);
            QCOMPARE(prvok<QLineEdit>(dialog, "EditVelkostSkupiny")->text(), u"25"_s);
            prvok<QComboBox>(dialog, "ComboBoxZoradenie")->setEditText(u"podľa môjho"_s);
            stlac(dialog, "BitBtnTlac");
        });
        volba = m_vstupy->najlepsieKravy();
        QCOMPARE(volba->zoradenie, -1);

        m_sluzba->answerModalWith([](QDialog& dialog) { stlac(dialog, "BitBtnZrus"); });
        QVERIFY(!m_vstupy->najlepsieKravy());
        m_sluzba->answerModalWith([](QDialog& dialog) { dialog.reject(); });
        QVERIFY(!m_vstupy->najlepsieKravy());
        QCOMPARE(m_sluzba->interactions().size(), 5);
    }

    // The group size is checked on every change, a text that is no whole number at once and a
    // size over 1000 with a warning that lets it print; the print button takes only a positive
    // whole number and otherwise says why, the dialog open.
    void velkostSkupiny_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("priZmene");
        QTest::addColumn<bool>("tlaci");
        QTest::newRow("emptied") << ""
                                 << "Nesprávna hodnota veľkosti skupiny!" << false;
        QTest::newRow("a letter") << "2x"
                                  << "Nesprávna hodnota veľkosti skupiny!" << false;
        QTest::newRow("1500") << "1500"
                              << "Príliš veľká hodnota veľkosti skupiny!" << true;
        QTest::newRow("zero") << "0" << QString() << false;
        QTest::newRow("negative") << "-5" << QString() << false;
        QTest::newRow("1000") << "1000" << QString() << true;
    }
    void velkostSkupiny() {
        QFETCH(QString, text);
        QFETCH(QString, priZmene);
        QFETCH(bool, tlaci);
        m_sluzba->answerModalWith([&](QDialog& dialog) {
            prvok<QLineEdit>(dialog, "EditVelkostSkupiny")->setText(text);
            stlac(dialog, "BitBtnTlac");
            QCOMPARE(dialog.isVisible(), !tlaci);
            if (!tlaci)
                stlac(dialog, "BitBtnZrus");
        });
        const std::optional<VolbaNajlepsich> volba = m_vstupy->najlepsieKravy();
        QCOMPARE(volba.has_value(), tlaci);
        QStringList spravy;
        for (const ScriptedDialogService::Interaction& box : m_sluzba->interactions())
            if (box.kind == ScriptedDialogService::Kind::Message) {
                QCOMPARE(box.icon, DialogService::Icon::Error);
                spravy << box.text;
            }
        if (!priZmene.isEmpty())
            QCOMPARE(spravy.value(0), priZmene);
        if (!tlaci)
            QVERIFY2(spravy.last().endsWith(u"Veľkosť skupiny musí byť kladné celé číslo "
                                            u"(počet kusov kráv)."_s),
                     qPrintable(spravy.join(u" | "_s)));
        QCOMPARE(spravy.size(), (priZmene.isEmpty() ? 0 : 1) + (tlaci ? 0 : 1));
    }

private:
    std::unique_ptr<ScriptedDialogService> m_sluzba;
    std::unique_ptr<TFormHraniceOdDo> m_hranice;
    std::unique_ptr<TFormParametreTab8> m_najlepsie;
    std::unique_ptr<TFormParametreTab10> m_obdobie;
    std::unique_ptr<DialogoveVstupyZostav> m_vstupy;
};

QTEST_MAIN(TestDialogyZostav)
#include "tst_dialogyzostav.moc"
