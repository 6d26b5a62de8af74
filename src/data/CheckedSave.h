#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QIODevice;
class QSaveFile;
class QTemporaryFile;

/// The one way the program writes a file: whole or not at all, and only where a file belongs.
/// The data go into a new file beside the target, are flushed and synced to the disk, and the
/// new file then takes the target's name in one step; a failure at any point leaves the file
/// that was there before. A name that stands for anything but a regular file (a device, a pipe,
/// a folder) is refused: the save would replace it, or write into it.
///
/// For a writer that writes a QIODevice, open(), write() and commit() finish a QSaveFile, which
/// alone notices failed writes but not a failure of the final flush of its buffer (it then
/// renames a cut-off file into place and reports success). A writer that needs a path of its own,
/// such as a library that writes the file itself, writes a Draft.
class CheckedSave {
public:
    /// Why no file may be saved under this name: empty when the name is new or names a regular
    /// file, else the reason.
    static QString refusal(const QString& fileName);

    /// Opens the file for writing. Returns an empty text on success, otherwise the reason.
    static QString open(QSaveFile& file);
    /// Writes all of data; false when the file or other device took less (the reason is its
    /// errorString()).
    static bool write(QIODevice& device, const QByteArray& data);
    /// Flushes the file to the disk and renames it into place. Returns an empty text on success;
    /// otherwise the reason, and the file that was there before is left untouched.
    static QString commit(QSaveFile& file);
    /// Open, write and commit in one: the file holds all of contents, or what it held before.
    /// Returns an empty text on success, otherwise the reason.
    static QString writeWhole(const QString& fileName, const QByteArray& contents);

    /// A new file beside the target for a writer that writes by a path; commit() puts it in the
    /// target's place, and it is removed when it is not committed.
    class Draft {
    public:
        explicit Draft(QString target);
        ~Draft();
        Draft(const Draft&) = delete;
        Draft& operator=(const Draft&) = delete;

        /// Creates the draft. Returns an empty text on success, otherwise the reason.
        QString open();
        /// Where the writer writes; valid after a successful open().
        QString path() const;
        /// Syncs the written draft to the disk and renames it into the target's place, with the
        /// permissions of the file it replaces. Returns an empty text on success; otherwise the
        /// reason, and the target is left untouched.
        QString commit();

    private:
        QString m_target;
        std::unique_ptr<QTemporaryFile> m_draft;
    };
};
