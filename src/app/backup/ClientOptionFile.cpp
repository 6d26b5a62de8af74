#include "ClientOptionFile.h"

#include "data/DatabaseError.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// Inside double quotes the client programs take a backslash as an escape character.
QString quoted(QString value) {
    value.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
    return u'"' + value + u'"';
}

} // namespace

ClientOptionFile::ClientOptionFile(const QString& password)
    : m_file(QDir::tempPath() + u"/tarvelin-klient-XXXXXX.cnf"_s) {
    const QByteArray text = "[client]\npassword=" + quoted(password).toUtf8() + '\n';
    if (!m_file.open() || !m_file.setPermissions(QFile::ReadOwner | QFile::WriteOwner) ||
        m_file.write(text) != text.size() || !m_file.flush())
        throw DatabaseError(u"Súbor s prihlasovacími údajmi sa nedá zapísať: "_s +
                            m_file.errorString());
}

QString ClientOptionFile::argument() const {
    return u"--defaults-extra-file="_s + m_file.fileName();
}
