#pragma once

#include <functional>

class QMenu;
struct PolozkaKatalogu;

/// Fills the submenu "Bonitačné zostavy" from the report catalogue: submenus, disabled items
/// and one action per report, each named after its catalogue component so that tests and
/// commands find it, and each calling the handler with its catalogue item.
class MenuBonitacnychZostav {
public:
    using Handler = std::function<void(const PolozkaKatalogu&)>;

    static void napln(QMenu* menu, const Handler& handler);
};
