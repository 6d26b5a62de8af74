#include "TestDayGenerator.h"

#include "DemoRandom.h"
#include "HerdCalendar.h"
#include "HerdRecords.h"

#include <algorithm>
#include <cmath>

namespace {

// Fat and protein content mirror the milk curve: lowest near the peak, rising late. Both shapes
// are scaled so that their average over a lactation is 1.
double rawFatShape(double day) {
    return std::pow(day / 60, -0.08) * std::exp(0.0013 * (day - 60));
}

double rawProteinShape(double day) {
    return std::pow(day / 55, -0.06) * std::exp(0.0011 * (day - 55));
}

template <typename Shape> double lactationMean(Shape shape) {
    double sum = 0;
    for (int day = 10; day <= 320; ++day)
        sum += shape(day);
    return sum / 311;
}

double fatShape(double day) {
    static const double mean = lactationMean(rawFatShape);
    return rawFatShape(day) / mean;
}

double proteinShape(double day) {
    static const double mean = lactationMean(rawProteinShape);
    return rawProteinShape(day) / mean;
}

double rounded(double value, double step) {
    return std::round(value / step) * step;
}

} // namespace

TestDayGenerator::TestDayGenerator(const HerdRecords& records, const HerdCalendar& calendar,
                                   quint64 seed, int horizon)
    : m_records(records)
    , m_calendar(calendar)
    , m_seed(seed)
    , m_horizon(horizon) {}

void TestDayGenerator::generate(int index, std::vector<DemoTestDay>& testDays) const {
    testDays.clear();
    const DemoLactation& lactation = m_records.lactations[size_t(index)];
    const DemoCow& cow = m_records.cows[size_t(lactation.cow)];
    DemoRandom random(m_seed, (quint64(3) << 40) | quint64(index));
    const int last = std::min(lactation.end, m_horizon);
    const double medianCells = std::log(120.0);
    for (const HerdTestDay& herdDay : m_calendar.from(lactation.herd, lactation.calving + 5)) {
        if (herdDay.date > last)
            break;
        DemoTestDay test;
        test.date = herdDay.date;
        test.day = herdDay.date - lactation.calving;
        const double t = test.day;

        const double residual = random.normal(0, 0.08);
        const double dayMilk = lactation.curve.at(t) * herdDay.milkFactor * std::exp(residual);
        const double fat = std::clamp(
            cow.fatPercent * fatShape(t) - 1.2 * residual + random.normal(0, 0.40), 2.2, 7.5);
        test.protein = rounded(std::clamp(cow.proteinPercent * proteinShape(t) - 0.3 * residual +
                                              random.normal(0, 0.10),
                                          2.4, 5.2),
                               0.01);

        // Cells rise with age and late in lactation, right after calving, and in the months
        // before a cow goes for her udder; lactose falls as they rise.
        double lnCells = medianCells + cow.cellEffect + 0.12 * (lactation.parity - 2) +
                         0.0018 * (t - 150) + random.normal(0, 1.05);
        if (t < 15)
            lnCells += 0.4;
        if (lactation.ending == DemoCodes::Vyradenie::Vemeno && lactation.end - test.date < 120)
            lnCells += 1.2;
        test.cells = std::clamp(std::round(std::exp(lnCells)), 5.0, 9999.0);
        test.lactose =
            rounded(std::clamp(4.97 - 0.07 * (std::log(test.cells) - medianCells) - 0.0004 * t -
                                   0.03 * (lactation.parity - 1) + random.normal(0, 0.13),
                               3.8, 5.4),
                    0.01);

        // Urea is lowest in the first month, when cows eat least.
        test.urea = rounded(std::clamp(25 + herdDay.ureaEffect + cow.ureaEffect - (t < 30 ? 5 : 0) +
                                           random.normal(0, 3.5),
                                       5.0, 60.0),
                            0.1);

        // Now and then only one milking is weighed: the day is estimated from it, and the
        // morning's milk is richer in volume, the evening's in fat.
        test.milking = herdDay.milking;
        test.converted = random.chance(0.07);
        test.dayMilk = rounded(std::max(1.0, dayMilk), 0.1);
        test.dayFat = rounded(fat, 0.01);
        const bool morning = test.milking == 'R';
        test.milk =
            test.converted ? rounded(test.dayMilk * (morning ? 1.05 : 0.95), 0.1) : test.dayMilk;
        test.fat = test.converted ? rounded(fat + (morning ? -0.25 : 0.25), 0.01) : test.dayFat;
        test.group = t < 60 ? '1' : t < 200 ? '2' : '3';
        testDays.push_back(test);
    }
}
