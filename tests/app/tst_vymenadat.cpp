#include "app/ProgramInstances.h"
#include "app/SpustenieProgramu.h"
#include "app/TFormHlavny.h"
#include "common/TestDatabase.h"
#include "common/TestHelpers.h"
#include "data/ConfigFile.h"
#include "exchange/ImportVymeny.h"
#include "widgets/ScriptedDialogService.h"

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QString fixture(const QString& name) {
    return QString::fromUtf8(TARVELIN_EXCHANGE_TEST_DIR "/fixtures/") + name;
}

qint64 count(const ConnectionSettings& settings, const QString& table) {
    Connection connection(settings);
    QSqlQuery query = connection.execute(u"SELECT COUNT(*) FROM "_s + table);
    return query.next() ? query.value(0).toLongLong() : -1;
}

} // namespace

/// The menu "Výmena dát" as a user meets it in the window: an exchange file looked at, confirmed
/// and imported into a database that was empty, the tree then showing its herd, and the
/// selection exported again; a refused file and a declined import change nothing.
class TestVymenaDat final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;

    std::unique_ptr<SpustenieProgramu> started() {
        QFile::remove(ConfigFile::path());
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        const ConnectionSettings settings = m_db->settings();
        ini.setValue(u"Databaza/Socket"_s, settings.socket);
        ini.setValue(u"Databaza/Nazov"_s, settings.database);
        ini.setValue(u"Databaza/Pouzivatel"_s, settings.user);
        ini.setValue(u"Databaza/Heslo"_s, settings.password);
        ini.sync();
        auto startup = std::make_unique<SpustenieProgramu>();
        startup->zdrzanieUvoduMs = 0;
        if (!startup->zacni())
            return nullptr;
        startup->instancie().FormHlavny->show();
        return startup;
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        QVERIFY(m_dir.isValid());
    }

    void init() { m_db = std::make_unique<TestDatabase>(u"vymenadat"_s); }
    void cleanup() { m_db.reset(); }

    void importThenExportFromTheWindow() {
        ScriptedDialogService dialogs;
        auto startup = started();
        QVERIFY(startup);
        TFormHlavny* okno = startup->instancie().FormHlavny;

        dialogs.answerFile(fixture(u"stado.json"_s));
        dialogs.answerButton(DialogService::Yes);
        findComponent<QAction>(okno, u"MenuItemDataZoUHEV"_s)->trigger();
        QCOMPARE(dialogs.unusedAnswers(), 0);
        const QList<ScriptedDialogService::Interaction>& shown = dialogs.interactions();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].objectName, u"OpenDialogVymena"_s);
        // What the file holds, before anything is written.
        QCOMPARE(shown[1].icon, DialogService::Icon::Question);
        for (const QString& item :
             {u"Podnik (1): 401234 Družstvo Skúška"_s, u"Maštale (1): 401234011 Kravín 1"_s,
              u"Zvieratá: 5 (kravy 2, jalovice 1, býky 1)"_s, u"Kontroly úžitkovosti: 8"_s,
              u"Laktácie: 1, otelenia: 3, zasušenia: 2"_s, u"Obdobie: 5. 1. 2021 – 10. 12. 2022"_s})
            QVERIFY2(shown[1].text.contains(item), qPrintable(shown[1].text));
        QCOMPARE(shown[2].icon, DialogService::Icon::Information);
        QVERIFY2(shown[2].text.contains(u"Kontroly úžitkovosti: pridané 8"_s),
                 qPrintable(shown[2].text));
        QCOMPARE(count(m_db->settings(), u"kontroly"_s), 8);

        // The window shows the imported enterprise at once.
        QCOMPARE(okno->stavZostav().KodPodniku, u"401234"_s);
        auto* strom = findComponent<QTreeWidget>(okno, u"TreeViewZvierata"_s);
        QCOMPARE(strom->topLevelItemCount(), 1);
        QVERIFY2(strom->topLevelItem(0)->text(0).contains(u"401234"_s),
                 qPrintable(strom->topLevelItem(0)->text(0)));

        // Out again: the whole enterprise, nothing having been selected.
        const QString file = m_dir.filePath(u"vyvoz.json"_s);
        dialogs.answerFile(file);
        findComponent<QAction>(okno, u"MenuItemDataPreUHEV"_s)->trigger();
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown[3].objectName, u"SaveDialogVymena"_s);
        QVERIFY2(shown[3].text.endsWith(u"Dáta pre ÚHEV 401234.json"_s), qPrintable(shown[3].text));
        QCOMPARE(shown[4].icon, DialogService::Icon::Information);
        QVERIFY2(shown[4].text.contains(u"5 zvierat, 3 laktácií a 8 kontrol"_s),
                 qPrintable(shown[4].text));
        const PrehladSuboru prehlad = ImportVymeny::prehlad(file);
        QCOMPARE(prehlad.zvierat(), 5);
        QCOMPARE(prehlad.kontrol(), 8);
    }

    void refusedOrDeclinedImportChangesNothing() {
        ScriptedDialogService dialogs;
        auto startup = started();
        QVERIFY(startup);
        TFormHlavny* okno = startup->instancie().FormHlavny;
        QAction* import = findComponent<QAction>(okno, u"MenuItemDataZoUHEV"_s);

        dialogs.answerFile(fixture(u"stado.json"_s));
        dialogs.answerButton(DialogService::No);
        import->trigger();
        QCOMPARE(count(m_db->settings(), u"zvierata"_s), 0);

        // A later file of a herd the database lacks names what is missing, where.
        dialogs.answerFile(fixture(u"stado_neskor.json"_s));
        dialogs.answerButton(DialogService::Yes);
        import->trigger();
        const ScriptedDialogService::Interaction& refusal = dialogs.interactions().last();
        QCOMPARE(refusal.icon, DialogService::Icon::Error);
        QVERIFY2(refusal.text.contains(u"parturitions[1].animal.id (riadok 10): zviera "
                                       u"SK401234000030 nie je v súbore ani v databáze"_s),
                 qPrintable(refusal.text));
        QVERIFY2(refusal.text.contains(u"V databáze sa nič nezmenilo."_s),
                 qPrintable(refusal.text));
        QCOMPARE(count(m_db->settings(), u"zvierata"_s), 0);
        QCOMPARE(okno->stavZostav().KodPodniku, u"000000"_s);
    }

    void cleanupTestCase() { QFile::remove(ConfigFile::path()); }
};

QTEST_MAIN(TestVymenaDat)
#include "tst_vymenadat.moc"
