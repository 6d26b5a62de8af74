#pragma once

#include <functional>

class Command;
class Connection;

/// The statements the main window itself sends when it is shown.
class DotazyHlavnehoOkna {
public:
    /// Rebuilds the working table the cow card reads: every lactation with the ear number of
    /// the heifer calf born at it.
    static void prebudujLaktela(Command& parametre);
    /// Rebuilds it only when it is not what its statement makes now: when the herd's data
    /// changed since its last build (VerziaUdajov), when it is missing or was built by another
    /// statement, or when the database keeps no version of its data. Two programs starting on
    /// one database take turns. Calls predPrestavbou, if given, before it rebuilds. Returns
    /// whether it rebuilt.
    static bool obnovLaktela(Command& parametre, Connection& spojenie,
                             const std::function<void()>& predPrestavbou = {});
};
