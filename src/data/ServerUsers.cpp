#include "ServerUsers.h"

#include "DatabaseError.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

ServerUsers::ServerUsers(QString fileName)
    : m_fileName(std::move(fileName)) {}

ServerUsers::~ServerUsers() {
    leave();
}

bool ServerUsers::lock(int operation) {
    if (m_fd < 0) {
        // Not inherited by the server or the client programs started meanwhile, which would
        // otherwise count as users for as long as they run.
        m_fd =
            ::open(QFile::encodeName(m_fileName).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0)
            throw DatabaseError(u"Súbor %1 sa nedá otvoriť: %2"_s.arg(
                m_fileName, QString::fromLocal8Bit(std::strerror(errno))));
    }
    int result;
    do
        result = ::flock(m_fd, operation | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

void ServerUsers::join() {
    // Whoever holds the file alone does so only under the folder's lock, which the caller holds
    // now; a shared lock is therefore granted at once.
    if (!lock(LOCK_SH))
        throw DatabaseError(u"Súbor %1 sa nedá zamknúť: %2"_s.arg(
            m_fileName, QString::fromLocal8Bit(std::strerror(errno))));
}

void ServerUsers::leave() {
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
}

bool ServerUsers::leaveAndClaimAlone() {
    leave();
    if (lock(LOCK_EX))
        return true;
    leave();
    return false;
}
