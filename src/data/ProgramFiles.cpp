#include "ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

// Every installation holds the schema, since no program of the family works without it.
const QString schemaFolder = u"sql"_s;

} // namespace

ProgramFiles ProgramFiles::ofProgram() {
    return ProgramFiles(QCoreApplication::applicationDirPath());
}

ProgramFiles::ProgramFiles(QString programFolder)
    : m_programFolder(QDir::cleanPath(std::move(programFolder))) {}

QString ProgramFiles::path(const QString& name) const {
    const QString beside = QDir(m_programFolder).filePath(name);
    const QString shared = QDir(shareFolder()).filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    if (QFileInfo::exists(shared) || installed())
        return shared;
    return beside;
}

bool ProgramFiles::installed() const {
    return !QFileInfo(QDir(m_programFolder).filePath(schemaFolder)).isDir() &&
           QFileInfo(QDir(shareFolder()).filePath(schemaFolder)).isDir();
}

QString ProgramFiles::shareFolder() const {
    return QDir::cleanPath(m_programFolder + u"/../share/tarvelin"_s);
}
