#pragma once

#include "FontSpec.h"

#include <QString>

/// Measures text for the layout, in points. Real font metrics in the program, fixed widths in
/// tests whose expected pages must not depend on the fonts a machine has.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual double width(const QString& text, const FontSpec& font) const = 0;
    /// The height of one line of the font.
    virtual double lineHeight(const FontSpec& font) const = 0;
};
