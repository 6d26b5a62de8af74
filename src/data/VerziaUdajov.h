#pragma once

#include <QString>

using namespace Qt::Literals::StringLiterals;

class Connection;

/// The version of the herd's data that the database keeps (table verzia_udajov, one row). Every
/// program that writes the herd's tables raises it once it has written, so that working tables
/// made from those tables (laktela) are rebuilt only when their sources changed since the last
/// build, not at every start. A database from before the table existed has no version: raising
/// does nothing there, and its working tables are rebuilt every time.
class VerziaUdajov {
public:
    static inline const QString tabulka = u"verzia_udajov"_s;
    /// The statement a writer sends once it has written, best in its last transaction, so that
    /// its data and the raise are committed together.
    static inline const QString zvysenie = u"UPDATE verzia_udajov SET verzia = verzia + 1"_s;

    /// Raises the version on the connection's database; nothing when it keeps none. Throws
    /// DatabaseError with the server's text when the server refuses.
    static void zvys(Connection& spojenie);
    /// Whether the connection's database keeps the version.
    static bool jeVedena(Connection& spojenie);
};
