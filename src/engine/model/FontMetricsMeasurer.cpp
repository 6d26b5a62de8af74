#include "FontMetricsMeasurer.h"

#include <QFont>

FontMetricsMeasurer::FontMetricsMeasurer(int dpi)
    : m_device(1, 1, QImage::Format_ARGB32)
    , m_pointsPerPixel(72.0 / dpi) {
    const int dotsPerMeter = qRound(dpi / 0.0254);
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

double FontMetricsMeasurer::width(const QString& text, const FontSpec& font) const {
    return metrics(font).horizontalAdvance(text) * m_pointsPerPixel;
}

double FontMetricsMeasurer::lineHeight(const FontSpec& font) const {
    return metrics(font).height() * m_pointsPerPixel;
}

const QFontMetricsF& FontMetricsMeasurer::metrics(const FontSpec& font) const {
    if (m_lastMetrics && font == m_lastFont)
        return *m_lastMetrics;
    const QString key = font.family + QLatin1Char('/') + QString::number(font.size) +
                        QLatin1Char('/') + font.styleText();
    auto it = m_metrics.find(key);
    if (it == m_metrics.end())
        it = m_metrics.insert(key, QFontMetricsF(font.toQFont(font.size), &m_device));
    // Taken anew after every insertion, which may move the entries.
    m_lastFont = font;
    m_lastMetrics = &*it;
    return *it;
}
