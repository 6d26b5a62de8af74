#pragma once

#include <QDate>
#include <QtGlobal>

/// What the demo herd generator makes: the number of cows in the herd at the horizon, the seed
/// of its random streams and the horizon itself, the last day a test can fall on.
struct DemoHerdOptions {
    int cows = 1000;
    quint32 seed = 1;
    QDate until = QDate(2026, 11, 30);
};
