#include "LactationEvaluation.h"

#include "BreedProfile.h"
#include "EnterprisePlan.h"
#include "HerdRecords.h"
#include "TestDayGenerator.h"
#include "TestIntervalMethod.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kStandardDays = 305;

bool hasYield(const DemoLactation& lactation) {
    return lactation.closed && std::isfinite(lactation.standard.milk);
}

// Herd-mates are compared over lactations that ran their course, not cut short by culling.
bool isHerdMate(const DemoLactation& lactation) {
    return hasYield(lactation) && lactation.ending == DemoCodes::Vyradenie::VStade;
}

} // namespace

LactationEvaluation::LactationEvaluation(HerdRecords& records, const TestDayGenerator& testDays,
                                         int horizon)
    : m_records(records)
    , m_testDays(testDays)
    , m_horizon(horizon) {}

void LactationEvaluation::run() {
    for (size_t i = 0; i < m_records.lactations.size(); ++i)
        evaluate(int(i));
    compareWithHerdMates();
    for (DemoCow& cow : m_records.cows)
        summarise(cow);
    chooseBullDams();
}

void LactationEvaluation::evaluate(int index) {
    std::vector<DemoTestDay>& testDays = m_tests;
    DemoLactation& lactation = m_records.lactations[size_t(index)];
    m_testDays.generate(index, testDays);
    lactation.closed = lactation.end <= m_horizon;
    lactation.lastTest = testDays.empty() ? 0 : testDays.back().date;
    // A closed lactation counts to its end; a running one to its last test.
    lactation.days = lactation.closed ? lactation.end - lactation.calving
                                      : (testDays.empty() ? 0 : testDays.back().day);
    lactation.standardDays = std::min(lactation.days, kStandardDays);
    if (testDays.empty()) {
        if (!lactation.closed)
            lactation.total = lactation.standard = LactationYield{0, 0, 0, 0};
        return;
    }
    m_milk.clear();
    m_fat.clear();
    m_protein.clear();
    m_lactose.clear();
    double lnCells = 0;
    for (const DemoTestDay& test : testDays) {
        m_milk.push_back({test.day, test.dayMilk});
        m_fat.push_back({test.day, test.dayMilk * test.dayFat / 100});
        m_protein.push_back({test.day, test.dayMilk * test.protein / 100});
        m_lactose.push_back({test.day, test.dayMilk * test.lactose / 100});
        lnCells += std::log(test.cells);
    }
    const auto yield = [this](int days) {
        return LactationYield{TestIntervalMethod::integrate(m_milk, 0, days),
                              TestIntervalMethod::integrate(m_fat, 0, days),
                              TestIntervalMethod::integrate(m_protein, 0, days),
                              TestIntervalMethod::integrate(m_lactose, 0, days)};
    };
    lactation.total = yield(lactation.days);
    lactation.standard = yield(lactation.standardDays);
    if (lactation.days >= 300)
        lactation.persistency = 100 * TestIntervalMethod::integrate(m_milk, 200, 300) /
                                TestIntervalMethod::integrate(m_milk, 0, 100);
    lactation.cellLogMean = lnCells / double(testDays.size());
}

LactationEvaluation::HerdMatesKey LactationEvaluation::herdMatesOf(int index) const {
    const DemoLactation& lactation = m_records.lactations[size_t(index)];
    return {lactation.herd, QDate::fromJulianDay(lactation.calving).year(), lactation.parity};
}

void LactationEvaluation::compareWithHerdMates() {
    for (size_t i = 0; i < m_records.lactations.size(); ++i) {
        const DemoLactation& lactation = m_records.lactations[i];
        if (!isHerdMate(lactation))
            continue;
        HerdMates& mates = m_herdMates[herdMatesOf(int(i))];
        mates.milk += lactation.standard.milk;
        mates.fatAndProtein += lactation.standard.fat + lactation.standard.protein;
        ++mates.count;
    }
    for (size_t i = 0; i < m_records.lactations.size(); ++i) {
        DemoLactation& lactation = m_records.lactations[i];
        const auto mates = m_herdMates.find(herdMatesOf(int(i)));
        if (!hasYield(lactation) || mates == m_herdMates.end())
            continue;
        lactation.index =
            100 * lactation.standard.milk / (mates->second.milk / mates->second.count);
    }
}

void LactationEvaluation::summarise(DemoCow& cow) {
    LactationYield sum{0, 0, 0, 0};
    int withYield = 0;
    int lastClosed = -1;
    for (int i = cow.firstLactation; i < cow.firstLactation + cow.lactationCount; ++i) {
        DemoLactation& lactation = m_records.lactations[size_t(i)];
        cow.lastTest = std::max(cow.lastTest, lactation.lastTest);
        if (!lactation.closed) {
            if (cow.culled == 0)
                cow.runningParity = lactation.parity;
            continue;
        }
        ++cow.closedCount;
        if (lactation.days >= kStandardDays)
            ++cow.fullStandardCount;
        if (!hasYield(lactation))
            continue;
        lastClosed = i;
        ++withYield;
        sum.milk += lactation.standard.milk;
        sum.fat += lactation.standard.fat;
        sum.protein += lactation.standard.protein;
        sum.lactose += lactation.standard.lactose;
        if (cow.maximalLactation < 0 ||
            lactation.standard.milk >
                m_records.lactations[size_t(cow.maximalLactation)].standard.milk)
            cow.maximalLactation = i;
    }
    if (cow.maximalLactation >= 0)
        m_records.lactations[size_t(cow.maximalLactation)].maximal = true;
    if (withYield > 0) {
        cow.averageMilk = sum.milk / withYield;
        cow.averageFat = sum.fat / withYield;
        cow.averageProtein = sum.protein / withYield;
        cow.averageLactose = sum.lactose / withYield;
    }
    const auto mates =
        lastClosed >= 0 ? m_herdMates.find(herdMatesOf(lastClosed)) : m_herdMates.end();
    if (mates != m_herdMates.end()) {
        const DemoLactation& last = m_records.lactations[size_t(lastClosed)];
        const double ratio = 100 * (last.standard.fat + last.standard.protein) /
                             (mates->second.fatAndProtein / mates->second.count);
        cow.performanceClass = ratio >= 115 ? 1 : ratio >= 105 ? 2 : ratio >= 95 ? 3 : 4;
    }
    if (cow.lactationCount > 0) {
        const DemoLactation& latest =
            m_records.lactations[size_t(cow.firstLactation + cow.lactationCount - 1)];
        cow.healthy = !(latest.cellLogMean > std::log(200.0));
    }
}

void LactationEvaluation::chooseBullDams() {
    // High yields against herd-mates, rich milk, a calving interval within 400 days and low
    // cells; the best of them by yield and breeding value. Each herd marks its best 3 % of such
    // cows, so that every herd has bull dams to show, as breeding plans ask of every herd.
    std::vector<std::vector<std::pair<double, DemoCow*>>> candidates(EnterprisePlan::kHerdCount);
    std::vector<int> inHerd(EnterprisePlan::kHerdCount, 0);
    for (DemoCow& cow : m_records.cows) {
        if (cow.culled != 0)
            continue;
        ++inHerd[size_t(cow.herd)];
        if (cow.closedCount < 2 || cow.maximalLactation < 0 || !cow.healthy)
            continue;
        const DemoAnimal& animal = m_records.animals[size_t(cow.animal)];
        const DemoLactation& latest =
            m_records.lactations[size_t(cow.firstLactation + cow.lactationCount - 1)];
        const DemoLactation& best = m_records.lactations[size_t(cow.maximalLactation)];
        const BreedProfile profile = BreedProfile::blend(animal.blood);
        const double contents = 100 * (cow.averageFat + cow.averageProtein) / cow.averageMilk;
        if (best.index >= 100 && contents >= profile.fatPercent + profile.proteinPercent - 0.3 &&
            latest.calving - latest.previousCalving <= 400)
            candidates[size_t(cow.herd)].emplace_back(best.index / 100 + 10 * animal.merit.milk,
                                                      &cow);
    }
    for (size_t herd = 0; herd < candidates.size(); ++herd) {
        auto& ranked = candidates[herd];
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto& x, const auto& y) { return x.first > y.first; });
        const size_t chosen =
            std::min(ranked.size(), size_t(std::max(1, (inHerd[herd] * 3 + 50) / 100)));
        for (size_t i = 0; i < chosen; ++i)
            ranked[i].second->bullDam = true;
    }
}
