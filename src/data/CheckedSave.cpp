#include "CheckedSave.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

QString CheckedSave::open(QSaveFile& file) {
    const QFileInfo target(file.fileName());
    if (target.exists() && !target.isFile())
        return u"%1 nie je obyčajný súbor"_s.arg(file.fileName());
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
    // Some file systems report a full disk or a lost device only when the data reach it. Devices
    // that cannot be synced (a pipe, a terminal) say so with EINVAL; that is no failure.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return discard(QString::fromLocal8Bit(std::strerror(errno)));
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
