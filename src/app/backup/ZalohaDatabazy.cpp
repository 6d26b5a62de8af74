#include "ZalohaDatabazy.h"

#include "DatabaseClient.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/SchemaInstaller.h"
#include "data/VerziaUdajov.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString failed(const QString& what, const QString& reason) {
    return what + u"\n\n"_s + reason;
}

// Where the backups were kept on the machines the program came from; elsewhere the user's own
// documents.
QString scriptFolder() {
    const QString hevra = u"C:/HEVRA/wtarvhd/zalohaDB"_s;
    return QFileInfo(hevra).isAbsolute() && QFileInfo(hevra).isDir()
               ? hevra
               : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Safety backups are taken before every restore; the newest few are enough to undo one.
constexpr qsizetype kept = 5;

// What the user reads about the views a backup left out.
QString vynechanePohlady(const QStringList& pohlady) {
    if (pohlady.isEmpty())
        return {};
    return u"\n\nZáloha neobsahuje pohľady %1: odkazujú na tabuľky alebo stĺpce, ktoré v "
           u"databáze chýbajú, a nedajú sa čítať. Všetky údaje záloha obsahuje."_s.arg(
               pohlady.join(u", "_s));
}

QString safetyPattern() {
    return u"pred-obnovou-*.sql"_s;
}

FileDialogRequest scriptDialog(const QString& objectName, const QString& title) {
    FileDialogRequest request;
    request.objectName = objectName;
    request.title = title;
    request.directory = scriptFolder();
    request.fileName = u"*.sql"_s;
    request.filter = u"SQL skript (*.sql);;Všetky súbory (*)"_s;
    request.defaultSuffix = u"sql"_s;
    return request;
}

FileDialogRequest clientDialog() {
    FileDialogRequest request;
    request.objectName = u"OpenDialogMySQL"_s;
    request.title = u"Cesta k mysql inštalácii"_s;
    request.directory = QDir::rootPath();
#ifdef Q_OS_WIN
    request.fileName = u"mysql.exe"_s;
    request.defaultSuffix = u"exe"_s;
#else
    request.fileName = u"mysql"_s;
#endif
    request.mustExist = true;
    return request;
}

FileDialogRequest importDialog() {
    FileDialogRequest request =
        scriptDialog(u"OpenDialogImport"_s, u"Import databázy programu Tarvelin"_s);
    // A script that is not there would fail only after the safety backup was taken.
    request.mustExist = true;
    return request;
}

FileDialogRequest exportDialog() {
    FileDialogRequest request =
        scriptDialog(u"SaveDialogExport"_s, u"Export databázy programu Tarvelin"_s);
    request.confirmOverwrite = false;
    return request;
}

} // namespace

ZalohaDatabazy::ZalohaDatabazy(QString& cestaMySQL, Connection& connection, QString priecinokZaloh,
                               std::function<void()> ukonciProgram, QWidget* okno)
    : QObject(okno)
    , OpenDialogMySQL(clientDialog())
    , SaveDialogExport(exportDialog())
    , OpenDialogImport(importDialog())
    , CestaMySQL(cestaMySQL)
    , m_connection(connection)
    , m_priecinokZaloh(std::move(priecinokZaloh))
    , m_ukonciProgram(std::move(ukonciProgram))
    , m_okno(okno) {}

void ZalohaDatabazy::MenuItemExportDBClick() {
    NajdiCestuKlienta();
    DialogService& dialogs = DialogService::instance();
    const QString subor = dialogs.saveFileName(SaveDialogExport);
    if (subor.isEmpty())
        return;
    QStringList vynechane;
    try {
        vynechane = zalohuj(klient(), subor, u"Vytvára sa záloha databázy."_s);
    } catch (const DatabaseError& chyba) {
        dialogs.error(failed(u"Export zlyhal"_s, chyba.message()));
        return;
    }
    dialogs.information(u"Záloha databázy je vytvorená v súbore %1."_s.arg(nativePath(subor)) +
                        vynechanePohlady(vynechane));
}

QStringList ZalohaDatabazy::zalohuj(const DatabaseClient& klient, const QString& subor,
                                    const QString& cinnost) const {
    // A report or a refresh stopped halfway leaves a working table dropped, and every view over
    // it failing, which would stop the dump program at the first of them.
    SchemaInstaller schema(m_connection);
    schema.restoreWorkingTables();
    const QStringList neplatne = schema.invalidViews();
    klient.dump(subor, cinnost, neplatne);
    return neplatne;
}

void ZalohaDatabazy::MenuItemImportDBClick() {
    NajdiCestuKlienta();
    const QString subor = DialogService::instance().openFileName(OpenDialogImport);
    if (subor.isEmpty())
        return;
    // A file chosen by mistake must not replace the herd.
    if (!DialogService::instance().confirm(
            u"Naozaj obnoviť databázu zo súboru %1? Súčasné údaje sa nahradia; pred obnovou sa "
            u"uložia do zálohy."_s.arg(nativePath(subor))))
        return;
    try {
        const DatabaseClient klient = this->klient();
        const QString zaloha = zalohaPredObnovou(klient);
        // The program's own session must not hold the tables the script replaces.
        m_connection.close();
        obnov(klient, subor, zaloha);
    } catch (const DatabaseError& chyba) {
        DialogService::instance().error(failed(u"Import zlyhal"_s, chyba.message()));
    }
}

void ZalohaDatabazy::NajdiCestuKlienta() {
    // The user is asked only when neither the remembered folder nor the search path has the
    // programs; a folder found is remembered.
    if (const std::optional<QString> najdeny = DatabaseClient::findFolder(CestaMySQL)) {
        CestaMySQL = *najdeny;
        return;
    }
    // Cancelling keeps the folder as it was; the command then says which program is missing.
    const QString program = DialogService::instance().openFileName(OpenDialogMySQL);
    if (program.isEmpty())
        return;
    QString folder = QFileInfo(program).absolutePath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    CestaMySQL = nativePath(folder);
}

DatabaseClient ZalohaDatabazy::klient() const {
    return DatabaseClient(CestaMySQL, m_connection.settings(), m_okno);
}

QString ZalohaDatabazy::zalohaPredObnovou(const DatabaseClient& klient) const {
    const auto nezalohovane = [](const QString& reason) {
        return DatabaseError(
            u"Doterajšie dáta sa nepodarilo zálohovať, databáza ostala bez zmeny.\n"_s + reason);
    };
    if (!QDir().mkpath(m_priecinokZaloh))
        throw nezalohovane(u"Priečinok %1 sa nedá vytvoriť."_s.arg(nativePath(m_priecinokZaloh)));
    const QString zaloha =
        QDir(m_priecinokZaloh)
            .filePath(u"pred-obnovou-%1.sql"_s.arg(
                QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss-zzz"_s)));
    try {
        zalohuj(klient, zaloha, u"Pred obnovou sa zálohujú doterajšie dáta."_s);
    } catch (const DatabaseError& chyba) {
        throw nezalohovane(chyba.message());
    }
    // Their names begin with the time they were taken, so the name order is their age.
    const QDir priecinok(m_priecinokZaloh);
    const QStringList zalohy =
        priecinok.entryList({safetyPattern()}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = kept; i < zalohy.size(); ++i)
        QFile::remove(priecinok.filePath(zalohy[i]));
    return zaloha;
}

void ZalohaDatabazy::obnov(const DatabaseClient& klient, const QString& subor,
                           const QString& zaloha) {
    try {
        klient.load(subor, u"Beží obnova databázy."_s);
    } catch (const DatabaseError& chyba) {
        oznacZmenuUdajov();
        ponukniNavrat(klient, chyba.message(), zaloha);
        return;
    }
    oznacZmenuUdajov();
    DialogService::instance().information(
        u"Obnova databázy skončila. Stlač OK - program skončí.\n\nDáta spred obnovy sú uložené v "
        u"súbore\n%1\n(priečinok uchováva posledných %2 takých záloh)."_s.arg(nativePath(zaloha))
            .arg(kept));
    m_ukonciProgram();
}

void ZalohaDatabazy::ponukniNavrat(const DatabaseClient& klient, const QString& chyba,
                                   const QString& zaloha) {
    DialogService& dialogs = DialogService::instance();
    const QString otazka =
        failed(u"Import zlyhal"_s, chyba) +
        u"\n\nDoterajšie dáta sú uložené v súbore\n%1\n\nObnoviť ich z neho hneď teraz?"_s.arg(
            nativePath(zaloha));
    if (dialogs.message(DialogService::Icon::Question, otazka,
                        DialogService::Buttons(DialogService::Yes) | DialogService::No) !=
        DialogService::Yes)
        return;
    try {
        klient.load(zaloha, u"Obnovujú sa doterajšie dáta."_s);
    } catch (const DatabaseError& navrat) {
        oznacZmenuUdajov();
        dialogs.error(
            failed(u"Import zlyhal"_s, navrat.message()) +
            u"\n\nDoterajšie dáta ostávajú uložené v súbore\n%1"_s.arg(nativePath(zaloha)));
        return;
    }
    oznacZmenuUdajov();
    dialogs.information(u"Doterajšie dáta sú obnovené zo súboru %1."_s.arg(nativePath(zaloha)));
}

void ZalohaDatabazy::oznacZmenuUdajov() {
    // A script, even one that stopped half way, may have written any table, and one from
    // elsewhere need not carry the working tables that go with its data.
    try {
        VerziaUdajov::zvys(m_connection);
    } catch (const DatabaseError& chyba) {
        DialogService::instance().error(
            u"Po obnove sa nepodarilo zapísať, že sa dáta zmenili: laktácie na karte kravy "
            u"môžu ostať tie spred obnovy, kým sa dáta znova nezmenia.\n\n"_s +
            chyba.message());
    }
}
