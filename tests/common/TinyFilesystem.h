#pragma once

#include <QString>
#include <QTemporaryDir>

/// A small file system of its own (tmpfs) for tests of what the program does when a disk is
/// full. Mounting needs root; elsewhere the object is not valid and says why, so that the test
/// can skip. Unmounted when the object goes.
class TinyFilesystem {
public:
    explicit TinyFilesystem(qint64 bytes = 256 * 1024);
    ~TinyFilesystem();
    TinyFilesystem(const TinyFilesystem&) = delete;
    TinyFilesystem& operator=(const TinyFilesystem&) = delete;

    bool isValid() const { return m_mounted; }
    /// Why the file system could not be mounted.
    const QString& problem() const { return m_problem; }
    QString path() const { return m_folder.path(); }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }

    /// Fills the file system until only about this many bytes are left.
    void leaveFree(qint64 bytes);

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
    QString m_problem;
};
