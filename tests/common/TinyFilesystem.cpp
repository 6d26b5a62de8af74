#include "TinyFilesystem.h"

#include <QFile>
#include <QProcess>
#include <QStorageInfo>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

TinyFilesystem::TinyFilesystem(qint64 bytes) {
    if (::geteuid() != 0) {
        m_problem = u"a full disk is simulated on a tmpfs, which only root mounts"_s;
        return;
    }
    if (!m_folder.isValid()) {
        m_problem = m_folder.errorString();
        return;
    }
    QProcess mount;
    mount.start(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=%1"_s.arg(bytes), u"tmpfs"_s,
                             m_folder.path()});
    if (!mount.waitForFinished(10'000) || mount.exitCode() != 0) {
        m_problem =
            u"mount failed: "_s + QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
        return;
    }
    m_mounted = true;
}

TinyFilesystem::~TinyFilesystem() {
    if (!m_mounted)
        return;
    QProcess umount;
    umount.start(u"umount"_s, {m_folder.path()});
    umount.waitForFinished(10'000);
}

void TinyFilesystem::leaveFree(qint64 bytes) {
    QFile filler(filePath(u"zaplnene.bin"_s));
    if (!filler.open(QIODevice::Append))
        return;
    const QByteArray block(4096, '\0');
    while (QStorageInfo(path()).bytesAvailable() > bytes + block.size())
        if (filler.write(block) != block.size() || !filler.flush())
            break;
}
