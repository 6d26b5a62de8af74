#include "HerdCalendar.h"

#include "DemoRandom.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Urea follows the ration: higher on summer pasture, most of all in the submontane herd.
double seasonalUrea(int herd, int day) {
    const double amplitude = herd == 2 ? 4.0 : 1.5;
    const int dayOfYear = QDate::fromJulianDay(day).dayOfYear();
    return amplitude * std::sin(2 * std::numbers::pi * (dayOfYear - 105) / 365.0);
}

} // namespace

HerdCalendar::HerdCalendar(int herds, int firstDay, int lastDay, quint64 seed)
    : m_testDays(size_t(herds)) {
    for (int h = 0; h < herds; ++h) {
        DemoRandom random(seed, (quint64(4) << 40) | quint64(h));
        std::vector<HerdTestDay>& days = m_testDays[size_t(h)];
        for (int date = lastDay - random.uniformInt(0, 6); date >= firstDay;
             date -= std::clamp(int(std::lround(random.normal(32, 3.5))), 22, 36)) {
            HerdTestDay test;
            test.date = date;
            test.milkFactor = random.factor(0.05);
            test.ureaEffect = seasonalUrea(h, date) + random.normal(0, 2.5);
            days.push_back(test);
        }
        std::reverse(days.begin(), days.end());
        for (size_t i = 0; i < days.size(); ++i)
            days[i].milking = i % 2 ? 'V' : 'R';
    }
}

std::span<const HerdTestDay> HerdCalendar::from(int herd, int day) const {
    const std::vector<HerdTestDay>& days = m_testDays[size_t(herd)];
    const auto first = std::lower_bound(days.begin(), days.end(), day,
                                        [](const HerdTestDay& t, int d) { return t.date < d; });
    return {days.data() + (first - days.begin()), size_t(days.end() - first)};
}
