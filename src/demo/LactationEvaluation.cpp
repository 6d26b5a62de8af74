#include "LactationEvaluation.h"

#include "BreedProfile.h"
#include "EnterprisePlan.h"
#include "HerdRecords.h"
#include "TestDayGenerator.h"

#include "laktacie/Rovesnice.h"

#include <algorithm>
#include <cmath>
#include <vector>

LactationEvaluation::LactationEvaluation(HerdRecords& records, const TestDayGenerator& testDays,
                                         int horizon)
    : m_records(records)
    , m_testDays(testDays)
    , m_horizon(horizon) {}

void LactationEvaluation::run() {
    for (DemoCow& cow : m_records.cows)
        evaluate(cow);
    compareWithHerdMates();
    chooseBullDams();
}

void LactationEvaluation::evaluate(DemoCow& cow) {
    ZaznamyKravy records;
    records.vyradenie = cow.culled;
    records.dovodVyradenia = DemoCodes::dovodKod(cow.reason);
    m_cowTests.clear();
    std::vector<double> cellLogMeans;
    for (int i = cow.firstLactation; i < cow.firstLactation + cow.lactationCount; ++i) {
        const DemoLactation& lactation = m_records.lactations[size_t(i)];
        // What recording knows at the horizon: a lactation whose end is still to come milks on,
        // and one that culling ends is ended by the culling itself.
        Otelenie calving;
        calving.datum = lactation.calving;
        calving.poradie = lactation.parity;
        if (lactation.end <= m_horizon && lactation.ending == DemoCodes::Vyradenie::VStade)
            calving.zasusenie = lactation.end;
        records.otelenia.push_back(calving);

        m_testDays.generate(i, m_tests);
        double lnCells = 0;
        for (const DemoTestDay& test : m_tests) {
            m_cowTests.push_back(
                {test.date, test.dayMilk, test.dayFat, test.protein, test.lactose});
            lnCells += std::log(test.cells);
        }
        cellLogMeans.push_back(m_tests.empty() ? NAN : lnCells / double(m_tests.size()));
    }
    records.kontroly = m_cowTests;

    const std::vector<Laktacia> lactations = m_derivation.laktacie(records);
    for (size_t i = 0; i < lactations.size(); ++i) {
        DemoLactation& lactation = m_records.lactations[size_t(cow.firstLactation) + i];
        lactation.recorded = lactations[i];
        lactation.cellLogMean = cellLogMeans[i];
    }
    cow.summary = VypocetLaktacii::suhrn(lactations);
    if (lactations.empty())
        return;
    const DemoLactation& latest =
        m_records.lactations[size_t(cow.firstLactation + cow.lactationCount - 1)];
    cow.dry = latest.recorded.prebiehajuca && latest.recorded.ukoncenie != 0;
    cow.healthy = !(latest.cellLogMean > std::log(200.0));
}

void LactationEvaluation::compareWithHerdMates() {
    std::vector<Laktacia> lactations;
    std::vector<Rovesnice::Miesto> places;
    lactations.reserve(m_records.lactations.size());
    places.reserve(m_records.lactations.size());
    for (const DemoLactation& lactation : m_records.lactations) {
        lactations.push_back(lactation.recorded);
        places.push_back(
            {lactation.cow, lactation.herd, m_records.cows[size_t(lactation.cow)].culled == 0});
    }
    const std::vector<int> classes = Rovesnice::porovnaj(lactations, places, m_records.cows.size());
    for (size_t i = 0; i < lactations.size(); ++i)
        m_records.lactations[i].recorded.index = lactations[i].index;
    for (size_t c = 0; c < m_records.cows.size(); ++c)
        m_records.cows[c].performanceClass = classes[c];
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
        const SuhrnKravy& summary = cow.summary;
        if (summary.pocetLaktacii < 2 || summary.porMaxLaktacie == 0 || !cow.healthy)
            continue;
        const DemoAnimal& animal = m_records.animals[size_t(cow.animal)];
        const DemoLactation& latest =
            m_records.lactations[size_t(cow.firstLactation + cow.lactationCount - 1)];
        const auto first = m_records.lactations.begin() + cow.firstLactation;
        const Laktacia& best =
            std::find_if(first, first + cow.lactationCount, [](const DemoLactation& l) {
                return l.recorded.maximalna;
            })->recorded;
        const BreedProfile profile = BreedProfile::blend(animal.blood);
        const double contents =
            100 * (summary.priemer.tuk + summary.priemer.bielkovina) / summary.priemer.mlieko;
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
