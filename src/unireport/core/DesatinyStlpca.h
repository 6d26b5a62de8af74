#pragma once

#include <QString>

struct FieldDef;

/// How many decimals a number of the universal report's result shows, prints and takes into a
/// workbook, by what its column holds, as the frames show the same figures: a lactation's milk
/// in whole kilograms; fat, protein and lactose in kilograms and every percentage to two
/// decimals; a test day's milk to two; somatic cells, counts and weights whole; an index, urea,
/// an age or a blood share to one. Any other decimal number gets two, one the database gives
/// without decimals none. Whole numbers keep their own digits.
class DesatinyStlpca {
public:
    /// The display pattern of the column, empty for a column that is no decimal number.
    static QString vzor(const FieldDef& pole);
};
