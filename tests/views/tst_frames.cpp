#include "common/TestDatabase.h"
#include "data/TDataModuleHlavny.h"
#include "views/ToolBarObdobieKontrol.h"
#include "views/byk/TFrameByk.h"
#include "views/krava/TFrameKrava.h"
#include "views/spreadsheet/RecordingSpreadsheetApplication.h"
#include "views/zvierata/TFrameZvierata.h"
#include "widgets/DBChart.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/DBRadioGroup.h"
#include "widgets/PageControl.h"
#include "widgets/ScriptedDialogService.h"
#include "widgets/StatusPanelBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QSignalSpy>
#include <QValueAxis>
#include <QtTest>
#include <memory>

namespace {

const QString enterprise = "101001";
const QString barn = "101001011";
const QString cow = "SK000000000123";
const QString cowWithoutControls = "SK000000000124";
const QString bull = "SK000000000128";
const QString sire = "SK100000000001";

/// An enterprise of two herds and three barns, and one animal of another enterprise that no
/// filter of the first may reach. The newest control of the database is dated 2024-03-07.
const char* const fixture[] = {
    "INSERT INTO podniky VALUES ('101001', 'Agro Test', NULL), ('201001', 'Iný podnik', NULL)",
    "INSERT INTO chovy VALUES ('10100101', '101001', 'Chov A'), ('10100102', '101001', 'Chov B'),"
    " ('20100101', '201001', 'Chov C')",
    "INSERT INTO mastale VALUES ('101001011', '10100101', 'Maštaľ A1', 'V'),"
    " ('101001012', '10100101', 'Maštaľ A2', 'V'), ('101001021', '10100102', 'Maštaľ B1', 'U'),"
    " ('201001011', '20100101', 'Maštaľ C1', 'V')",
    "INSERT INTO zvierata (zviera_id, otec_id, matka_id, plemeno_id, farba_id, plemenna_kniha_id,"
    " plemenny_typ_id, usnecislo, meno, datumnarodenia, pohlavie, et, chovatel, plemeno1, krv1,"
    " plemeno2, krv2) VALUES"
    " (1, NULL, NULL, 5, 3, 1, 1, 'SK100000000001', 'Otec', '2015-01-01', '1', 0, NULL, 'HB',"
    "  100, NULL, NULL),"
    " (2, NULL, NULL, 1, 1, 1, 3, 'SK100000000002', 'Starý otec', '2010-01-01', '1', 0, NULL,"
    "  'SS', 100, NULL, NULL),"
    " (3, 2, NULL, 1, 1, 1, 3, 'SK100000000003', 'Matka', '2016-01-01', '2', 0, NULL, 'SS', 100,"
    "  NULL, NULL),"
    " (10, 1, 3, 5, 3, 1, 1, 'SK000000000123', 'Malina', '2020-05-10', '2', 0, '101001011',"
    "  'HB', 87.5, 'HR', 12.5),"
    " (11, 1, NULL, 5, 3, 1, 1, 'SK000000000124', NULL, '2021-02-01', '2', 0, '101001011', 'HB',"
    "  100, NULL, NULL),"
    " (12, 1, NULL, 5, 3, 1, 1, 'SK000000000125', NULL, '2021-03-01', '2', 0, '101001012', 'HB',"
    "  100, NULL, NULL),"
    " (13, 1, NULL, 5, 3, 1, 1, 'SK000000000126', NULL, '2020-01-01', '2', 0, '101001021', 'HB',"
    "  100, NULL, NULL),"
    " (14, 1, NULL, 5, 3, 1, 1, 'SK000000000127', NULL, '2021-04-01', '2', 0, '101001021', 'HB',"
    "  100, NULL, NULL),"
    " (15, 1, 3, 5, 3, 1, 1, 'SK000000000128', 'Býček', '2023-01-01', '1', 1, '101001011', 'HB',"
    "  75, 'SS', 25),"
    " (16, 1, 10, 5, 3, 1, 1, 'SK000000000129', NULL, '2022-10-01', '2', 0, '101001011', 'HB',"
    "  100, NULL, NULL),"
    " (20, 1, NULL, 5, 3, 1, 1, 'SK000000000900', NULL, '2021-01-01', '2', 0, '201001011', 'HB',"
    "  100, NULL, NULL)",
    "INSERT INTO byky (byk_id, linia_id, linia, register, hb_cislo, inseminacny) VALUES"
    " (1, 1, 'ELV', '123', 'HB0001', 'I'), (2, 9, 'HXL', '55', 'HB0002', 'I'),"
    " (15, 1, 'ELV', '777', 'HB0042', 'I')",
    "INSERT INTO kravy (krava_id, dovod_vyradenia_id, datumzaradenia, datumvyradenia,"
    " datumposkontroly, trieda_uzitkovosti, por_preb_laktacie, pocet_laktacii, mlieko_max,"
    " tuk_priem_perc) VALUES"
    " (10, 1, '2022-10-01', NULL, '2024-03-07', 'I', 2, 1, 9876.4, 3.954),"
    " (11, 1, '2023-01-01', NULL, NULL, NULL, NULL, 0, NULL, NULL),"
    " (12, 1, '2023-03-01', NULL, '2024-03-01', NULL, 1, 0, NULL, NULL),"
    " (13, 5, '2023-01-15', '2024-02-01', '2023-12-15', NULL, NULL, 1, 4800, NULL),"
    " (14, 1, '2023-04-01', NULL, '2024-02-25', NULL, 1, 0, NULL, NULL),"
    " (20, 1, '2023-01-01', NULL, '2024-03-05', NULL, 1, 0, NULL, NULL)",
    "INSERT INTO kontroly (krava_id, datum, poradie_preb_laktacie, denna_doba, mlieko, tuk_perc,"
    " bielkovina_perc, laktoza_perc, bun_elementy, chovatel) VALUES"
    " (10, '2022-12-01', 1, 'R', 30.0, 3.9, 3.3, 4.8, 120, '101001011'),"
    " (10, '2024-01-10', 2, 'R', 38.0, 3.6, 3.1, 4.9, 90, '101001011'),"
    " (10, '2024-02-08', 2, 'V', 36.5, 3.7, 3.2, 4.9, 110, '101001011'),"
    " (10, '2024-03-07', 2, 'R', 34.0, 3.8, 3.3, 4.8, 150, '101001011'),"
    " (12, '2024-03-01', 1, 'R', 25.0, 4.0, 3.4, 4.7, 200, '101001012'),"
    " (13, '2023-12-15', 1, 'R', 15.0, 4.2, 3.6, 4.6, 400, '101001021'),"
    " (14, '2024-02-25', 1, 'V', 28.0, 3.9, 3.3, 4.8, 80, '101001021'),"
    " (20, '2024-03-05', 1, 'R', 20.0, 4.0, 3.4, 4.8, 100, '201001011')",
    "INSERT INTO laktacie (krava_id, poradie, datumotelenia, chovatel, ukoncenie, pocet_dni,"
    " mlieko_celk, mlieko_norm, maximalna) VALUES"
    " (10, 1, '2022-10-01', '101001011', '2023-09-01', 335, 9900, 9876.4, 1),"
    " (13, 1, '2023-01-15', '101001021', '2024-02-01', 382, 5100, 4800, 1)",
    "INSERT INTO prebiehajuce_laktacie (krava_id, poradie, datumotelenia, chovatel) VALUES"
    " (10, 2, '2023-12-20', '101001011'), (12, 1, '2024-02-10', '101001012'),"
    " (14, 1, '2024-01-28', '101001021'), (20, 1, '2024-01-01', '201001011')",
    "INSERT INTO jalovice (jalovica_id, stav) VALUES (16, 'O')",
    "CREATE TABLE laktela (otec varchar(14) NULL, matka varchar(14) NULL) select l.*,"
    " j.usnecislo as usnecislotelata from jalovice_view j right join laktacie_view l on"
    " l.datumotelenia = j.datumnarodenia and l.krava_id = j.matka_id",
};

struct Statement {
    QString sql;
    ParameterValues parameters;
};

QString panel(const QWidget& frame, const char* statusBar) {
    const auto* bar = frame.findChild<StatusPanelBar*>(statusBar);
    return bar ? bar->panelText(0) : QString("<no %1>").arg(statusBar);
}

QString edit(const QWidget& frame, const char* name) {
    const auto* box = frame.findChild<DBEdit*>(name);
    return box ? box->text() : QString("<no %1>").arg(name);
}

QAction* action(const QWidget& frame, const char* name) {
    return frame.findChild<QAction*>(name);
}

} // namespace

/// The herd frame, the cow card and the bull card over a small hand-made enterprise: what each
/// loader and each page opens, with which bound values, and what the user then reads.
class TestFrames final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        m_db = std::make_unique<TestDatabase>("frames");
        for (const char* statement : fixture)
            m_db->exec(QString::fromUtf8(statement));
        m_data = std::make_unique<TDataModuleHlavny>(m_db->settings());
        connect(m_data->ADOConnectionTarvelin, &Connection::statementSent, this,
                [this](const QString& sql, const ParameterValues& parameters) {
                    m_log.append({sql, parameters});
                });
    }

    void init() {
        m_herd = std::make_unique<TFrameZvierata>(*m_data);
        m_cowCard = std::make_unique<TFrameKrava>(*m_data);
        m_bullCard = std::make_unique<TFrameByk>(*m_data);
        m_dialogs = std::make_unique<ScriptedDialogService>();
        m_log.clear();
    }

    void cleanup() {
        // Codes and ear numbers reach the server only as bound values.
        for (const Statement& statement : std::as_const(m_log))
            for (const QString& value : {enterprise, QString("SK0000"), QString("SK1000")})
                QVERIFY2(!statement.sql.contains(value), qPrintable(statement.sql));
        QCOMPARE(m_dialogs->interactions().size(), 0);
        m_dialogs.reset();
        m_bullCard.reset();
        m_cowCard.reset();
        m_herd.reset();
    }

    void framesAsTheMainWindowShowsThem() {
        QVERIFY(m_herd->DBGridZvierata->isColumnHidden(2));
        QVERIFY(m_herd->DBGridZvierata->isColumnHidden(17));
        QCOMPARE(m_herd->ComboBoxPoradieLaktacie->count(), 9);
        QCOMPARE(m_herd->ComboBoxPoradieLaktacie->currentIndex(), -1);
        QCOMPARE(m_herd->ComboBoxPoradieLaktacie->placeholderText(), "Poradie laktácie");
        // The card's box lists the lactations of the cow it shows.
        QCOMPARE(m_cowCard->ComboBoxPoradieLaktacie->count(), 0);
        QCOMPARE(m_cowCard->DBEditDatumPoslednejKontroly->fieldName(), "datumposkontroly");
        for (const ToolBarObdobieKontrol* periods :
             {m_herd->ToolBarKontrolaMlieka, m_cowCard->ToolBarKontrolaMlieka})
            for (const QAction* button : periods->actions())
                QVERIFY(!button->isVisible());
        QVERIFY(action(*m_herd, "ToolButtonZobrazKravyvKU")->isChecked());
        QVERIFY(action(*m_herd, "ToolButtonKontroly30Dni")->isChecked());
        QVERIFY(action(*m_herd, "ToolButtonLaktKrivkyM")->isChecked());
        QCOMPARE(m_herd->DBChartLaktacneKrivky->title(), "Laktačná krivka");

        // The lactation order stands on a second row under the value buttons.
        m_herd->resize(800, 600);
        m_herd->show();
        m_herd->PageControlZvierata->setCurrentWidget(m_herd->TabSheetLaktacneKrivky);
        QCOMPARE(m_herd->LabelPoradieLaktacie->x(), 0);
        QVERIFY(m_herd->ComboBoxPoradieLaktacie->x() >= 82);
        QVERIFY(m_herd->ComboBoxPoradieLaktacie->parentWidget()->y() >= 27);
        QCOMPARE(m_herd->DBGridLaktacneKrivky->height(), 188);
    }

    void herdLoadersOpenTheirQuery_data() {
        QTest::addColumn<QString>("loader");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QVariantMap>("parameters");
        QTest::addColumn<QString>("statusBar");
        QTest::addColumn<QString>("status");

        const auto days = [](int n) {
            return QVariantMap{{"Chov", enterprise + '%'}, {"Dni", n}};
        };
        const QVariantMap ofEnterprise{{"Chov", enterprise + '%'}};
        QTest::newRow("animals of an enterprise")
            << "NacitajZvierata" << enterprise << 0 << "ADOQueryZvierata" << ofEnterprise
            << "StatusBarZvierata"
            << "Počet zvierat: 4";
        QTest::newRow("animals of a barn")
            << "NacitajZvierata" << barn << 0 << "ADOQueryZvierata"
            << QVariantMap{{"Chov", barn + '%'}} << "StatusBarZvierata"
            << "Počet zvierat: 2";
        QTest::newRow("animals of every enterprise")
            << "NacitajZvierata" << QString() << 0 << "ADOQueryZvierata"
            << QVariantMap{{"Chov", "%"}} << "StatusBarZvierata"
            << "Počet zvierat: 5";
        // Days before the last test day, 2024-03-07.
        QTest::newRow("controls of 7 days")
            << "NacitajKontroly" << enterprise << 7 << "ADOQueryKontrolyMlieka" << days(7)
            << "StatusBarKontrolaMlieka"
            << "Počet kontrol: 2";
        QTest::newRow("controls of 14 days")
            << "NacitajKontroly" << enterprise << 14 << "ADOQueryKontrolyMlieka" << days(14)
            << "StatusBarKontrolaMlieka"
            << "Počet kontrol: 3";
        QTest::newRow("controls of 30 days")
            << "NacitajKontroly" << enterprise << 30 << "ADOQueryKontrolyMlieka" << days(30)
            << "StatusBarLaktacneKrivky"
            << "Počet kontrol: 4";
        QTest::newRow("controls of 365 days")
            << "NacitajKontroly" << enterprise << 365 << "ADOQueryKontrolyMlieka" << days(365)
            << "StatusBarKontrolaMlieka"
            << "Počet kontrol: 6";
        QTest::newRow("all controls")
            << "NacitajKontroly" << enterprise << 0 << "ADOQueryKontrolyMlieka" << days(5000)
            << "StatusBarKontrolaMlieka"
            << "Počet kontrol: 7";
        QTest::newRow("lactations of an enterprise")
            << "NacitajLaktacie" << enterprise << 0 << "ADOQueryLaktacie" << ofEnterprise
            << "StatusBarLaktacie"
            << "Počet laktácií: 2";
        QTest::newRow("lactations of a barn")
            << "NacitajLaktacie" << barn << 0 << "ADOQueryLaktacie"
            << QVariantMap{{"Chov", barn + '%'}} << "StatusBarLaktacie"
            << "Počet laktácií: 1";
        QTest::newRow("running lactations")
            << "NacitajPrebiehajuceLaktacie" << enterprise << 0 << "ADOQueryPrebiehajuceLaktacie"
            << ofEnterprise << "StatusBarPrebiehajuceLaktacie"
            << "Počet prebiehajúcich laktácií: 3";
    }
    void herdLoadersOpenTheirQuery() {
        QFETCH(QString, loader);
        QFETCH(QString, code);
        QFETCH(int, days);
        QFETCH(QString, query);
        QFETCH(QVariantMap, parameters);
        QFETCH(QString, statusBar);
        QFETCH(QString, status);

        if (loader == "NacitajZvierata")
            m_herd->NacitajZvierata(code);
        else if (loader == "NacitajKontroly")
            m_herd->NacitajKontroly(code, days);
        else if (loader == "NacitajLaktacie")
            m_herd->NacitajLaktacie(code);
        else
            m_herd->NacitajPrebiehajuceLaktacie(code);

        expectOpened(query, parameters);
        QCOMPARE(panel(*m_herd, qPrintable(statusBar)), status);
    }

    void periodsCountBackFromTheLastTestDay_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("buttonDown");
        QTest::newRow("7") << 7 << "ToolButtonKontroly7Dni";
        QTest::newRow("14") << 14 << "ToolButtonKontroly14Dni";
        QTest::newRow("30") << 30 << "ToolButtonKontroly30Dni";
        QTest::newRow("365") << 365 << "ToolButtonKontrolyVsetky";
        QTest::newRow("0") << 0 << "ToolButtonKontrolyVsetky";
    }
    void periodsCountBackFromTheLastTestDay() {
        QFETCH(int, days);
        QFETCH(QString, buttonDown);
        m_herd->NacitajKontroly(enterprise, days);
        m_cowCard->NacitajKontroly(cow, days);

        for (const char* query : {"ADOQueryKontrolyMlieka", "ADOQueryKontrolyMliekaKravy"}) {
            const QString sql = m_data->findChild<Query*>(query)->sqlText();
            QVERIFY(sql.contains("date_sub((SELECT max(datum) FROM kontroly), interval :Dni day)"));
            QVERIFY(!sql.contains("2006-03-30"));
        }
        for (const QWidget* frame :
             {static_cast<QWidget*>(m_herd.get()), static_cast<QWidget*>(m_cowCard.get())})
            QVERIFY(action(*frame, qPrintable(buttonDown))->isChecked());
    }

    void periodButtonsReload_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("herdDays");
        QTest::addColumn<int>("cowDays"); // -1: the card's button does nothing
        QTest::newRow("7") << "ToolButtonKontroly7Dni" << 7 << -1;
        QTest::newRow("14") << "ToolButtonKontroly14Dni" << 14 << 14;
        QTest::newRow("30") << "ToolButtonKontroly30Dni" << 30 << 30;
        QTest::newRow("all") << "ToolButtonKontrolyVsetky" << 5000 << 5000;
    }
    void periodButtonsReload() {
        QFETCH(QString, button);
        QFETCH(int, herdDays);
        QFETCH(int, cowDays);
        m_herd->AktualnyKod = barn;
        m_cowCard->AktualneUsneCislo = cow;

        action(*m_herd, qPrintable(button))->trigger();
        expectOpened("ADOQueryKontrolyMlieka", {{"Chov", barn + '%'}, {"Dni", herdDays}});
        m_log.clear();
        action(*m_cowCard, qPrintable(button))->trigger();
        if (cowDays < 0)
            QCOMPARE(m_log.size(), 0);
        else
            expectOpened("ADOQueryKontrolyMliekaKravy", {{"UsneCislo", cow}, {"Dni", cowDays}});
    }

    void herdPageBroughtToFrontLoadsIt_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("visibleIndex");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QVariantMap>("parameters");
        const QVariantMap ofBarn{{"Chov", barn + '%'}};
        QTest::newRow("Zvieratá") << "TabSheetZvierata" << 0 << "ADOQueryZvierata" << ofBarn;
        QTest::newRow("Kontrola mlieka")
            << "TabSheetKontrolaMlieka" << 1 << "ADOQueryKontrolyMlieka"
            << QVariantMap{{"Chov", barn + '%'}, {"Dni", 30}};
        QTest::newRow("Laktačné krivky")
            << "TabSheetLaktacneKrivky" << 2 << "ADOQueryKontrolyMlieka"
            << QVariantMap{{"Chov", barn + '%'}, {"Dni", 365}};
        QTest::newRow("Laktácie") << "TabSheetLaktacie" << 3 << "ADOQueryLaktacie" << ofBarn;
        QTest::newRow("Prebiehajúce lakt.")
            << "TabSheetPrebiehajuceLaktacie" << 4 << "ADOQueryPrebiehajuceLaktacie" << ofBarn;
    }
    void herdPageBroughtToFrontLoadsIt() {
        QFETCH(QString, page);
        QFETCH(int, visibleIndex);
        QFETCH(QString, query);
        QFETCH(QVariantMap, parameters);
        m_herd->AktualnyKod = barn;
        auto* sheet = m_herd->findChild<QWidget*>(page);
        // Another page than the one under test is in front at first.
        const int start = page == "TabSheetZvierata" ? 1 : 0;

        // A hidden frame loads nothing when its page changes.
        m_herd->PageControlZvierata->setCurrentIndex(start);
        m_herd->PageControlZvierata->setCurrentWidget(sheet);
        QCOMPARE(m_log.size(), 0);
        QCOMPARE(m_herd->viditelnaZalozka(), visibleIndex);

        m_herd->PageControlZvierata->setCurrentIndex(start);
        m_herd->show();
        m_herd->PageControlZvierata->setCurrentWidget(sheet);
        // The curve page also loads the curve of the current control.
        expectOpened(query, parameters, page == "TabSheetLaktacneKrivky" ? 1 : 0);
    }

    void animalListsSwapTheStatement() {
        m_herd->AktualnyKod = enterprise;
        m_herd->NacitajZvierata(enterprise);
        action(*m_herd, "ToolButtonZobrazVyradeneKravy")->trigger();
        QCOMPARE(m_data->ADOQueryZvierata->sql(),
                 QStringList{"SELECT * FROM vyradene_kravy_view WHERE chovatel LIKE :Chov"});
        QCOMPARE(panel(*m_herd, "StatusBarZvierata"), "Počet zvierat: 1");
        QVERIFY(!m_herd->DBGridZvierata->isColumnHidden(17));
        QVERIFY(m_herd->DBGridZvierata->isColumnHidden(2));
        QCOMPARE(m_herd->DBGridZvierata->model()->index(0, 17).data().toString(),
                 "nízka úžitkovosť");

        action(*m_herd, "ToolButtonZobrazKravyvKU")->trigger();
        QCOMPARE(m_data->ADOQueryZvierata->sql(),
                 QStringList{"SELECT * FROM kravy_view WHERE chovatel LIKE :Chov"});
        QCOMPARE(panel(*m_herd, "StatusBarZvierata"), "Počet zvierat: 4");
        QVERIFY(m_herd->DBGridZvierata->isColumnHidden(17));

        action(*m_herd, "ToolButtonZobrazVyradeneKravy")->trigger();
        m_herd->NacitajZvierata(enterprise);
        QVERIFY(action(*m_herd, "ToolButtonZobrazKravyvKU")->isChecked());
        QVERIFY(m_herd->DBGridZvierata->isColumnHidden(17));
    }

    void lactationCurveFollowsTheCurrentControl() {
        m_herd->show();
        m_herd->PageControlZvierata->setCurrentWidget(m_herd->TabSheetLaktacneKrivky);
        m_herd->NacitajKontroly(enterprise, 30);
        Query* controls = m_data->ADOQueryKontrolyMlieka;
        Query* curve = m_data->ADOQueryLaktacnaKrivka;
        QCOMPARE(controls->recordCount(), 4);

        for (int row = controls->recordCount() - 1; row >= 0; --row) {
            m_herd->DBGridLaktacneKrivky->selectRow(row);
            const QString earNumber = controls->text("usnecislo");
            const int order = controls->value("poradie_preb_laktacie").toInt();
            QCOMPARE(curve->parameter("CisloKravy"), earNumber);
            QCOMPARE(curve->parameter("Poradie"), order);
            QCOMPARE(m_herd->ComboBoxPoradieLaktacie->currentIndex(), order - 1);
            QCOMPARE(m_herd->DBChartLaktacneKrivky->title(),
                     QString("Laktačná krivka kravy %1 (laktácia %2)").arg(earNumber).arg(order));
            QCOMPARE(m_herd->DBChartLaktacneKrivky->series(0)->count(), earNumber == cow ? 3 : 1);
        }

        const int row = m_herd->DBGridLaktacneKrivky->currentIndex().row();
        m_herd->ComboBoxPoradieLaktacie->setCurrentIndex(2);
        Q_EMIT m_herd->ComboBoxPoradieLaktacie->activated(2);
        QCOMPARE(curve->parameter("CisloKravy"), controls->text("usnecislo"));
        QCOMPARE(curve->parameter("Poradie"), 3);
        QCOMPARE(m_herd->DBChartLaktacneKrivky->series(0)->count(), 0);
        QCOMPARE(m_herd->DBGridLaktacneKrivky->currentIndex().row(), row);
    }

    void noControlsGiveAnEmptyCurve() {
        m_herd->show();
        m_herd->PageControlZvierata->setCurrentWidget(m_herd->TabSheetLaktacneKrivky);
        m_herd->NacitajKontroly("999999", 30);
        QCOMPARE(m_data->ADOQueryLaktacnaKrivka->parameter("CisloKravy"), QString());
        QCOMPARE(m_data->ADOQueryLaktacnaKrivka->parameter("Poradie"), 0);
        QCOMPARE(m_herd->DBChartLaktacneKrivky->title(), "Laktačná krivka kravy  (laktácia 0)");
        QCOMPARE(m_herd->ComboBoxPoradieLaktacie->currentIndex(), -1);
    }

    void valueButtonsSwitchTheSeries_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("series");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<QString>("axisTitle");
        QTest::newRow("fat") << "ToolButtonLaktKrivkyT" << 1 << 3.0 << "Tuk";
        QTest::newRow("protein") << "ToolButtonLaktKrivkyB" << 2 << 2.0 << "Bielkovina";
        QTest::newRow("milk") << "ToolButtonLaktKrivkyM" << 0 << 60.0 << "Mlieko";
    }
    void valueButtonsSwitchTheSeries() {
        QFETCH(QString, button);
        QFETCH(int, series);
        QFETCH(double, maximum);
        QFETCH(QString, axisTitle);
        if (series == 0)
            action(*m_herd, "ToolButtonLaktKrivkyB")->trigger();
        action(*m_herd, qPrintable(button))->trigger();

        const DBChart* chart = m_herd->DBChartLaktacneKrivky;
        for (int i = 0; i < chart->seriesCount(); ++i)
            QCOMPARE(chart->series(i)->isVisible(), i == series);
        QCOMPARE(chart->leftAxis()->min(), 0.0);
        QCOMPARE(chart->leftAxis()->max(), maximum);
        QCOMPARE(chart->leftAxis()->titleText(), axisTitle);
        QCOMPARE(m_log.size(), 0);
    }

    void doubleClickOpensTheCow() {
        QSignalSpy opened(m_herd.get(), &TFrameZvierata::kravaOtvorena);
        m_herd->resize(900, 500);
        m_herd->show();
        m_herd->NacitajZvierata(barn);
        DBGrid* grid = m_herd->DBGridZvierata;
        int row = 0;
        while (grid->model()->index(row, 1).data().toString() != cow)
            ++row;
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());

        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].toString(), cow);
        QCOMPARE(m_data->ADOQueryKrava->text("usnecislo"), cow);
        QCOMPARE(m_data->ADOQueryLaktacieKravy->parameter("CisloKravy"), cow);
        QVERIFY(m_data->ADOQueryLaktacieKravy->isOpen());
    }

    void cowLoadersFillTheirPages_data() {
        QTest::addColumn<QString>("loader");
        QTest::addColumn<QString>("earNumber");
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("shows");
        QTest::newRow("record") << "NacitajKravu" << cow << "DBEditDatumPoslednejKontroly"
                                << QLocale().toString(QDate(2024, 3, 7), QLocale::ShortFormat);
        QTest::newRow("record's number format")
            << "NacitajKravu" << cow << "DBEditTukPriemPerc" << QLocale().toString(3.95, 'f', 2);
        QTest::newRow("herdbook list") << "NacitajKravu" << cow << "DBLookupComboBoxPlemennaKniha"
                                       << "HK";
        QTest::newRow("sire") << "NacitajRodokmen" << cow << "DBEditO" << sire;
        QTest::newRow("mother's father") << "NacitajRodokmen" << cow << "DBEditOM"
                                         << "SK100000000002";
        QTest::newRow("unknown great-grandparent") << "NacitajRodokmen" << cow << "DBEditMMM"
                                                   << "";
        QTest::newRow("controls") << "NacitajKontroly" << cow << "StatusBarKontroly"
                                  << "Celkový počet kontrol: 4";
        QTest::newRow("no controls")
            << "NacitajKontroly" << cowWithoutControls << "StatusBarKontroly"
            << "Celkový počet kontrol: 0";
        QTest::newRow("lifetime production") << "NacitajProdukciuCUK" << cow << "StatusBarLaktacie"
                                             << "Celkový počet laktácií: 1";
        QTest::newRow("lifetime production's record")
            << "NacitajProdukciuCUK" << cow << "DBEditMliekoMaxCuk"
            << "9876";
        QTest::newRow("calf") << "NacitajProdukciuCUK" << cow << "DBGridCukLaktacie"
                              << "SK000000000129";
    }
    void cowLoadersFillTheirPages() {
        QFETCH(QString, loader);
        QFETCH(QString, earNumber);
        QFETCH(QString, component);
        QFETCH(QString, shows);
        if (loader == "NacitajKravu")
            m_cowCard->NacitajKravu(earNumber);
        else if (loader == "NacitajRodokmen")
            m_cowCard->NacitajRodokmen(earNumber);
        else if (loader == "NacitajKontroly")
            m_cowCard->NacitajKontroly(earNumber, 0);
        else
            m_cowCard->NacitajProdukciuCUK(earNumber);

        const QObject* shown = m_cowCard->findChild<QObject*>(component);
        QVERIFY(shown);
        if (const auto* box = qobject_cast<const DBEdit*>(shown))
            QCOMPARE(box->text(), shows);
        else if (const auto* list = qobject_cast<const QComboBox*>(shown))
            QCOMPARE(list->currentText(), shows);
        else if (const auto* grid = qobject_cast<const DBGrid*>(shown))
            QCOMPARE(grid->model()->index(0, 1).data().toString(), shows);
        else
            QCOMPARE(qobject_cast<const StatusPanelBar*>(shown)->panelText(0), shows);
    }

    void cowPageBroughtToFrontLoadsIt_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("visibleIndex");
        QTest::addColumn<QStringList>("queries");
        QTest::newRow("Krava") << "TabSheetKrava" << 0 << QStringList();
        QTest::newRow("Rodokmeň") << "TabSheetRodokmen" << 1 << QStringList{"ADOQueryRodokmen"};
        QTest::newRow("Kontrola mlieka")
            << "TabSheetKontrolaMlieka" << 2 << QStringList{"ADOQueryKontrolyMliekaKravy"};
        QTest::newRow("Laktačné krivky")
            << "TabSheetLaktacneKrivky" << 3
            << QStringList{"SELECT l.poradie FROM laktacie l", "ADOQueryLaktacnaKrivka"};
        QTest::newRow("Produkcia CUK")
            << "TabSheetProdukciaCUK" << 4 << QStringList{"ADOQueryKrava", "ADOQueryLaktacieKravy"};
    }
    void cowPageBroughtToFrontLoadsIt() {
        QFETCH(QString, page);
        QFETCH(int, visibleIndex);
        QFETCH(QStringList, queries);
        m_cowCard->AktualneUsneCislo = cow;
        m_cowCard->PageControlKrava->setCurrentIndex(page == "TabSheetRodokmen" ? 2 : 1);
        m_cowCard->show();
        m_data->ADOTablePlemenneKnihy->open();
        m_log.clear();

        m_cowCard->PageControlKrava->setCurrentWidget(m_cowCard->findChild<QWidget*>(page));

        QCOMPARE(m_cowCard->viditelnaZalozka(), visibleIndex);
        QCOMPARE(m_log.size(), queries.size());
        // A query of the data module by its name, a statement of the card's own by its start.
        for (qsizetype i = 0; i < queries.size(); ++i) {
            auto* query = m_data->findChild<Query*>(queries[i]);
            QVERIFY2(query ? m_log[i].sql == query->sqlText() : m_log[i].sql.startsWith(queries[i]),
                     qPrintable(m_log[i].sql));
            QVERIFY(std::ranges::any_of(m_log[i].parameters,
                                        [](const auto& bound) { return bound.second == cow; }));
        }
    }

    void curvesPageShowsTheCardsCow() {
        const auto shows = [&](const QString& earNumber, int order, const QStringList& orders,
                               int points) {
            QCOMPARE(m_data->ADOQueryLaktacnaKrivka->parameter("CisloKravy"), earNumber);
            QCOMPARE(m_data->ADOQueryLaktacnaKrivka->parameter("Poradie"), order);
            QComboBox* box = m_cowCard->ComboBoxPoradieLaktacie;
            QStringList listed;
            for (int i = 0; i < box->count(); ++i)
                listed << box->itemText(i);
            QCOMPARE(listed, orders);
            QCOMPARE(box->currentText(), order > 0 ? QString::number(order) : QString());
            for (const auto& [chart, title] :
                 {std::pair{m_cowCard->DBChartLaktacnaKrivkaM, "mlieko"},
                  {m_cowCard->DBChartLaktacnaKrivkaT, "tuk"},
                  {m_cowCard->DBChartLaktacnaKrivkaB, "bielkovina"}}) {
                QCOMPARE(chart->title(), QString("Laktačná krivka kravy %1 (%2, laktácia %3)")
                                             .arg(earNumber, title)
                                             .arg(order));
                QCOMPARE(chart->series(0)->count(), points);
            }
        };
        m_cowCard->show();
        m_cowCard->PageControlKrava->setCurrentWidget(m_cowCard->TabSheetLaktacneKrivky);
        // The herd frame charts the running lactation of one cow into the query both views read.
        m_herd->show();
        m_herd->PageControlZvierata->setCurrentWidget(m_herd->TabSheetLaktacneKrivky);
        m_herd->NacitajKontroly(barn, 30);
        QCOMPARE(m_data->ADOQueryLaktacnaKrivka->parameter("CisloKravy"), cow);

        // A cow with one running lactation, then one with a closed and a running one: the
        // order shown stays where she has it.
        m_cowCard->ukazVyber("SK000000000127");
        shows("SK000000000127", 1, {"1"}, 1);
        m_cowCard->ukazVyber(cow);
        shows(cow, 1, {"1", "2"}, 1);
        m_cowCard->ComboBoxPoradieLaktacie->setCurrentIndex(1);
        Q_EMIT m_cowCard->ComboBoxPoradieLaktacie->activated(1);
        shows(cow, 2, {"1", "2"}, 3);
        QCOMPARE(m_cowCard->DBChartLaktacnaKrivkaB->series(0)->name(), "Bielkoviny");
        QCOMPARE(m_cowCard->DBChartLaktacnaKrivkaT->leftAxis()->max(), 3.0);
        // Her second lactation is not the next cow's: she shows her latest.
        m_cowCard->ukazVyber("SK000000000127");
        shows("SK000000000127", 1, {"1"}, 1);
        m_cowCard->ukazVyber(cowWithoutControls);
        shows(cowWithoutControls, 0, {}, 0);

        // The herd frame charts another cow meanwhile; the page brought to front again shows
        // the card's own.
        m_cowCard->PageControlKrava->setCurrentWidget(m_cowCard->TabSheetKrava);
        m_herd->NacitajKontroly(barn, 30);
        QCOMPARE(m_data->ADOQueryLaktacnaKrivka->parameter("CisloKravy"), cow);
        m_cowCard->PageControlKrava->setCurrentWidget(m_cowCard->TabSheetLaktacneKrivky);
        shows(cowWithoutControls, 0, {}, 0);
    }

    void cowLactationsGoToASpreadsheet() {
        QStringList calls;
        const auto previous = SpreadsheetApplication::install(
            [&calls] { return std::make_unique<RecordingSpreadsheetApplication>(calls); });
        m_cowCard->NacitajProdukciuCUK(cow);
        action(*m_cowCard, "ToolButtonLaktacieExportXLS")->trigger();
        SpreadsheetApplication::install(previous);

        QVERIFY(calls.contains("Workbooks(1).Worksheets(1).Name := 'SK000000000123'"));
        QVERIFY(calls.contains("Workbooks(1).Worksheets(1).Cells(1, 34) := 'usnecislotelata'"));
        QVERIFY(calls.contains("Workbooks(1).Worksheets(1).Cells(2, 34) := 'SK000000000129'"));
    }

    void titleClickSortsOnlyAnOpenGrid_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("query");
        QTest::newRow("animals") << "herd"
                                 << "DBGridZvierata"
                                 << "ADOQueryZvierata";
        QTest::newRow("controls") << "herd"
                                  << "DBGridKontrolaMlieka"
                                  << "ADOQueryKontrolyMlieka";
        QTest::newRow("curve") << "herd"
                               << "DBGridLaktacneKrivky"
                               << "ADOQueryKontrolyMlieka";
        QTest::newRow("lactations") << "herd"
                                    << "DBGridLaktacie"
                                    << "ADOQueryLaktacie";
        QTest::newRow("running") << "herd"
                                 << "DBGridPrebiehajuceLaktacie"
                                 << "ADOQueryPrebiehajuceLaktacie";
        QTest::newRow("cow's controls") << "cow"
                                        << "DBGridKontrolaMlieka"
                                        << "ADOQueryKontrolyMliekaKravy";
        QTest::newRow("cow's lactations") << "cow"
                                          << "DBGridCukLaktacie"
                                          << "ADOQueryLaktacieKravy";
    }
    void titleClickSortsOnlyAnOpenGrid() {
        QFETCH(QString, frame);
        QFETCH(QString, grid);
        QFETCH(QString, query);
        QWidget* owner = frame == "herd" ? static_cast<QWidget*>(m_herd.get()) : m_cowCard.get();
        auto* view = owner->findChild<DBGrid*>(grid);
        auto* dataset = m_data->findChild<Query*>(query);
        dataset->close();
        const QStringList closedSql = dataset->sql();

        Q_EMIT view->horizontalHeader()->sectionClicked(1);
        QCOMPARE(dataset->sql(), closedSql);
        QVERIFY(!dataset->isOpen());

        if (frame == "herd") {
            m_herd->NacitajZvierata(enterprise);
            m_herd->NacitajKontroly(enterprise, 0);
            m_herd->NacitajLaktacie(enterprise);
            m_herd->NacitajPrebiehajuceLaktacie(enterprise);
        } else {
            m_cowCard->NacitajKontroly(cow, 0);
            m_cowCard->NacitajProdukciuCUK(cow);
        }
        Q_EMIT view->horizontalHeader()->sectionClicked(1);
        QCOMPARE(dataset->sql().last(), " ORDER BY " + view->fieldName(1) + " ASC");
        QVERIFY(dataset->isOpen());

        // Later loads keep the order: the days are rewritten without losing the clause.
        if (query.contains("Kontroly")) {
            m_herd->NacitajKontroly(enterprise, 7);
            m_cowCard->NacitajKontroly(cow, 7);
            QCOMPARE(dataset->sql().last(), " ORDER BY " + view->fieldName(1) + " ASC");
        }
        m_data->ADOQueryZvierata->setSql({"SELECT * FROM kravy_view WHERE chovatel LIKE :Chov"});
        for (const char* name :
             {"ADOQueryKontrolyMlieka", "ADOQueryKontrolyMliekaKravy", "ADOQueryLaktacie",
              "ADOQueryPrebiehajuceLaktacie", "ADOQueryLaktacieKravy"})
            dropOrder(m_data->findChild<Query*>(name));
    }

    void bullCardShowsWhatIsKnown_data() {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("shows");
        QTest::newRow("ear number") << "DBEditAnimalcode" << bull;
        QTest::newRow("line") << "DBEditLine"
                              << "ELV";
        QTest::newRow("register") << "DBEditRegister"
                                  << "777";
        QTest::newRow("line's name") << "DBEditLineName"
                                     << "Elevation";
        QTest::newRow("herdbook number") << "DBEditHerdbookNumber"
                                         << "HB0042";
        QTest::newRow("sire") << "DBEditFather" << sire;
        QTest::newRow("sire's register") << "DBEditFatherRegister"
                                         << "123";
        QTest::newRow("breed share") << "DBEditR2Rate"
                                     << "25";
        QTest::newRow("herdbook") << "DBLookupComboBoxPK"
                                  << "HK";
        QTest::newRow("breed") << "DBLookupComboBoxPlemeno"
                               << "holštajnské čierne";
        QTest::newRow("colour") << "DBLookupComboBoxFarba"
                                << "čiernostrakatá";
        QTest::newRow("not culled") << "DBEditDiscarded"
                                    << "nie";
        QTest::newRow("pedigree: sire") << "DBEditO" << sire;
        QTest::newRow("pedigree: dam's sire") << "DBEditOM"
                                              << "SK100000000002";
    }
    void bullCardShowsWhatIsKnown() {
        QFETCH(QString, component);
        QFETCH(QString, shows);
        m_bullCard->NacitajByka(bull);
        const QObject* shown = m_bullCard->findChild<QObject*>(component);
        QVERIFY(shown);
        if (const auto* box = qobject_cast<const DBEdit*>(shown))
            QCOMPARE(box->text(), shows);
        else
            QCOMPARE(qobject_cast<const QComboBox*>(shown)->currentText(), shows);
    }

    void bullCardTicksAndChoices() {
        m_bullCard->NacitajByka(bull);
        QVERIFY(m_bullCard->DBCheckBoxET->isChecked());
        QVERIFY(!m_bullCard->DBCheckBoxImport->isChecked());
        QVERIFY(m_bullCard->DBCheckBoxZive->isChecked());
        QCOMPARE(m_bullCard->DBRadioGroupZaradenyDo->itemIndex(), 0);

        m_bullCard->NacitajByka("SK999999999999");
        QVERIFY(!m_bullCard->DBCheckBoxZive->isChecked());
        QCOMPARE(m_bullCard->DBRadioGroupZaradenyDo->itemIndex(), -1);
        QCOMPARE(edit(*m_bullCard, "DBEditAnimalcode"), QString());
    }

    // A sire taken out of service is no live one; the progeny test's boxes show the bull's
    // breeding values for production, or say that there is no value.
    void bullCardAgreesWithItselfAndFillsItsBoxes() {
        m_db->exec("UPDATE byky SET datumvyradenia = '2023-06-30' WHERE byk_id = 2");
        m_db->exec("INSERT INTO plemenne_hodnoty (zviera_id, datum_hodnotenia, ph_mlieko, "
                   "ph_tuk_kg, ph_tuk_perc, ph_bielkovina_kg, ph_bielkovina_perc, spolahlivost) "
                   "VALUES (15, '2024-01-01', 1234.4, 21.35, -0.04, 18, 0.05, 85)");
        const auto vrat = qScopeGuard([this] {
            m_db->exec("UPDATE byky SET datumvyradenia = NULL WHERE byk_id = 2");
            m_db->exec("DELETE FROM plemenne_hodnoty WHERE zviera_id = 15");
        });
        m_bullCard->NacitajByka("SK100000000002");
        QCOMPARE(edit(*m_bullCard, "DBEditDiscarded"), "áno");
        QVERIFY(!m_bullCard->DBCheckBoxZive->isChecked());
        QCOMPARE(edit(*m_bullCard, "DBEditLine1KDV"), "bez hodnoty");

        m_bullCard->NacitajByka(bull);
        QVERIFY(m_bullCard->DBCheckBoxZive->isChecked());
        QCOMPARE(edit(*m_bullCard, "DBEditLine1KDV"), "mlieko +1 234 kg, tuk +21,4 kg −0,04 %");
        QCOMPARE(edit(*m_bullCard, "DBEditLine2KDV"), "bielkovina +18,0 kg +0,05 %, spoľ. 85 %");
        QCOMPARE(edit(*m_bullCard, "DBEditLine1KDD"), "bez hodnoty");
        QCOMPARE(edit(*m_bullCard, "DBEditLine1KDM"), "bez hodnoty");
        QCOMPARE(edit(*m_bullCard, "DBEditLine3KDM"), QString());
    }

    void cardsTakeNoInjectedText() {
        const QString injected = "x' OR '1'='1";
        m_cowCard->NacitajKravu(injected);
        m_bullCard->NacitajByka(injected);
        m_herd->NacitajZvierata(injected);
        QCOMPARE(m_data->ADOQueryKrava->recordCount(), 0);
        QCOMPARE(m_bullCard->ADOQueryByk->recordCount(), 0);
        QCOMPARE(m_data->ADOQueryZvierata->recordCount(), 0);
        for (const Statement& statement : std::as_const(m_log))
            QVERIFY(!statement.sql.contains(injected));
    }

private:
    /// The last statement sent was the query's own text with these values bound; `later`
    /// statements may follow it (a chart that follows the query).
    void expectOpened(const QString& name, const QVariantMap& parameters, int later = 0) {
        auto* query = m_data->findChild<Query*>(name);
        QVERIFY(query);
        QVERIFY(query->isOpen());
        QVERIFY(m_log.size() > later);
        const Statement& sent = m_log[m_log.size() - 1 - later];
        QCOMPARE(sent.sql, query->sqlText());
        QVariantMap bound;
        for (const auto& [parameter, value] : sent.parameters)
            bound.insert(parameter, value);
        QCOMPARE(bound, parameters);
    }

    /// Puts a query back to its statement without an order, for the next test.
    static void dropOrder(Query* query) {
        QStringList sql = query->sql();
        if (!sql.isEmpty() && sql.last().startsWith(" ORDER BY"))
            sql.removeLast();
        query->close();
        query->setSql(sql);
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TDataModuleHlavny> m_data;
    std::unique_ptr<TFrameZvierata> m_herd;
    std::unique_ptr<TFrameKrava> m_cowCard;
    std::unique_ptr<TFrameByk> m_bullCard;
    std::unique_ptr<ScriptedDialogService> m_dialogs;
    QList<Statement> m_log;
};

QTEST_MAIN(TestFrames)
#include "tst_frames.moc"
