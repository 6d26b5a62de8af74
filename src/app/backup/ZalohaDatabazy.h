#pragma once

#include "widgets/DialogService.h"

#include <QObject>
#include <QString>
#include <functional>

class Connection;
class DatabaseClient;
class QWidget;

/// The main window's commands "Zaloha databázy" and "Obnova databázy": the whole database is
/// written to an SQL script by the server's dump program and restored from one by its
/// command-line client. The folder of the client programs is kept in the main window's
/// CestaMySQL; it is asked for only when neither that folder nor the search path has them. Before a
/// restore the current data are saved beside the user's data, so that a failed restore can be
/// undone at once; a successful one ends the program, whose next start reads the restored data.
class ZalohaDatabazy : public QObject {
    Q_OBJECT
public:
    /// cestaMySQL is the main window's remembered client folder, read and set here;
    /// priecinokZaloh is where the safety backups before a restore go; ukonciProgram ends the
    /// program after a successful restore. The connection is closed while a restore runs.
    ZalohaDatabazy(QString& cestaMySQL, Connection& connection, QString priecinokZaloh,
                   std::function<void()> ukonciProgram, QWidget* okno);

    void MenuItemExportDBClick();
    void MenuItemImportDBClick();

    const FileDialogRequest OpenDialogMySQL;
    const FileDialogRequest SaveDialogExport;
    const FileDialogRequest OpenDialogImport;

private:
    void NajdiCestuKlienta();
    DatabaseClient klient() const;
    /// Dumps the database into the file; returns the views left out, which cannot be read.
    QStringList zalohuj(const DatabaseClient& klient, const QString& subor,
                        const QString& cinnost) const;
    QString zalohaPredObnovou(const DatabaseClient& klient) const;
    void obnov(const DatabaseClient& klient, const QString& subor, const QString& zaloha);
    void ponukniNavrat(const DatabaseClient& klient, const QString& chyba, const QString& zaloha);
    /// Raises the version of the herd's data after a script ran, so that the next start
    /// rebuilds the working tables made from them.
    void oznacZmenuUdajov();

    QString& CestaMySQL;
    Connection& m_connection;
    QString m_priecinokZaloh;
    std::function<void()> m_ukonciProgram;
    QWidget* m_okno;
};
