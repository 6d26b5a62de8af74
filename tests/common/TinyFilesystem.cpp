#include "TinyFilesystem.h"

#include <QFile>
#include <QProcess>
#include <QStorageInfo>

#include <unistd.h>

TinyFilesystem::TinyFilesystem(qint64 bytes) {
    if (::geteuid() != 0) {
        m_problem = QStringLiteral("a full disk is simulated on a tmpfs, which only root mounts");
        return;
    }
    if (!m_folder.isValid()) {
        m_problem = m_folder.errorString();
        return;
    }
    QProcess mount;
    mount.start(QStringLiteral("mount"),
                {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                 QStringLiteral("size=%1").arg(bytes), QStringLiteral("tmpfs"), m_folder.path()});
    if (!mount.waitForFinished(10'000) || mount.exitCode() != 0) {
        m_problem = QStringLiteral("mount failed: ") +
                    QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
        return;
    }
    m_mounted = true;
}

TinyFilesystem::~TinyFilesystem() {
    if (!m_mounted)
        return;
    QProcess umount;
    umount.start(QStringLiteral("umount"), {m_folder.path()});
    umount.waitForFinished(10'000);
}

void TinyFilesystem::leaveFree(qint64 bytes) {
    QFile filler(filePath(QStringLiteral("zaplnene.bin")));
    if (!filler.open(QIODevice::Append))
        return;
    const QByteArray block(4096, '\0');
    while (QStorageInfo(path()).bytesAvailable() > bytes + block.size())
        if (filler.write(block) != block.size() || !filler.flush())
            break;
}
