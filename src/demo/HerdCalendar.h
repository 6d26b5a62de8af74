#pragma once

#include <QtGlobal>
#include <span>
#include <vector>

/// One test day of a herd: every cow in milk is tested that day. The herd's milk that day is
/// off by a common factor (weather, feed), its urea by an effect of the season's ration, and
/// the sampled milking alternates between morning and evening.
struct HerdTestDay {
    int date = 0;
    double milkFactor = 1;
    double ureaEffect = 0;
    char milking = 'R';
};

/// The test days of every herd, about every four weeks (22 to 36 days apart) up to the horizon.
class HerdCalendar {
public:
    HerdCalendar(int herds, int firstDay, int lastDay, quint64 seed);

    /// The herd's test days from the given day on.
    std::span<const HerdTestDay> from(int herd, int day) const;

private:
    std::vector<std::vector<HerdTestDay>> m_testDays;
};
