#pragma once

#include "DemoTestDay.h"

#include "laktacie/VypocetLaktacii.h"

#include <vector>

class TestDayGenerator;
struct DemoCow;
struct HerdRecords;

/// Records the simulated lactations as milk recording would: each cow's calvings, dry-offs,
/// culling and test days go through VypocetLaktacii, as an imported herd's do, and her lactations
/// through Rovesnice against her herd-mates; on top of that the demo marks which cows are healthy
/// and which are bull dams.
class LactationEvaluation {
public:
    LactationEvaluation(HerdRecords& records, const TestDayGenerator& testDays, int horizon);

    void run();

private:
    void evaluate(DemoCow& cow);
    void compareWithHerdMates();
    void chooseBullDams();

    HerdRecords& m_records;
    const TestDayGenerator& m_testDays;
    int m_horizon;
    VypocetLaktacii m_derivation;
    std::vector<DemoTestDay> m_tests;
    std::vector<KontrolaDna> m_cowTests;
};
