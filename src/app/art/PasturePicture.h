#pragma once

#include <QImage>
#include <QPointF>

class QPainter;

/// The picture of the splash screen and the about box: brown-and-white cows grazing on a
/// flowering meadow below a snow-capped mountain range. Painted by the program itself, the same
/// every time.
class PasturePicture {
public:
    static constexpr int Width = 500;
    static constexpr int Height = 327;

    static QImage paint();
    /// One pied cow of the picture, standing and facing right, its hooves on the ground point,
    /// about 125 × scale wide and 105 × scale high; the seed places its patches.
    static void paintCow(QPainter& painter, QPointF ground, double scale, quint32 seed);
};
