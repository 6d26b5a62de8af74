#pragma once

#include <QString>

using namespace Qt::Literals::StringLiterals;

/// The milk bounds of reports 7.AA and 7.BB, read from what the user typed: each must be a
/// number of kilograms, not negative, written with a decimal comma or point and spaces between
/// thousands if one likes, and the lower not above the upper. The query compares them as
/// numbers; the subtitle prints them as typed.
struct HraniceMlieka {
    QString dolnaText;
    QString hornaText;
    double dolna = 0;
    double horna = 0;

    /// Throws ChybaVstupu, naming the bound, for texts that are not such bounds.
    static HraniceMlieka zo(const QString& dolnaText, const QString& hornaText);

    static inline const QString predvolenaDolna = u"7000"_s;
    static inline const QString predvolenaHorna = u"10000"_s;
};
