#include "TestIntervalMethod.h"

#include <algorithm>

double TestIntervalMethod::integrate(std::span<const Point> points, int from, int to) {
    if (points.empty() || to <= from)
        return 0;
    const auto constant = [](double value, int low, int high) {
        return high > low ? value * (high - low) : 0.0;
    };
    double total = constant(points.front().value, from, std::min(to, points.front().day));
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const Point& a = points[i];
        const Point& b = points[i + 1];
        const int low = std::max(from, a.day);
        const int high = std::min(to, b.day);
        if (high <= low)
            continue;
        const auto at = [&](int day) {
            return a.value + (b.value - a.value) * (day - a.day) / (b.day - a.day);
        };
        total += (at(low) + at(high)) / 2 * (high - low);
    }
    return total + constant(points.back().value, std::max(from, points.back().day), to);
}

double TestIntervalMethod::yieldTo(std::span<const Point> points, int day) {
    const auto after = std::find_if(points.begin(), points.end(),
                                    [day](const Point& point) { return point.day > day; });
    const auto counted = after == points.begin() ? points.first(std::min<size_t>(1, points.size()))
                                                 : points.first(size_t(after - points.begin()));
    return integrate(counted, 0, day);
}
