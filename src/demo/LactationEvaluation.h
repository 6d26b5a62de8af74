#pragma once

#include "DemoTestDay.h"
#include "LactationDerivation.h"

#include <vector>

class TestDayGenerator;
struct DemoCow;
struct HerdRecords;

/// Records the simulated lactations as milk recording would: their test days go through
/// LactationDerivation, which works out the yields, the current lactations and the cows'
/// summaries; on top of that the demo marks which cows are healthy and which are bull dams.
class LactationEvaluation {
public:
    LactationEvaluation(HerdRecords& records, const TestDayGenerator& testDays, int horizon);

    void run();

private:
    void evaluate(int lactation);
    void summarise();
    void chooseBullDams();

    HerdRecords& m_records;
    const TestDayGenerator& m_testDays;
    int m_horizon;
    std::vector<DemoTestDay> m_tests;
    std::vector<LactationDerivation::TestDay> m_yields;
};
