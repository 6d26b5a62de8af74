#include "ReportReaderAccount.h"

#include "ConfigFile.h"
#include "Connection.h"
#include "DatabaseError.h"
#include "DatabaseLocation.h"
#include "ServerLock.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The account older programs shared between all databases of a server.
const QString sharedUser = u"tarvelin_zostavy"_s;
const QString prefix = sharedUser + u'_';
/// The longest account name every supported server accepts (MySQL's limit; MariaDB's is 80).
constexpr qsizetype longestName = 32;

/// Where the database keeps its account's password; the account is granted only its sources,
/// so it cannot read it.
const QString secretTable = u"sys_ucet_zostav"_s;

// The server's numbers of the errors a revoke gives where there is nothing to take back.
constexpr int noSuchGrant = 1141;
constexpr int noSuchTableGrant = 1147;
constexpr int noSuchTable = 1146;

QString quoted(QString text) {
    return u'\'' + text.replace(u'\\', u"\\\\"_s).replace(u'\'', u"''"_s) + u'\'';
}

QString account(const QString& user, const QString& host) {
    return quoted(user) + u'@' + quoted(host);
}

QString databaseOf(Connection& owner, const QString& database) {
    return database.isEmpty() ? owner.settings().database : database;
}

/// A socket reaches the server from the same computer only; over the network the hosts are the
/// configuration's, checked to be host names or patterns, as they are written into statements.
QStringList hostsFor(const Connection& owner) {
    if (owner.settings().usesSocket())
        return {u"localhost"_s};
    static const QRegularExpression hostName(u"^[A-Za-z0-9.%_:-]+$"_s);
    QStringList hosts;
    const QString configured =
        ConfigFile::read(DatabaseLocation::section, ReportReaderAccount::hostsKey, u"%"_s);
    for (const QString& part : configured.split(u',', Qt::SkipEmptyParts)) {
        const QString host = part.trimmed();
        if (!hostName.match(host).hasMatch())
            throw DatabaseError(
                u"Kľúč %1 v súbore %2 obsahuje „%3“, čo nie je meno ani adresa počítača."_s.arg(
                    ReportReaderAccount::hostsKey, ConfigFile::path(), host));
        hosts << host;
    }
    return hosts.isEmpty() ? QStringList{u"%"_s} : hosts;
}

/// The sources that exist in the owner's database, spelled as the database spells them. The
/// names come from the list of sources, never from a user.
QStringList presentSources(Connection& owner) {
    QStringList present;
    QSqlQuery found = owner.execute(u"SELECT TABLE_NAME FROM information_schema.TABLES "
                                    u"WHERE TABLE_SCHEMA = database()"_s);
    while (found.next())
        present << found.value(0).toString();
    QStringList sources;
    for (const QString& source : ReportReaderAccount::sources()) {
        const auto table = std::find_if(present.cbegin(), present.cend(), [&](const QString& t) {
            return t.compare(source, Qt::CaseInsensitive) == 0;
        });
        if (table != present.cend())
            sources << *table;
    }
    return sources;
}

QString storedPassword(Connection& owner) {
    QSqlQuery found = owner.execute(u"SELECT heslo FROM "_s + secretTable + u" LIMIT 1"_s);
    return found.next() ? found.value(0).toString() : QString();
}

/// Letters and digits only, so that the password stands in a statement without escaping.
QString randomPassword() {
    static const QString characters =
        u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"_s;
    QString password;
    for (int i = 0; i < 32; ++i)
        password += characters.at(QRandomGenerator::system()->bounded(int(characters.size())));
    return password;
}

QString passwordOf(Connection& owner) {
    owner.executeDirect(u"CREATE TABLE IF NOT EXISTS "_s + secretTable +
                        u" (heslo VARCHAR(64) NOT NULL) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4"_s);
    QString password = storedPassword(owner);
    if (password.isEmpty()) {
        password = randomPassword();
        owner.execute(u"INSERT INTO "_s + secretTable + u" (heslo) VALUES (:Heslo)"_s,
                      {{u"Heslo"_s, password}});
    }
    return password;
}

/// The shared account of older programs may no longer read this database; where it never did,
/// there is nothing to take back.
void revokeShared(Connection& owner, const QStringList& sources) {
    for (const QString& table : sources)
        for (const QString& host : {u"localhost"_s, u"%"_s})
            try {
                owner.executeDirect(u"REVOKE SELECT ON `"_s + table + u"` FROM "_s +
                                    account(sharedUser, host));
            } catch (const DatabaseError& error) {
                if (error.code() != noSuchGrant && error.code() != noSuchTableGrant)
                    throw;
            }
}

DatabaseError notPrepared(const QString& user, const DatabaseError& error) {
    return DatabaseError(
        u"Účet %1 na čítanie univerzálnych zostáv sa nepodarilo pripraviť: %2"_s.arg(
            user, error.message()),
        error.code());
}

} // namespace

const QStringList& ReportReaderAccount::sources() {
    static const QStringList names = {u"uzkravy"_s,    u"uzjalovice"_s,     u"uzbyky"_s,
                                      u"uzkontroly"_s, u"uzpreblaktacie"_s, u"uzlaktacie"_s,
                                      u"uzmocovina"_s, u"uztdm"_s,          u"uztab1ab"_s,
                                      u"zuvyrkravy"_s, u"uzitkrav"_s};
    return names;
}

QString ReportReaderAccount::userFor(const QString& database) {
    const QString name = prefix + database;
    if (name.size() <= longestName)
        return name;
    // Two long names that begin alike still get two accounts.
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(database.toUtf8(), QCryptographicHash::Sha1).toHex().left(10));
    return name.left(longestName - hash.size() - 1) + u'_' + hash;
}

bool ReportReaderAccount::isAccountName(const QString& user) {
    return user == sharedUser || user.startsWith(prefix);
}

ConnectionSettings ReportReaderAccount::settingsFor(Connection& owner) {
    ConnectionSettings settings = owner.settings();
    settings.user = userFor(settings.database);
    settings.password = storedPassword(owner);
    return settings;
}

QString ReportReaderAccount::lockSecret(Connection& owner) {
    QString password;
    try {
        password =
            owner.sessionValue(u"SELECT heslo FROM "_s + secretTable + u" LIMIT 1"_s).toString();
    } catch (const DatabaseError& error) {
        // A database of an older program has no table of the password until its upgrade.
        if (error.code() != noSuchTable)
            throw;
    }
    return password;
}

QString ReportReaderAccount::lockName(Connection& owner, const QString& purpose) {
    return ServerLock::nameFor(purpose, owner.settings().database, lockSecret(owner));
}

ConnectionSettings ReportReaderAccount::create(Connection& owner, const QString& database) {
    const QString user = userFor(databaseOf(owner, database));
    try {
        const QString password = passwordOf(owner);
        // MySQL knows no limit on a statement's time by account; there the program's own time
        // limit on waiting stays the only one.
        QSqlQuery version = owner.execute(u"SELECT version()"_s);
        const bool mariaDb = version.next() && version.value(0).toString().contains(u"MariaDB"_s);
        const QString identified =
            u" IDENTIFIED BY '"_s + password + u"' WITH MAX_USER_CONNECTIONS "_s +
            QString::number(connections) +
            (mariaDb ? u" MAX_STATEMENT_TIME "_s + QString::number(statementSeconds) : QString());
        const QStringList hosts = hostsFor(owner);
        for (const QString& host : hosts) {
            // A password changed by hand, or by a statement of the account itself, is put back.
            owner.executeDirect(u"CREATE USER IF NOT EXISTS "_s + account(user, host) + identified);
            owner.executeDirect(u"ALTER USER "_s + account(user, host) + identified);
        }
        const QStringList present = presentSources(owner);
        for (const QString& table : present)
            for (const QString& host : hosts)
                owner.executeDirect(u"GRANT SELECT ON `"_s + table + u"` TO "_s +
                                    account(user, host));
        revokeShared(owner, present);
        ConnectionSettings settings = owner.settings();
        settings.user = user;
        settings.password = password;
        return settings;
    } catch (const DatabaseError& error) {
        throw notPrepared(user, error);
    }
}

void ReportReaderAccount::revoke(Connection& owner, const QString& database) {
    const QString user = userFor(databaseOf(owner, database));
    try {
        for (const QString& table : presentSources(owner))
            for (const QString& host : hostsFor(owner))
                owner.executeDirect(u"REVOKE SELECT ON `"_s + table + u"` FROM "_s +
                                    account(user, host));
    } catch (const DatabaseError& error) {
        throw notPrepared(user, error);
    }
}
