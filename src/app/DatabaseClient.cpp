#include "DatabaseClient.h"

#include "ClientOptionFile.h"
#include "ClientProcess.h"
#include "data/CheckedSave.h"
#include "data/DatabaseError.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

DatabaseClient::DatabaseClient(const QString& folder, ConnectionSettings settings,
                               QWidget* progressParent)
    : m_settings(std::move(settings))
    , m_dumpProgram(program(folder, {QStringLiteral("mariadb-dump"), QStringLiteral("mysqldump")}))
    , m_loadProgram(program(folder, {QStringLiteral("mariadb"), QStringLiteral("mysql")}))
    , m_progressParent(progressParent) {}

void DatabaseClient::dump(const QString& fileName, const QString& activity) const {
    const ClientOptionFile options(m_settings.password);
    // Without --databases the script holds no CREATE DATABASE or USE, so it restores into
    // whichever database the restore names, that is the configured one.
    ClientProcess process(m_dumpProgram,
                          QStringList{options.argument()}
                              << connectionArguments() << QStringLiteral("--single-transaction")
                              << QStringLiteral("--add-drop-table") << QStringLiteral("--routines")
                              << m_settings.database);
    const auto cannotWrite = [&](const QString& reason) {
        return DatabaseError(QStringLiteral("Súbor %1 sa nedá zapísať: %2")
                                 .arg(QDir::toNativeSeparators(fileName), reason));
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

QString DatabaseClient::program(const QString& folder, const QStringList& names) {
    for (const QString& name : names) {
        const QString path = folder.isEmpty() ? QStandardPaths::findExecutable(name)
                                              : QStandardPaths::findExecutable(name, {folder});
        if (!path.isEmpty())
            return path;
    }
    const QString where = folder.isEmpty()
                              ? QStringLiteral("na systémovej ceste (PATH)")
                              : QStringLiteral("v priečinku ") + QDir::toNativeSeparators(folder);
    throw DatabaseError(QStringLiteral("Program %1 sa nenašiel %2.")
                            .arg(names.join(QStringLiteral(" ani ")), where));
}

QStringList DatabaseClient::connectionArguments() const {
    QStringList arguments{QStringLiteral("--user=") + m_settings.user,
                          QStringLiteral("--default-character-set=utf8mb4")};
    if (!m_settings.usesSocket())
        arguments << QStringLiteral("--host=") + m_settings.host
                  << QStringLiteral("--port=") + QString::number(m_settings.port);
    else if (!m_settings.socket.isEmpty())
        arguments << QStringLiteral("--socket=") + m_settings.socket;
    return arguments;
}
