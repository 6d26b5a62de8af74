#include "ConfigFile.h"

#include "ConfigError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

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

} // namespace

QString ConfigFile::path() {
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    const QString& name = programNameOverride();
    return executable.path() + QLatin1Char('/') +
           (name.isEmpty() ? executable.completeBaseName() : name) + u".ini"_s;
}

void ConfigFile::useFileOf(const QString& programName) {
    programNameOverride() = programName;
}

QString ConfigFile::read(const QString& section, const QString& key, const QString& defaultValue) {
    const QString file = path();
    const QFileInfo info(file);
    if (info.exists() && !info.isReadable())
        throw ConfigError(statusText(QSettings::AccessError, file));
    const QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        throw ConfigError(statusText(settings.status(), file));
    return settings.value(settingsKey(section, key), defaultValue).toString();
}

void ConfigFile::write(const QString& section, const QString& key, const QString& value) {
    const QString file = path();
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw ConfigError(statusText(settings.status(), file));
}
