#include "CheckedSave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Some file systems report a full disk or a lost device only when the data reach it. Devices
// that cannot be synced (a pipe, a terminal) say so with EINVAL; that is no failure.
bool synced(int handle) {
    return ::fsync(handle) == 0 || errno == EINVAL || errno == EROFS;
}

} // namespace

QString CheckedSave::refusal(const QString& fileName) {
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile())
        return u"%1 nie je obyčajný súbor"_s.arg(QDir::toNativeSeparators(fileName));
    return {};
}

QString CheckedSave::open(QSaveFile& file) {
    if (const QString refused = refusal(file.fileName()); !refused.isEmpty())
        return refused;
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    return {};
}

bool CheckedSave::write(QIODevice& device, const QByteArray& data) {
    // A write may take part of the data; only a write that takes nothing has failed, and it
    // leaves the reason in the device's errorString().
    for (qsizetype done = 0; done < data.size();) {
        const qint64 written = device.write(data.constData() + done, data.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

QString CheckedSave::commit(QSaveFile& file) {
    const auto discard = [&file](const QString& reason) {
        file.cancelWriting();
        file.commit();
        return reason.isEmpty() ? u"zápis zlyhal"_s : reason;
    };
    // After a failed write the file may hold a generic text; flushing what is still buffered
    // fails again and names the cause (a full disk).
    if (file.error() != QFileDevice::NoError) {
        file.flush();
        return discard(file.errorString());
    }
    if (!file.flush())
        return discard(file.errorString());
    if (!synced(file.handle()))
        return discard(systemError());
    // Something other than a file may have taken the name while the data were written.
    if (const QString refused = refusal(file.fileName()); !refused.isEmpty())
        return discard(refused);
    if (!file.commit())
        return file.errorString().isEmpty() ? u"zápis zlyhal"_s : file.errorString();
    return {};
}

QString CheckedSave::writeWhole(const QString& fileName, const QByteArray& contents) {
    QSaveFile file(fileName);
    QString problem = open(file);
    if (problem.isEmpty() && !write(file, contents))
        problem = file.errorString();
    if (problem.isEmpty())
        problem = commit(file);
    return problem;
}

CheckedSave::Draft::Draft(QString target)
    : m_target(std::move(target)) {}

CheckedSave::Draft::~Draft() = default;

QString CheckedSave::Draft::open() {
    if (const QString refused = refusal(m_target); !refused.isEmpty())
        return refused;
    const QFileInfo target(m_target);
    m_draft = std::make_unique<QTemporaryFile>(
        target.absoluteDir().filePath(u".%1-XXXXXX"_s.arg(target.fileName())));
    if (!m_draft->open())
        return m_draft->errorString();
    // The writer opens the file by its path.
    m_draft->close();
    return {};
}

QString CheckedSave::Draft::path() const {
    return m_draft ? m_draft->fileName() : QString();
}

QString CheckedSave::Draft::commit() {
    if (!m_draft)
        return u"zápis zlyhal"_s;
    const QByteArray draft = QFile::encodeName(m_draft->fileName());
    const int handle = ::open(draft.constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return systemError();
    const bool onDisk = synced(handle);
    const QString syncError = onDisk ? QString() : systemError();
    ::close(handle);
    if (!onDisk)
        return syncError;
    if (const QString refused = refusal(m_target); !refused.isEmpty())
        return refused;
    if (QFile::exists(m_target))
        QFile::setPermissions(m_draft->fileName(), QFile::permissions(m_target));
    // Renaming replaces the target in one step; the draft goes with it.
    if (std::rename(draft.constData(), QFile::encodeName(m_target).constData()) != 0)
        return systemError();
    m_draft->setAutoRemove(false);
    return {};
}
