#include "app/ProgramInstances.h"
#include "app/StartupSequence.h"
#include "app/TFormHlavny.h"
#include "app/TFrameInfo.h"
#include "common/TestDatabase.h"
#include "data/ConfigFile.h"
#include "data/TDataModuleHlavny.h"
#include "reports/TDataModuleTabulky.h"
#include "widgets/ScriptedDialogService.h"
#include "widgets/StatusPanelBar.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

/// The start-up and the main window as a user meets them: what is created, what the show step
/// sends to the database, and the commands of the window itself.
class TestFormHlavny final : public QObject {
    Q_OBJECT

private:
    /// A configuration file that names the test database but has no "Aplikacia" section.
    void writeConfig(const ConnectionSettings& settings) {
        QFile::remove(ConfigFile::path());
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Databaza/Socket"), settings.socket);
        ini.setValue(QStringLiteral("Databaza/Nazov"), settings.database);
        ini.setValue(QStringLiteral("Databaza/Pouzivatel"), settings.user);
        ini.setValue(QStringLiteral("Databaza/Heslo"), settings.password);
    }

    std::unique_ptr<StartupSequence> started() {
        auto startup = std::make_unique<StartupSequence>();
        startup->splashHoldMs = 0;
        if (!startup->start())
            return nullptr;
        return startup;
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(QStringLiteral("formhlavny"));
        m_db->loadDemo(60, 3);
    }

    void init() { writeConfig(m_db->settings()); }

    void unreachableDatabaseEndsTheStart_data() {
        QTest::addColumn<bool>("hung");
        QTest::addColumn<QString>("message");
        QTest::newRow("no server") << false << QString();
        // A server that takes the connection but never greets, as a stopped one does.
        QTest::newRow("hung server") << true << QStringLiteral("neodpovedal do 10 s");
    }
    void unreachableDatabaseEndsTheStart() {
        QFETCH(bool, hung);
        QFETCH(QString, message);
        QTemporaryDir folder;
        ConnectionSettings wrong = m_db->settings();
        wrong.socket = hung ? folder.filePath(QStringLiteral("s.sock"))
                            : QStringLiteral("/nonexistent/tarvelin.sock");
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
        StartupSequence startup;
        startup.splashHoldMs = 0;
        QElapsedTimer took;
        took.start();
        QVERIFY(!startup.start());
        QVERIFY(took.elapsed() < 30'000);
        QVERIFY(!startup.instances().FormHlavny);
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
        TFormHlavny* okno = startup->instances().FormHlavny;
        QSignalSpy sent(startup->instances().DataModuleHlavny->ADOConnectionTarvelin,
                        &Connection::statementSent);
        okno->show();
        QVERIFY(sent.size() >= 2);
        QCOMPARE(sent[0][0].toString(), QStringLiteral("DROP TABLE IF EXISTS laktela;"));
        QCOMPARE(sent[1][0].toString(),
                 QStringLiteral("CREATE TABLE laktela (otec varchar(14) NULL, matka varchar(14) "
                                "NULL)select  l.*, j.usnecislo as usnecislotelata from "
                                "jalovice_view j right join  laktacie_view l  on  l.datumotelenia "
                                "= j.datumnarodenia") +
                     QString(35, QLatin1Char(' ')) +
                     QStringLiteral("and l.krava_id = j.matka_id ; "));
        QCOMPARE(okno->StatusBarHlavny->panelText(1), QStringLiteral("Verzia programu: "));
        QCOMPARE(okno->StatusBarHlavny->panelText(2), QStringLiteral("Aktualizácia: "));
        QVERIFY(okno->FrameInfo->isVisible());
        QVERIFY(!okno->MenuItemPripojitDB->isEnabled());
        QVERIFY(okno->MenuItemOdpojitDB->isEnabled());
        QCOMPARE(okno->stavZostav.KodPodniku.size(), 6);
        QVERIFY(okno->kuhdVybery());
        QCOMPARE(dialogs.interactions().size(), 0);

        startup.reset();
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        QVERIFY(ini.contains(QStringLiteral("Aplikacia/MySQLCesta")));
        QCOMPARE(ini.value(QStringLiteral("Aplikacia/MySQLCesta")).toString(), QString());
    }

    void menusAsDesigned() {
        auto startup = started();
        TFormHlavny* okno = startup->instances().FormHlavny;
        QStringList captions;
        for (QAction* menu : okno->MainMenuHlavny->actions())
            captions << menu->text();
        QCOMPARE(captions,
                 (QStringList{"&Súbor", "Z&obraziť", "Zos&tavy", "Výmena &dát", "&Pomoc"}));
        QVERIFY(!okno->MenuItemNastavenia->isEnabled());
        QVERIFY(okno->MenuItemStrom->isChecked());
        QVERIFY(!okno->ToolButton8->isEnabled());
        QCOMPARE(okno->ToolButtonZobrazStrom->toolTip(), QStringLiteral("Zobraziť strom"));
    }

    void treeToggleKeepsMenuAndButtonInStep() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instances().FormHlavny;
        okno->show();
        okno->ToolButtonZobrazStrom->trigger();
        QVERIFY(!okno->PanelLavy->isVisible());
        QVERIFY(!okno->MenuItemStrom->isChecked());
        QVERIFY(!okno->ToolButtonZobrazStrom->isChecked());
        okno->MenuItemStrom->trigger();
        QVERIFY(okno->PanelLavy->isVisible());
        QVERIFY(okno->MenuItemStrom->isChecked());
        QVERIFY(okno->ToolButtonZobrazStrom->isChecked());

        okno->MenuItemNastrojovyPanel->trigger();
        QVERIFY(!okno->ToolBarHlavny->isVisible());
        QVERIFY(!okno->MenuItemNastrojovyPanel->isChecked());
        okno->MenuItemStavovyRiadok->trigger();
        QVERIFY(!okno->StatusBarHlavny->isVisible());
        okno->MenuItemStavovyRiadok->trigger();
        QVERIFY(okno->StatusBarHlavny->isVisible());
    }

    void exitAnsweredNoChangesNothing() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instances().FormHlavny;
        okno->show();
        dialogs.answerButton(DialogService::No);
        okno->ToolButtonExit->trigger();
        QVERIFY(okno->isVisible());
        QCOMPARE(dialogs.interactions().last().text, QStringLiteral("Ukončiť Tarvelin?"));
        QCOMPARE(dialogs.interactions().last().icon, DialogService::Icon::Question);
        QCOMPARE(dialogs.interactions().last().buttons,
                 DialogService::Buttons(DialogService::Yes | DialogService::No));
    }

    void disconnectThenAQueryReconnects() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instances().FormHlavny;
        okno->show();
        okno->MenuItemOdpojitDB->trigger();
        Connection* spojenie = startup->instances().DataModuleHlavny->ADOConnectionTarvelin;
        QVERIFY(!spojenie->isOpen());
        QVERIFY(okno->MenuItemPripojitDB->isEnabled());
        QVERIFY(!okno->MenuItemOdpojitDB->isEnabled());
        startup->instances().DataModuleHlavny->ADOQueryParam->reopen();
        QVERIFY(spojenie->isOpen());
        QVERIFY(okno->MenuItemPripojitDB->isEnabled());
        okno->ToolButtonPripojDB->trigger();
        QVERIFY(!okno->MenuItemPripojitDB->isEnabled());
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
        TFormHlavny* okno = startup->instances().FormHlavny;
        okno->show();
        okno->resize(width, 500);
        QTRY_COMPARE(okno->StatusBarHlavny->width(), width);
        QCOMPARE(okno->StatusBarHlavny->panelWidth(1), 150);
        QCOMPARE(okno->StatusBarHlavny->panelWidth(2), 150);
        QCOMPARE(okno->StatusBarHlavny->panelWidth(0), width - 300);
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
        QTest::newRow("last") << "SubMenuItemTab22"
                              << "(22) Plemenná skladba jalovíc v KUHD" << true;
    }
    void bonitationMenuAsDesigned() {
        QFETCH(QString, component);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        auto startup = started();
        TFormHlavny* okno = startup->instances().FormHlavny;
        auto* action = okno->MenuItemBonitacneZostavy->findChild<QAction*>(component);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->isEnabled(), enabled);

        QStringList top;
        for (QAction* item : okno->MenuItemBonitacneZostavy->actions())
            top << item->text().left(4);
        QCOMPARE(top, (QStringList{"(1) ", "(2) ", "(4) ", "(5) ", "(6) ", "(7) ", "(8) ", "(9) ",
                                   "(10)", "(11)", "(12)", "(13)", "(15)", "(16)", "(17)", "(18)",
                                   "(19)", "(21)", "(22)"}));
    }

    void reportNotYetBuiltSaysSo() {
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instances().FormHlavny;
        QSignalSpy sent(startup->instances().DataModuleHlavny->ADOConnectionTarvelin,
                        &Connection::statementSent);
        okno->MenuItemBonitacneZostavy->findChild<QAction*>(QStringLiteral("SubSubMenuItemTab7A"))
            ->trigger();
        QCOMPARE(dialogs.interactions().size(), 1);
        QCOMPARE(dialogs.interactions()[0].icon, DialogService::Icon::Information);
        QCOMPARE(dialogs.interactions()[0].text,
                 QStringLiteral("Zostava „(7.A) Za posledné uzatvorené laktácie“ zatiaľ nie je k "
                                "dispozícii."));
        QCOMPARE(sent.size(), 0);
    }

    void reportRunsThroughTheSetupDialog_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("interactions");
        QTest::newRow("cancelled") << QString() << 1;
        QTest::newRow("missing project") << QStringLiteral("/nonexistent") << 1;
    }
    void reportRunsThroughTheSetupDialog() {
        QFETCH(QString, folder);
        QFETCH(int, interactions);
        if (!folder.isEmpty())
            ConfigFile::write(ConfigFile::aplikacia, QStringLiteral("Zostavy"), folder);
        ScriptedDialogService dialogs;
        auto startup = started();
        TFormHlavny* okno = startup->instances().FormHlavny;
        okno->show();
        if (folder.isEmpty())
            dialogs.answerModal(QDialog::Rejected);
        okno->MenuItemBonitacneZostavy->findChild<QAction*>(QStringLiteral("SubSubmenuItemTab9D"))
            ->trigger();
        QCOMPARE(dialogs.interactions().size(), interactions);
        if (folder.isEmpty()) {
            // The setup dialog was offered and cancelled: nothing printed, the query closed.
            QCOMPARE(dialogs.interactions()[0].kind, ScriptedDialogService::Kind::Modal);
            QVERIFY(!startup->instances().DataModuleTabulky->ADOQueryTabulka9d->isOpen());
        } else {
            QCOMPARE(dialogs.interactions()[0].icon, DialogService::Icon::Error);
            QVERIFY2(dialogs.interactions()[0].text.contains(
                         QStringLiteral("/nonexistent/Tabulky2.rav")),
                     qPrintable(dialogs.interactions()[0].text));
        }
    }

    void cleanupTestCase() {
        QFile::remove(ConfigFile::path());
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestFormHlavny)
#include "tst_formhlavny.moc"
