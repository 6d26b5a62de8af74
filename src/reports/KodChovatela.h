#pragma once

#include <QString>

/// Codes of enterprises, herds and barns go into SQL text as the program composes it; only
/// letters and digits may do so, so a code typed by the user can never change a statement.
class KodChovatela {
public:
    static bool jePlatny(const QString& kod);
    /// Returns the code, or throws DatabaseError naming it when it is not a code.
    static const QString& overeny(const QString& kod);
};
