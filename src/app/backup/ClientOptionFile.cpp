#include "ClientOptionFile.h"

#include "data/DatabaseError.h"

#include <QDir>

namespace {

// Inside double quotes the client programs take a backslash as an escape character.
QString quoted(QString value) {
    value.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + value + u'"';
}

} // namespace

ClientOptionFile::ClientOptionFile(const QString& password)
    : m_file(QDir::tempPath() + QStringLiteral("/tarvelin-klient-XXXXXX.cnf")) {
    const QByteArray text = "[client]\npassword=" + quoted(password).toUtf8() + '\n';
    if (!m_file.open() || !m_file.setPermissions(QFile::ReadOwner | QFile::WriteOwner) ||
        m_file.write(text) != text.size() || !m_file.flush())
        throw DatabaseError(QStringLiteral("Súbor s prihlasovacími údajmi sa nedá zapísať: ") +
                            m_file.errorString());
}

QString ClientOptionFile::argument() const {
    return QStringLiteral("--defaults-extra-file=") + m_file.fileName();
}
