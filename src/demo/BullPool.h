#pragma once

#include "Breed.h"

#include <QtGlobal>
#include <array>
#include <vector>

class AncestorFactory;
class DemoRandom;
struct HerdRecords;

/// The sires of every breed over the decades the pedigrees reach back. Each sire is bred from an
/// older sire of his breed and a bull dam; a mating picks among the sires in service that day,
/// the popular ones more often.
class BullPool {
public:
    /// Years from a sire's birth to his first and last service.
    static constexpr int kServiceStartDays = 3 * 365;
    static constexpr int kServiceEndDays = 9 * 365;

    BullPool(HerdRecords& records, quint64 seed);

    /// Raises the sires born between the two days; `inService` is how many sires of each breed
    /// stand in service at a time.
    void raise(const std::array<int, kBreedCount>& inService, int firstBirth, int lastBirth,
               AncestorFactory& ancestors);

    /// The sire (an animal index) of a calf conceived on the day, -1 when no sire of the breed
    /// was in service then.
    int sireFor(Breed breed, int conception, DemoRandom& random) const;

private:
    struct Stock {
        std::vector<int> animals;
        std::vector<int> births;
        std::vector<double> cumulativePopularity{0};
    };

    void raiseBull(Breed breed, int birth, AncestorFactory& ancestors, DemoRandom& random);

    HerdRecords& m_records;
    quint64 m_seed;
    std::array<Stock, kBreedCount> m_stock;
    std::array<int, kBreedCount> m_registerNumbers{};
};
