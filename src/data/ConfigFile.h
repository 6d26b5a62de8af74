#pragma once

#include "ProgramFiles.h"

#include <QString>

using namespace Qt::Literals::StringLiterals;

/// The program's INI file: the executable's path with the extension ".ini". An installed program
/// cannot write beside its executable and serves every user of the computer, so there each user
/// has a file of their own, tarvelin.ini in the user's configuration folder, and a key it lacks
/// comes from the installation's tarvelin.ini (the version text). Every read or write opens the
/// file afresh and touches one key, so nothing stays open between uses and a file edited while
/// the program runs is seen at the next access.
class ConfigFile {
public:
    /// The file of a program whose own files are `files` and whose executable is named
    /// `programName`.
    ConfigFile(ProgramFiles files, QString programName);

    /// The file of the running program (or of the program named by useFileOf).
    static ConfigFile ofProgram();
    /// A companion tool beside the program (the report runner) reads the program's file
    /// instead of one named after itself.
    static void useFileOf(const QString& programName);

    /// The running program's file: path(), read() and write() of ofProgram().
    static QString path();
    static QString read(const QString& section, const QString& key,
                        const QString& defaultValue = {});
    static void write(const QString& section, const QString& key, const QString& value);
    /// The folder of the running program's file: a relative folder the file names counts from
    /// there.
    static QString folder();

    QString filePath() const;
    /// The value of a key, or the default when the file, section or key is missing.
    /// Throws ConfigError when the file exists but cannot be read.
    QString value(const QString& section, const QString& key,
                  const QString& defaultValue = {}) const;
    /// Creates the file and its folder where missing. Throws ConfigError when the file cannot
    /// be written.
    void setValue(const QString& section, const QString& key, const QString& value) const;

    static inline const QString aplikacia = u"Aplikacia"_s;

private:
    ProgramFiles m_files;
    QString m_programName;
};
