#pragma once

#include "data/ServerLock.h"

#include <chrono>

class Connection;

/// The parameter row and the working tables exist once per database, shared by every window
/// and tool that prints from it. Whoever writes the selection there holds this lock until the
/// last read that depends on it, so two reports at once never mix their selections: the other
/// one waits, and after a while is told so instead of printing another selection.
class ZamokVyberu {
public:
    /// Throws DatabaseError when another holder keeps the lock longer than cakanie.
    explicit ZamokVyberu(Connection& spojenie);

    /// Lets the lock go before the end of the scope, once nothing depending on the selection is
    /// read any more.
    void uvolni() { m_zamok.release(); }

    static constexpr std::chrono::seconds cakanie{60};

private:
    ServerLock m_zamok;
};
