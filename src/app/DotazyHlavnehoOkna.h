#pragma once

class Command;

/// The statements the main window itself sends when it is shown.
class DotazyHlavnehoOkna {
public:
    /// Rebuilds the working table the cow card reads: every lactation with the ear number of
    /// the heifer calf born at it.
    static void prebudujLaktela(Command& parametre);
};
