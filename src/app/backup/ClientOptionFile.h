#pragma once

#include <QTemporaryFile>

/// An option file for the database client programs that holds the password, readable by the user
/// alone, so that the password never appears on a command line where other users could read it.
/// The file is removed when the object goes.
class ClientOptionFile {
public:
    /// Throws DatabaseError when the file cannot be written.
    explicit ClientOptionFile(const QString& password);

    /// The client programs accept this only as their first argument.
    QString argument() const;

private:
    QTemporaryFile m_file;
};
