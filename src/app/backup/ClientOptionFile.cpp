#include "ClientOptionFile.h"

#include "data/CheckedSave.h"
#include "data/DatabaseError.h"

#include <QDir>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace {

// Inside double quotes the client programs take a backslash as an escape character.
QString quoted(QString value) {
    value.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
    return u'"' + value + u'"';
}

QString fileName() {
    return u"klient.cnf"_s;
}

} // namespace

ClientOptionFile::ClientOptionFile(const QString& password)
    : m_folder(QDir::tempPath() + u"/tarvelin-klient-XXXXXX"_s) {
    // A cut-off file would give the client a wrong password, or none.
    const QByteArray text = "[client]\npassword=" + quoted(password).toUtf8() + '\n';
    QSaveFile file(m_folder.filePath(fileName()));
    QString problem = m_folder.isValid() ? CheckedSave::open(file) : m_folder.errorString();
    if (problem.isEmpty() && !CheckedSave::write(file, text))
        problem = file.errorString();
    if (problem.isEmpty())
        problem = CheckedSave::commit(file);
    if (problem.isEmpty() &&
        !QFile::setPermissions(file.fileName(), QFile::ReadOwner | QFile::WriteOwner))
        problem = u"práva súboru sa nedajú nastaviť"_s;
    if (!problem.isEmpty())
        throw DatabaseError(u"Súbor s prihlasovacími údajmi sa nedá zapísať: "_s + problem);
}

QString ClientOptionFile::argument() const {
    return u"--defaults-extra-file="_s + m_folder.filePath(fileName());
}
