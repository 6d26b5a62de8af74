#include "DatabaseClient.h"

#include "ClientOptionFile.h"
#include "ClientProcess.h"
#include "data/CheckedSave.h"
#include "data/DatabaseError.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList dumpPrograms{u"mariadb-dump"_s, u"mysqldump"_s};
const QStringList loadPrograms{u"mariadb"_s, u"mysql"_s};

} // namespace

DatabaseClient::DatabaseClient(const QString& folder, ConnectionSettings settings,
                               QWidget* progressParent)
    : m_settings(std::move(settings))
    , m_dumpProgram(program(folder, dumpPrograms))
    , m_loadProgram(program(folder, loadPrograms))
    , m_progressParent(progressParent) {}

void DatabaseClient::dump(const QString& fileName, const QString& activity,
                          const QStringList& leftOut) const {
    const ClientOptionFile options(m_settings.password);
    QStringList arguments{options.argument()};
    arguments << connectionArguments() << u"--single-transaction"_s << u"--add-drop-table"_s
              << u"--routines"_s;
    for (const QString& view : leftOut)
        arguments << u"--ignore-table="_s + m_settings.database + u'.' + view;
    // Without --databases the script holds no CREATE DATABASE or USE, so it restores into
    // whichever database the restore names, that is the configured one.
    ClientProcess process(m_dumpProgram, arguments << m_settings.database);
    const auto cannotWrite = [&](const QString& reason) {
        return DatabaseError(
            u"Súbor %1 sa nedá zapísať: %2"_s.arg(QDir::toNativeSeparators(fileName), reason));
    };
    QSaveFile file(fileName);
    if (const QString problem = CheckedSave::open(file); !problem.isEmpty())
        throw cannotWrite(problem);
    process.setOutput(&file);
    try {
        process.run(activity, m_progressParent);
    } catch (const DatabaseError&) {
        // A write the file refused stopped the client; the file names the cause (a full disk).
        if (file.error() != QFileDevice::NoError)
            throw cannotWrite(CheckedSave::commit(file));
        throw;
    }
    if (const QString problem = CheckedSave::commit(file); !problem.isEmpty())
        throw cannotWrite(problem);
}

void DatabaseClient::load(const QString& fileName, const QString& activity) const {
    const ClientOptionFile options(m_settings.password);
    ClientProcess process(m_loadProgram, QStringList{options.argument()} << connectionArguments()
                                                                         << m_settings.database);
    process.setInputFile(fileName);
    process.run(activity, m_progressParent);
}

std::optional<QString> DatabaseClient::findFolder(const QString& remembered) {
    if (!remembered.isEmpty() && !findProgram(remembered, dumpPrograms).isEmpty() &&
        !findProgram(remembered, loadPrograms).isEmpty())
        return remembered;
    const QString dump = findProgram({}, dumpPrograms);
    const QString load = findProgram({}, loadPrograms);
    if (dump.isEmpty() || load.isEmpty())
        return std::nullopt;
    const QString folder = QFileInfo(dump).absolutePath();
    return folder == QFileInfo(load).absolutePath()
               ? QDir::toNativeSeparators(folder + QLatin1Char('/'))
               : QString();
}

QString DatabaseClient::findProgram(const QString& folder, const QStringList& names) {
    for (const QString& name : names) {
        const QString path = folder.isEmpty() ? QStandardPaths::findExecutable(name)
                                              : QStandardPaths::findExecutable(name, {folder});
        if (!path.isEmpty())
            return path;
    }
    return {};
}

QString DatabaseClient::program(const QString& folder, const QStringList& names) {
    const QString found = findProgram(folder, names);
    if (!found.isEmpty())
        return found;
    const QString where = folder.isEmpty() ? u"na systémovej ceste (PATH)"_s
                                           : u"v priečinku "_s + QDir::toNativeSeparators(folder);
    throw DatabaseError(u"Program %1 sa nenašiel %2."_s.arg(names.join(u" ani "_s), where));
}

QStringList DatabaseClient::connectionArguments() const {
    QStringList arguments{u"--user="_s + m_settings.user, u"--default-character-set=utf8mb4"_s};
    if (!m_settings.usesSocket())
        arguments << u"--host="_s + m_settings.host
                  << u"--port="_s + QString::number(m_settings.port);
    else if (!m_settings.socket.isEmpty())
        arguments << u"--socket="_s + m_settings.socket;
    return arguments;
}
