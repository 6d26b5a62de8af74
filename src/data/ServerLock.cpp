#include "ServerLock.h"

#include "CancelledByUser.h"
#include "Connection.h"
#include "DatabaseError.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr qsizetype maxNameLength = 64;

} // namespace

ServerLock::ServerLock(Connection& connection, const QString& name, std::chrono::seconds wait,
                       const QString& busyMessage, const Waiting& waiting)
    : m_connection(connection)
    , m_name(name) {
    if (!waiting) {
        if (ask(wait) != 1)
            throw DatabaseError(busyMessage);
    } else {
        QElapsedTimer waited;
        waited.start();
        while (ask(0s) != 1) {
            const std::chrono::milliseconds sofar(waited.elapsed());
            if (sofar >= wait)
                throw DatabaseError(busyMessage);
            if (!waiting(sofar))
                throw CancelledByUser();
        }
    }
    m_held = true;
    m_connection.holdSession();
}

int ServerLock::ask(std::chrono::seconds wait) {
    QSqlQuery lock =
        m_connection.execute(u"SELECT GET_LOCK(:Nazov, :Cakanie)"_s,
                             {{u"Nazov"_s, m_name}, {u"Cakanie"_s, qint64(wait.count())}});
    if (!lock.next() || lock.value(0).isNull())
        throw DatabaseError(u"Zámok %1 na databázovom serveri sa nedá získať."_s.arg(m_name));
    return lock.value(0).toInt();
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

QString ServerLock::nameFor(const QString& purpose, const QString& database,
                            const QString& secret) {
    const QString name = purpose + u':' + database.toLower();
    if (secret.isEmpty() && name.size() <= maxNameLength)
        return name;
    const QString hashed =
        secret.isEmpty() ? database.toLower() : database.toLower() + u'\n' + secret;
    return purpose.left(maxNameLength - 41) + u':' +
           QString::fromLatin1(
               QCryptographicHash::hash(hashed.toUtf8(), QCryptographicHash::Sha1).toHex());
}
