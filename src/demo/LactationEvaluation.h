#pragma once

#include "DemoTestDay.h"
#include "TestIntervalMethod.h"

#include <map>
#include <tuple>
#include <vector>

class TestDayGenerator;
struct DemoCow;
struct HerdRecords;

/// Computes what milk recording computes from the test days: the total and standardised
/// (305-day) yields of every lactation by the test interval method, its persistency and its
/// index against herd-mates, and for every cow the summary of her closed lactations, her
/// performance class and whether she is a bull dam.
class LactationEvaluation {
public:
    LactationEvaluation(HerdRecords& records, const TestDayGenerator& testDays, int horizon);

    void run();

private:
    /// Closed lactations of one herd, calving year and lactation number.
    struct HerdMates {
        double milk = 0;
        double fatAndProtein = 0;
        int count = 0;
    };
    using HerdMatesKey = std::tuple<int, int, int>;

    void evaluate(int lactation);
    HerdMatesKey herdMatesOf(int lactation) const;
    void compareWithHerdMates();
    void summarise(DemoCow& cow);
    void chooseBullDams();

    HerdRecords& m_records;
    const TestDayGenerator& m_testDays;
    int m_horizon;
    std::map<HerdMatesKey, HerdMates> m_herdMates;
    std::vector<DemoTestDay> m_tests;
    std::vector<TestIntervalMethod::Point> m_milk, m_fat, m_protein, m_lactose;
};
