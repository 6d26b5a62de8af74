#pragma once

#include <QImage>

/// The picture of the splash screen and the about box: brown-and-white cows grazing on a
/// flowering meadow below a snow-capped mountain range. Painted by the program itself, the same
/// every time.
class PasturePicture {
public:
    static constexpr int Width = 500;
    static constexpr int Height = 327;

    static QImage paint();
};
