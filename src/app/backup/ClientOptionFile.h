#pragma once

#include <QTemporaryDir>

/// An option file for the database client programs that holds the password, readable by the user
/// alone, so that the password never appears on a command line where other users could read it.
/// It lies in a folder of its own that only the user may enter, and is removed with it when the
/// object goes.
class ClientOptionFile {
public:
    /// Throws DatabaseError when the file cannot be written completely.
    explicit ClientOptionFile(const QString& password);

    /// The client programs accept this only as their first argument.
    QString argument() const;

private:
    QTemporaryDir m_folder;
};
