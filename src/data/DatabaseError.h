#pragma once

#include <QString>
#include <stdexcept>

/// A failure of the database or of the data-access layer, carrying the text shown to the user
/// (the server's own text for errors the server reports).
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
