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
class TDataModuleHlavny : public QObject {
    Q_OBJECT
public:
    explicit TDataModuleHlavny(const ConnectionSettings& settings, QObject* parent = nullptr);
    ~TDataModuleHlavny() override;

    Connection* ADOConnectionTarvelin;
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
    Query* query(const char* name, const QStringList& sql, const QList<FieldDef>& fields = {});
    Table* table(const char* name, const QString& tableName);
};
