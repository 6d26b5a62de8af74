#include "UniZostavaFixture.h"
#include "app/ProgramInstances.h"
#include "app/SpustenieProgramu.h"
#include "app/TFormHlavny.h"
#include "common/TestHelpers.h"
#include "data/ConfigFile.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/DisplayFormat.h"
#include "data/FieldDef.h"
#include "data/Query.h"
#include "data/ReportReaderAccount.h"
#include "data/TDataModuleHlavny.h"
#include "engine/model/FixedWidthMeasurer.h"
#include "engine/model/PageDefinition.h"
#include "engine/model/PageModelDestination.h"
#include "engine/model/ProjectDefinition.h"
#include "engine/model/ReportComponent.h"
#include "engine/model/ReportConnections.h"
#include "engine/model/ReportProject.h"
#include "engine/model/ReportSystem.h"
#include "reports/DatasetReportDataSet.h"
#include "reports/ZamokVyberu.h"
#include "unireport/TFormUniverzalnaZostava.h"
#include "unireport/TFormZostava.h"
#include "unireport/core/UlozenaZostava.h"
#include "unireport/core/VystupZostavy.h"
#include "views/spreadsheet/RecordingSpreadsheetApplication.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/ScriptedDialogService.h"
#include "widgets/StatusPanelBar.h"

#include <QAction>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSqlQuery>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// The viewer of saved universal reports: what it shows of a definition, what it refuses to
/// run, its print with columns laid out at run time and its export; and how the main window
/// opens it and the builder.
class TestZostava final : public QObject {
    Q_OBJECT

private:
    /// Shows the viewer for a definition as an opening does, and hides it again.
    void otvor(int id) {
        m_prehliadac->IdZostavy = id;
        m_prehliadac->TextCopyright = u"© Tarvelin"_s;
        m_prehliadac->KodPodniku = u"208123"_s;
        m_prehliadac->show();
    }

    QString panel(int index) {
        return findComponent<StatusPanelBar>(m_prehliadac.get(), u"StatusBarZostava"_s)
            ->panelText(index);
    }

    void tlac() { findComponent<QAction>(m_prehliadac.get(), u"ToolButtonTlacit"_s)->trigger(); }

    /// The boxes of the last print made by one component, on its first page.
    QList<QRectF> vytlacene(const QString& komponent) {
        QList<QRectF> boxy;
        for (const PagePrimitive& p : m_ciel->runs().back().pages().front().primitives)
            if (p.component == komponent)
                boxy << p.rect;
        return boxy;
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        m_db = std::make_unique<TestDatabase>(u"zostava"_s);
        UniZostavaFixture::vytvor(*m_db);
        m_data = std::make_unique<TDataModuleHlavny>(m_db->settings());
        m_data->pripravUcetZostav();
        m_system.setMeasurer(std::make_shared<FixedWidthMeasurer>());
        m_ciel = std::make_shared<PageModelDestination>();
        m_system.setDestination(m_ciel);
        m_vysledok = std::make_unique<DatasetReportDataSet>(*m_data->ADOQueryUniZostava);
        m_spojenia.publish(u"RvDataSetUniZostava"_s, m_vysledok.get());
        m_projekt = std::make_unique<ReportProject>(m_system, m_spojenia,
                                                    QString::fromUtf8(TARVELIN_REPORTS_DIR) +
                                                        u"/TarvelinZostavy.rav"_s);
        m_prehliadac = std::make_unique<TFormZostava>(*m_data, *m_projekt);
        m_kravy = UniZostavaFixture::ulozZostavu(
            *m_db, u"Kravy"_s, u"po 3. laktácii"_s,
            u"SELECT usnecislo, meno AS 'Meno kravy', mlieko_max FROM uzkravy "
            u"WHERE poradie = 3"_s);
    }

    void cleanup() { m_prehliadac->hide(); }

    void captionAndPanelsNameTheDefinition() {
        QCOMPARE(m_prehliadac->windowTitle(), u"[Zostava]"_s);
        QCOMPARE(panel(0), u"Záznamov:"_s);
        QCOMPARE(panel(3), u"Vytvorená:"_s);
        ScriptedDialogService dialogy;
        otvor(m_kravy);
        QCOMPARE(dialogy.interactions().size(), 0);
        QCOMPARE(m_prehliadac->windowTitle(), u"[Kravy] po 3. laktácii"_s);
        QCOMPARE(panel(0), u"Záznamov: 2"_s);
        QCOMPARE(panel(1), u"Názov: Kravy"_s);
        QCOMPARE(panel(2), u"Popis: po 3. laktácii"_s);
        QCOMPARE(panel(3), u"Vytvorená: "_s +
                               DisplayFormat::editText(QDateTime(QDate(2024, 3, 5), QTime(14, 30)),
                                                       FieldDef::dateTime(u"modifikovana"_s)));
        DBGrid* mriezka = findComponent<DBGrid>(m_prehliadac.get(), u"DBGridZostava"_s);
        QCOMPARE(mriezka->model()->headerData(1, Qt::Horizontal).toString(), u"Meno kravy"_s);
        QCOMPARE(mriezka->model()->rowCount(), 2);
    }

    void definitionWithoutRows() {
        ScriptedDialogService dialogy;
        otvor(UniZostavaFixture::ulozZostavu(
            *m_db, u"Prázdna"_s, QString(),
            u"SELECT usnecislo, meno FROM uzkravy WHERE poradie > 5"_s));
        QCOMPARE(panel(0), u"Záznamov: 0"_s);
        tlac();
        QCOMPARE(vytlacene(u"stTxt1"_s).size(), 1);
        QCOMPARE(vytlacene(u"dynDt0"_s).size(), 0);
    }

    void refusedOrMissingDefinition_data() {
        QTest::addColumn<QString>("prikaz");
        QTest::addColumn<QString>("sprava");
        QTest::newRow("deleted meanwhile")
            << QString() << u"Chyba: Zostava nemá príkaz SELECT (príkaz je prázdny)."_s;
        QTest::newRow("edited to write")
            << u"UPDATE uzkravy SET mlieko_max = 0"_s
            << u"Chyba: Zostava smie obsahovať iba jeden príkaz SELECT."_s;
        QTest::newRow("a comment before it")
            << u"/*!UPDATE uzkravy SET mlieko_max = 0*/ SELECT 1"_s
            << u"Chyba: Zostava smie obsahovať iba jeden príkaz SELECT."_s;
        QTest::newRow("a second statement")
            << u"SELECT meno FROM uzkravy; DELETE FROM uz_vzorka"_s << u"SQL syntax"_s;
        QTest::newRow("a table that is no source")
            << u"SELECT meno FROM uz_vzorka"_s << u"Chyba: Zostava smie čítať len tieto zdroje: "_s;
    }

    void refusedOrMissingDefinition() {
        QFETCH(QString, prikaz);
        QFETCH(QString, sprava);
        ScriptedDialogService dialogy;
        otvor(m_kravy);
        m_prehliadac->hide();
        otvor(prikaz.isEmpty()
                  ? 99999
                  : UniZostavaFixture::ulozZostavu(*m_db, u"Upravená"_s, QString(), prikaz));
        QCOMPARE(dialogy.interactions().size(), 1);
        QCOMPARE(dialogy.interactions()[0].icon, DialogService::Icon::Error);
        QVERIFY2(dialogy.interactions()[0].text.contains(sprava),
                 qPrintable(dialogy.interactions()[0].text));
        QVERIFY(m_prehliadac->isVisible());
        QVERIFY(!m_data->ADOQueryUniZostava->isOpen());
        QCOMPARE(panel(0), u"Záznamov: 2"_s);
        Connection spojenie(m_db->settings());
        QSqlQuery sucet = spojenie.execute(u"SELECT COUNT(*), SUM(mlieko_max) FROM uz_vzorka"_s);
        sucet.next();
        QCOMPARE(sucet.value(0).toInt(), 4);
        QCOMPARE(sucet.value(1).toInt(), 36300);
    }

    void printingTwiceKeepsOneSetOfColumnsAsWideAsTheGrid() {
        ScriptedDialogService dialogy;
        otvor(m_kravy);
        DBGrid* mriezka = findComponent<DBGrid>(m_prehliadac.get(), u"DBGridZostava"_s);
        const std::size_t predtym = m_ciel->runs().size();
        tlac();
        mriezka->setColumnWidth(0, 100);
        mriezka->setColumnWidth(1, 300);
        mriezka->setColumnWidth(2, 100);
        tlac();
        QCOMPARE(dialogy.interactions().size(), 0);
        QCOMPARE(m_ciel->runs().size(), predtym + 2);

        QStringList mena;
        for (const ReportComponent* c :
             m_projekt->definition()->findPage(u"ReportUniZostava.Strana"_s)->components())
            if (c->name().startsWith(u"stTxt"_s) || c->name().startsWith(u"dynDt"_s))
                mena << c->name();
        QCOMPARE(mena, QStringList({"stTxt0", "stTxt1", "stTxt2", "dynDt0", "dynDt1", "dynDt2"}));

        // A4 landscape less the half-inch margins and the columns' inset of 0.1, in points; the
        // widened column takes 3/5.
        const double oblast = (297 / 25.4 - 1 - 0.1) * 72;
        const QList<QRectF> meno = vytlacene(u"dynDt1"_s);
        QCOMPARE(meno.size(), 2);
        QCOMPARE(qRound(meno[0].width()), qRound(oblast * 3 / 5));
        QCOMPARE(qRound(vytlacene(u"stTxt2"_s)[0].left() - vytlacene(u"stTxt0"_s)[0].left()),
                 qRound(oblast * 4 / 5));
        // The last column ends at the region's right edge, its number a little inside it.
        const double pravyOkraj = (297 / 25.4 - 0.5) * 72;
        QCOMPARE(qRound(vytlacene(u"stTxt2"_s)[0].left() + oblast / 5), qRound(pravyOkraj));
        QVERIFY(vytlacene(u"dynDt2"_s)[0].right() < pravyOkraj);
        const QString strany = m_ciel->runs().back().dump();
        QVERIFY(strany.contains(u"\"Meno kravy\""_s));
        QVERIFY(strany.contains(u"\"Lýra\""_s));
        QVERIFY(strany.contains(u"\"Kravy\""_s));
        QVERIFY(strany.contains(u"208123"_s));
        QCOMPARE(m_projekt->parameter(u"Copyright"_s), u"© Tarvelin"_s);
        QCOMPARE(m_projekt->parameter(u"NazovPodniku"_s), QString());
    }

    void exportNamesTheSheetAndTitlesTheColumnsByAlias() {
        ScriptedDialogService dialogy;
        otvor(m_kravy);
        QStringList volania;
        const auto predtym = SpreadsheetApplication::install(
            [&] { return std::make_unique<RecordingSpreadsheetApplication>(volania); });
        findComponent<QAction>(m_prehliadac.get(), u"ToolButtonExcel"_s)->trigger();
        SpreadsheetApplication::install(predtym);
        QCOMPARE(dialogy.interactions().size(), 0);
        QVERIFY(volania.contains(u"Workbooks(1).Worksheets(1).Name := 'Kravy'"_s));
        QVERIFY(volania.contains(u"Workbooks(1).Worksheets(1).Cells(1, 2) := 'Meno kravy'"_s));
        QVERIFY(volania.contains(u"Workbooks(1).Worksheets(1).Cells(3, 2) := 'Lýra'"_s));
    }

    // Every decimal column with its kind's decimals, in the grid, on paper and in the workbook:
    // a percentage and kilograms of fat to two, milk of a lactation whole, a figure of no known
    // kind to two; whole numbers as they are.
    void decimalsByKindOfColumn() {
        ScriptedDialogService dialogy;
        const int id = UniZostavaFixture::ulozZostavu(
            *m_db, u"Desatiny"_s, {},
            u"SELECT tuk_perc * 1.0245678 AS tuk_perc, tuk / 3 AS tuk_norm, mlieko_max / 7 AS "
            u"mlieko_norm, tuk_perc / 7 AS podiel, mlieko_max FROM uzkravy WHERE poradie = 1"_s);
        otvor(id);
        QCOMPARE(dialogy.interactions().size(), 0);
        const QStringList ocakavane{u"4,35"_s, u"133,33"_s, u"1357"_s, u"0,61"_s, u"9500"_s};
        DBGrid* mriezka = findComponent<DBGrid>(m_prehliadac.get(), u"DBGridZostava"_s);
        for (int stlpec = 0; stlpec < ocakavane.size(); ++stlpec)
            QCOMPARE(mriezka->model()->index(0, stlpec).data().toString(), ocakavane[stlpec]);

        tlac();
        for (int stlpec = 0; stlpec < ocakavane.size(); ++stlpec)
            QVERIFY2(m_ciel->runs().back().dump().contains(u"dynDt%1"_s.arg(stlpec) + u' ',
                                                           Qt::CaseSensitive) &&
                         m_ciel->runs().back().dump().contains(u'"' + ocakavane[stlpec] + u'"'),
                     qPrintable(ocakavane[stlpec]));

        QStringList volania;
        const auto predtym = SpreadsheetApplication::install(
            [&] { return std::make_unique<RecordingSpreadsheetApplication>(volania); });
        findComponent<QAction>(m_prehliadac.get(), u"ToolButtonExcel"_s)->trigger();
        SpreadsheetApplication::install(predtym);
        QVERIFY2(volania.join(u'\n').contains(u"[0.00]"_s), qPrintable(volania.join(u'\n')));
        QVERIFY(volania.join(u'\n').contains(u"[0]"_s));
    }

    // The rows are the selection's the viewer was opened for, written into the parameter row
    // before they are read, whatever another report wrote there last.
    void rowsAreThoseOfTheSelectionOpened_data() {
        QTest::addColumn<QString>("vyber");
        QTest::addColumn<QString>("riadok");
        QTest::newRow("a herd") << u"20812301"_s << u"208123010"_s;
        QTest::newRow("a barn of another herd") << u"208123021"_s << u"208123021"_s;
        QTest::newRow("none: the enterprise") << QString() << u"208123000"_s;
        QTest::newRow("the herd again") << u"20812301"_s << u"208123010"_s;
    }
    void rowsAreThoseOfTheSelectionOpened() {
        QFETCH(QString, vyber);
        QFETCH(QString, riadok);
        m_db->exec(u"CREATE OR REPLACE VIEW uzbyky AS SELECT v.usnecislo, p.chovatel AS vyber "
                   u"FROM uz_vzorka v JOIN param p"_s);
        m_db->exec(u"UPDATE param SET chovatel = '999999999'"_s);
        ScriptedDialogService dialogy;
        m_prehliadac->KodVyberu = vyber;
        otvor(UniZostavaFixture::ulozZostavu(*m_db, u"Výber"_s, QString(),
                                             u"SELECT DISTINCT vyber FROM uzbyky"_s));
        m_prehliadac->KodVyberu.clear();
        QCOMPARE(dialogy.interactions().size(), 0);
        QCOMPARE(m_data->ADOQueryUniZostava->recordCount(), 1);
        m_data->ADOQueryUniZostava->first();
        QCOMPARE(m_data->ADOQueryUniZostava->text(u"vyber"_s), riadok);
    }

    // More rows than a million are read only when the user says so; a "no" leaves nothing held
    // and nothing to print.
    void overAMillionRowsAsksFirst_data() {
        QTest::addColumn<bool>("citat");
        QTest::addColumn<QString>("zaznamov");
        QTest::newRow("no") << false << u"Záznamov: nenačítané"_s;
        QTest::newRow("yes") << true << u"Záznamov: 1048576"_s;
    }
    void overAMillionRowsAsksFirst() {
        QFETCH(bool, citat);
        QFETCH(QString, zaznamov);
        ScriptedDialogService dialogy;
        dialogy.answerButton(citat ? DialogService::Yes : DialogService::No);
        otvor(UniZostavaFixture::ulozZostavu(
            *m_db, u"Milión"_s, QString(),
            u"SELECT a.pocet FROM uzkravy a, uzkravy b, uzkravy c, uzkravy d, uzkravy e, "
            u"uzkravy f, uzkravy g, uzkravy h, uzkravy i, uzkravy j"_s));
        QCOMPARE(dialogy.interactions().size(), 1);
        QCOMPARE(dialogy.interactions()[0].icon, DialogService::Icon::Question);
        QVERIFY2(dialogy.interactions()[0].text.startsWith(u"Zostava „Milión“ má viac ako 1"_s),
                 qPrintable(dialogy.interactions()[0].text));
        QCOMPARE(panel(0), zaznamov);
        QCOMPARE(m_data->ADOQueryUniZostava->isOpen(), citat);
        QCOMPARE(findComponent<QAction>(m_prehliadac.get(), u"ToolButtonTlacit"_s)->isEnabled(),
                 citat);
        m_data->ADOQueryUniZostava->close();
    }

    // The reading account's free SQL may take any lock it can name; the selection's it cannot,
    // so a statement holding the name older programs used blocks no report.
    void readingAccountCannotHoldTheSelectionLock() {
        Connection vlastnik(m_db->settings());
        Connection citatel(ReportReaderAccount::settingsFor(vlastnik));
        QSqlQuery drzany =
            citatel.execute(u"SELECT GET_LOCK(:Nazov, 0)"_s,
                            {{u"Nazov"_s, u"tarvelin-vyber:"_s + m_db->settings().database}});
        QVERIFY(drzany.next());
        QCOMPARE(drzany.value(0).toInt(), 1);
        QElapsedTimer cas;
        cas.start();
        ZamokVyberu zamok(vlastnik, u"Zostava"_s);
        QVERIFY(cas.elapsed() < 5'000);
        QVERIFY(!ZamokVyberu::nazov(vlastnik).contains(m_db->settings().database));
    }

    // The program gives up waiting for a statement of the reading account; the server, left
    // alone, would go on with it. The owner stops it.
    void statementGivenUpIsStoppedOnTheServer() {
        Connection vlastnik(m_db->settings());
        ConnectionSettings netrpezlivy = ReportReaderAccount::settingsFor(vlastnik);
        netrpezlivy.readTimeout = 1;
        Connection citatel(netrpezlivy);
        Query vystup(&citatel);
        UlozenaZostava zostava;
        zostava.Nazov = u"Krížom"_s;
        // Billions of rows to count: the server keeps at it long after the program gave up.
        QString krizom = u"SELECT count(*) AS pocet FROM uzkravy a0"_s;
        for (int i = 1; i < 16; ++i)
            krizom += u", uzkravy a"_s + QString::number(i);
        zostava.SqlVyraz = krizom;
        QVERIFY_THROWS_EXCEPTION(
            DatabaseError,
            VystupZostavy::otvor(vystup, zostava, vlastnik, u"208123"_s, [](std::size_t) {}));
        const auto bezi = [&] {
            QSqlQuery pocet = vlastnik.execute(
                u"SELECT count(*) FROM information_schema.PROCESSLIST WHERE INFO LIKE "
                u"'SELECT count(*) AS pocet FROM uzkravy a0%'"_s);
            return pocet.next() ? pocet.value(0).toInt() : -1;
        };
        // The server notices the kill at its next check, within moments.
        QTRY_COMPARE_WITH_TIMEOUT(bezi(), 0, 5'000);
    }

    void mainWindowOpensTheChosenDefinitionAndTheBuilder() {
        QFile::remove(ConfigFile::path());
        {
            QSettings ini(ConfigFile::path(), QSettings::IniFormat);
            const ConnectionSettings settings = m_db->settings();
            ini.setValue(u"Databaza/Socket"_s, settings.socket);
            ini.setValue(u"Databaza/Nazov"_s, settings.database);
            ini.setValue(u"Databaza/Pouzivatel"_s, settings.user);
            ini.setValue(u"Databaza/Heslo"_s, settings.password);
        }
        ScriptedDialogService dialogy;
        SpustenieProgramu start;
        start.zdrzanieUvoduMs = 0;
        QVERIFY(start.zacni());
        TFormHlavny* okno = start.instancie().FormHlavny;
        auto* zoznam = findComponent<DBLookupComboBox>(okno, u"DBLookupComboBoxZostavy"_s);
        auto* nacitaj = findComponent<QAction>(okno, u"ToolButtonZostava"_s);
        QCOMPARE(nacitaj->toolTip(), u"Načítaj zostavu"_s);
        QStringList mena;
        for (int i = 0; i < zoznam->count(); ++i)
            mena << zoznam->itemText(i);
        QVERIFY(mena.contains(u"Kravy"_s));
        QCOMPARE(zoznam->currentIndex(), -1);
        // With none chosen, the button says what to choose and opens nothing.
        nacitaj->trigger();
        QCOMPARE(dialogy.interactions().size(), 1);
        QCOMPARE(dialogy.interactions()[0].icon, DialogService::Icon::Information);

        zoznam->setCurrentIndex(zoznam->findText(u"Kravy"_s));
        QString titulok;
        dialogy.answerModal(QDialog::Rejected,
                            [&](QDialog& prehliadac) { titulok = prehliadac.windowTitle(); });
        nacitaj->trigger();
        QCOMPARE(dialogy.interactions().constLast().objectName, u"FormZostava"_s);
        QCOMPARE(titulok, u"[Kravy] po 3. laktácii"_s);
        QCOMPARE(start.instancie().FormZostava->KodPodniku, okno->stavZostav().KodPodniku);
        QVERIFY(!start.instancie().FormZostava->TextCopyright.isEmpty());

        dialogy.answerModal(QDialog::Rejected,
                            [&](QDialog& builder) { titulok = builder.windowTitle(); });
        findComponent<QAction>(okno, u"MenuItemUniverzalnaZostava"_s)->trigger();
        QCOMPARE(dialogy.interactions().constLast().objectName, u"FormUniverzalnaZostava"_s);
        QCOMPARE(titulok, u"Univerzálna zostava"_s);
        QCOMPARE(dialogy.interactions().size(), 3);
        QFile::remove(ConfigFile::path());
    }

    void cleanupTestCase() {
        m_prehliadac.reset();
        m_projekt.reset();
        m_vysledok.reset();
        m_data.reset();
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TDataModuleHlavny> m_data;
    ReportSystem m_system;
    std::shared_ptr<PageModelDestination> m_ciel;
    ReportConnections m_spojenia;
    std::unique_ptr<DatasetReportDataSet> m_vysledok;
    std::unique_ptr<ReportProject> m_projekt;
    std::unique_ptr<TFormZostava> m_prehliadac;
    int m_kravy = 0;
};

QTEST_MAIN(TestZostava)
#include "tst_zostava.moc"
