#pragma once

#include <QString>
#include <stdexcept>

/// A command line the tool cannot act on; the tool prints the text and a pointer to --help.
class UsageProblem : public std::runtime_error {
public:
    explicit UsageProblem(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
