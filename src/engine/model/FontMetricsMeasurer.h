#pragma once

#include "FontSpec.h"
#include "TextMeasurer.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>

/// Measures with the fonts' real metrics at a fixed resolution (96 dpi unless told), so that a
/// layout does not change with the screen the program happens to run on. Needs a
/// QGuiApplication.
class FontMetricsMeasurer : public TextMeasurer {
public:
    explicit FontMetricsMeasurer(int dpi = 96);

    double width(const QString& text, const FontSpec& font) const override;
    double lineHeight(const FontSpec& font) const override;

private:
    struct Font {
        QFontMetricsF metrics;
        /// Widths measured so far, in points: a long list prints the same figures and names
        /// over and over, and shaping a text costs more than finding it.
        QHash<QString, double> widths;
    };

    Font& font(const FontSpec& spec) const;

    QImage m_device; ///< only carries the resolution
    double m_pointsPerPixel;
    mutable QHash<QString, Font> m_fonts;
    // A band measures text after text in the same font; the last one is found without a key.
    mutable FontSpec m_lastSpec;
    mutable Font* m_last = nullptr;
};
