#pragma once

#include "DemoAnimal.h"
#include "SqlInsertBatch.h"

#include <QtGlobal>
#include <optional>
#include <vector>

class DemoRandom;
class TestDayGenerator;
struct HerdRecords;

/// Writes the demo records as INSERT statements, tables in the order of their foreign keys:
/// the enterprise, animals (ids in order of birth, so parents come first), sires, cows,
/// heifers, breeding values, lactations with their test days, and the parameter row.
class DemoSqlWriter {
public:
    DemoSqlWriter(const HerdRecords& records, const TestDayGenerator& testDays, quint64 seed,
                  int horizon, SqlInsertBatch::Sink sink);

    void write();

private:
    void writeEnterprise();
    void writeAnimals();
    void writeBulls();
    void writeCows();
    void writeHeifers();
    void writeBreedingValues();
    void writeLactations();
    void writeParameters();

    /// zviera_id of an animal index, none for -1.
    std::optional<long long> idOf(int animal) const;
    int registered(const DemoAnimal& animal, DemoRandom& random) const;
    int lastChanged(const DemoAnimal& animal, int registered) const;
    std::vector<int> animalsOf(DemoAnimal::Role role) const;

    const HerdRecords& m_records;
    const TestDayGenerator& m_testDays;
    quint64 m_seed;
    int m_horizon;
    SqlInsertBatch::Sink m_sink;
    std::vector<int> m_order; ///< animal indices in the order of their ids
    std::vector<int> m_ids;   ///< zviera_id of each animal index
};
