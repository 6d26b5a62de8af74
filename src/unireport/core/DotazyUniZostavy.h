#pragma once

#include "UlozenaZostava.h"

#include <QList>
#include <QString>

class Connection;
class TDataModuleHlavny;

/// The statements of the universal report over the program's own tables: its saved definitions
/// in sys_zostavy, read, stored and deleted through the datasets of the main data module, and
/// whether a source exists. The statements a user composes run elsewhere (VystupZostavy).
class DotazyUniZostavy {
public:
    /// The definition of this id read through ADOQueryPom; empty texts when there is none.
    static UlozenaZostava nacitaj(TDataModuleHlavny& data, int id);

    /// Stores a definition through ADOCommandUniZostava, the texts bound exactly as given.
    static void uloz(TDataModuleHlavny& data, const QString& nazov, const QString& popis,
                     const QString& prikaz);

    /// Deletes a definition in a transaction of its own, committed before this returns and
    /// rolled back when it fails.
    static void zmaz(TDataModuleHlavny& data, int id);

    /// All definitions by name, the last saved first among equal names.
    static QList<UlozenaZostava> vsetky(Connection& spojenie);
    /// The definitions of this name, the last saved first: names need not be unique.
    static QList<UlozenaZostava> podlaNazvu(Connection& spojenie, const QString& nazov);

    /// Whether the database has a table or view of this name, which the reading account cannot
    /// tell: the server refuses it a missing table as one it may not read.
    static bool existuje(Connection& spojenie, const QString& tabulka);
};
