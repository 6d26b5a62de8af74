#pragma once

#include "data/ServerLock.h"

#include <chrono>
#include <optional>

class CakanieNaVyber;
class Connection;

/// The parameter row and the working tables exist once per database, shared by every window
/// and tool that prints from it. Whoever writes the selection there holds this lock until the
/// last read that depends on it, so two reports at once never mix their selections: the other
/// one waits, and after a while is told so instead of printing another selection.
class ZamokVyberu {
public:
    /// Throws DatabaseError when another holder keeps the lock longer than cakanie, and
    /// CancelledByUser when the user gives the wait up. praca names the waiting work for the user
    /// (a report's title).
    ZamokVyberu(Connection& spojenie, const QString& praca);

    /// How the program's works wait for the lock from now on; the window installs its dialog,
    /// and nullptr goes back to waiting without a word.
    static void nastavCakanie(CakanieNaVyber* cakanie);

    /// Lets the lock go before the end of the scope, once nothing depending on the selection is
    /// read any more.
    void uvolni() { m_zamok->release(); }

    static constexpr std::chrono::seconds cakanie{60};

    /// The lock's name for the connection's database: it carries the database's secret, so the
    /// reading account's free SQL cannot take it and stop every report.
    static QString nazov(Connection& spojenie);

private:
    std::optional<ServerLock> m_zamok;
};
