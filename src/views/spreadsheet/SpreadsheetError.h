#pragma once

#include <QString>
#include <stdexcept>

/// A call the spreadsheet program refused, with the program's own text.
class SpreadsheetError : public std::runtime_error {
public:
    explicit SpreadsheetError(const QString& message)
        : std::runtime_error(message.toStdString()) {}
};
