#pragma once

#include <QString>

/// The program's version text from the configuration file, read once at start-up.
class VerziaProgramu {
public:
    static const QString& text() { return value(); }
    static void nastav(const QString& verzia) { value() = verzia; }

private:
    static QString& value() {
        static QString version;
        return version;
    }
};
