#pragma once

#include "BloodShares.h"

#include "DemoRandom.h"

class BullPool;
struct HerdRecords;

/// Dams that lived before the recorded years: mothers of the first cows and of the sires. Each
/// gets a sire from the pool and, as many generations up as asked, a dam of her own, so that
/// every pedigree reaches back three generations.
class AncestorFactory {
public:
    AncestorFactory(HerdRecords& records, const BullPool& bulls, quint64 seed);

    /// A dam of the given breed composition for a daughter born on the day; returns her index.
    int dam(int daughterBirth, const BloodShares& blood, int generations);

private:
    HerdRecords& m_records;
    const BullPool& m_bulls;
    DemoRandom m_random;
};
