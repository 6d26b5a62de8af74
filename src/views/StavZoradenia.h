#pragma once

#include <QString>

/// How a grid was last sorted by a click on a column title; both texts stay empty until the
/// first click, and nothing but title clicks changes them.
struct StavZoradenia {
    QString ZoradenePodla; ///< the field name of the sorted column
    QString SmerZoradenia; ///< "ASC" or "DESC"
};
