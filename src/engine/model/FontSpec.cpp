#include "FontSpec.h"

#include <QFont>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

QString FontSpec::styleText() const {
    QStringList words;
    if (bold)
        words << u"bold"_s;
    if (italic)
        words << u"italic"_s;
    if (underline)
        words << u"underline"_s;
    return words.join(QLatin1Char(' '));
}

bool FontSpec::setStyleText(const QString& text) {
    FontSpec parsed = *this;
    parsed.bold = parsed.italic = parsed.underline = false;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (word == QLatin1String("bold"))
            parsed.bold = true;
        else if (word == QLatin1String("italic"))
            parsed.italic = true;
        else if (word == QLatin1String("underline"))
            parsed.underline = true;
        else
            return false;
    }
    *this = parsed;
    return true;
}

QFont FontSpec::toQFont(double pointSize) const {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    // Unhinted glyph advances scale linearly, so what the layout measured at one resolution
    // fits the same box on the printer, in the PDF and in the zoomed preview.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
