#include "BullPool.h"

#include "AncestorFactory.h"
#include "DemoCodes.h"
#include "DemoRandom.h"
#include "Genetics.h"
#include "HerdRecords.h"

#include <algorithm>

namespace {

// Share of sires of each breed that come from abroad.
constexpr std::array<double, kBreedCount> kImported{0.4, 0.3, 0.8, 0.7, 0.7};

std::vector<int> linesOf(Breed breed) {
    std::vector<int> lines;
    for (size_t i = 0; i < DemoCodes::kLinie.size(); ++i)
        if (DemoCodes::kLinie[i].breed == breed)
            lines.push_back(int(i));
    return lines;
}

} // namespace

BullPool::BullPool(HerdRecords& records, quint64 seed)
    : m_records(records)
    , m_seed(seed) {}

void BullPool::raise(const std::array<int, kBreedCount>& inService, int firstBirth, int lastBirth,
                     AncestorFactory& ancestors) {
    for (size_t b = 0; b < kBreedCount; ++b) {
        DemoRandom random(m_seed, (quint64(2) << 40) | b);
        const double years = double(lastBirth - firstBirth) / 365.0;
        const double perYear = double(inService[b]) * 365.0 / (kServiceEndDays - kServiceStartDays);
        const int count = std::max(1, int(years * perYear));
        const double spacing = double(lastBirth - firstBirth) / count;
        for (int i = 0; i < count; ++i)
            raiseBull(Breed(b), firstBirth + int((i + random.uniform()) * spacing), ancestors,
                      random);
    }
}

void BullPool::raiseBull(Breed breed, int birth, AncestorFactory& ancestors, DemoRandom& random) {
    Stock& stock = m_stock[size_t(breed)];
    DemoAnimal bull;
    bull.birth = birth;
    bull.sex = 1;
    bull.role = DemoAnimal::Role::Bull;
    bull.blood = BloodShares::pure(breed);
    bull.sire = sireFor(breed, birth - 282, random);
    bull.dam = ancestors.dam(birth, bull.blood, 2);
    bull.imported = random.chance(kImported[size_t(breed)]);
    bull.embryoTransfer = random.chance(0.15);
    bull.merit = Genetics::sire(birth, random);

    DemoBull record;
    record.breed = breed;
    if (bull.sire >= 0) {
        record.line = m_records.bulls[size_t(m_records.animals[size_t(bull.sire)].record)].line;
    } else {
        const std::vector<int> lines = linesOf(breed);
        record.line = lines[size_t(random.uniformInt(0, int(lines.size()) - 1))];
    }
    record.registerNumber = ++m_registerNumbers[size_t(breed)] % 1000;
    record.serialNumber = int(stock.animals.size()) + 1;
    record.popularity = random.factor(0.9);
    record.inServiceFrom = birth + kServiceStartDays;
    record.inServiceTo = birth + kServiceEndDays;
    record.insemination = random.chance(0.95);

    const int animal = m_records.addAnimal(bull);
    record.animal = animal;
    m_records.animals[size_t(animal)].record = int(m_records.bulls.size());
    m_records.bulls.push_back(record);
    stock.animals.push_back(animal);
    stock.births.push_back(birth);
    stock.cumulativePopularity.push_back(stock.cumulativePopularity.back() + record.popularity);
}

int BullPool::sireFor(Breed breed, int conception, DemoRandom& random) const {
    const Stock& stock = m_stock[size_t(breed)];
    // Sires are raised in order of birth, so those in service form one run of the list.
    const auto first =
        std::lower_bound(stock.births.begin(), stock.births.end(), conception - kServiceEndDays);
    const auto last = std::upper_bound(first, stock.births.end(), conception - kServiceStartDays);
    if (first == last)
        return -1;
    const size_t from = size_t(first - stock.births.begin());
    const size_t to = size_t(last - stock.births.begin());
    const double low = stock.cumulativePopularity[from];
    const double target = low + random.uniform() * (stock.cumulativePopularity[to] - low);
    const auto found = std::upper_bound(stock.cumulativePopularity.begin() + long(from) + 1,
                                        stock.cumulativePopularity.begin() + long(to), target);
    return stock.animals[size_t(found - stock.cumulativePopularity.begin()) - 1];
}
