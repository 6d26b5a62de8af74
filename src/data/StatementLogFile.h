#pragma once

#include "Connection.h"

#include <QFile>
#include <QMutex>

/// Appends the statement log to the file named by TARVELIN_SQL_LOG, so that a run of the program
/// or of a tool can be replayed and compared statement by statement. Does nothing when the
/// variable is unset.
class StatementLogFile {
public:
    static StatementLogFile& instance();

    void append(const QString& sql, const ParameterValues& parameters);

    /// One record as it is written: the text, then the bound values, then a separator line.
    static QString format(const QString& sql, const ParameterValues& parameters);

private:
    StatementLogFile();

    QFile m_file;
    QMutex m_mutex;
};
