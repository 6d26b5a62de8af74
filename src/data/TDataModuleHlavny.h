#pragma once

#include "Command.h"
#include "Connection.h"
#include "Query.h"
#include "Table.h"

#include <QObject>

/// The program's one database connection and the datasets of the browsing views. A container of
/// configured components: statements, parameters and fields are fixed here, and the frames and
/// dialogs only set parameters or statements and re-open them. Creating it opens the connection
/// and the saved-report list and the parameter row.
///
/// The universal report's table and output query read through a second connection, under the
/// account that may only read the report's sources (ReportReaderAccount): their statements are
/// free SQL a user writes.
class TDataModuleHlavny : public QObject {
    Q_OBJECT
public:
    explicit TDataModuleHlavny(const ConnectionSettings& settings, QObject* parent = nullptr);
    ~TDataModuleHlavny() override;

    Connection* ADOConnectionTarvelin;
    /// Opened on demand by the first statement of the universal report, once
    /// pripravUcetZostav() has given it the account's password; before that no login succeeds.
    Connection* ADOConnectionUniZostava;

    /// Prepares the reading account of the database (a source created since the start gets
    /// its grant, a changed password is put back) and logs the report's connection in with it.
    /// Throws DatabaseError.
    void pripravUcetZostav();

    Query* ADOQueryZvierata;
    Query* ADOQueryKrava;
    Query* ADOQueryPom;
    Query* ADOQueryKontrolyMlieka;
    Query* ADOQueryLaktacie;
    Table* ADOTableFarby;
    Table* ADOTablePlemenneKnihy;
    Table* ADOTablePlemenneTypy;
    Query* ADOQueryRodokmen;
    Query* ADOQueryKontrolyMliekaKravy;
    Query* ADOQueryPrebiehajuceLaktacie;
    Query* ADOQueryVyradeneKravy;
    Query* ADOQueryLaktacnaKrivka;
    Query* ADOQueryLaktacieKravy;
    Table* ADOTableUniZostava;
    Query* ADOQueryUniZostava;
    Query* ADOQueryUniZostavy;
    Command* ADOCommandUniZostava;
    Query* ADOQueryParam;

private:
    Query* query(const char* name, const QStringList& sql, const QList<FieldDef>& fields = {},
                 Connection* connection = nullptr);
    Table* table(const char* name, const QString& tableName, Connection* connection = nullptr);
};
