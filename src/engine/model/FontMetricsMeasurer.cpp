#include "FontMetricsMeasurer.h"

#include <QFont>

FontMetricsMeasurer::FontMetricsMeasurer(int dpi)
    : m_device(1, 1, QImage::Format_ARGB32)
    , m_pointsPerPixel(72.0 / dpi) {
    const int dotsPerMeter = qRound(dpi / 0.0254);
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

double FontMetricsMeasurer::width(const QString& text, const FontSpec& spec) const {
    Font& measured = font(spec);
    auto found = measured.widths.constFind(text);
    if (found == measured.widths.cend())
        found = measured.widths.insert(text,
                                       measured.metrics.horizontalAdvance(text) * m_pointsPerPixel);
    return *found;
}

double FontMetricsMeasurer::lineHeight(const FontSpec& spec) const {
    return font(spec).metrics.height() * m_pointsPerPixel;
}

FontMetricsMeasurer::Font& FontMetricsMeasurer::font(const FontSpec& spec) const {
    if (m_last && spec == m_lastSpec)
        return *m_last;
    const QString key = spec.family + QLatin1Char('/') + QString::number(spec.size) +
                        QLatin1Char('/') + spec.styleText();
    auto it = m_fonts.find(key);
    if (it == m_fonts.end())
        it = m_fonts.insert(key, Font{QFontMetricsF(spec.toQFont(spec.size), &m_device), {}});
    // Taken anew after every insertion, which may move the entries.
    m_lastSpec = spec;
    m_last = &*it;
    return *it;
}
