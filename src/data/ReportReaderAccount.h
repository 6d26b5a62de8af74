#pragma once

#include "ConnectionSettings.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

class Connection;

/// The database account under which the universal report runs its statements: it may read the
/// report's eleven flat sources and nothing else, so that the free SQL a user writes into a
/// condition or a saved definition can neither change data nor read other tables. Its password
/// is fixed like the program's own; it guards against what a statement does, not against
/// whoever can reach the server.
///
/// A table-level grant needs the table to exist, and survives when the table is dropped and
/// created again. So the account is granted each source that exists when the schema is
/// installed or upgraded, and again whenever a source may have been created since.
class ReportReaderAccount {
public:
    /// The sources in the order the universal report offers them.
    static const QStringList& sources();

    /// How to reach the owner's database as this account.
    static ConnectionSettings settingsFor(const ConnectionSettings& owner);

    /// Creates the account where it is missing, restores its password and grants it SELECT on
    /// every source that exists in the connection's database. Idempotent. Throws DatabaseError
    /// when the owner may not create accounts or grant.
    static void create(Connection& owner);
    /// Takes back what create() granted on the connection's database: an installation proves on
    /// its staging database that the account can be prepared, before the new database takes the
    /// place of the old one.
    static void revoke(Connection& owner);

    static inline const QString user = u"tarvelin_zostavy"_s;
};
