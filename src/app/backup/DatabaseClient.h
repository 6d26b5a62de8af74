#pragma once

#include "data/ConnectionSettings.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

/// The database server's own client programs, run against the program's database as the
/// program's connection reaches it: the dump program writes the database as an SQL script, the
/// command-line client runs such a script. Both are looked up when the client is made, in a
/// given folder, or on the search path when the folder is empty, so that a missing one shows
/// before anything is changed.
///
/// Every failure throws DatabaseError with the reason, in the client programs' own words where
/// they give one.
class DatabaseClient {
public:
    DatabaseClient(const QString& folder, ConnectionSettings settings, QWidget* progressParent);

    /// Writes the whole database, but the views named in leftOut, to the file. The file is
    /// replaced only when the dump succeeded, so a failed dump leaves no file, or the earlier
    /// one, behind.
    void dump(const QString& fileName, const QString& activity,
              const QStringList& leftOut = {}) const;
    /// Runs the script against the database; stops at the first failing statement.
    void load(const QString& fileName, const QString& activity) const;

    /// Where both client programs are: the remembered folder when it has them, else the
    /// search path's folder of them (with its trailing separator; empty when they lie in
    /// different folders of it); nothing when neither has them.
    static std::optional<QString> findFolder(const QString& remembered);

private:
    /// The program of the first name found in the folder, or on the search path for an empty
    /// folder; empty when none is.
    static QString findProgram(const QString& folder, const QStringList& names);
    static QString program(const QString& folder, const QStringList& names);
    QStringList connectionArguments() const;

    ConnectionSettings m_settings;
    QString m_dumpProgram;
    QString m_loadProgram;
    QWidget* m_progressParent;
};
