#pragma once

#include <QColor>
#include <QIcon>

/// A 16 × 16 toolbar picture: a short text in white on a coloured tile, so that a button tells
/// what it shows without an image file.
class LetterIcon {
public:
    static QIcon create(const QString& text, const QColor& color);
};
