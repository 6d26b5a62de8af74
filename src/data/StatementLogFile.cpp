#include "StatementLogFile.h"

#include <QDateTime>
#include <QMutexLocker>

using namespace Qt::Literals::StringLiterals;

StatementLogFile& StatementLogFile::instance() {
    static StatementLogFile log;
    return log;
}

StatementLogFile::StatementLogFile() {
    const QString path = qEnvironmentVariable("TARVELIN_SQL_LOG");
    if (path.isEmpty())
        return;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::Append | QIODevice::Text))
        qWarning("Cannot open the statement log %s", qPrintable(path));
}

QString StatementLogFile::format(const QString& sql, const ParameterValues& parameters) {
    QString record = sql + QLatin1Char('\n');
    for (const auto& [name, value] : parameters) {
        const QString shown =
            value.isNull() ? u"NULL"_s : QLatin1Char('\'') + value.toString() + QLatin1Char('\'');
        record += u"-- :%1 = %2\n"_s.arg(name, shown);
    }
    return record + u"-- ;\n"_s;
}

void StatementLogFile::append(const QString& sql, const ParameterValues& parameters) {
    if (!m_file.isOpen())
        return;
    QMutexLocker lock(&m_mutex);
    m_file.write(format(sql, parameters).toUtf8());
    m_file.flush();
}
