#include "ReportReaderAccount.h"

#include "Connection.h"
#include "DatabaseError.h"

#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString password = u"len-citanie-zostav"_s;

/// The account on a local socket and from any host, where an external server is reached by
/// TCP.
const QStringList hosts = {u"localhost"_s, u"%"_s};

QString account(const QString& host) {
    return u"'%1'@'%2'"_s.arg(ReportReaderAccount::user, host);
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

DatabaseError notPrepared(const DatabaseError& error) {
    return DatabaseError(
        u"Účet %1 na čítanie univerzálnych zostáv sa nepodarilo pripraviť: %2"_s.arg(
            ReportReaderAccount::user, error.message()),
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

ConnectionSettings ReportReaderAccount::settingsFor(const ConnectionSettings& owner) {
    ConnectionSettings settings = owner;
    settings.user = user;
    settings.password = password;
    return settings;
}

void ReportReaderAccount::create(Connection& owner) {
    try {
        for (const QString& host : hosts) {
            // A password changed by hand, or by a statement of the account itself, is put back.
            owner.executeDirect(u"CREATE USER IF NOT EXISTS "_s + account(host) +
                                u" IDENTIFIED BY '"_s + password + u"'"_s);
            owner.executeDirect(u"ALTER USER "_s + account(host) + u" IDENTIFIED BY '"_s +
                                password + u"'"_s);
        }
        for (const QString& table : presentSources(owner))
            for (const QString& host : hosts)
                owner.executeDirect(u"GRANT SELECT ON `"_s + table + u"` TO "_s + account(host));
    } catch (const DatabaseError& error) {
        throw notPrepared(error);
    }
}

void ReportReaderAccount::revoke(Connection& owner) {
    try {
        for (const QString& table : presentSources(owner))
            for (const QString& host : hosts)
                owner.executeDirect(u"REVOKE SELECT ON `"_s + table + u"` FROM "_s + account(host));
    } catch (const DatabaseError& error) {
        throw notPrepared(error);
    }
}
