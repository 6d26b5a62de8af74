#pragma once

#include <QString>

/// One column of a grid as a form designs it: the field it shows, its heading and its width.
struct GridColumn {
    QString fieldName;
    QString title{}; ///< the field's own heading when empty
    int width = 0;   ///< pixels; 0 lets the grid take a width from the field
};
