#pragma once

#include <QString>

using namespace Qt::Literals::StringLiterals;

/// The program's INI file: the executable's path with the extension ".ini". Every read or write
/// opens the file afresh and touches one key, so nothing stays open between uses and a file
/// edited while the program runs is seen at the next access.
class ConfigFile {
public:
    static QString path();
    /// A companion tool beside the program (the report runner) reads the program's file
    /// instead of one named after itself.
    static void useFileOf(const QString& programName);

    /// The value of a key, or the default when the file, section or key is missing.
    /// Throws ConfigError when the file exists but cannot be read.
    static QString read(const QString& section, const QString& key,
                        const QString& defaultValue = {});
    /// Throws ConfigError when the file cannot be written.
    static void write(const QString& section, const QString& key, const QString& value);

    static inline const QString aplikacia = u"Aplikacia"_s;
};
