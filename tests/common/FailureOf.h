#pragma once

#include "data/DatabaseError.h"

#include <QString>
#include <functional>

/// The message of the DatabaseError the action throws; empty when it throws none.
inline QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const DatabaseError& error) {
        return error.message();
    }
    return {};
}
