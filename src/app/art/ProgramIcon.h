#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

/// The program's own icon (window, desktop menu, software centre): a pied cow of the splash
/// screen's pasture on a meadow below a snow-capped peak, on a tile with rounded corners. The
/// small sizes take the herd tree's cow on grass instead, which is drawn for 16 pixels and stays
/// readable where the pasture would blur.
class ProgramIcon {
public:
    /// Sizes the desktop's icon theme asks for.
    static constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
    /// The full picture is drawn in a square of this many units.
    static constexpr int Canvas = 256;

    /// The picture of that size in pixels.
    static QImage image(int size);
    /// All sizes, for the window.
    static QIcon icon();
    /// Draws the full picture into a Canvas × Canvas square at the origin; a vector painter
    /// (an SVG file) receives it unchanged.
    static void paint(QPainter& painter);
};
