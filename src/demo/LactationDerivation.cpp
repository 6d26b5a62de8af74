#include "LactationDerivation.h"

#include "TestIntervalMethod.h"

#include <QDate>
#include <algorithm>
#include <map>
#include <tuple>

namespace {

struct Sums {
    double milk = 0;
    double fatAndProtein = 0;
    int count = 0;
};

int calvingYear(const RecordedLactation& lactation) {
    return QDate::fromJulianDay(lactation.calving).year();
}

// Herd-mates of the lactation index: same herd, calving year and lactation number.
std::tuple<int, int, int> indexGroup(const RecordedLactation& lactation) {
    return {lactation.herd, calvingYear(lactation), lactation.parity};
}

// Herd-mates of the performance class: same herd and calving year, the first, the second and
// the third and later lactations apart, as report 1.B groups them.
std::tuple<int, int, int> classGroup(const RecordedLactation& lactation) {
    return {lactation.herd, calvingYear(lactation), std::min(lactation.parity, 3)};
}

bool ended(const RecordedLactation& lactation) {
    return lactation.end != 0;
}

} // namespace

void LactationDerivation::evaluate(RecordedLactation& lactation, std::span<const TestDay> tests) {
    lactation.days = ended(lactation) ? lactation.end - lactation.calving
                                      : (tests.empty() ? 0 : tests.back().day);
    lactation.standardDays = std::min(lactation.days, kStandardDays);
    lactation.standardEnded = ended(lactation) || lactation.days >= kStandardDays;
    if (tests.empty()) {
        // A lactation in milk not tested yet has given nothing so far; one that ended untested
        // has no known yield.
        lactation.total = lactation.standard =
            ended(lactation) ? LactationYield{} : LactationYield{0, 0, 0, 0};
        return;
    }
    std::vector<TestIntervalMethod::Point> milk, fat, protein, lactose;
    for (const TestDay& test : tests) {
        milk.push_back({test.day, test.milk});
        fat.push_back({test.day, test.fat});
        protein.push_back({test.day, test.protein});
        lactose.push_back({test.day, test.lactose});
    }
    const auto yieldTo = [&](int day) {
        return LactationYield{
            TestIntervalMethod::yieldTo(milk, day), TestIntervalMethod::yieldTo(fat, day),
            TestIntervalMethod::yieldTo(protein, day), TestIntervalMethod::yieldTo(lactose, day)};
    };
    lactation.total = yieldTo(lactation.days);
    lactation.standard = yieldTo(lactation.standardDays);
    if (lactation.days >= 300)
        lactation.persistency = 100 * TestIntervalMethod::integrate(milk, 200, 300) /
                                TestIntervalMethod::integrate(milk, 0, 100);
}

std::vector<CowSummary> LactationDerivation::summarise(std::span<RecordedLactation> lactations,
                                                       const std::vector<bool>& culled) {
    std::vector<CowSummary> cows(culled.size());
    std::vector<int> latest(culled.size(), -1);
    for (size_t i = 0; i < lactations.size(); ++i) {
        int& last = latest[size_t(lactations[i].cow)];
        if (last < 0 || lactations[size_t(last)].parity < lactations[i].parity)
            last = int(i);
    }
    for (size_t i = 0; i < lactations.size(); ++i) {
        RecordedLactation& lactation = lactations[i];
        const bool isCulled = culled[size_t(lactation.cow)];
        lactation.closed = isCulled || latest[size_t(lactation.cow)] != int(i);
        if (!lactation.closed)
            cows[size_t(lactation.cow)].currentLactation = int(i);
    }

    std::map<std::tuple<int, int, int>, Sums> indexMates;
    std::map<std::tuple<int, int, int>, Sums> classMates;
    for (const RecordedLactation& lactation : lactations) {
        if (!lactation.hasStandardYield())
            continue;
        if (ended(lactation) && !lactation.endedByCulling) {
            Sums& sums = indexMates[indexGroup(lactation)];
            sums.milk += lactation.standard.milk;
            ++sums.count;
        }
        if ((lactation.closed || lactation.standardEnded) && !culled[size_t(lactation.cow)]) {
            Sums& sums = classMates[classGroup(lactation)];
            sums.fatAndProtein += lactation.standard.fat + lactation.standard.protein;
            ++sums.count;
        }
    }

    std::vector<LactationYield> sums(cows.size(), LactationYield{0, 0, 0, 0});
    std::vector<int> counted(cows.size(), 0);
    for (size_t i = 0; i < lactations.size(); ++i) {
        RecordedLactation& lactation = lactations[i];
        const auto mates = indexMates.find(indexGroup(lactation));
        if (ended(lactation) && lactation.hasStandardYield() && mates != indexMates.end())
            lactation.index =
                100 * lactation.standard.milk / (mates->second.milk / mates->second.count);
        if (!lactation.closed)
            continue;
        CowSummary& cow = cows[size_t(lactation.cow)];
        ++cow.closedCount;
        if (lactation.days >= kStandardDays)
            ++cow.fullStandardCount;
        if (!lactation.hasStandardYield())
            continue;
        LactationYield& sum = sums[size_t(lactation.cow)];
        sum.milk += lactation.standard.milk;
        sum.fat += lactation.standard.fat;
        sum.protein += lactation.standard.protein;
        sum.lactose += lactation.standard.lactose;
        ++counted[size_t(lactation.cow)];
        if (cow.maximalLactation < 0 ||
            lactation.standard.milk > lactations[size_t(cow.maximalLactation)].standard.milk)
            cow.maximalLactation = int(i);
        if (cow.lastClosedLactation < 0 ||
            lactation.parity > lactations[size_t(cow.lastClosedLactation)].parity)
            cow.lastClosedLactation = int(i);
    }

    for (size_t c = 0; c < cows.size(); ++c) {
        CowSummary& cow = cows[c];
        if (cow.maximalLactation >= 0)
            lactations[size_t(cow.maximalLactation)].maximal = true;
        if (counted[c] > 0) {
            const double n = counted[c];
            cow.average = {sums[c].milk / n, sums[c].fat / n, sums[c].protein / n,
                           sums[c].lactose / n};
        }
        if (cow.lastClosedLactation < 0)
            continue;
        const RecordedLactation& last = lactations[size_t(cow.lastClosedLactation)];
        const auto mates = classMates.find(classGroup(last));
        if (mates == classMates.end())
            continue;
        cow.performanceClass =
            performanceClass(100 * (last.standard.fat + last.standard.protein) /
                             (mates->second.fatAndProtein / mates->second.count));
    }
    return cows;
}

int LactationDerivation::performanceClass(double ratio) {
    return ratio >= 115 ? 1 : ratio >= 105 ? 2 : ratio >= 95 ? 3 : 4;
}
