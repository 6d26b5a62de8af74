#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QSaveFile;

/// Finishes a QSaveFile so that a full disk or a failed write can never pass for success.
/// QSaveFile alone notices failed writes, but not a failure of the final flush of its buffer:
/// it then renames a cut-off file into place and reports success.
class CheckedSave {
public:
    /// Opens the file for writing. Returns an empty text on success, otherwise the reason. A
    /// device, pipe or folder of that name is refused: the save would replace it with a file.
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
};
