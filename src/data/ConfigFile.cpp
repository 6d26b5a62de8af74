#include "ConfigFile.h"

#include "ConfigError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

QString statusText(QSettings::Status status, const QString& path) {
    if (status == QSettings::FormatError)
        return QCoreApplication::translate("ConfigFile", "Konfiguračný súbor %1 je poškodený.")
            .arg(path);
    return QCoreApplication::translate("ConfigFile", "Ku konfiguračnému súboru %1 nie je prístup.")
        .arg(path);
}

QString& programNameOverride() {
    static QString name;
    return name;
}

const QString installedFileName = u"tarvelin.ini"_s;

/// The key's value in one file; nullopt when the file, section or key is missing.
std::optional<QString> valueIn(const QString& file, const QString& section, const QString& key) {
    const QFileInfo info(file);
    if (info.exists() && !info.isReadable())
        throw ConfigError(statusText(QSettings::AccessError, file));
    const QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        throw ConfigError(statusText(settings.status(), file));
    const QVariant value = settings.value(settingsKey(section, key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

} // namespace

ConfigFile::ConfigFile(ProgramFiles files, QString programName)
    : m_files(std::move(files))
    , m_programName(std::move(programName)) {}

ConfigFile ConfigFile::ofProgram() {
    const QString& name = programNameOverride();
    return ConfigFile(ProgramFiles::ofProgram(),
                      name.isEmpty()
                          ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                          : name);
}

void ConfigFile::useFileOf(const QString& programName) {
    programNameOverride() = programName;
}

QString ConfigFile::path() {
    return ofProgram().filePath();
}

QString ConfigFile::read(const QString& section, const QString& key, const QString& defaultValue) {
    return ofProgram().value(section, key, defaultValue);
}

void ConfigFile::write(const QString& section, const QString& key, const QString& value) {
    ofProgram().setValue(section, key, value);
}

QString ConfigFile::folder() {
    return QFileInfo(path()).path();
}

QString ConfigFile::filePath() const {
    if (m_files.installed())
        // Spelled out rather than taken from the application name, so that the program and the
        // tools, which run under different names, share one file.
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               u"/tarvelin/"_s + installedFileName;
    return m_files.programFolder() + QLatin1Char('/') + m_programName + u".ini"_s;
}

QString ConfigFile::value(const QString& section, const QString& key,
                          const QString& defaultValue) const {
    if (std::optional<QString> own = valueIn(filePath(), section, key))
        return *own;
    if (m_files.installed()) {
        if (std::optional<QString> installed =
                valueIn(QDir(m_files.shareFolder()).filePath(installedFileName), section, key))
            return *installed;
    }
    return defaultValue;
}

void ConfigFile::setValue(const QString& section, const QString& key, const QString& value) const {
    const QString file = filePath();
    // A user's first setting of an installed program creates the user's configuration folder.
    if (!QDir().mkpath(QFileInfo(file).path()))
        throw ConfigError(statusText(QSettings::AccessError, file));
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw ConfigError(statusText(settings.status(), file));
}
