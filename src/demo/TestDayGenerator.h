#pragma once

#include "DemoTestDay.h"

#include <QtGlobal>
#include <vector>

class HerdCalendar;
struct HerdRecords;

/// The test days of a lactation: the herd's test days between the fifth day after calving and
/// the end of the lactation (or the horizon), with milk from the lactation's curve and milk
/// composition, somatic cells and urea as they vary over a lactation. The same lactation always
/// gets the same test days, so they can be drawn again when they are written.
class TestDayGenerator {
public:
    TestDayGenerator(const HerdRecords& records, const HerdCalendar& calendar, quint64 seed,
                     int horizon);

    void generate(int lactation, std::vector<DemoTestDay>& testDays) const;

private:
    const HerdRecords& m_records;
    const HerdCalendar& m_calendar;
    quint64 m_seed;
    int m_horizon;
};
