#pragma once

#include <QColor>
#include <QIcon>

/// The 16 × 16 toolbar pictures of the frames: a short text in white on a coloured tile, so that
/// a button tells what it shows without an image file.
class PismenovaIkona {
public:
    static QIcon vytvor(const QString& text, const QColor& farba);
};
