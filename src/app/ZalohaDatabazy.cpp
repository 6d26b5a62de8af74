#include "ZalohaDatabazy.h"

#include "DatabaseClient.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString failed(const char* what, const QString& reason) {
    return s(what) + s("\n\n") + reason;
}

// Where the backups were kept on the machines the program came from; elsewhere the user's own
// documents.
QString scriptFolder() {
    const QString hevra = s("C:/HEVRA/wtarvhd/zalohaDB");
    return QFileInfo(hevra).isAbsolute() && QFileInfo(hevra).isDir()
               ? hevra
               : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// Safety backups are taken before every restore; the newest few are enough to undo one.
constexpr qsizetype kept = 5;

QString safetyPattern() {
    return s("pred-obnovou-*.sql");
}

FileDialogRequest scriptDialog(const char* objectName, const char* title) {
    FileDialogRequest request;
    request.objectName = s(objectName);
    request.title = s(title);
    request.directory = scriptFolder();
    request.fileName = s("*.sql");
    request.filter = s("SQL skript (*.sql);;Všetky súbory (*)");
    request.defaultSuffix = s("sql");
    return request;
}

FileDialogRequest clientDialog() {
    FileDialogRequest request;
    request.objectName = s("OpenDialogMySQL");
    request.title = s("Cesta k mysql inštalácii");
    request.directory = QDir::rootPath();
#ifdef Q_OS_WIN
    request.fileName = s("mysql.exe");
    request.defaultSuffix = s("exe");
#else
    request.fileName = s("mysql");
#endif
    request.mustExist = true;
    return request;
}

FileDialogRequest importDialog() {
    FileDialogRequest request =
        scriptDialog("OpenDialogImport", "Import databázy programu Tarvelin");
    // A script that is not there would fail only after the safety backup was taken.
    request.mustExist = true;
    return request;
}

FileDialogRequest exportDialog() {
    FileDialogRequest request =
        scriptDialog("SaveDialogExport", "Export databázy programu Tarvelin");
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
    try {
        klient().dump(subor, s("Vytvára sa záloha databázy."));
    } catch (const DatabaseError& chyba) {
        dialogs.error(failed("Export zlyhal", chyba.message()));
        return;
    }
    dialogs.information(s("Záloha databázy je vytvorená v súbore %1.").arg(nativePath(subor)));
}

void ZalohaDatabazy::MenuItemImportDBClick() {
    NajdiCestuKlienta();
    const QString subor = DialogService::instance().openFileName(OpenDialogImport);
    if (subor.isEmpty())
        return;
    try {
        const DatabaseClient klient = this->klient();
        const QString zaloha = zalohaPredObnovou(klient);
        // The program's own session must not hold the tables the script replaces.
        m_connection.close();
        obnov(klient, subor, zaloha);
    } catch (const DatabaseError& chyba) {
        DialogService::instance().error(failed("Import zlyhal", chyba.message()));
    }
}

void ZalohaDatabazy::NajdiCestuKlienta() {
    if (!CestaMySQL.isEmpty())
        return;
    // Cancelling leaves the folder empty: the programs are then looked up on the search path.
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
            s("Doterajšie dáta sa nepodarilo zálohovať, databáza ostala bez zmeny.\n") + reason);
    };
    if (!QDir().mkpath(m_priecinokZaloh))
        throw nezalohovane(s("Priečinok %1 sa nedá vytvoriť.").arg(nativePath(m_priecinokZaloh)));
    const QString zaloha =
        QDir(m_priecinokZaloh)
            .filePath(s("pred-obnovou-%1.sql")
                          .arg(QDateTime::currentDateTime().toString(s("yyyyMMdd-HHmmss-zzz"))));
    try {
        klient.dump(zaloha, s("Pred obnovou sa zálohujú doterajšie dáta."));
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
        klient.load(subor, s("Beží obnova databázy."));
    } catch (const DatabaseError& chyba) {
        ponukniNavrat(klient, chyba.message(), zaloha);
        return;
    }
    DialogService::instance().information(
        s("Obnova databázy skončila. Stlač OK - program skončí.\n\nDáta spred obnovy sú uložené v "
          "súbore\n%1\n(priečinok uchováva posledných %2 takých záloh).")
            .arg(nativePath(zaloha))
            .arg(kept));
    m_ukonciProgram();
}

void ZalohaDatabazy::ponukniNavrat(const DatabaseClient& klient, const QString& chyba,
                                   const QString& zaloha) {
    DialogService& dialogs = DialogService::instance();
    const QString otazka =
        failed("Import zlyhal", chyba) +
        s("\n\nDoterajšie dáta sú uložené v súbore\n%1\n\nObnoviť ich z neho hneď teraz?")
            .arg(nativePath(zaloha));
    if (dialogs.message(DialogService::Icon::Question, otazka,
                        DialogService::Buttons(DialogService::Yes) | DialogService::No) !=
        DialogService::Yes)
        return;
    try {
        klient.load(zaloha, s("Obnovujú sa doterajšie dáta."));
    } catch (const DatabaseError& navrat) {
        dialogs.error(
            failed("Import zlyhal", navrat.message()) +
            s("\n\nDoterajšie dáta ostávajú uložené v súbore\n%1").arg(nativePath(zaloha)));
        return;
    }
    dialogs.information(s("Doterajšie dáta sú obnovené zo súboru %1.").arg(nativePath(zaloha)));
}
