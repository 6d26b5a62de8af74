#pragma once

#include <stdexcept>

/// The user gave up a piece of work while it waited (for a lock another holds). It ends the work
/// like an error does, but there is nothing to tell the user, who asked for it.
class CancelledByUser : public std::runtime_error {
public:
    CancelledByUser()
        : std::runtime_error("Zrušené používateľom.") {}
};
