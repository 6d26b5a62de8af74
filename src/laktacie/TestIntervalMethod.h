#pragma once

#include <span>

/// Lactation yields from test days by the test interval method: the first test stands for the
/// days since calving, between two tests the daily value runs in a straight line, and the last
/// test stands for the days until the lactation ends.
class TestIntervalMethod {
public:
    struct Point {
        int day; ///< days in milk
        double value;
    };

    /// The yield over the days from `from` to `to` after calving; points in order of day.
    /// Without points the yield is 0.
    static double integrate(std::span<const Point> points, int from, int to);

    /// The yield of a lactation up to its day `day`, as if it ended then: the tests on or before
    /// that day, the last of them carried to it. A lactation tested only later stands on its
    /// first test. Without points the yield is 0.
    static double yieldTo(std::span<const Point> points, int day);
};
