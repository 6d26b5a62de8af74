#include "app/SpustenieProgramu.h"
#include "app/TFormHlavny.h"
#include "app/strom/StromChovov.h"
#include "common/TestDatabase.h"
#include "common/TestHelpers.h"
#include "data/ConfigFile.h"
#include "data/TDataModuleHlavny.h"
#include "views/krava/TFrameKrava.h"
#include "views/zvierata/TFrameZvierata.h"
#include "widgets/DBGrid.h"
#include "widgets/PageControl.h"
#include "widgets/ScriptedDialogService.h"
#include "widgets/StatusPanelBar.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// The herd tree on a demo enterprise: what it holds, what a selection shows and writes, and
/// the ear-number search.
class TestStromChovov final : public QObject {
    Q_OBJECT

private:
    QString scalar(const QString& sql) {
        QSqlQuery q =
            m_spustenie->instancie().DataModuleHlavny->ADOConnectionTarvelin->execute(sql);
        return q.next() ? q.value(0).toString() : QString();
    }
    QTreeWidgetItem* node(const QString& text) {
        return StromChovov::NajdiUzol(findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s),
                                      text);
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"stromchovov"_s);
        m_db->loadDemo(80, 5);
        QFile::remove(ConfigFile::path());
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        ini.setValue(u"Databaza/Socket"_s, m_db->settings().socket);
        ini.setValue(u"Databaza/Nazov"_s, m_db->settings().database);
        ini.sync();
        m_spustenie = std::make_unique<SpustenieProgramu>();
        m_spustenie->zdrzanieUvoduMs = 0;
        QVERIFY(m_spustenie->zacni());
        m_okno = m_spustenie->instancie().FormHlavny;
        m_okno->show();
        m_podnik = m_okno->stavZostav().KodPodniku;
    }

    void treeHoldsTheEnterprise() {
        QTreeWidget* strom = findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s);
        QCOMPARE(strom->topLevelItemCount(), 1);
        QTreeWidgetItem* koren = strom->topLevelItem(0);
        QCOMPARE(koren->text(0), u"Podnik: "_s + m_podnik);
        QCOMPARE(koren->childCount(),
                 scalar(u"SELECT count(DISTINCT substring(chovatel, 7, 2)) FROM "
                        u"kravy_view"_s)
                     .toInt());
        QVERIFY(koren->child(0)->text(0).startsWith(u"Chov: "_s + m_podnik));
        QCOMPARE(StromChovov::obrazokUzla(koren->child(0)->child(0)), int(StromChovov::Mastal));
        QCOMPARE(findComponent<StatusPanelBar>(m_okno, u"StatusBarHlavny"_s)->panelText(0),
                 u"Počet zvierat: "_s + scalar(u"SELECT count(*) FROM kravy_view"_s));
        QVERIFY(findComponent<StatusPanelBar>(m_okno, u"StatusBarStrom"_s)->isHidden());

        // Herds and their barns in the order of their codes.
        QStringList chovy;
        for (int c = 0; c < koren->childCount(); ++c) {
            chovy << koren->child(c)->text(0);
            QStringList mastale;
            for (int m = 0; m < koren->child(c)->childCount(); ++m)
                mastale << koren->child(c)->child(m)->text(0);
            QStringList zoradene = mastale;
            zoradene.sort();
            QCOMPARE(mastale, zoradene);
        }
        QStringList zoradene = chovy;
        zoradene.sort();
        QCOMPARE(chovy, zoradene);
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
        QTreeWidgetItem* uzol =
            findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s)->topLevelItem(0);
        for (int i = 0; i < depth; ++i)
            uzol = uzol->child(0);
        findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s)->setCurrentItem(uzol);
        const QString kod = StromChovov::kodUzla(uzol);
        QCOMPARE(m_okno->stavZostav().KodVyberu, kod);
        QVERIFY(findComponent<QLabel>(m_okno, u"LabelVyber"_s)
                    ->text()
                    .startsWith(u"Výber pre "_s + kind + u": "_s + kod + ' '));
        if (depth == 1)
            QVERIFY(findComponent<QLabel>(m_okno, u"LabelVyber"_s)->text().endsWith(kod + ' '));
        QCOMPARE(scalar(u"SELECT chovatel FROM param"_s), kod.leftJustified(9, QLatin1Char('0')));
        QVERIFY(findComponent<TFrameZvierata>(m_okno, u"FrameZvierata"_s)->isVisible());
        QCOMPARE(
            findComponent<StatusPanelBar>(m_okno, u"StatusBarHlavny"_s)->panelText(0),
            u"Počet zvierat: "_s +
                scalar(u"SELECT count(*) FROM kravy_view WHERE chovatel LIKE '"_s + kod + u"%'"_s));
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
            scalar(u"SELECT usnecislo FROM kravy_view WHERE pohlavie <> 1 LIMIT 1"_s);
        findComponent<QLineEdit>(m_okno, u"EditHladaj"_s)->setText(krava.toLower());
        findComponent<QPushButton>(m_okno, u"BitBtnHladaj"_s)->click();
        QCOMPARE(findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s)->currentItem()->text(0),
                 krava);
        QCOMPARE(findComponent<QLabel>(m_okno, u"LabelVyber"_s)->text(),
                 u"Výber pre kravu: "_s + krava);
        QVERIFY(findComponent<TFrameKrava>(m_okno, u"FrameKrava"_s)->isVisible());
        QVERIFY(findComponent<QLineEdit>(m_okno, u"EditHladaj"_s)->text().isEmpty());
    }

    void enterSearchesEmptiesTheBoxAndShowsTheNode() {
        // The last cow of the tree, below the fold while her barn is collapsed.
        QTreeWidget* strom = findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s);
        strom->setCurrentItem(strom->topLevelItem(0));
        QTreeWidgetItem* posledny = strom->topLevelItem(0);
        while (posledny->childCount() > 0)
            posledny = posledny->child(posledny->childCount() - 1);
        ScriptedDialogService dialogs;
        QLineEdit* hladaj = findComponent<QLineEdit>(m_okno, u"EditHladaj"_s);
        hladaj->setFocus();
        hladaj->clear();
        QTest::keyClicks(hladaj, posledny->text(0).mid(2));
        QTest::keyClick(hladaj, Qt::Key_Return);

        QCOMPARE(strom->currentItem(), posledny);
        QCOMPARE(hladaj->text(), QString());
        QVERIFY(strom->viewport()->rect().contains(strom->visualItemRect(posledny)));
    }

    void animalsOutsideTheTreeAreFoundInTheDatabase_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("header");
        QTest::newRow("sire") << u"SELECT z.usnecislo FROM byky b JOIN zvierata z ON z.zviera_id "
                                 u"= b.byk_id WHERE z.chovatel IS NULL LIMIT 1"_s
                              << u"FrameByk"_s << u"Výber pre býka: "_s;
        QTest::newRow("culled cow") << u"SELECT usnecislo FROM vyradene_kravy_view LIMIT 1"_s
                                    << u"FrameKrava"_s << u"Výber pre kravu: "_s;
    }
    void animalsOutsideTheTreeAreFoundInTheDatabase() {
        QFETCH(QString, sql);
        QFETCH(QString, frame);
        QFETCH(QString, header);
        const QString zviera = scalar(sql);
        QVERIFY(!zviera.isEmpty());
        QVERIFY(!node(zviera));
        ScriptedDialogService dialogs;
        QLineEdit* hladaj = findComponent<QLineEdit>(m_okno, u"EditHladaj"_s);
        hladaj->setText(zviera.mid(2));
        findComponent<QPushButton>(m_okno, u"BitBtnHladaj"_s)->click();

        QVERIFY(dialogs.interactions().isEmpty());
        QVERIFY(findComponent<QWidget>(m_okno, frame)->isVisible());
        QCOMPARE(findComponent<QLabel>(m_okno, u"LabelVyber"_s)->text(), header + zviera);
        QCOMPARE(m_okno->vybraneUsneCislo(), zviera);
        QCOMPARE(hladaj->text(), QString());
    }

    void culledCowOpensFromTheHerdFrame() {
        QTreeWidget* strom = findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s);
        strom->setCurrentItem(strom->topLevelItem(0));
        auto* stado = findComponent<TFrameZvierata>(m_okno, u"FrameZvierata"_s);
        stado->PageControlZvierata->setCurrentWidget(stado->TabSheetZvierata);
        stado->ToolButtonZobrazVyradeneKravy->trigger();
        DBGrid* mriezka = stado->DBGridZvierata;
        QVERIFY(mriezka->model()->rowCount() > 0);
        const QRect bunka = mriezka->visualRect(mriezka->model()->index(0, 1));
        const QString krava = mriezka->model()->index(0, 1).data().toString();
        QTest::mouseClick(mriezka->viewport(), Qt::LeftButton, {}, bunka.center());
        QTest::mouseDClick(mriezka->viewport(), Qt::LeftButton, {}, bunka.center());

        QVERIFY(findComponent<TFrameKrava>(m_okno, u"FrameKrava"_s)->isVisible());
        QVERIFY(!stado->isVisible());
        QCOMPARE(findComponent<QLabel>(m_okno, u"LabelVyber"_s)->text(),
                 u"Výber pre kravu: "_s + krava);
        QCOMPARE(m_spustenie->instancie().DataModuleHlavny->ADOQueryKrava->text(u"usnecislo"_s),
                 krava);
        stado->ToolButtonZobrazKravyvKU->trigger();
    }

    void sireInThePedigreeOpensHisCard() {
        const QString krava =
            scalar(u"SELECT k.usnecislo FROM kravy_view k JOIN rodokmen_view r ON r.usnecislo = "
                   u"k.usnecislo WHERE r.OM IS NOT NULL LIMIT 1"_s);
        findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s)->setCurrentItem(node(krava));
        auto* karta = findComponent<TFrameKrava>(m_okno, u"FrameKrava"_s);
        karta->PageControlKrava->setCurrentWidget(karta->TabSheetRodokmen);
        // A dam's box does nothing; her father's opens his card.
        QTest::mouseDClick(findComponent<QLineEdit>(karta, u"DBEditM"_s), Qt::LeftButton);
        QVERIFY(karta->isVisible());
        QLineEdit* otecMatky = findComponent<QLineEdit>(karta, u"DBEditOM"_s);
        const QString otec = otecMatky->text();
        QTest::mouseDClick(otecMatky, Qt::LeftButton);

        QVERIFY(findComponent<QWidget>(m_okno, u"FrameByk"_s)->isVisible());
        QCOMPARE(findComponent<QLabel>(m_okno, u"LabelVyber"_s)->text(),
                 u"Výber pre býka: "_s + otec);
        QCOMPARE(findComponent<QLineEdit>(findComponent<QWidget>(m_okno, u"FrameByk"_s),
                                          u"DBEditAnimalcode"_s)
                     ->text(),
                 otec);
        karta->PageControlKrava->setCurrentWidget(karta->TabSheetKrava);
    }

    // A window left open overnight finds its session ended by the server (its idle time-out, a
    // restart, an administrator's KILL): the next selection loads as if nothing had happened.
    void selectionAfterTheServerEndedTheSession() {
        ScriptedDialogService dialogs;
        const QString session = scalar(u"SELECT CONNECTION_ID()"_s);
        Connection spravca(m_db->settings());
        spravca.executeDirect(u"KILL "_s + session);
        QTRY_COMPARE_WITH_TIMEOUT(
            [&] {
                QSqlQuery zije = spravca.execute(
                    u"SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE ID = :Id"_s,
                    {{u"Id"_s, session}});
                return zije.next() ? zije.value(0).toInt() : -1;
            }(),
            0, 5000);

        auto* stado = findComponent<TFrameZvierata>(m_okno, u"FrameZvierata"_s);
        stado->PageControlZvierata->setCurrentWidget(stado->TabSheetZvierata);
        QTreeWidgetItem* mastal = findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s)
                                      ->topLevelItem(0)
                                      ->child(0)
                                      ->child(0);
        findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s)->setCurrentItem(mastal);
        QCOMPARE(dialogs.interactions().size(), 0);
        const QString kod = StromChovov::kodUzla(mastal);
        QCOMPARE(stado->DBGridZvierata->model()->rowCount(),
                 scalar(u"SELECT count(*) FROM kravy_view WHERE chovatel LIKE '"_s + kod + u"%'"_s)
                     .toInt());
        QCOMPARE(scalar(u"SELECT chovatel FROM param"_s), kod.leftJustified(9, QLatin1Char('0')));
        QVERIFY(scalar(u"SELECT CONNECTION_ID()"_s) != session);
    }

    void searchWithoutMatchSaysSo() {
        ScriptedDialogService dialogs;
        findComponent<QLineEdit>(m_okno, u"EditHladaj"_s)->setText(u"999"_s);
        findComponent<QPushButton>(m_okno, u"BitBtnHladaj"_s)->click();
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(dialogs.interactions()[0].text,
                 u"Nenašiel som zviera s ušným číslom SK000000000999"_s);
        QCOMPARE(m_okno->vybraneUsneCislo(), u"SK000000000999"_s);
    }

    void typedDistrictCannotChangeTheStatement() {
        ScriptedDialogService dialogs;
        dialogs.answerInput(u"2' OR '1'='1"_s);
        findComponent<StromChovov>(m_okno, u"StromChovov"_s)->MenuItemZmenitOkresClick();
        QCOMPARE(findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s)->topLevelItemCount(), 1);
        QCOMPARE(findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s)
                     ->topLevelItem(0)
                     ->childCount(),
                 0);
        QCOMPARE(dialogs.interactions().last().icon, DialogService::Icon::Error);
        QVERIFY(dialogs.interactions().last().text.startsWith(u"Chyba: "_s));
        QCOMPARE(findComponent<StatusPanelBar>(m_okno, u"StatusBarHlavny"_s)->panelText(0),
                 u"Počet zvierat: 0"_s);
    }

    void enterpriseWithoutAnimals() {
        findComponent<StromChovov>(m_okno, u"StromChovov"_s)->NaplnStrom(u"999999"_s);
        QCOMPARE(
            findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s)->topLevelItem(0)->text(0),
            u"Podnik: 999999"_s);
        QCOMPARE(findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s)
                     ->topLevelItem(0)
                     ->childCount(),
                 0);
        QCOMPARE(findComponent<StatusPanelBar>(m_okno, u"StatusBarHlavny"_s)->panelText(0),
                 u"Počet zvierat: 0"_s);
    }

    void cleanupTestCase() {
        m_spustenie.reset();
        QFile::remove(ConfigFile::path());
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<SpustenieProgramu> m_spustenie;
    TFormHlavny* m_okno = nullptr;
    QString m_podnik;
};

QTEST_MAIN(TestStromChovov)
#include "tst_stromchovov.moc"
