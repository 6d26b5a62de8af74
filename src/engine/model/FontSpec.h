#pragma once

#include <QString>

using namespace Qt::Literals::StringLiterals;

class QFont;

/// The font of a text component as the layout and the outputs need it. Kept apart from QFont so
/// that definitions, dumps and project files do not depend on the fonts a machine resolves.
struct FontSpec {
    QString family = u"DejaVu Sans"_s;
    double size = 9.0; ///< points
    bool bold = false;
    bool italic = false;
    bool underline = false;

    /// "bold italic" and the like; empty for a plain font.
    QString styleText() const;
    /// Reads a text made by styleText(); false when it names an unknown style.
    bool setStyleText(const QString& text);
    /// A QFont of this family and style with the given point size (callers scale for devices).
    QFont toQFont(double pointSize) const;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};
