#pragma once

#include <QString>
#include <stdexcept>

/// A failure of the report engine (a missing or malformed project file, a layout that names
/// something the project lacks), carrying the text shown to the user.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
