#pragma once

#include <QDate>
#include <QString>

using namespace Qt::Literals::StringLiterals;

class Connection;

/// The date of the herd's data that the main window's status bar shows after "Aktualizácia: ":
/// the day the last import brought data, as the configuration keeps it, else the latest test
/// day the database holds.
class AktualizaciaDat {
public:
    /// The configuration key of section Aplikacia that keeps the day of the last import.
    static inline const QString kluc = u"AktualizaciaDat"_s;

    /// Writes the day of an import into the configuration, as the status bar shows it. Throws
    /// ConfigError when the file cannot be written.
    static void zapisImport(const QDate& den);
    /// The day of the latest test day in the database, as the status bar shows it; "bez
    /// kontrol" for a database without one.
    static QString poslednaKontrola(Connection& spojenie);
    /// A day as the status bar shows it.
    static QString text(const QDate& den);
};
