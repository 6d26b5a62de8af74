#include "DemoHerd.h"

#include "AncestorFactory.h"
#include "BullPool.h"
#include "DemoSqlWriter.h"
#include "EnterprisePlan.h"
#include "HerdCalendar.h"
#include "HerdRecords.h"
#include "HerdSimulation.h"
#include "LactationEvaluation.h"
#include "TestDayGenerator.h"

#include <algorithm>

DemoHerd::DemoHerd(DemoHerdOptions options)
    : m_options(std::move(options)) {}

void DemoHerd::generate(const std::function<void(const QString& statement)>& sink) const {
    const quint64 seed = m_options.seed;
    const int horizon = int(m_options.until.toJulianDay());
    const EnterprisePlan plan(m_options.cows);

    // Sires reach back far enough for three generations of pedigree behind the oldest cows.
    HerdRecords records;
    BullPool bulls(records, seed);
    AncestorFactory ancestors(records, bulls, seed);
    bulls.raise(plan.siresInService(), horizon - 42 * 365, horizon - 3 * 365, ancestors);

    HerdSimulation(plan, bulls, ancestors, records, seed, horizon).run();

    int firstCalving = horizon;
    for (const DemoLactation& lactation : records.lactations)
        firstCalving = std::min(firstCalving, lactation.calving);
    const HerdCalendar calendar(EnterprisePlan::kHerdCount, firstCalving, horizon, seed);
    const TestDayGenerator testDays(records, calendar, seed, horizon);
    LactationEvaluation(records, testDays, horizon).run();
    DemoSqlWriter(records, testDays, seed, horizon, sink).write();
}

void DemoHerd::generateFirstStart(const std::function<void(const QString& statement)>& sink) {
    DemoHerd(DemoHerdOptions{}).generate(sink);
}
