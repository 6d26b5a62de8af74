#pragma once

#include "TextMeasurer.h"

/// Every character is half the font size wide and a line is 1.2 times the font size high, so
/// that expected layouts are computed by hand and hold on any machine.
class FixedWidthMeasurer : public TextMeasurer {
public:
    double width(const QString& text, const FontSpec& font) const override {
        return static_cast<double>(text.size()) * font.size * 0.5;
    }
    double lineHeight(const FontSpec& font) const override { return font.size * 1.2; }
};
