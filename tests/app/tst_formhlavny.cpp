#include "app/ProgramInstances.h"
#include "app/SpustenieProgramu.h"
#include "app/TFormHlavny.h"
#include "app/TFrameInfo.h"
#include "app/strom/StromChovov.h"
#include "common/TestDatabase.h"
#include "common/TestHelpers.h"
#include "data/AktualizaciaDat.h"
#include "data/ConfigFile.h"
#include "data/PrivateServer.h"
#include "data/SchemaInstaller.h"
#include "data/TDataModuleHlavny.h"
#include "data/VerziaUdajov.h"
#include "demo/DemoHerd.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/ZamokVyberu.h"
#include "reports/dialogy/DialogCakaniaNaVyber.h"
#include "reports/dialogy/DialogPriebehuPripravy.h"
#include "reports/dialogy/TFormHraniceOdDo.h"
#include "reports/dialogy/TFormParametreTab10.h"
#include "reports/dialogy/TFormParametreTab8.h"
#include "views/krava/TFrameKrava.h"
#include "views/zvierata/TFrameZvierata.h"
#include "widgets/ScriptedDialogService.h"
#include "widgets/StatusPanelBar.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

/// The start-up and the main window as a user meets them: what is created, what the show step
/// sends to the database, and the commands of the window itself.
class TestFormHlavny final : public QObject {
    Q_OBJECT

private:
    /// A configuration file that names the test database but has no "Aplikacia" section.
    void writeConfig(const ConnectionSettings& settings) {
        QFile::remove(ConfigFile::path());
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        ini.setValue(u"Databaza/Socket"_s, settings.socket);
        ini.setValue(u"Databaza/Nazov"_s, settings.database);
        ini.setValue(u"Databaza/Pouzivatel"_s, settings.user);
        ini.setValue(u"Databaza/Heslo"_s, settings.password);
    }

    std::unique_ptr<SpustenieProgramu> started() {
        auto startup = std::make_unique<SpustenieProgramu>();
        startup->zdrzanieUvoduMs = 0;
        if (!startup->zacni())
            return nullptr;
        return startup;
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"formhlavny"_s);
        m_db->loadDemo(60, 3);
    }

    void init() { writeConfig(m_db->settings()); }

    void unreachableDatabaseEndsTheStart_data() {
        QTest::addColumn<bool>("hung");
        QTest::addColumn<QString>("message");
        QTest::newRow("no server") << false << QString();
        // A server that takes the connection but never greets, as a stopped one does.
        QTest::newRow("hung server") << true << u"neodpovedal do 10 s"_s;
    }
    void unreachableDatabaseEndsTheStart() {
        QFETCH(bool, hung);
        QFETCH(QString, message);
        QTemporaryDir folder;
        ConnectionSettings wrong = m_db->settings();
        wrong.socket = hung ? folder.filePath(u"s.sock"_s) : u"/nonexistent/tarvelin.sock"_s;
        const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const auto closeSocket = qScopeGuard([listening] { ::close(listening); });
        if (hung) {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray path = QFile::encodeName(wrong.socket);
            std::copy(path.begin(), path.end(), address.sun_path);
            QCOMPARE(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            QCOMPARE(::listen(listening, 4), 0);
        }
        writeConfig(wrong);
        ScriptedDialogService dialogs;
        SpustenieProgramu startup;
        startup.zdrzanieUvoduMs = 0;
        QElapsedTimer took;
        took.start();
        QVERIFY(!startup.zacni());
        QVERIFY(took.elapsed() < 30'000);
        QVERIFY(!startup.instancie().FormHlavny);
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(dialogs.interactions()[0].icon, DialogService::Icon::Error);
        QVERIFY(!dialogs.interactions()[0].text.isEmpty());
        QVERIFY2(dialogs.interactions()[0].text.contains(message),
                 qPrintable(dialogs.interactions()[0].text));
    }

    void showStepWithoutApplicationSection() {
        ScriptedDialogService dialogs;
        auto startup = started();
        QVERIFY(startup);
        TFormHlavny* okno = startup->instancie().FormHlavny;
        QSignalSpy sent(startup->instancie().DataModuleHlavny->ADOConnectionTarvelin,
                        &Connection::statementSent);
        // As the first start after a load finds the data: laktela is rebuilt, and a small
        // window says so while the main one cannot paint yet.
        m_db->exec(VerziaUdajov::zvysenie);
        QString shownWhileRebuilt;
        connect(startup->instancie().DataModuleHlavny->ADOConnectionTarvelin,
                &Connection::statementSent, okno, [&](const QString& sql) {
                    auto* priebeh = okno->findChild<DialogPriebehuPripravy*>();
                    if (sql.startsWith(u"CREATE TABLE laktela"_s) && priebeh &&
                        priebeh->isVisible())
                        shownWhileRebuilt = priebeh->text();
                });
        okno->show();
        QCOMPARE(shownWhileRebuilt, u"Krok 1 z 1: dáta sa zmenili, zostavujú sa laktácie kráv"_s);
        QVERIFY(!okno->findChild<DialogPriebehuPripravy*>());
        QStringList texts;
        for (const QList<QVariant>& statement : sent)
            texts << statement[0].toString();
        const qsizetype drop = texts.indexOf(u"DROP TABLE IF EXISTS laktela;"_s);
        QVERIFY2(drop >= 0 && drop + 1 < texts.size(), qPrintable(texts.join(u'\n')));
        QCOMPARE(texts[drop + 1],
                 u"CREATE TABLE laktela (otec varchar(14) NULL, matka varchar(14) "
                 u"NULL)select  l.*, j.usnecislo as usnecislotelata from "
                 u"jalovice_view j right join  laktacie_view l  on  l.datumotelenia "
                 u"= j.datumnarodenia"_s +
                     QString(35, QLatin1Char(' ')) + u"and l.krava_id = j.matka_id ; "_s);
        QCOMPARE(findComponent<StatusPanelBar>(okno, u"StatusBarHlavny"_s)->panelText(1),
                 u"Verzia programu: "_s);
        // With no import on record, the data are dated by their latest test day.
        QSqlQuery posledna = startup->instancie().DataModuleHlavny->ADOConnectionTarvelin->execute(
            u"SELECT MAX(datum) FROM kontroly"_s);
        QVERIFY(posledna.next());
        const QString den = QLocale().toString(posledna.value(0).toDate(), QLocale::ShortFormat);
        QVERIFY(!den.isEmpty());
        QCOMPARE(findComponent<StatusPanelBar>(okno, u"StatusBarHlavny"_s)->panelText(2),
                 u"Aktualizácia: "_s + den);
        QVERIFY(findComponent<TFrameInfo>(okno, u"FrameInfo"_s)->isVisible());
        QVERIFY(!findComponent<QAction>(okno, u"MenuItemPripojitDB"_s)->isEnabled());
        QVERIFY(findComponent<QAction>(okno, u"MenuItemOdpojitDB"_s)->isEnabled());
        QCOMPARE(okno->stavZostav().KodPodniku.size(), 6);
        QVERIFY(okno->kuhdVybery());
        QCOMPARE(dialogs.interactions().size(), 0);

        startup.reset();
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        QVERIFY(ini.contains(u"Aplikacia/MySQLCesta"_s));
        QCOMPARE(ini.value(u"Aplikacia/MySQLCesta"_s).toString(), QString());
    }

    // The day an import records is what the status bar shows.
    void statusBarShowsTheLastImport() {
        // The import runs in a program that speaks Slovak, as the window does.
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        AktualizaciaDat::zapisImport(QDate(2026, 3, 12));
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        QCOMPARE(findComponent<StatusPanelBar>(okno, u"StatusBarHlavny"_s)->panelText(2),
                 u"Aktualizácia: 12. 3. 2026"_s);
        // An import while the window is open shows its day at once.
        AktualizaciaDat::zapisImport(QDate(2026, 4, 2));
        okno->ukazAktualizaciuDat();
        QCOMPARE(findComponent<StatusPanelBar>(okno, u"StatusBarHlavny"_s)->panelText(2),
                 u"Aktualizácia: 2. 4. 2026"_s);
    }

    void menusAsDesigned() {
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        QStringList captions;
        for (QAction* menu : findComponent<QMenuBar>(okno, u"MainMenuHlavny"_s)->actions())
            captions << menu->text();
        QCOMPARE(captions,
                 (QStringList{"&Súbor", "Z&obraziť", "Zos&tavy", "Výmena &dát", "&Pomoc"}));
        QVERIFY(!findComponent<QAction>(okno, u"MenuItemNastavenia"_s)->isEnabled());
        QVERIFY(findComponent<QAction>(okno, u"MenuItemStrom"_s)->isChecked());
        QVERIFY(!findComponent<QAction>(okno, u"ToolButton8"_s)->isEnabled());
        QCOMPARE(findComponent<QAction>(okno, u"ToolButtonZobrazStrom"_s)->toolTip(),
                 u"Zobraziť strom"_s);
    }

    void treeToggleKeepsMenuAndButtonInStep() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        findComponent<QAction>(okno, u"ToolButtonZobrazStrom"_s)->trigger();
        QVERIFY(!findComponent<QWidget>(okno, u"PanelLavy"_s)->isVisible());
        QVERIFY(!findComponent<QAction>(okno, u"MenuItemStrom"_s)->isChecked());
        QVERIFY(!findComponent<QAction>(okno, u"ToolButtonZobrazStrom"_s)->isChecked());
        findComponent<QAction>(okno, u"MenuItemStrom"_s)->trigger();
        QVERIFY(findComponent<QWidget>(okno, u"PanelLavy"_s)->isVisible());
        QVERIFY(findComponent<QAction>(okno, u"MenuItemStrom"_s)->isChecked());
        QVERIFY(findComponent<QAction>(okno, u"ToolButtonZobrazStrom"_s)->isChecked());

        findComponent<QAction>(okno, u"MenuItemNastrojovyPanel"_s)->trigger();
        QVERIFY(!findComponent<QToolBar>(okno, u"ToolBarHlavny"_s)->isVisible());
        QVERIFY(!findComponent<QAction>(okno, u"MenuItemNastrojovyPanel"_s)->isChecked());
        findComponent<QAction>(okno, u"MenuItemStavovyRiadok"_s)->trigger();
        QVERIFY(!findComponent<StatusPanelBar>(okno, u"StatusBarHlavny"_s)->isVisible());
        findComponent<QAction>(okno, u"MenuItemStavovyRiadok"_s)->trigger();
        QVERIFY(findComponent<StatusPanelBar>(okno, u"StatusBarHlavny"_s)->isVisible());
    }

    void exitAnsweredNoChangesNothing() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        dialogs.answerButton(DialogService::No);
        findComponent<QAction>(okno, u"ToolButtonExit"_s)->trigger();
        QVERIFY(okno->isVisible());
        QCOMPARE(dialogs.interactions().last().text, u"Ukončiť Tarvelin?"_s);
        QCOMPARE(dialogs.interactions().last().icon, DialogService::Icon::Question);
        QCOMPARE(dialogs.interactions().last().buttons,
                 DialogService::Buttons(DialogService::Yes | DialogService::No));
    }

    void disconnectThenAQueryReconnects() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        findComponent<QAction>(okno, u"MenuItemOdpojitDB"_s)->trigger();
        Connection* spojenie = startup->instancie().DataModuleHlavny->ADOConnectionTarvelin;
        QVERIFY(!spojenie->isOpen());
        QVERIFY(findComponent<QAction>(okno, u"MenuItemPripojitDB"_s)->isEnabled());
        QVERIFY(!findComponent<QAction>(okno, u"MenuItemOdpojitDB"_s)->isEnabled());
        startup->instancie().DataModuleHlavny->ADOQueryParam->reopen();
        QVERIFY(spojenie->isOpen());
        QVERIFY(findComponent<QAction>(okno, u"MenuItemPripojitDB"_s)->isEnabled());
        findComponent<QAction>(okno, u"ToolButtonPripojDB"_s)->trigger();
        QVERIFY(!findComponent<QAction>(okno, u"MenuItemPripojitDB"_s)->isEnabled());
    }

    // With its server gone, an action of the window says so once; with the server back, the
    // next one works without a word on a session opened anew.
    void serverDownSaysSoOnceAndBackWorksAgain() {
        QTemporaryDir folder;
        PrivateServer server(folder.filePath(u"data"_s));
        server.start();
        const auto stop = qScopeGuard([&server] { server.stop(); });
        ConnectionSettings settings = server.connectionSettings();
        settings.database = u"wtarvelinhd"_s;
        {
            Connection connection(settings);
            SchemaInstaller(connection)
                .install(SchemaInstaller::IfExists::Refuse,
                         [](const SchemaInstaller::StatementSink& sink) {
                             DemoHerd(DemoHerdOptions{30, 4}).generate(sink);
                         });
        }
        writeConfig(settings);
        ScriptedDialogService dialogs;
        auto startup = started();
        QVERIFY(startup);
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        QTreeWidget* strom = findComponent<QTreeWidget>(okno, u"TreeViewZvierata"_s);
        QTreeWidgetItem* chov = strom->topLevelItem(0)->child(0);
        strom->setCurrentItem(chov);
        QCOMPARE(dialogs.interactions().size(), 0);

        server.stop();
        strom->setCurrentItem(chov->child(0));
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(dialogs.interactions()[0].icon, DialogService::Icon::Error);
        QVERIFY2(dialogs.interactions()[0].text.contains(u"neodpovedá"_s),
                 qPrintable(dialogs.interactions()[0].text));

        server.start();
        strom->setCurrentItem(chov);
        QCOMPARE(dialogs.interactions().size(), 1);
        QVERIFY(startup->instancie().DataModuleHlavny->ADOQueryZvierata->recordCount() > 0);
        QCOMPARE(okno->stavZostav().KodVyberu, StromChovov::kodUzla(chov));
        startup.reset();
    }

    // While another report holds the selection, a report of the window waits in a small dialog
    // that names it and offers Zrušiť; the window stays painted (the test's own timer runs
    // meanwhile), and the report goes on as soon as the other lets go.
    void reportWaitingForTheSelectionCanBeGivenUp_data() {
        QTest::addColumn<bool>("givenUp");
        QTest::newRow("given up") << true;
        QTest::newRow("let go by the other") << false;
    }
    void reportWaitingForTheSelectionCanBeGivenUp() {
        QFETCH(bool, givenUp);
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        Connection ina(m_db->settings());
        std::optional<ZamokVyberu> drzany;
        drzany.emplace(ina, u"iná zostava"_s);

        QString videne;
        QTimer::singleShot(700, [&] {
            auto* cakanie = okno->findChild<DialogCakaniaNaVyber*>(u"DialogCakaniaNaVyber"_s);
            if (!cakanie || !cakanie->isVisible())
                return;
            videne = cakanie->text();
            if (givenUp)
                findComponent<QPushButton>(cakanie, u"BitBtnZrusit"_s)->click();
            else
                drzany.reset();
        });
        if (!givenUp)
            dialogs.answerModal(QDialog::Rejected);
        QElapsedTimer trvanie;
        trvanie.start();
        findComponent<QMenu>(okno, u"MenuItemBonitacneZostavy"_s)
            ->findChild<QAction*>(u"SubSubmenuItemTab9D"_s)
            ->trigger();
        QVERIFY(trvanie.elapsed() < 10'000);
        QVERIFY2(videne.contains(u"(9.D) Zoznam kráv s medziobdobím nad 400 dní"_s),
                 qPrintable(videne));
        QVERIFY(!okno->findChild<DialogCakaniaNaVyber*>(u"DialogCakaniaNaVyber"_s)->isVisible());
        if (givenUp) {
            // Given up by the user: nothing to tell, nothing written.
            QCOMPARE(dialogs.interactions().size(), 0);
        } else {
            // The report went on to the setup dialog, which the test cancels.
            QCOMPARE(dialogs.interactions().size(), 1);
            QCOMPARE(dialogs.interactions()[0].kind, ScriptedDialogService::Kind::Modal);
        }
    }

    void statusPanelsKeepTheirWidths_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("narrow") << 640;
        QTest::newRow("wide") << 1400;
    }
    void statusPanelsKeepTheirWidths() {
        QFETCH(int, width);
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        okno->resize(width, 500);
        QTRY_COMPARE(findComponent<StatusPanelBar>(okno, u"StatusBarHlavny"_s)->width(), width);
        QCOMPARE(findComponent<StatusPanelBar>(okno, u"StatusBarHlavny"_s)->panelWidth(1), 150);
        QCOMPARE(findComponent<StatusPanelBar>(okno, u"StatusBarHlavny"_s)->panelWidth(2), 150);
        QCOMPARE(findComponent<StatusPanelBar>(okno, u"StatusBarHlavny"_s)->panelWidth(0),
                 width - 300);
    }

    void bonitationMenuAsDesigned_data() {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("report") << "SubMenuItemTab2"
                                << "(2) Prehľad o zložení stáda žijúcich kráv" << true;
        QTest::newRow("in a submenu") << "SubSubMenuItemTab5A1"
                                      << "5A1 Kravy - slovenské strakaté" << true;
        QTest::newRow("disabled") << "SubSubMenuItemTab4Graf"
                                  << "(4.B) Graf" << false;
        QTest::newRow("disabled submenu") << "SubSubMenuItemTab6Graf"
                                          << "Graf" << false;
        QTest::newRow("in a disabled submenu") << "SubSubSubMenuItemTab6GrafB"
                                               << "(6.D) Podľa bielkoviny" << false;
        QTest::newRow("third level") << "SubSubSubMenuItemTab11A"
                                     << " Zostava" << true;
        QTest::newRow("22") << "SubMenuItemTab22"
                            << "(22) Plemenná skladba jalovíc v KUHD" << true;
        QTest::newRow("last") << "SubMenuItemTab23"
                              << "(23) Zdravie stáda a kŕmenie" << true;
    }
    void bonitationMenuAsDesigned() {
        QFETCH(QString, component);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        auto* action = findComponent<QMenu>(okno, u"MenuItemBonitacneZostavy"_s)
                           ->findChild<QAction*>(component);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->isEnabled(), enabled);

        QStringList top;
        for (QAction* item : findComponent<QMenu>(okno, u"MenuItemBonitacneZostavy"_s)->actions())
            top << item->text().left(4);
        QCOMPARE(top, (QStringList{"(1) ", "(2) ", "(4) ", "(5) ", "(6) ", "(7) ", "(8) ",
                                   "(9) ", "(10)", "(11)", "(12)", "(13)", "(15)", "(16)",
                                   "(17)", "(18)", "(19)", "(21)", "(22)", "(23)"}));
    }

    // The reports by sire ask for the number of daughters in an input box preset to 1; a text
    // that is no count is refused in the error box before anything reaches the database.
    void daughtersAreAskedForAndChecked() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        QSignalSpy sent(startup->instancie().DataModuleHlavny->ADOConnectionTarvelin,
                        &Connection::statementSent);
        dialogs.answerInput(u"x"_s);
        findComponent<QMenu>(okno, u"MenuItemBonitacneZostavy"_s)
            ->findChild<QAction*>(u"SubSubMenuItemTab1A"_s)
            ->trigger();
        QCOMPARE(dialogs.interactions().size(), 2);
        const ScriptedDialogService::Interaction& box = dialogs.interactions()[0];
        QCOMPARE(box.kind, ScriptedDialogService::Kind::Input);
        QCOMPARE(box.title, u"Počet dcér"_s);
        QCOMPARE(box.text, u"Počet dcér pre prehľad: "_s);
        QCOMPARE(box.initial, u"1"_s);
        QCOMPARE(dialogs.interactions()[1].icon, DialogService::Icon::Error);
        QCOMPARE(dialogs.interactions()[1].text, u"Nesprávna hodnota počtu dcér."_s);
        QCOMPARE(sent.size(), 0);
        QCOMPARE(okno->stavZostav().ZadanyPocetDcer, 0);
    }

    void reportRunsThroughTheSetupDialog_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("interactions");
        QTest::newRow("cancelled") << QString() << 1;
        QTest::newRow("missing project") << u"/nonexistent"_s << 1;
    }
    void reportRunsThroughTheSetupDialog() {
        QFETCH(QString, folder);
        QFETCH(int, interactions);
        if (!folder.isEmpty())
            ConfigFile::write(ConfigFile::aplikacia, u"Zostavy"_s, folder);
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        if (folder.isEmpty())
            dialogs.answerModal(QDialog::Rejected);
        findComponent<QMenu>(okno, u"MenuItemBonitacneZostavy"_s)
            ->findChild<QAction*>(u"SubSubmenuItemTab9D"_s)
            ->trigger();
        QCOMPARE(dialogs.interactions().size(), interactions);
        if (folder.isEmpty()) {
            // The setup dialog was offered and cancelled: nothing printed, the query closed.
            QCOMPARE(dialogs.interactions()[0].kind, ScriptedDialogService::Kind::Modal);
            QVERIFY(!startup->instancie().DataModuleTabulky->ADOQueryTabulka9d->isOpen());
        } else {
            QCOMPARE(dialogs.interactions()[0].icon, DialogService::Icon::Error);
            QVERIFY2(dialogs.interactions()[0].text.contains(u"/nonexistent/Tabulky2.rav"_s),
                     qPrintable(dialogs.interactions()[0].text));
        }
    }

    // The refresh of the universal report's data, from the menu or the toolbar: its statements
    // go out while a window tells their progress, then a message says how many cows the table
    // holds.
    void universalReportDataRefresh_data() {
        QTest::addColumn<QString>("component");
        QTest::newRow("menu") << "Aktualizciadtpreuniverzlnuzostavu1";
        QTest::newRow("toolbar") << "ToolButtonAktualizaciaDat";
    }
    void universalReportDataRefresh() {
        QFETCH(QString, component);
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        Connection* spojenie = startup->instancie().DataModuleHlavny->ADOConnectionTarvelin;
        QString priebehPriUzitKrav;
        connect(spojenie, &Connection::statementSent, okno, [&](const QString& text) {
            if (!text.startsWith(u"create table UzitKrav"_s))
                return;
            auto* priebeh = okno->findChild<DialogPriebehuPripravy*>();
            if (priebeh && priebeh->isVisible())
                priebehPriUzitKrav = priebeh->windowTitle() + u" | "_s + priebeh->text();
        });
        dialogs.answerModal(QDialog::Rejected);
        findComponent<QAction>(okno, component)->trigger();

        QCOMPARE(priebehPriUzitKrav, u"Aktualizácia dát pre univerzálnu zostavu | Krok 42 z 42: "
                                     u"Užitkovosť kráv pre univerzálnu zostavu"_s);
        QVERIFY(!QApplication::overrideCursor());
        QSqlQuery pocet = spojenie->execute(u"SELECT count(*) FROM UzitKrav"_s);
        QVERIFY(pocet.next());
        QVERIFY(pocet.value(0).toInt() >= 5);
        // Then the builder opens, as by "Univerzálna zostava...".
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(dialogs.interactions()[0].kind, ScriptedDialogService::Kind::Modal);
        QCOMPARE(dialogs.interactions()[0].title, u"Univerzálna zostava"_s);
    }

    void universalReportDataRefreshThatFailsSaysWhy() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        Connection* spojenie = startup->instancie().DataModuleHlavny->ADOConnectionTarvelin;
        // The last statement reads the culled dams.
        spojenie->executeDirect(u"RENAME TABLE vyradene_kravy_view TO vyradene_kravy_inde"_s);
        const auto vrat = qScopeGuard([&] {
            spojenie->executeDirect(u"RENAME TABLE vyradene_kravy_inde TO vyradene_kravy_view"_s);
        });
        findComponent<QAction>(okno, u"Aktualizciadtpreuniverzlnuzostavu1"_s)->trigger();
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(dialogs.interactions()[0].icon, DialogService::Icon::Error);
        QVERIFY2(dialogs.interactions()[0].text.contains(u"vyradene_kravy_view"_s),
                 qPrintable(dialogs.interactions()[0].text));
        QVERIFY(!okno->findChild<DialogPriebehuPripravy*>());
        QVERIFY(!QApplication::overrideCursor());
    }

    void reportPreparationShowsItsProgress() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        QStringList kroky;
        connect(startup->instancie().DataModuleHlavny->ADOConnectionTarvelin,
                &Connection::statementSent, okno, [&](const QString& text) {
                    auto* priebeh = okno->findChild<DialogPriebehuPripravy*>();
                    if (text.startsWith(u"create table tab185v1"_s) && priebeh &&
                        priebeh->isVisible())
                        kroky << priebeh->windowTitle() + u" | "_s + priebeh->text();
                });
        dialogs.answerModal(QDialog::Rejected);
        findComponent<QMenu>(okno, u"MenuItemBonitacneZostavy"_s)
            ->findChild<QAction*>(u"SubSubSubMenuItemTab11A"_s)
            ->trigger();
        QCOMPARE(kroky, QStringList{u"Príprava zostavy 11.A | Krok 10 z 40: 5. kontrola prvých "
                                    u"laktácií"_s});
        // The setup dialog comes after the statements, with the progress gone.
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(dialogs.interactions()[0].kind, ScriptedDialogService::Kind::Modal);
        QVERIFY(!QApplication::overrideCursor());
    }

    // The parameter dialogs exist once from the start, made after the report data module, and
    // each report with inputs shows its own before anything reaches the database.
    void parameterDialogsAtStart() {
        ScriptedDialogService dialogs;
        auto startup = started();
        const ProgramInstances& instancie = startup->instancie();
        QCOMPARE(instancie.FormParametreTab10->objectName(), u"FormParametreTab10"_s);
        QCOMPARE(instancie.FormParametreTab8->objectName(), u"FormParametreTab8"_s);
        QCOMPARE(instancie.FormHraniceOdDo->objectName(), u"FormHraniceOdDo"_s);
        QVERIFY(!instancie.FormHraniceOdDo->isVisible());
    }

    void reportsAskInTheirDialogs_data() {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("printed");
        QTest::newRow("7.AA cancelled") << "SubSubMenuItem7AA"
                                        << "FormHraniceOdDo" << int(QDialog::Rejected) << false;
        QTest::newRow("7.BB") << "SubSubMenuItem7BB"
                              << "FormHraniceOdDo" << int(QDialog::Accepted) << true;
        QTest::newRow("8 cancelled") << "SubMenuItemTab8"
                                     << "FormParametreTab8" << int(QDialog::Rejected) << false;
        QTest::newRow("8") << "SubMenuItemTab8"
                           << "FormParametreTab8" << int(QDialog::Accepted) << true;
        QTest::newRow("10.A cancelled") << "SubSubMenuItemTab10A"
                                        << "FormParametreTab10" << int(QDialog::Rejected) << false;
        QTest::newRow("19") << "SubMenuItemTab19"
                            << "FormParametreTab10" << int(QDialog::Accepted) << true;
    }
    void reportsAskInTheirDialogs() {
        QFETCH(QString, component);
        QFETCH(QString, dialog);
        QFETCH(int, result);
        QFETCH(bool, printed);
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        QSignalSpy sent(startup->instancie().DataModuleHlavny->ADOConnectionTarvelin,
                        &Connection::statementSent);
        dialogs.answerModal(result);
        if (printed)
            dialogs.answerModal(QDialog::Rejected);
        findComponent<QMenu>(okno, u"MenuItemBonitacneZostavy"_s)
            ->findChild<QAction*>(component)
            ->trigger();
        QCOMPARE(dialogs.interactions().size(), printed ? 2 : 1);
        QCOMPARE(dialogs.interactions()[0].objectName, dialog);
        if (printed)
            QCOMPARE(dialogs.interactions()[1].objectName, u"ReportSetupDialog"_s);
        QStringList updates;
        for (const QList<QVariant>& statement : sent)
            if (statement[0].toString().startsWith(u"UPDATE param SET    chovatel"_s))
                updates << statement[0].toString();
        QCOMPARE(updates.size(), printed ? 1 : 0);
    }

    // The whole book asks every input first, then where to print, and prepares nothing when
    // that is cancelled.
    void bookAsksFirstThenWhereToPrint() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        QSignalSpy sent(startup->instancie().DataModuleHlavny->ADOConnectionTarvelin,
                        &Connection::statementSent);
        dialogs.answerInput(u"3"_s);
        for (int i = 0; i < 3; ++i)
            dialogs.answerModal(QDialog::Accepted);
        dialogs.answerModal(QDialog::Rejected);
        auto* kniha = findComponent<QMenu>(okno, u"MenuItemZostavy"_s)
                          ->findChild<QAction*>(u"MenuItemKnihaZostav"_s);
        QVERIFY(kniha);
        QVERIFY(kniha->isEnabled());
        kniha->trigger();
        QStringList asked;
        for (const ScriptedDialogService::Interaction& interaction : dialogs.interactions())
            asked << (interaction.objectName.isEmpty() ? interaction.title
                                                       : interaction.objectName);
        QCOMPARE(asked, (QStringList{u"Počet dcér"_s, u"FormHraniceOdDo"_s, u"FormParametreTab8"_s,
                                     u"FormParametreTab10"_s, u"ReportSetupDialog"_s}));
        for (const QList<QVariant>& statement : sent)
            QVERIFY2(statement[0].toString().startsWith(u"SELECT"_s),
                     qPrintable(statement[0].toString()));
    }

    // After the right side has moved away from the highlighted node (to a sire of the cow's
    // pedigree, a culled cow of the herd, the information page), a click on that node shows it
    // again, as often as the user goes away and back.
    void clickOnTheHighlightedNodeShowsItAgain_data() {
        QTest::addColumn<QString>("uzol");
        QTest::addColumn<QString>("odchod");
        QTest::addColumn<QString>("ramec");
        QTest::newRow("sire of a cow") << "krava"
                                       << "byk"
                                       << "FrameKrava";
        QTest::newRow("culled cow from the herd") << "mastal"
                                                  << "vyradena"
                                                  << "FrameZvierata";
        QTest::newRow("information page") << "mastal"
                                          << "info"
                                          << "FrameZvierata";
    }
    void clickOnTheHighlightedNodeShowsItAgain() {
        QFETCH(QString, uzol);
        QFETCH(QString, odchod);
        QFETCH(QString, ramec);
        // Reports run before leave the parameter row without an enterprise.
        m_db->exec(u"UPDATE param SET chovatel = (SELECT concat(substring(chovatel, 1, 6), "
                   u"'000') FROM kravy_view LIMIT 1)"_s);
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        Connection* spojenie = startup->instancie().DataModuleHlavny->ADOConnectionTarvelin;
        const auto prve = [&](const QString& sql) {
            QSqlQuery dotaz = spojenie->execute(sql);
            return dotaz.next() ? dotaz.value(0).toString() : QString();
        };
        auto* strom = findComponent<QTreeWidget>(okno, u"TreeViewZvierata"_s);
        // A barn node, or the first cow under it.
        QVERIFY(strom->topLevelItem(0)->childCount() > 0);
        QTreeWidgetItem* vybrany = strom->topLevelItem(0)->child(0)->child(0);
        if (uzol == u"krava"_s) {
            // A barn's animals are read when it is opened.
            strom->expandItem(vybrany);
            vybrany = vybrany->child(0);
        }
        strom->setCurrentItem(vybrany);
        QWidget* ukazany = findComponent<QWidget>(okno, ramec);
        QVERIFY(ukazany->isVisible());
        const QString hlavicka = findComponent<QLabel>(okno, u"LabelVyber"_s)->text();

        for (int kolo = 0; kolo < 2; ++kolo) {
            if (odchod == u"byk"_s) {
                Q_EMIT findComponent<TFrameKrava>(okno, u"FrameKrava"_s)
                    ->bykZvoleny(prve(u"SELECT o.usnecislo FROM zvierata z JOIN zvierata o ON "
                                      u"o.zviera_id = z.otec_id LIMIT 1"_s));
                QVERIFY(findComponent<QWidget>(okno, u"FrameByk"_s)->isVisible());
            } else if (odchod == u"vyradena"_s) {
                Q_EMIT findComponent<TFrameZvierata>(okno, u"FrameZvierata"_s)
                    ->kravaOtvorena(prve(u"SELECT usnecislo FROM vyradene_kravy_view LIMIT 1"_s));
                QVERIFY(findComponent<QWidget>(okno, u"FrameKrava"_s)->isVisible());
            } else {
                findComponent<QAction>(okno, u"ToolButtonHlavnyInfo"_s)->trigger();
                QVERIFY(findComponent<QWidget>(okno, u"FrameInfo"_s)->isVisible());
            }
            QVERIFY(!ukazany->isVisible());
            QCOMPARE(strom->currentItem(), vybrany);
            QTest::mouseClick(strom->viewport(), Qt::LeftButton, {},
                              strom->visualItemRect(vybrany).center());
            QVERIFY(ukazany->isVisible());
            QCOMPARE(findComponent<QLabel>(okno, u"LabelVyber"_s)->text(), hlavicka);
        }
        QCOMPARE(dialogs.interactions().size(), 0);
    }

    // "Načítaj zostavu" with no saved report chosen says what to choose, or that there is none
    // yet.
    void loadingNoSavedReportSaysWhatToChoose_data() {
        QTest::addColumn<bool>("ulozena");
        QTest::addColumn<QString>("sprava");
        QTest::newRow("none saved") << false << u"Zatiaľ nie je uložená žiadna zostava."_s;
        QTest::newRow("none chosen") << true << u"Vyberte zostavu v zozname uložených zostáv"_s;
    }
    void loadingNoSavedReportSaysWhatToChoose() {
        QFETCH(bool, ulozena);
        QFETCH(QString, sprava);
        m_db->exec(u"DELETE FROM sys_zostavy"_s);
        if (ulozena)
            m_db->exec(u"INSERT INTO sys_zostavy (nazov, popis, sqlvyraz, modifikovana) VALUES "
                       u"('Kravy', '', 'SELECT usnecislo FROM uzkravy', now())"_s);
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        findComponent<QAction>(okno, u"ToolButtonZostava"_s)->trigger();
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(dialogs.interactions()[0].icon, DialogService::Icon::Information);
        QVERIFY2(dialogs.interactions()[0].text.startsWith(sprava),
                 qPrintable(dialogs.interactions()[0].text));
        m_db->exec(u"DELETE FROM sys_zostavy"_s);
    }

    // A book stopped with its Zrušiť button says so, and that nothing was written.
    void cancelledBookSaysSo() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instancie().FormHlavny;
        okno->show();
        dialogs.answerInput(u"1"_s);
        for (int i = 0; i < 3; ++i)
            dialogs.answerModal(QDialog::Accepted);
        const QString subor = m_dir.filePath(u"kniha.pdf"_s);
        dialogs.answerModal(QDialog::Accepted, [](QDialog& nastavenia) {
            nastavenia.findChild<QRadioButton*>(u"RadioButtonFile"_s)->setChecked(true);
        });
        dialogs.answerFile(subor);
        // The user stops the book while its first report is prepared.
        connect(startup->instancie().DataModuleHlavny->ADOConnectionTarvelin,
                &Connection::statementSent, okno, [okno] {
                    if (auto* priebeh = okno->findChild<QProgressDialog*>(u"DialogPriebehuKnihy"_s))
                        priebeh->cancel();
                });
        findComponent<QAction>(okno, u"MenuItemKnihaZostav"_s)->trigger();
        const ScriptedDialogService::Interaction& posledna = dialogs.interactions().constLast();
        QCOMPARE(posledna.icon, DialogService::Icon::Information);
        QCOMPARE(posledna.text, u"Kniha bonitačných zostáv bola zrušená: nič sa nevytlačilo a "
                                u"žiadny súbor sa nezapísal."_s);
        QVERIFY(!QFile::exists(subor));
    }

    void cleanupTestCase() {
        QFile::remove(ConfigFile::path());
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestFormHlavny)
#include "tst_formhlavny.moc"
