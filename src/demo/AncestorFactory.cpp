#include "AncestorFactory.h"

#include "BullPool.h"
#include "Genetics.h"
#include "HerdRecords.h"

#include <array>

AncestorFactory::AncestorFactory(HerdRecords& records, const BullPool& bulls, quint64 seed)
    : m_records(records)
    , m_bulls(bulls)
    , m_random(seed, quint64(6) << 40) {}

int AncestorFactory::dam(int daughterBirth, const BloodShares& blood, int generations) {
    // The daughter is the dam's first to fifth calf: first calving at about 26 months, then a
    // calf every 400 days.
    static constexpr std::array<double, 5> calfNumber{35, 25, 20, 12, 8};
    DemoAnimal dam;
    dam.birth =
        daughterBirth - 282 - 790 - m_random.uniformInt(-60, 60) - 400 * m_random.pick(calfNumber);
    dam.blood = blood;
    dam.sire = m_bulls.sireFor(blood.main(), dam.birth - 282, m_random);
    const BloodShares sireBlood =
        dam.sire >= 0 ? m_records.animals[size_t(dam.sire)].blood : BloodShares::pure(blood.main());
    if (generations > 1)
        dam.dam = this->dam(dam.birth, BloodShares::otherParent(blood, sireBlood), generations - 1);
    const GeneticMerit sireMerit = dam.sire >= 0 ? m_records.animals[size_t(dam.sire)].merit
                                                 : Genetics::founder(dam.birth, m_random);
    const GeneticMerit damMerit = dam.dam >= 0 ? m_records.animals[size_t(dam.dam)].merit
                                               : Genetics::founder(dam.birth, m_random);
    dam.merit = Genetics::offspring(sireMerit, damMerit, m_random);
    return m_records.addAnimal(dam);
}
