#pragma once

#include "PagePrimitive.h"

#include <QSizeF>
#include <vector>

/// One printed sheet: its size in points and what is printed on it.
struct ReportPage {
    QSizeF size;
    std::vector<PagePrimitive> primitives;
};
