#pragma once

#include <QString>
#include <stdexcept>

/// A value the user gave a report that the report refuses, carrying the text shown to the user.
/// Nothing of the report has run when it is thrown.
class ChybaVstupu : public std::runtime_error {
public:
    explicit ChybaVstupu(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
