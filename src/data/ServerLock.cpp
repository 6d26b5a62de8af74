#include "ServerLock.h"

#include "Connection.h"
#include "DatabaseError.h"

#include <QCryptographicHash>
#include <QScopeGuard>
#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype maxNameLength = 64;

} // namespace

ServerLock::ServerLock(Connection& connection, const QString& name, std::chrono::seconds wait,
                       const QString& busyMessage)
    : m_connection(connection)
    , m_name(name) {
    QSqlQuery lock =
        m_connection.execute(u"SELECT GET_LOCK(:Nazov, :Cakanie)"_s,
                             {{u"Nazov"_s, m_name}, {u"Cakanie"_s, qint64(wait.count())}});
    if (!lock.next() || lock.value(0).isNull())
        throw DatabaseError(u"Zámok %1 na databázovom serveri sa nedá získať."_s.arg(m_name));
    if (lock.value(0).toInt() != 1)
        throw DatabaseError(busyMessage);
    m_held = true;
    m_connection.holdSession();
}

ServerLock::~ServerLock() {
    release();
}

void ServerLock::release() {
    if (!m_held)
        return;
    m_held = false;
    const auto letGo = qScopeGuard([this] { m_connection.releaseSession(); });
    // A closed connection has ended its session, and the lock with it; opening it again just to
    // release would start a session that holds nothing.
    if (!m_connection.isOpen())
        return;
    try {
        m_connection.execute(u"SELECT RELEASE_LOCK(:Nazov)"_s, {{u"Nazov"_s, m_name}});
    } catch (const DatabaseError&) {
        // The session is gone; the server has released the lock.
    }
}

QString ServerLock::nameFor(const QString& purpose, const QString& database) {
    const QString name = purpose + u':' + database.toLower();
    if (name.size() <= maxNameLength)
        return name;
    return purpose.left(maxNameLength - 41) + u':' +
           QString::fromLatin1(
               QCryptographicHash::hash(database.toLower().toUtf8(), QCryptographicHash::Sha1)
                   .toHex());
}
