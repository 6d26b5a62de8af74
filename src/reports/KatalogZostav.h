#pragma once

#include "PolozkaKatalogu.h"

#include <vector>

/// The catalogue of the numbered bonitation reports in menu order: the main window builds its
/// submenu "Bonitačné zostavy" from it, and the report runner finds reports by their codes.
class KatalogZostav {
public:
    static const std::vector<PolozkaKatalogu>& polozky();
    /// Null when no report has that code.
    static const PolozkaKatalogu* najdi(const QString& kod);
};
