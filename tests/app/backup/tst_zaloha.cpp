#include "app/DotazyHlavnehoOkna.h"
#include "app/backup/ZalohaDatabazy.h"
#include "common/RozdielLaktela.h"
#include "common/TestDatabase.h"
#include "common/TestHelpers.h"
#include "common/TinyFilesystem.h"
#include "data/Command.h"
#include "data/Connection.h"
#include "widgets/ScriptedDialogService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::Literals::StringLiterals;

using Kind = ScriptedDialogService::Kind;

namespace {

const QString userName = u"'tarvelin_zaloha'@'localhost'"_s;
// Blanks, quotes and backslashes must survive the way to the client programs.
const QString userPassword = u"k\\rava \"Straka\" 'a' #1"_s;

// The folder the real client programs of the machine live in, as the client-folder dialog
// leaves it.
QString clientFolder() {
    return QFileInfo(QStandardPaths::findExecutable(u"mysql"_s)).absolutePath() + QLatin1Char('/');
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList dialogsShown(const ScriptedDialogService& dialogs) {
    QStringList names;
    for (const auto& shown : dialogs.interactions()) {
        if (shown.kind != Kind::Message)
            names << shown.objectName;
    }
    return names;
}

const QString restoreQuestion = u"Naozaj obnoviť databázu zo súboru"_s;

QList<ScriptedDialogService::Interaction> messages(const ScriptedDialogService& dialogs) {
    QList<ScriptedDialogService::Interaction> shown;
    for (const auto& interaction : dialogs.interactions()) {
        // The question before a restore has a test of its own.
        if (interaction.kind == Kind::Message && !interaction.text.startsWith(restoreQuestion))
            shown << interaction;
    }
    return shown;
}

} // namespace

class TestZalohaDatabazy final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void backupThenRestoreBringsTheHerdBack();
    void backupAfterAStoppedReportIsWhole();
    void cancelledDialogsChangeNothing_data();
    void cancelledDialogsChangeNothing();
    void clientFolderIsAskedOnlyWhereNothingHasThePrograms_data();
    void clientFolderIsAskedOnlyWhereNothingHasThePrograms();
    void passwordReachesTheClientPrograms();
    void failedBackupLeavesNoFile_data();
    void failedBackupLeavesNoFile();
    void failedRestoreOffersTheSafetyBackup_data();
    void failedRestoreOffersTheSafetyBackup();
    void noRestoreWithoutSafetyBackup();
    void restoreIsAskedFirst();
    void cancelledRestoreOffersTheSafetyBackup();
    void safetyBackupsKeepTheNewestFive();
    void fullDiskKeepsTheEarlierBackup();
    void restoreHasLaktelaRebuilt_data();
    void restoreHasLaktelaRebuilt();

private:
    // The command object as the main window holds it, on a connection with these settings.
    void makeCommands(const ConnectionSettings& settings);
    // Row counts and checksums of the tables a restore must bring back, and the views read.
    QStringList herdFingerprint();
    QString path(const char* name) const { return m_folder->filePath(QLatin1String(name)); }
    QStringList safetyBackups() const;
    // A login that, unlike root on the test server, is checked by its password.
    ConnectionSettings userSettings(const QString& password, const QString& database = {}) const;

    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<ZalohaDatabazy> m_commands;
    // A search path without the client programs, for the cases where the user must be asked.
    void hideClientPrograms();

    QString m_cestaMySQL;
    bool m_programEnded = false;
    QByteArray m_searchPath;
};

void TestZalohaDatabazy::initTestCase() {
    m_database = std::make_unique<TestDatabase>(u"zaloha"_s);
    m_database->loadDemo(20, 3);
    Connection server(TestDatabase::serverSettings());
    server.executeDirect(u"CREATE OR REPLACE USER %1 IDENTIFIED BY '%2'"_s.arg(
        userName, QString(userPassword).replace(u'\\', u"\\\\"_s).replace(u'\'', u"''"_s)));
    server.executeDirect(u"GRANT ALL ON `tarvelin\\_test\\_zaloha`.* TO %1"_s.arg(userName));
}

void TestZalohaDatabazy::cleanupTestCase() {
    m_database.reset();
    Connection(TestDatabase::serverSettings())
        .executeDirect(u"DROP USER IF EXISTS %1"_s.arg(userName));
}

void TestZalohaDatabazy::init() {
    m_searchPath = qgetenv("PATH");
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_cestaMySQL = clientFolder();
    m_programEnded = false;
    makeCommands(m_database->settings());
}

void TestZalohaDatabazy::cleanup() {
    m_commands.reset();
    m_connection.reset();
    qputenv("PATH", m_searchPath);
}

void TestZalohaDatabazy::hideClientPrograms() {
    QVERIFY(QDir(m_folder->path()).mkpath(u"bez-klienta"_s));
    qputenv("PATH", QFile::encodeName(path("bez-klienta")));
}

void TestZalohaDatabazy::makeCommands(const ConnectionSettings& settings) {
    m_commands.reset();
    m_connection = std::make_unique<Connection>(settings);
    m_commands = std::make_unique<ZalohaDatabazy>(
        m_cestaMySQL, *m_connection, path("zalohy"), [this] { m_programEnded = true; }, nullptr);
}

QStringList TestZalohaDatabazy::herdFingerprint() {
    Connection connection(m_database->settings());
    QStringList fingerprint;
    for (const char* table : {"zvierata", "kravy", "laktacie", "kontroly"}) {
        QSqlQuery count = connection.execute(u"SELECT COUNT(*) FROM %1"_s.arg(table));
        count.next();
        QSqlQuery checksum = connection.execute(u"CHECKSUM TABLE %1"_s.arg(table));
        checksum.next();
        fingerprint << u"%1 %2 %3"_s.arg(table, count.value(0).toString(),
                                         checksum.value(1).toString());
    }
    QSqlQuery views = connection.execute(u"SELECT table_name FROM information_schema.views "
                                         u"WHERE table_schema = DATABASE() ORDER BY table_name"_s);
    while (views.next()) {
        QSqlQuery rows =
            connection.execute(u"SELECT COUNT(*) FROM %1"_s.arg(views.value(0).toString()));
        rows.next();
        fingerprint << views.value(0).toString() + u' ' + rows.value(0).toString();
    }
    return fingerprint;
}

ConnectionSettings TestZalohaDatabazy::userSettings(const QString& password,
                                                    const QString& database) const {
    ConnectionSettings settings = m_database->settings();
    settings.user = u"tarvelin_zaloha"_s;
    settings.password = password;
    if (!database.isEmpty())
        settings.database = database;
    return settings;
}

QStringList TestZalohaDatabazy::safetyBackups() const {
    QStringList names;
    for (const QFileInfo& file : QDir(path("zalohy")).entryInfoList(QDir::Files))
        names << file.filePath();
    return names;
}

void TestZalohaDatabazy::backupThenRestoreBringsTheHerdBack() {
    const QStringList before = herdFingerprint();
    QVERIFY(before.first() != u"zvierata 0 0"_s);
    const QString script = path("zaloha.sql");

    ScriptedDialogService dialogs;
    dialogs.answerFile(script);
    m_commands->MenuItemExportDBClick();
    QCOMPARE(messages(dialogs).size(), 1);
    QCOMPARE(messages(dialogs).last().icon, DialogService::Icon::Information);
    QVERIFY(messages(dialogs).last().text.contains(script));

    m_database->exec(u"DELETE FROM kontroly WHERE MOD(kontrola_id, 2) = 0"_s);
    m_database->exec(u"UPDATE kravy SET mlieko_max = 0"_s);
    m_database->exec(u"DROP VIEW kravy_view"_s);
    QVERIFY(herdFingerprint() != before);

    dialogs.answerFile(script);
    dialogs.answerButton(DialogService::Yes);
    m_commands->MenuItemImportDBClick();
    QCOMPARE(messages(dialogs).size(), 2);
    QCOMPARE(messages(dialogs).last().icon, DialogService::Icon::Information);
    QVERIFY(m_programEnded);
    QCOMPARE(herdFingerprint(), before);
    QCOMPARE(safetyBackups().size(), 1);
}

// A report or refresh stopped between dropping its working table and making it anew left every
// view over the table failing, and the dump program stopped at the first of them. The backup
// makes the table again; a view that still cannot be read is left out, and named.
void TestZalohaDatabazy::backupAfterAStoppedReportIsWhole() {
    m_database->exec(u"DROP TABLE tab180v1"_s);
    m_database->exec(u"CREATE TABLE docasna (a INT)"_s);
    m_database->exec(u"CREATE VIEW docasna_view AS SELECT a FROM docasna"_s);
    m_database->exec(u"DROP TABLE docasna"_s);
    const auto dropView = qScopeGuard([this] { m_database->exec(u"DROP VIEW docasna_view"_s); });
    const QString script = path("zaloha.sql");

    ScriptedDialogService dialogs;
    dialogs.answerFile(script);
    m_commands->MenuItemExportDBClick();
    QCOMPARE(messages(dialogs).size(), 1);
    QCOMPARE(messages(dialogs).last().icon, DialogService::Icon::Information);
    QVERIFY2(messages(dialogs).last().text.contains(u"neobsahuje pohľady docasna_view:"_s),
             qPrintable(messages(dialogs).last().text));
    const QByteArray dump = readFile(script);
    for (const char* part : {"CREATE TABLE `tab180v1`", "VIEW `tab11por00vsun00`",
                             "INSERT INTO `zvierata`", "-- Dump completed"})
        QVERIFY2(dump.contains(part), part);
    QVERIFY(!dump.contains("docasna_view"));
}

void TestZalohaDatabazy::cancelledDialogsChangeNothing_data() {
    QTest::addColumn<bool>("restore");
    QTest::addColumn<QString>("cestaMySQL");
    QTest::addColumn<QStringList>("shown");

    const QString client = clientFolder();
    QTest::newRow("backup file") << false << client << QStringList{"SaveDialogExport"};
    QTest::newRow("backup, client folder too")
        << false << QString() << QStringList{"OpenDialogMySQL", "SaveDialogExport"};
    QTest::newRow("restore script") << true << client << QStringList{"OpenDialogImport"};
    QTest::newRow("restore, client folder too")
        << true << QString() << QStringList{"OpenDialogMySQL", "OpenDialogImport"};
}

void TestZalohaDatabazy::cancelledDialogsChangeNothing() {
    QFETCH(bool, restore);
    QFETCH(QString, cestaMySQL);
    QFETCH(QStringList, shown);
    m_cestaMySQL = cestaMySQL;
    if (cestaMySQL.isEmpty())
        hideClientPrograms();
    const QStringList before = herdFingerprint();
    m_connection->open();

    ScriptedDialogService dialogs;
    for (qsizetype i = 0; i < shown.size(); ++i)
        dialogs.answerFile(QString());
    if (restore)
        m_commands->MenuItemImportDBClick();
    else
        m_commands->MenuItemExportDBClick();

    QCOMPARE(dialogsShown(dialogs), shown);
    QVERIFY(messages(dialogs).isEmpty());
    QCOMPARE(m_cestaMySQL, cestaMySQL);
    QVERIFY(m_connection->isOpen());
    QVERIFY(!m_programEnded);
    QStringList left = QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    left.removeAll(u"bez-klienta"_s);
    QCOMPARE(left, QStringList());
    QCOMPARE(herdFingerprint(), before);
}

void TestZalohaDatabazy::clientFolderIsAskedOnlyWhereNothingHasThePrograms_data() {
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<bool>("onSearchPath");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("rememberedAfter");
    QTest::addColumn<bool>("asked");

    const QString client = clientFolder();
    QTest::newRow("remembered folder has them") << client << false << QString() << client << false;
    QTest::newRow("search path has them") << QString() << true << QString() << client << false;
    QTest::newRow("remembered folder lacks them, search path has them")
        << u"wrong"_s << true << QString() << client << false;
    QTest::newRow("neither, the user chooses")
        << QString() << false << client + u"mysql"_s << client << true;
    QTest::newRow("neither, the user cancels")
        << QString() << false << QString() << QString() << true;
}

void TestZalohaDatabazy::clientFolderIsAskedOnlyWhereNothingHasThePrograms() {
    QFETCH(QString, remembered);
    QFETCH(bool, onSearchPath);
    QFETCH(QString, chosen);
    QFETCH(QString, rememberedAfter);
    QFETCH(bool, asked);
    m_cestaMySQL = remembered == u"wrong"_s ? path("bez-klienta") + QLatin1Char('/') : remembered;
    QVERIFY(QDir(m_folder->path()).mkpath(u"bez-klienta"_s));
    if (!onSearchPath)
        hideClientPrograms();

    ScriptedDialogService dialogs;
    if (asked)
        dialogs.answerFile(chosen);
    dialogs.answerFile(path("zaloha.sql"));
    m_commands->MenuItemExportDBClick();

    const QStringList shown = asked ? QStringList{"OpenDialogMySQL", "SaveDialogExport"}
                                    : QStringList{"SaveDialogExport"};
    QCOMPARE(dialogsShown(dialogs), shown);
    QCOMPARE(m_cestaMySQL, rememberedAfter);
    const bool done = !rememberedAfter.isEmpty();
    QCOMPARE(QFile::exists(path("zaloha.sql")), done);
    QCOMPARE(messages(dialogs).size(), 1);
    QCOMPARE(messages(dialogs).first().icon,
             done ? DialogService::Icon::Information : DialogService::Icon::Error);
    if (!done)
        QVERIFY2(messages(dialogs).first().text.contains(u"mariadb-dump ani mysqldump"_s),
                 qPrintable(messages(dialogs).first().text));
}

void TestZalohaDatabazy::passwordReachesTheClientPrograms() {
    makeCommands(userSettings(userPassword));
    ScriptedDialogService dialogs;
    dialogs.answerFile(path("zaloha.sql"));
    m_commands->MenuItemExportDBClick();
    QCOMPARE(messages(dialogs).size(), 1);
    QVERIFY2(messages(dialogs).first().icon == DialogService::Icon::Information,
             qPrintable(messages(dialogs).first().text));
}

void TestZalohaDatabazy::failedBackupLeavesNoFile_data() {
    QTest::addColumn<bool>("clientMissing");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QByteArray>("earlierBackup");
    QTest::addColumn<QString>("reason");

    const QByteArray earlier("-- predošlá záloha\n");
    QTest::newRow("client program missing")
        << true << userPassword << QString() << QByteArray() << u"mariadb-dump ani mysqldump"_s;
    QTest::newRow("wrong password")
        << false << u"lomy"_s << QString() << QByteArray() << u"Access denied"_s;
    QTest::newRow("unknown database, earlier backup kept")
        << false << userPassword << u"tarvelin_test_ziadna"_s << earlier
        << u"tarvelin_test_ziadna"_s;
}

void TestZalohaDatabazy::failedBackupLeavesNoFile() {
    QFETCH(bool, clientMissing);
    QFETCH(QString, password);
    QFETCH(QString, database);
    QFETCH(QByteArray, earlierBackup);
    QFETCH(QString, reason);
    const QString script = path("zaloha.sql");
    if (!earlierBackup.isEmpty())
        writeFile(script, earlierBackup);
    if (clientMissing) {
        hideClientPrograms();
        m_cestaMySQL = path("bez-klienta") + QLatin1Char('/');
    }
    makeCommands(userSettings(password, database));

    ScriptedDialogService dialogs;
    // Where nothing has the programs the user is asked for their folder and cancels.
    if (clientMissing)
        dialogs.answerFile(QString());
    dialogs.answerFile(script);
    m_commands->MenuItemExportDBClick();

    QCOMPARE(messages(dialogs).size(), 1);
    const auto shown = messages(dialogs).first();
    QCOMPARE(shown.icon, DialogService::Icon::Error);
    QVERIFY2(shown.text.startsWith(u"Export zlyhal"_s), qPrintable(shown.text));
    QVERIFY2(shown.text.contains(reason), qPrintable(shown.text));
    QCOMPARE(QFile::exists(script), !earlierBackup.isEmpty());
    QCOMPARE(readFile(script), earlierBackup);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files),
             QFile::exists(script) ? QStringList{"zaloha.sql"} : QStringList());
}

void TestZalohaDatabazy::failedRestoreOffersTheSafetyBackup_data() {
    QTest::addColumn<bool>("restoreSafetyBackup");

    QTest::newRow("offer taken") << true;
    QTest::newRow("offer declined") << false;
}

void TestZalohaDatabazy::failedRestoreOffersTheSafetyBackup() {
    QFETCH(bool, restoreSafetyBackup);
    const QStringList before = herdFingerprint();
    // The first statement changes the data before the second one stops the script.
    const QString script = path("pokazena.sql");
    writeFile(script, "DELETE FROM kontroly;\nTOTO NIE JE SQL;\n");

    ScriptedDialogService dialogs;
    dialogs.answerFile(script);
    dialogs.answerButton(DialogService::Yes);
    dialogs.answerButton(restoreSafetyBackup ? DialogService::Yes : DialogService::No);
    m_commands->MenuItemImportDBClick();

    QCOMPARE(safetyBackups().size(), 1);
    const QString safetyBackup = safetyBackups().first();
    QVERIFY(safetyBackup.startsWith(path("zalohy/pred-obnovou-")));
    const auto shown = messages(dialogs);
    QCOMPARE(shown.size(), restoreSafetyBackup ? 2 : 1);
    QCOMPARE(shown.first().icon, DialogService::Icon::Question);
    QVERIFY2(shown.first().text.startsWith(u"Import zlyhal"_s), qPrintable(shown.first().text));
    QVERIFY2(shown.first().text.contains(u"at line 2"_s), qPrintable(shown.first().text));
    QVERIFY(shown.first().text.contains(safetyBackup));
    QVERIFY(!m_programEnded);

    if (restoreSafetyBackup) {
        QCOMPARE(shown.last().icon, DialogService::Icon::Information);
        QCOMPARE(herdFingerprint(), before);
    } else {
        QVERIFY(herdFingerprint() != before);
        // The safety backup stays for a later restore.
        dialogs.answerFile(safetyBackup);
        dialogs.answerButton(DialogService::Yes);
        m_commands->MenuItemImportDBClick();
        QVERIFY(m_programEnded);
        QCOMPARE(herdFingerprint(), before);
    }
}

void TestZalohaDatabazy::noRestoreWithoutSafetyBackup() {
    // A file where the safety backups' folder should be.
    writeFile(path("zalohy"), "");
    const QStringList before = herdFingerprint();
    const QString script = path("vymaz.sql");
    writeFile(script, "DELETE FROM kontroly;\n");

    ScriptedDialogService dialogs;
    dialogs.answerFile(script);
    dialogs.answerButton(DialogService::Yes);
    m_commands->MenuItemImportDBClick();

    QCOMPARE(messages(dialogs).size(), 1);
    const auto shown = messages(dialogs).first();
    QCOMPARE(shown.icon, DialogService::Icon::Error);
    QVERIFY2(shown.text.startsWith(u"Import zlyhal"_s), qPrintable(shown.text));
    QCOMPARE(herdFingerprint(), before);
    QVERIFY(!m_programEnded);
}

// A file chosen by mistake replaces nothing: the restore asks first, and Nie leaves all as it was.
void TestZalohaDatabazy::restoreIsAskedFirst() {
    const QStringList before = herdFingerprint();
    const QString script = path("vymaz.sql");
    writeFile(script, "DELETE FROM kontroly;\n");
    m_connection->open();

    ScriptedDialogService dialogs;
    dialogs.answerFile(script);
    dialogs.answerButton(DialogService::No);
    m_commands->MenuItemImportDBClick();

    const auto& shown = dialogs.interactions();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.last().icon, DialogService::Icon::Question);
    QCOMPARE(shown.last().text,
             restoreQuestion +
                 u" %1? Súčasné údaje sa nahradia; pred obnovou sa uložia do zálohy."_s.arg(
                     QDir::toNativeSeparators(script)));
    QCOMPARE(herdFingerprint(), before);
    QVERIFY(safetyBackups().isEmpty());
    QVERIFY(m_connection->isOpen());
    QVERIFY(!m_programEnded);
}

void TestZalohaDatabazy::cancelledRestoreOffersTheSafetyBackup() {
    const QStringList before = herdFingerprint();
    // The first statement changes the data; the second would keep the client busy for long.
    const QString script = path("pomala.sql");
    writeFile(script, "DELETE FROM kontroly;\nSELECT SLEEP(60);\n");

    // The user presses Cancel in the restore's progress dialog once the script is running.
    QElapsedTimer running;
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<QProgressDialog*>(widget);
            if (!progress || !progress->isVisible() ||
                !progress->labelText().startsWith(u"Beží obnova"_s))
                continue;
            if (!running.isValid())
                running.start();
            else if (running.elapsed() > 1500)
                if (auto* button = progress->findChild<QPushButton*>())
                    button->click();
        }
    });
    cancel.start(100);

    ScriptedDialogService dialogs;
    dialogs.answerFile(script);
    dialogs.answerButton(DialogService::Yes);
    dialogs.answerButton(DialogService::Yes);
    QElapsedTimer took;
    took.start();
    m_commands->MenuItemImportDBClick();
    QVERIFY(took.elapsed() < 30'000);

    const auto shown = messages(dialogs);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.first().icon, DialogService::Icon::Question);
    QVERIFY2(shown.first().text.contains(u"zrušený"_s), qPrintable(shown.first().text));
    QVERIFY(shown.first().text.contains(safetyBackups().first()));
    QCOMPARE(shown.last().icon, DialogService::Icon::Information);
    QVERIFY(!m_programEnded);
    QCOMPARE(herdFingerprint(), before);
}

void TestZalohaDatabazy::safetyBackupsKeepTheNewestFive() {
    QVERIFY(QDir().mkpath(path("zalohy")));
    QStringList older;
    for (int day = 1; day <= 6; ++day) {
        older << path("zalohy/pred-obnovou-202001%1-120000-000.sql")
                     .arg(day, 2, 10, QLatin1Char('0'));
        writeFile(older.last(), "-- staršia\n");
    }
    writeFile(path("zalohy/moja.sql"), "-- súbor používateľa\n");
    const QString script = path("nic.sql");
    writeFile(script, "SELECT 1;\n");

    ScriptedDialogService dialogs;
    dialogs.answerFile(script);
    dialogs.answerButton(DialogService::Yes);
    m_commands->MenuItemImportDBClick();
    QVERIFY(m_programEnded);

    QStringList kept;
    for (const QString& file : safetyBackups())
        if (QFileInfo(file).fileName().startsWith(u"pred-obnovou-"_s))
            kept << file;
    QCOMPARE(kept.size(), 5);
    // The oldest two made way for the new one; a file of the user's own stays.
    QVERIFY(!kept.contains(older[0]) && !kept.contains(older[1]) && kept.contains(older[5]));
    QVERIFY(QFile::exists(path("zalohy/moja.sql")));
    const QString newest = kept.last();
    QVERIFY(!older.contains(newest));
    QVERIFY2(messages(dialogs).last().text.contains(newest),
             qPrintable(messages(dialogs).last().text));
}

void TestZalohaDatabazy::fullDiskKeepsTheEarlierBackup() {
    TinyFilesystem disk(256 * 1024);
    if (!disk.isValid())
        QSKIP(qPrintable(disk.problem()));
    const QString script = disk.filePath(u"zaloha.sql"_s);
    writeFile(script, "-- predošlá záloha\n");
    disk.leaveFree(10'000);

    ScriptedDialogService dialogs;
    dialogs.answerFile(script);
    m_commands->MenuItemExportDBClick();

    QCOMPARE(messages(dialogs).size(), 1);
    const auto shown = messages(dialogs).first();
    QCOMPARE(shown.icon, DialogService::Icon::Error);
    QVERIFY2(shown.text.startsWith(u"Export zlyhal"_s) && shown.text.contains(u"No space"_s),
             qPrintable(shown.text));
    QCOMPARE(readFile(script), QByteArray("-- predošlá záloha\n"));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestZalohaDatabazy::restoreHasLaktelaRebuilt_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("completes");
    // Scripts from elsewhere: they write a lactation and bring no laktela along.
    const QByteArray change = "UPDATE laktacie SET mlieko_celk = 12345 WHERE laktacia_id = (SELECT "
                              "id FROM (SELECT min(laktacia_id) AS id FROM laktacie) prva);\n";
    QTest::newRow("complete") << change << true;
    QTest::newRow("stopped half way") << change + "TOTO NIE JE SQL;\n" << false;
}

void TestZalohaDatabazy::restoreHasLaktelaRebuilt() {
    QFETCH(QByteArray, script);
    QFETCH(bool, completes);
    Command prikaz(m_connection.get());
    DotazyHlavnehoOkna::obnovLaktela(prikaz, *m_connection);
    QVERIFY(!DotazyHlavnehoOkna::obnovLaktela(prikaz, *m_connection));
    writeFile(path("zmena.sql"), script);

    ScriptedDialogService dialogs;
    dialogs.answerFile(path("zmena.sql"));
    dialogs.answerButton(DialogService::Yes);
    dialogs.answerButton(DialogService::No);
    m_commands->MenuItemImportDBClick();
    QCOMPARE(m_programEnded, completes);

    QVERIFY(DotazyHlavnehoOkna::obnovLaktela(prikaz, *m_connection));
    QCOMPARE(rozdielLaktela(*m_connection), 0);
    QSqlQuery laktacia = m_connection->execute(
        u"SELECT mlieko_celk FROM laktela WHERE laktacia_id = (SELECT min(laktacia_id) FROM "
        u"laktacie)"_s);
    QVERIFY(laktacia.next());
    QCOMPARE(laktacia.value(0).toInt(), 12345);
}

QTEST_MAIN(TestZalohaDatabazy)
#include "tst_zaloha.moc"
