#include "LactationEvaluation.h"

#include "BreedProfile.h"
#include "EnterprisePlan.h"
#include "HerdRecords.h"
#include "TestDayGenerator.h"

#include <algorithm>
#include <cmath>
#include <vector>

LactationEvaluation::LactationEvaluation(HerdRecords& records, const TestDayGenerator& testDays,
                                         int horizon)
    : m_records(records)
    , m_testDays(testDays)
    , m_horizon(horizon) {}

void LactationEvaluation::run() {
    for (size_t i = 0; i < m_records.lactations.size(); ++i)
        evaluate(int(i));
    summarise();
    chooseBullDams();
}

void LactationEvaluation::evaluate(int index) {
    DemoLactation& lactation = m_records.lactations[size_t(index)];
    m_testDays.generate(index, m_tests);
    // What recording knows at the horizon: a lactation whose end is still to come milks on.
    const bool ended = lactation.end <= m_horizon;
    RecordedLactation& recorded = lactation.recorded;
    recorded.cow = lactation.cow;
    recorded.parity = lactation.parity;
    recorded.calving = lactation.calving;
    recorded.end = ended ? lactation.end : 0;
    recorded.herd = lactation.herd;
    recorded.endedByCulling = ended && lactation.ending != DemoCodes::Vyradenie::VStade;

    m_yields.clear();
    double lnCells = 0;
    for (const DemoTestDay& test : m_tests) {
        m_yields.push_back({test.day, test.dayMilk, test.dayMilk * test.dayFat / 100,
                            test.dayMilk * test.protein / 100, test.dayMilk * test.lactose / 100});
        lnCells += std::log(test.cells);
    }
    LactationDerivation::evaluate(recorded, m_yields);
    lactation.lastTest = m_tests.empty() ? 0 : m_tests.back().date;
    if (!m_tests.empty())
        lactation.cellLogMean = lnCells / double(m_tests.size());
}

void LactationEvaluation::summarise() {
    std::vector<RecordedLactation> recorded;
    recorded.reserve(m_records.lactations.size());
    for (const DemoLactation& lactation : m_records.lactations)
        recorded.push_back(lactation.recorded);
    std::vector<bool> culled;
    culled.reserve(m_records.cows.size());
    for (const DemoCow& cow : m_records.cows)
        culled.push_back(cow.culled != 0);

    const std::vector<CowSummary> summaries = LactationDerivation::summarise(recorded, culled);
    for (size_t i = 0; i < recorded.size(); ++i)
        m_records.lactations[i].recorded = recorded[i];
    for (size_t c = 0; c < m_records.cows.size(); ++c) {
        DemoCow& cow = m_records.cows[c];
        cow.summary = summaries[c];
        if (cow.lactationCount == 0)
            continue;
        for (int i = cow.firstLactation; i < cow.firstLactation + cow.lactationCount; ++i)
            cow.lastTest = std::max(cow.lastTest, m_records.lactations[size_t(i)].lastTest);
        const DemoLactation& latest =
            m_records.lactations[size_t(cow.firstLactation + cow.lactationCount - 1)];
        cow.dry = cow.summary.currentLactation >= 0 && latest.recorded.end != 0;
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
        const CowSummary& summary = cow.summary;
        if (summary.closedCount < 2 || summary.maximalLactation < 0 || !cow.healthy)
            continue;
        const DemoAnimal& animal = m_records.animals[size_t(cow.animal)];
        const DemoLactation& latest =
            m_records.lactations[size_t(cow.firstLactation + cow.lactationCount - 1)];
        const RecordedLactation& best =
            m_records.lactations[size_t(summary.maximalLactation)].recorded;
        const BreedProfile profile = BreedProfile::blend(animal.blood);
        const double contents =
            100 * (summary.average.fat + summary.average.protein) / summary.average.milk;
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
