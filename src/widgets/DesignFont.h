#pragma once

#include <QFont>

/// A font as a form's design names it (family, height in pixels, weight), falling back to
/// metric-compatible and always installed families where the named one is missing.
class DesignFont {
public:
    static QFont make(const QString& family, int pixelSize, bool bold = false);
};
