#pragma once

#include <QString>

/// The program's version text from the configuration file, read once at start-up.
class VerziaProgramu {
public:
    static const QString& text() { return value(); }
    static void set(const QString& version) { value() = version; }

private:
    static QString& value() {
        static QString version;
        return version;
    }
};
