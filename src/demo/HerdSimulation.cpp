#include "HerdSimulation.h"

#include "AncestorFactory.h"
#include "BreedProfile.h"
#include "BullPool.h"
#include "EnterprisePlan.h"
#include "Genetics.h"
#include "HerdRecords.h"

#include <algorithm>
#include <cmath>

using DemoCodes::Vyradenie;

namespace {

int gestation(DemoRandom& random) {
    return int(std::lround(random.normal(282, 4)));
}

// Calving interval: at least about 330 days, mean about 400 with a long tail of cows that were
// hard to get in calf, so that a third of the intervals run over 400 days.
int calvingInterval(DemoRandom& random) {
    return std::min(620, 330 + int(std::lround(std::exp(random.normal(std::log(57.0), 0.642)))));
}

int firstCalvingAge(const BloodShares& blood, DemoRandom& random) {
    const BreedProfile profile = BreedProfile::blend(blood);
    const double months = random.normal(profile.firstCalvingMonths, profile.firstCalvingSdMonths);
    return int(std::lround(std::max(20.0, months) * 30.44));
}

double cullingProbability(int parity) {
    static constexpr std::array<double, 6> byParity{0.24, 0.25, 0.34, 0.44, 0.54, 0.64};
    return byParity[size_t(std::min(parity, 6) - 1)];
}

Vyradenie cullingReason(int parity, DemoRandom& random) {
    // Shares of the culling reasons 01 to 09; age only culls cows in their fourth lactation or
    // later, which makes about 7 % of all culls.
    std::array<double, 9> weights{25, 18, 12, 10, 8, 10, 5, 5, parity >= 4 ? 20.0 : 0.0};
    return Vyradenie(random.pick(weights) + 1);
}

// Days after calving at which a cow leaves for the reason.
int cullingDay(Vyradenie reason, DemoRandom& random) {
    switch (reason) {
    case Vyradenie::Plodnost:
        return random.uniformInt(240, 460);
    case Vyradenie::Vemeno:
        return random.uniformInt(10, 340);
    case Vyradenie::Koncatiny:
        return random.uniformInt(20, 360);
    case Vyradenie::NizkaUzitkovost:
        return random.uniformInt(150, 330);
    case Vyradenie::Metabolizmus:
        return random.uniformInt(3, 90);
    case Vyradenie::Uhyn:
        return random.chance(0.5) ? random.uniformInt(1, 60) : random.uniformInt(1, 380);
    case Vyradenie::PredajNaChov:
        return random.uniformInt(10, 200);
    case Vyradenie::Vek:
        return random.uniformInt(200, 400);
    case Vyradenie::Uraz:
    case Vyradenie::VStade:
        break;
    }
    return random.uniformInt(5, 380);
}

int calvingEase(int parity, DemoRandom& random) {
    static constexpr std::array<double, 4> heifers{55, 33, 9, 3};
    static constexpr std::array<double, 4> cows{75, 20, 4, 1};
    return random.pick(parity == 1 ? heifers : cows) + 1;
}

} // namespace

HerdSimulation::HerdSimulation(const EnterprisePlan& plan, const BullPool& bulls,
                               AncestorFactory& ancestors, HerdRecords& records, quint64 seed,
                               int horizon)
    : m_plan(plan)
    , m_bulls(bulls)
    , m_ancestors(ancestors)
    , m_records(records)
    , m_seed(seed)
    , m_horizon(horizon)
    , m_start(horizon - kRecordedDays)
    , m_stocked(m_start - kSettlingDays)
    , m_inHerd(EnterprisePlan::kHerdCount, 0) {}

void HerdSimulation::run() {
    for (int h = 0; h < EnterprisePlan::kHerdCount; ++h)
        stockHerd(h);
    while (!m_events.empty() && m_events.top().day <= m_horizon) {
        const Event event = m_events.top();
        m_events.pop();
        switch (event.kind) {
        case EventKind::Calving:
            startLactation(event.subject, event.day, true);
            decideFate(event.subject);
            break;
        case EventKind::FirstCalving:
            admitHeifer(event.subject, event.day);
            break;
        case EventKind::Culling:
            cull(event.subject, event.day);
            break;
        }
    }
    // Heifers due to calve after the horizon are the herd's young stock.
    for (; !m_events.empty(); m_events.pop())
        if (m_events.top().kind == EventKind::FirstCalving)
            keepHeifer(m_calves[size_t(m_events.top().subject)]);
    balanceHerds();
    arrangeLactations();
}

void HerdSimulation::stockHerd(int herd) {
    // The herd at the start: a steady mix of lactations, each cow somewhere in her calving
    // interval, with her earlier lactations lived out before the recorded years.
    static constexpr std::array<double, 7> parityMix{38, 25, 17, 9, 6, 3, 2};
    DemoRandom random(m_seed, (quint64(7) << 40) | quint64(herd));
    for (int i = 0; i < m_plan.cows(herd); ++i) {
        const int parity = random.pick(parityMix) + 1;
        std::vector<int> intervals(static_cast<size_t>(parity));
        for (int& interval : intervals)
            interval = calvingInterval(random);
        std::vector<int> calvings(static_cast<size_t>(parity));
        calvings.back() = m_stocked - random.uniformInt(0, intervals.back() - 1);
        for (int k = parity - 2; k >= 0; --k)
            calvings[size_t(k)] = calvings[size_t(k) + 1] - intervals[size_t(k)];

        DemoAnimal cow = foundationCow(herd, calvings.front(), random);
        cow.bornIn = random.chance(0.85) ? qint8(herd) : qint8(-1);
        const int index = addCow(m_records.addAnimal(cow), herd, calvings.front());
        ++m_inHerd[size_t(herd)];

        CowState& state = m_state[size_t(index)];
        for (int k = 0; k + 1 < parity; ++k) {
            state.calfSire =
                sireFor(herd, cow.blood, calvings[size_t(k)] - gestation(random), random);
            const int lactation = startLactation(index, calvings[size_t(k)], true);
            m_records.lactations[size_t(lactation)].end =
                calvings[size_t(k) + 1] - random.uniformInt(45, 65);
        }
        state.calfSire = sireFor(herd, cow.blood, calvings.back() - gestation(random), random);
        state.plannedInterval = intervals.back();
        schedule(calvings.back(), EventKind::Calving, index);
    }
}

DemoAnimal HerdSimulation::foundationCow(int herd, int firstCalving, DemoRandom& random) {
    DemoAnimal cow;
    cow.blood = EnterprisePlan::foundationBlood(herd, random);
    cow.birth = firstCalving - firstCalvingAge(cow.blood, random);
    cow.sire = sireFor(herd, cow.blood, cow.birth - gestation(random), random);
    const BloodShares sireBlood = cow.sire >= 0 ? m_records.animals[size_t(cow.sire)].blood
                                                : BloodShares::pure(cow.blood.main());
    cow.dam = m_ancestors.dam(cow.birth, BloodShares::otherParent(cow.blood, sireBlood), 3);
    const GeneticMerit sireMerit = cow.sire >= 0 ? m_records.animals[size_t(cow.sire)].merit
                                                 : Genetics::founder(cow.birth, random);
    cow.merit = Genetics::offspring(sireMerit, m_records.animals[size_t(cow.dam)].merit, random);
    return cow;
}

int HerdSimulation::addCow(int animal, int herd, int entry) {
    const int index = int(m_records.cows.size());
    DemoAnimal& a = m_records.animals[size_t(animal)];
    a.role = DemoAnimal::Role::Cow;
    a.record = index;
    DemoRandom random(m_seed, (quint64(1) << 40) | quint64(index));
    a.embryoTransfer = random.chance(0.01);

    const BreedProfile profile = BreedProfile::blend(a.blood);
    DemoCow cow;
    cow.animal = animal;
    cow.herd = herd;
    cow.barn = random.uniformInt(0, EnterprisePlan::barnCount(herd) - 1);
    cow.entry = entry;
    cow.milkFactor = (1 + a.merit.milk) * random.factor(0.11);
    cow.fatPercent = profile.fatPercent + a.merit.fat + random.normal(0, 0.12);
    cow.proteinPercent = profile.proteinPercent + a.merit.protein + random.normal(0, 0.05);
    cow.cellEffect = 0.8 * a.merit.cells + random.normal(0, 0.8);
    cow.ureaEffect = random.normal(0, 2.0);
    m_records.cows.push_back(cow);
    m_state.push_back(CowState{random});
    return index;
}

int HerdSimulation::startLactation(int cow, int day, bool withCalf) {
    CowState& state = m_state[size_t(cow)];
    DemoCow& c = m_records.cows[size_t(cow)];
    DemoRandom& random = state.random;
    ++state.parity;
    if (state.parity > 1 && random.chance(0.15))
        c.barn = random.uniformInt(0, EnterprisePlan::barnCount(c.herd) - 1);

    const BreedProfile profile = BreedProfile::blend(m_records.animals[size_t(c.animal)].blood);
    const WoodCurve& breedCurve =
        state.parity == 1 ? profile.firstLactation : profile.laterLactation;
    DemoLactation lactation;
    lactation.cow = cow;
    lactation.parity = state.parity;
    lactation.calving = day;
    lactation.previousCalving = state.lastCalving;
    lactation.herd = c.herd;
    lactation.barn = c.barn;
    lactation.calvingEase = calvingEase(state.parity, random);
    // Each lactation has its own peak and persistency around the cow's level.
    lactation.curve = {breedCurve.a * c.milkFactor * EnterprisePlan::yieldLevel(c.herd) *
                           random.factor(0.05),
                       breedCurve.b * random.factor(0.05), breedCurve.c * random.factor(0.05)};
    static constexpr std::array<double, 3> growth{0.85, 0.94, 1.0};
    lactation.weight = std::round(
        profile.matureWeight * growth[size_t(std::min(state.parity, 3) - 1)] * random.factor(0.06));
    lactation.end = m_horizon + 1; // milking on until decideFate says otherwise

    state.lastCalving = day;
    state.currentLactation = int(m_records.lactations.size());
    m_records.lactations.push_back(lactation);
    if (withCalf)
        bearCalf(cow, day);
    return state.currentLactation;
}

void HerdSimulation::decideFate(int cow) {
    CowState& state = m_state[size_t(cow)];
    DemoRandom& random = state.random;
    DemoLactation& lactation = m_records.lactations[size_t(state.currentLactation)];
    const int day = lactation.calving;
    const int interval =
        state.plannedInterval > 0 ? state.plannedInterval : calvingInterval(random);
    state.plannedInterval = 0;
    const int length = interval - random.uniformInt(45, 65);

    if (random.chance(cullingProbability(state.parity))) {
        const Vyradenie reason = cullingReason(state.parity, random);
        const int culling = day + cullingDay(reason, random);
        // A cow that does not get in calf milks on until she goes; the others may go while dry,
        // or calve first when their day would come after the calving. A cow of the herd as it
        // was stocked has lived up to that day.
        const bool open = reason == Vyradenie::Plodnost;
        if (culling > m_stocked && (open || culling < day + interval)) {
            const bool milking = open || culling <= day + length;
            lactation.end = milking ? culling : day + length;
            lactation.ending = milking ? reason : Vyradenie::VStade;
            if (reason == Vyradenie::NizkaUzitkovost)
                lactation.curve.a *= 0.8;
            state.pendingReason = reason;
            schedule(culling, EventKind::Culling, cow);
            return;
        }
    }
    lactation.end = day + length;
    const int next = day + interval;
    state.calfSire = sireFor(m_records.cows[size_t(cow)].herd,
                             m_records.animals[size_t(m_records.cows[size_t(cow)].animal)].blood,
                             next - gestation(random), random);
    schedule(next, EventKind::Calving, cow);
}

void HerdSimulation::bearCalf(int cow, int day) {
    CowState& state = m_state[size_t(cow)];
    DemoRandom& random = state.random;
    // Calves of the cows bred to beef bulls and bull calves are sold.
    if (random.chance(0.10) || !random.chance(0.49))
        return;
    const DemoCow& mother = m_records.cows[size_t(cow)];
    const DemoAnimal& dam = m_records.animals[size_t(mother.animal)];
    Calf calf;
    calf.dam = mother.animal;
    calf.sire = state.calfSire;
    calf.birth = day;
    calf.herd = mother.herd;
    const DemoAnimal* sire = calf.sire >= 0 ? &m_records.animals[size_t(calf.sire)] : nullptr;
    calf.blood = BloodShares::cross(sire ? sire->blood : BloodShares::pure(dam.blood.main()),
                                    dam.blood, random);
    calf.merit =
        Genetics::offspring(sire ? sire->merit : Genetics::founder(day, random), dam.merit, random);
    calf.firstCalving = day + firstCalvingAge(calf.blood, random);
    if (calf.firstCalving < m_stocked)
        return; // she calved before the herds were stocked
    // Some calves die, and heifers the herd will not need are sold before they are bred.
    if (random.chance(0.2) && day + random.uniformInt(1, 16 * 30) <= m_horizon)
        return;
    calf.conception = calf.firstCalving - gestation(random);
    calf.serviceSire = sireFor(calf.herd, calf.blood, calf.conception, random);
    m_calves.push_back(calf);
    schedule(calf.firstCalving, EventKind::FirstCalving, int(m_calves.size()) - 1);
}

DemoAnimal HerdSimulation::animalOf(const Calf& calf) {
    DemoAnimal animal;
    animal.birth = calf.birth;
    animal.sire = calf.sire;
    animal.dam = calf.dam;
    animal.blood = calf.blood;
    animal.merit = calf.merit;
    animal.bornIn = qint8(calf.herd);
    return animal;
}

void HerdSimulation::admitHeifer(int calfIndex, int day) {
    const Calf calf = m_calves[size_t(calfIndex)];
    // The herd takes a heifer while it has room (and a little more, sold at the end); the
    // rest are sold in calf.
    const int room = m_plan.cows(calf.herd) + std::max(1, m_plan.cows(calf.herd) / 100);
    if (m_inHerd[size_t(calf.herd)] >= room)
        return;
    const int cow = addCow(m_records.addAnimal(animalOf(calf)), calf.herd, day);
    ++m_inHerd[size_t(calf.herd)];
    m_state[size_t(cow)].calfSire = calf.serviceSire;
    startLactation(cow, day, true);
    decideFate(cow);
}

void HerdSimulation::keepHeifer(const Calf& calf) {
    DemoAnimal heifer = animalOf(calf);
    heifer.role = DemoAnimal::Role::Heifer;
    heifer.record = int(m_records.heifers.size());
    DemoHeifer record;
    record.animal = m_records.addAnimal(heifer);
    record.herd = calf.herd;
    DemoRandom random(m_seed, (quint64(8) << 40) | quint64(record.animal));
    record.barn = random.uniformInt(0, EnterprisePlan::barnCount(calf.herd) - 1);
    record.firstCalving = calf.firstCalving;
    record.conception = calf.conception;
    record.serviceSire = calf.serviceSire;
    m_records.heifers.push_back(record);
}

void HerdSimulation::cull(int cow, int day) {
    DemoCow& c = m_records.cows[size_t(cow)];
    c.culled = day;
    c.reason = m_state[size_t(cow)].pendingReason;
    --m_inHerd[size_t(c.herd)];
}

void HerdSimulation::balanceHerds() {
    for (int h = 0; h < EnterprisePlan::kHerdCount; ++h) {
        DemoRandom random(m_seed, (quint64(5) << 40) | quint64(h));
        std::vector<int> saleable;
        for (size_t i = 0; i < m_records.cows.size(); ++i) {
            const DemoCow& c = m_records.cows[i];
            if (c.herd == h && c.culled == 0 && m_state[i].lastCalving < m_horizon - 1)
                saleable.push_back(int(i));
        }
        while (m_inHerd[size_t(h)] > m_plan.cows(h) && !saleable.empty()) {
            const int chosen = random.uniformInt(0, int(saleable.size()) - 1);
            sellCow(saleable[size_t(chosen)], random);
            saleable.erase(saleable.begin() + chosen);
        }
        while (m_inHerd[size_t(h)] < m_plan.cows(h))
            buyCow(h, random);
    }
}

void HerdSimulation::sellCow(int cow, DemoRandom& random) {
    const CowState& state = m_state[size_t(cow)];
    DemoCow& c = m_records.cows[size_t(cow)];
    const int day = std::max(m_horizon - random.uniformInt(0, 14), state.lastCalving + 1);
    DemoLactation& lactation = m_records.lactations[size_t(state.currentLactation)];
    if (lactation.end > day) {
        lactation.end = day;
        lactation.ending = Vyradenie::PredajNaChov;
    }
    c.culled = day;
    c.reason = Vyradenie::PredajNaChov;
    --m_inHerd[size_t(c.herd)];
}

void HerdSimulation::arrangeLactations() {
    for (const DemoCow& cow : m_records.cows)
        if (cow.culled != 0 && cow.culled <= m_start)
            m_records.animals[size_t(cow.animal)].role = DemoAnimal::Role::Ancestor;
    std::erase_if(m_records.lactations, [this](const DemoLactation& lactation) {
        const DemoCow& cow = m_records.cows[size_t(lactation.cow)];
        return m_records.animals[size_t(cow.animal)].role != DemoAnimal::Role::Cow;
    });
    std::stable_sort(m_records.lactations.begin(), m_records.lactations.end(),
                     [](const DemoLactation& a, const DemoLactation& b) {
                         return a.cow != b.cow ? a.cow < b.cow : a.parity < b.parity;
                     });
    for (size_t i = 0; i < m_records.lactations.size(); ++i) {
        DemoCow& cow = m_records.cows[size_t(m_records.lactations[i].cow)];
        if (cow.lactationCount++ == 0)
            cow.firstLactation = int(i);
    }
}

void HerdSimulation::buyCow(int herd, DemoRandom& random) {
    // A first-calver bought in with her calf left at the seller's.
    const int calving = m_horizon - random.uniformInt(10, 90);
    const int index =
        addCow(m_records.addAnimal(foundationCow(herd, calving, random)), herd, calving);
    m_records.cows[size_t(index)].purchased = true;
    ++m_inHerd[size_t(herd)];
    startLactation(index, calving, false);
}

int HerdSimulation::sireFor(int herd, const BloodShares& dam, int conception,
                            DemoRandom& random) const {
    return m_bulls.sireFor(EnterprisePlan::sireBreed(herd, dam, random), conception, random);
}

void HerdSimulation::schedule(int day, EventKind kind, int subject) {
    m_events.push(Event{day, m_order++, kind, subject});
}
