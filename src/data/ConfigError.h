#pragma once

#include <QString>
#include <stdexcept>

/// The configuration file could not be read or written; carries the text shown to the user.
class ConfigError : public std::runtime_error {
public:
    explicit ConfigError(const QString& message)
        : std::runtime_error(message.toStdString()) {}
};
