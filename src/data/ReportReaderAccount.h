#pragma once

#include "ConnectionSettings.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

class Connection;

/// The database account under which the universal report runs its statements: it may read the
/// report's eleven flat sources of one database and nothing else, so that the free SQL a user
/// writes into a condition or a saved definition can neither change data nor read other tables,
/// nor the herd of another enterprise whose database lives on the same server.
///
/// Each database has an account of its own, named after it, with a random password made when
/// the database is installed and kept in a table of the database that only the owner reads. On
/// the private server it exists for local connections only; on an external server for the hosts
/// the configuration file names (section "Databaza", key "HostyZostav", separated by commas; any
/// host when missing). Its statements are stopped by the server after a time limit, before the
/// program gives up waiting, and it may hold only a few connections.
///
/// A table-level grant needs the table to exist, and survives when the table is dropped and
/// created again. So the account is granted each source that exists when the schema is
/// installed or upgraded, and again whenever a source may have been created since.
class ReportReaderAccount {
public:
    /// The sources in the order the universal report offers them.
    static const QStringList& sources();

    /// The account's name for a database: the database's name after a common prefix, shortened
    /// with a hash of it where the server's limit on names requires.
    static QString userFor(const QString& database);
    /// Whether a user the server names is a reading account: of any database, or the one older
    /// programs shared.
    static bool isAccountName(const QString& user);

    /// How to reach the owner's database as its account: the password is read from the
    /// database. Throws DatabaseError when the database has none yet.
    static ConnectionSettings settingsFor(Connection& owner);

    /// The secret of the owner's database that the names of its locks carry (ServerLock), so that
    /// a statement of the account, which cannot read it, cannot take or block them: the account's
    /// password, read once a session. Empty where the database has no account yet.
    static QString lockSecret(Connection& owner);
    /// The name of a lock of the program's (ServerLock) for that purpose on the owner's database,
    /// carrying the database's secret.
    static QString lockName(Connection& owner, const QString& purpose);

    /// Creates the account of `database` (the connection's own when empty) where it is missing,
    /// makes its password where the database has none, puts back its password and limits, and
    /// grants it SELECT on every source that exists in the connection's database; the account
    /// older programs shared between all databases loses its grants here. Returns how to reach
    /// the database as the account. Idempotent. Throws DatabaseError when the owner may not
    /// create accounts or grant.
    static ConnectionSettings create(Connection& owner, const QString& database = {});
    /// Takes back what create() granted on the connection's database: an installation proves on
    /// its staging database that the account can be prepared, before the new database takes the
    /// place of the old one.
    static void revoke(Connection& owner, const QString& database);

    /// The seconds after which the server stops a statement of the account: less than the
    /// program waits for an answer, so that nothing runs on after the program has given up.
    static constexpr int statementSeconds = 240;
    /// The sessions the account may hold at once.
    static constexpr int connections = 20;

    /// The key of the configuration file that names the hosts of an external server's account.
    static inline const QString hostsKey = u"HostyZostav"_s;
};
