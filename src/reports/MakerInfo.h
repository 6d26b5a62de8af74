#pragma once

#include <QString>

/// Who makes the program: the copyright line (splash screen, about box, reports) and the two
/// lines that name the maker on the splash screen.
class MakerInfo {
public:
    static QString copyrightLine();
    static QString unitName();
    static QString address();
};
