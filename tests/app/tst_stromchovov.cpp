#include "app/StartupSequence.h"
#include "app/strom/StromChovov.h"
#include "app/TFormHlavny.h"
#include "common/TestDatabase.h"
#include "data/ConfigFile.h"
#include "data/TDataModuleHlavny.h"
#include "views/krava/TFrameKrava.h"
#include "views/zvierata/TFrameZvierata.h"
#include "widgets/ScriptedDialogService.h"
#include "widgets/StatusPanelBar.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSqlQuery>
#include <QTest>
#include <QTreeWidget>
#include <memory>

/// The herd tree on a demo enterprise: what it holds, what a selection shows and writes, and
/// the ear-number search.
class TestStromChovov final : public QObject {
    Q_OBJECT

private:
    QString scalar(const QString& sql) {
        QSqlQuery q = m_startup->instances().DataModuleHlavny->ADOConnectionTarvelin->execute(sql);
        return q.next() ? q.value(0).toString() : QString();
    }
    QTreeWidgetItem* node(const QString& text) {
        return StromChovov::NajdiUzol(m_okno->TreeViewZvierata, text);
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(QStringLiteral("stromchovov"));
        m_db->loadDemo(80, 5);
        QFile::remove(ConfigFile::path());
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Databaza/Socket"), m_db->settings().socket);
        ini.setValue(QStringLiteral("Databaza/Nazov"), m_db->settings().database);
        ini.sync();
        m_startup = std::make_unique<StartupSequence>();
        m_startup->splashHoldMs = 0;
        QVERIFY(m_startup->start());
        m_okno = m_startup->instances().FormHlavny;
        m_okno->show();
        m_podnik = m_okno->stavZostav.KodPodniku;
    }

    void treeHoldsTheEnterprise() {
        QTreeWidget* strom = m_okno->TreeViewZvierata;
        QCOMPARE(strom->topLevelItemCount(), 1);
        QTreeWidgetItem* koren = strom->topLevelItem(0);
        QCOMPARE(koren->text(0), QStringLiteral("Podnik: ") + m_podnik);
        QCOMPARE(koren->childCount(),
                 scalar(QStringLiteral("SELECT count(DISTINCT substring(chovatel, 7, 2)) FROM "
                                       "kravy_view"))
                     .toInt());
        QVERIFY(koren->child(0)->text(0).startsWith(QStringLiteral("Chov: ") + m_podnik));
        QCOMPARE(StromChovov::obrazokUzla(koren->child(0)->child(0)), int(StromChovov::Mastal));
        QCOMPARE(m_okno->StatusBarHlavny->panelText(0),
                 QStringLiteral("Počet zvierat: ") +
                     scalar(QStringLiteral("SELECT count(*) FROM kravy_view")));
        QVERIFY(m_okno->StatusBarStrom->isHidden());
    }

    void selectionNamesAndWritesTheCode_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("kind");
        QTest::newRow("enterprise") << 0 << "podnik";
        QTest::newRow("herd") << 1 << "chov";
        QTest::newRow("barn") << 2 << "maštaľ";
    }
    void selectionNamesAndWritesTheCode() {
        QFETCH(int, depth);
        QFETCH(QString, kind);
        QTreeWidgetItem* uzol = m_okno->TreeViewZvierata->topLevelItem(0);
        for (int i = 0; i < depth; ++i)
            uzol = uzol->child(0);
        m_okno->TreeViewZvierata->setCurrentItem(uzol);
        const QString kod = StromChovov::kodUzla(uzol);
        QCOMPARE(m_okno->stavZostav.KodVyberu, kod);
        QVERIFY(m_okno->LabelVyber->text().startsWith(QStringLiteral("Výber pre ") + kind +
                                                      QStringLiteral(": ") + kod + ' '));
        if (depth == 1)
            QVERIFY(m_okno->LabelVyber->text().endsWith(kod + ' '));
        QCOMPARE(scalar(QStringLiteral("SELECT chovatel FROM param")),
                 kod.leftJustified(9, QLatin1Char('0')));
        QVERIFY(m_okno->FrameZvierata->isVisible());
        QCOMPARE(
            m_okno->StatusBarHlavny->panelText(0),
            QStringLiteral("Počet zvierat: ") +
                scalar(QStringLiteral("SELECT count(*) FROM kravy_view WHERE chovatel LIKE '") +
                       kod + QStringLiteral("%'")));
    }

    void completion_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("completed");
        QTest::newRow("three digits") << "123"
                                      << "SK000000000123";
        QTest::newRow("empty") << ""
                               << "SK000000000000";
        QTest::newRow("thirteen characters") << "1234567890123"
                                             << "SK1234567890123";
        QTest::newRow("full number") << "SK208100011064"
                                     << "SK208100011064";
    }
    void completion() {
        QFETCH(QString, typed);
        QFETCH(QString, completed);
        QCOMPARE(StromChovov::doplnUsneCislo(typed), completed);
    }

    void searchSelectsTheCow() {
        const QString krava =
            scalar(QStringLiteral("SELECT usnecislo FROM kravy_view WHERE pohlavie <> 1 LIMIT 1"));
        m_okno->EditHladaj->setText(krava.toLower());
        m_okno->strom->BitBtnHladajClick();
        QCOMPARE(m_okno->TreeViewZvierata->currentItem()->text(0), krava);
        QCOMPARE(m_okno->LabelVyber->text(), QStringLiteral("Výber pre kravu: ") + krava);
        QVERIFY(m_okno->FrameKrava->isVisible());
        QVERIFY(m_okno->EditHladaj->text().isEmpty());
    }

    void searchWithoutMatchSaysSo() {
        ScriptedDialogService dialogs;
        m_okno->EditHladaj->setText(QStringLiteral("999"));
        m_okno->strom->BitBtnHladajClick();
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(dialogs.interactions()[0].text,
                 QStringLiteral("Nenašiel som zviera s ušným číslom SK000000000999"));
        QCOMPARE(m_okno->VybraneUsneCislo, QStringLiteral("SK000000000999"));
    }

    void typedDistrictCannotChangeTheStatement() {
        ScriptedDialogService dialogs;
        dialogs.answerInput(QStringLiteral("2' OR '1'='1"));
        m_okno->strom->MenuItemZmenitOkresClick();
        QCOMPARE(m_okno->TreeViewZvierata->topLevelItemCount(), 1);
        QCOMPARE(m_okno->TreeViewZvierata->topLevelItem(0)->childCount(), 0);
        QCOMPARE(dialogs.interactions().last().icon, DialogService::Icon::Error);
        QVERIFY(dialogs.interactions().last().text.startsWith(QStringLiteral("Chyba: ")));
        QCOMPARE(m_okno->StatusBarHlavny->panelText(0), QStringLiteral("Počet zvierat: 0"));
    }

    void enterpriseWithoutAnimals() {
        m_okno->strom->NaplnStrom(QStringLiteral("999999"));
        QCOMPARE(m_okno->TreeViewZvierata->topLevelItem(0)->text(0),
                 QStringLiteral("Podnik: 999999"));
        QCOMPARE(m_okno->TreeViewZvierata->topLevelItem(0)->childCount(), 0);
        QCOMPARE(m_okno->StatusBarHlavny->panelText(0), QStringLiteral("Počet zvierat: 0"));
    }

    void cleanupTestCase() {
        m_startup.reset();
        QFile::remove(ConfigFile::path());
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<StartupSequence> m_startup;
    TFormHlavny* m_okno = nullptr;
    QString m_podnik;
};

QTEST_MAIN(TestStromChovov)
#include "tst_stromchovov.moc"
