#pragma once

#include <QString>
#include <optional>

/// The number of daughters a sire needs to be listed in reports 1.A and 1.B, read from what the
/// user typed: a cancelled input counts as the preset "1" and an empty one as "0"; any other
/// text must be a whole number, and not a negative one, for it is a count.
struct PocetDcer {
    QString text; ///< as typed; the reports print it
    int pocet = 0;

    /// Throws ChybaVstupu "Nesprávna hodnota počtu dcér." for a text that is not a count.
    static PocetDcer zo(const std::optional<QString>& zadany);
};
