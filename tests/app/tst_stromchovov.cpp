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
#include <QRegularExpression>
#include <QScopeGuard>
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
        return findComponent<StromChovov>(m_okno, u"StromChovov"_s)->najdiUzol(text);
    }
    QTreeWidget* tree() { return findComponent<QTreeWidget>(m_okno, u"TreeViewZvierata"_s); }
    /// The tree built anew, every barn unopened.
    void rebuild() { findComponent<StromChovov>(m_okno, u"StromChovov"_s)->NaplnStrom(m_podnik); }
    QList<QTreeWidgetItem*> barns() {
        QList<QTreeWidgetItem*> found;
        for (QTreeWidgetItemIterator it(tree()); *it; ++it)
            if (StromChovov::obrazokUzla(*it) == StromChovov::Mastal)
                found << *it;
        return found;
    }
    /// The nodes under a node, one line each: its text and image, indented by depth.
    static QStringList dump(const QTreeWidgetItem* uzol, int depth = 0) {
        QStringList lines{QString(depth, u' ') + uzol->text(0) + u' ' +
                          QString::number(StromChovov::obrazokUzla(uzol))};
        for (int i = 0; i < uzol->childCount(); ++i)
            lines << dump(uzol->child(i), depth + 1);
        return lines;
    }
    /// What the build of every herd, barn and animal at once, one statement per herd and per
    /// barn, makes of the enterprise, with herds and barns in code order.
    QStringList dumpFromTheStatements() {
        Connection* spojenie = m_spustenie->instancie().DataModuleHlavny->ADOConnectionTarvelin;
        QStringList lines{u"Podnik: "_s + m_podnik + u" 1"_s};
        QSqlQuery chovy = spojenie->execute(
            u"SELECT DISTINCT substring(chovatel, 7, 2) AS chov FROM kravy_view WHERE "
            u"substring(chovatel, 1, 6) = :Podnik ORDER BY chov"_s,
            {{u"Podnik"_s, m_podnik}});
        while (chovy.next()) {
            const QString chov = m_podnik + chovy.value(0).toString();
            lines << u" Chov: "_s + chov + u" 1"_s;
            QSqlQuery mastale = spojenie->execute(
                u"SELECT DISTINCT substring(chovatel, 9, 1) AS mastal FROM kravy_view WHERE "
                u"substring(chovatel, 1, 8) = :Chov ORDER BY mastal"_s,
                {{u"Chov"_s, chov}});
            while (mastale.next()) {
                const QString mastal = chov + mastale.value(0).toString();
                lines << u"  "_s + mastal + u" 4"_s;
                QSqlQuery zvierata =
                    spojenie->execute(u"SELECT krava_id, usnecislo, pohlavie, meno, chovatel FROM "
                                      u"kravy_view WHERE chovatel = :Mastal"_s,
                                      {{u"Mastal"_s, mastal}});
                while (zvierata.next())
                    lines << u"   "_s + zvierata.value(1).toString() +
                                 (zvierata.value(2).toInt() == 1 ? u" 3"_s : u" 2"_s);
            }
        }
        return lines;
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"stromchovov"_s);
        m_db->loadDemo(80, 5);
        // A male animal among the cows in recording, which the tree shows with its own image.
        m_db->exec(u"UPDATE zvierata SET pohlavie = '1' WHERE zviera_id = (SELECT id FROM "
                   u"(SELECT max(krava_id) AS id FROM kravy_view) posledna)"_s);
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

    void everyBarnOpenedShowsWhatTheStatementsGive() {
        rebuild();
        for (QTreeWidgetItem* mastal : barns()) {
            // Unread, yet it offers to be opened.
            QCOMPARE(mastal->childCount(), 0);
            QCOMPARE(mastal->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
            tree()->expandItem(mastal);
        }
        const QStringList expected = dumpFromTheStatements();
        QVERIFY(expected.filter(QRegularExpression(u" 3$"_s)).size() == 1);
        QCOMPARE(dump(tree()->topLevelItem(0)), expected);
        // Closed and opened again, nothing is read twice.
        for (QTreeWidgetItem* mastal : barns()) {
            tree()->collapseItem(mastal);
            tree()->expandItem(mastal);
        }
        QCOMPARE(dump(tree()->topLevelItem(0)), expected);
    }

    void barnIsReadWhenFirstOpened_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("selected") << u"select"_s;
        QTest::newRow("its sign clicked") << u"sign"_s;
        QTest::newRow("keyboard") << u"keyboard"_s;
    }
    void barnIsReadWhenFirstOpened() {
        QFETCH(QString, how);
        rebuild();
        QTreeWidget* strom = tree();
        QTreeWidgetItem* chov = strom->topLevelItem(0)->child(0);
        QTreeWidgetItem* mastal = chov->child(0);
        const QString pocet = scalar(u"SELECT count(*) FROM kravy_view WHERE chovatel = '"_s +
                                     mastal->text(0) + u"'"_s);
        strom->setFocus();
        strom->setCurrentItem(chov);
        if (how == u"select"_s) {
            strom->setCurrentItem(mastal);
        } else if (how == u"sign"_s) {
            const QRect riadok = strom->visualItemRect(mastal);
            QTest::mouseClick(
                strom->viewport(), Qt::LeftButton, {},
                QPoint(riadok.left() - strom->indentation() / 2, riadok.center().y()));
            QCOMPARE(strom->currentItem(), chov);
        } else {
            QTest::keyClick(strom, Qt::Key_Down);
            QCOMPARE(strom->currentItem(), mastal);
        }
        QVERIFY(mastal->isExpanded());
        QCOMPARE(QString::number(mastal->childCount()), pocet);
        // There and back again: the barn keeps its animals once.
        strom->setCurrentItem(strom->topLevelItem(0));
        strom->setCurrentItem(mastal);
        QCOMPARE(QString::number(mastal->childCount()), pocet);
        QCOMPARE(findComponent<StatusPanelBar>(m_okno, u"StatusBarHlavny"_s)->panelText(0),
                 u"Počet zvierat: "_s + pocet);
    }

    void animalWhoseSexIsNoNumberEndsHerBarn() {
        QTreeWidgetItem* mastal = barns().first();
        const QString kod = mastal->text(0);
        QSqlQuery poradie =
            m_spustenie->instancie().DataModuleHlavny->ADOConnectionTarvelin->execute(
                u"SELECT krava_id, usnecislo, pohlavie, meno, chovatel FROM kravy_view WHERE "
                u"chovatel = '"_s +
                kod + u"'"_s);
        QStringList usneCisla;
        while (poradie.next())
            usneCisla << poradie.value(1).toString();
        QVERIFY(usneCisla.size() > 1);
        const QString pohlavie = scalar(u"SELECT pohlavie FROM zvierata WHERE usnecislo = '"_s +
                                        usneCisla.last() + u"'"_s);
        // Our schema refuses such a value; a database filled by another program may hold one.
        m_db->exec(u"ALTER TABLE zvierata DROP CONSTRAINT ck_zvierata_pohlavie"_s);
        m_db->exec(u"UPDATE zvierata SET pohlavie = 'X' WHERE usnecislo = '"_s + usneCisla.last() +
                   u"'"_s);
        const auto obnov = qScopeGuard([&] {
            m_db->exec(u"UPDATE zvierata SET pohlavie = '"_s + pohlavie +
                       u"' WHERE usnecislo = '"_s + usneCisla.last() + u"'"_s);
            m_db->exec(u"ALTER TABLE zvierata ADD CONSTRAINT ck_zvierata_pohlavie CHECK (pohlavie "
                       u"IN ('1', '2'))"_s);
            rebuild();
        });
        rebuild();
        mastal = barns().first();
        ScriptedDialogService dialogs;
        tree()->setCurrentItem(mastal);
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(dialogs.interactions()[0].icon, DialogService::Icon::Error);
        QCOMPARE(dialogs.interactions()[0].text,
                 u"Chyba: Pohlavie zvieraťa "_s + usneCisla.last() + u" nie je číslo."_s);
        // Those read before her stay; opening the barn again neither repeats nor doubles them.
        QCOMPARE(mastal->childCount(), usneCisla.size() - 1);
        tree()->setCurrentItem(tree()->topLevelItem(0));
        tree()->setCurrentItem(mastal);
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(mastal->childCount(), usneCisla.size() - 1);
    }

    void cowOpenedFromTheHerdFrameIsSelectedInTheTree() {
        rebuild();
        tree()->setCurrentItem(tree()->topLevelItem(0));
        auto* stado = findComponent<TFrameZvierata>(m_okno, u"FrameZvierata"_s);
        stado->PageControlZvierata->setCurrentWidget(stado->TabSheetZvierata);
        DBGrid* mriezka = stado->DBGridZvierata;
        // The last cow of the list, in a barn not opened yet.
        int riadok = mriezka->model()->rowCount() - 1;
        while (riadok > 0 &&
               scalar(u"SELECT pohlavie FROM zvierata WHERE usnecislo = '"_s +
                      mriezka->model()->index(riadok, 1).data().toString() + u"'"_s) == u"1"_s)
            --riadok;
        QVERIFY(riadok > 0);
        const QString krava = mriezka->model()->index(riadok, 1).data().toString();
        mriezka->scrollTo(mriezka->model()->index(riadok, 1));
        const QRect bunka = mriezka->visualRect(mriezka->model()->index(riadok, 1));
        QTest::mouseClick(mriezka->viewport(), Qt::LeftButton, {}, bunka.center());
        QTest::mouseDClick(mriezka->viewport(), Qt::LeftButton, {}, bunka.center());

        QCOMPARE(tree()->currentItem()->text(0), krava);
        QCOMPARE(StromChovov::obrazokUzla(tree()->currentItem()->parent()),
                 int(StromChovov::Mastal));
        QVERIFY(findComponent<TFrameKrava>(m_okno, u"FrameKrava"_s)->isVisible());
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
        // A cow of the tree's last barn, not opened yet and below the fold once it is.
        rebuild();
        QTreeWidget* strom = tree();
        strom->setCurrentItem(strom->topLevelItem(0));
        QTreeWidgetItem* mastal = barns().last();
        QCOMPARE(mastal->childCount(), 0);
        const QString krava = scalar(u"SELECT usnecislo FROM kravy_view WHERE chovatel = '"_s +
                                     mastal->text(0) + u"' ORDER BY usnecislo DESC"_s);
        QVERIFY(!krava.isEmpty());
        ScriptedDialogService dialogs;
        QLineEdit* hladaj = findComponent<QLineEdit>(m_okno, u"EditHladaj"_s);
        hladaj->setFocus();
        hladaj->clear();
        QTest::keyClicks(hladaj, krava.mid(2));
        QTest::keyClick(hladaj, Qt::Key_Return);

        QTreeWidgetItem* najdeny = strom->currentItem();
        QCOMPARE(najdeny->text(0), krava);
        QCOMPARE(najdeny->parent(), mastal);
        QCOMPARE(hladaj->text(), QString());
        QVERIFY(strom->viewport()->rect().contains(strom->visualItemRect(najdeny)));
        // Only her barn was read.
        for (QTreeWidgetItem* ina : barns())
            QCOMPARE(ina->childCount() > 0, ina == mastal);
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
