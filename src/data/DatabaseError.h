#pragma once

#include <QString>
#include <stdexcept>

/// A failure of the database or of the data-access layer, carrying the text shown to the user
/// (for errors the server reports, ServerErrorText's sentence with the server's own text below
/// it) and, for those, the number the server or its client library gives the error (0 when there
/// is none).
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message, int code = 0)
        : std::runtime_error(message.toStdString())
        , m_message(message)
        , m_code(code) {}

    const QString& message() const { return m_message; }
    int code() const { return m_code; }

private:
    QString m_message;
    int m_code;
};
