#pragma once

#include "BloodShares.h"
#include "DemoAnimal.h"
#include "DemoCodes.h"
#include "DemoRandom.h"
#include "GeneticMerit.h"

#include <queue>
#include <vector>

class AncestorFactory;
class BullPool;
class EnterprisePlan;
struct HerdRecords;

/// Lives the herds' years through, day by day in the order things happen: the herds as they
/// stood at the start, calvings every 400 days or so, heifers born to the cows that replace the
/// culled ones, and the culling itself. The first years only bring the herds into a steady state
/// (a herd stocked from nothing has no heifers coming up); cows culled in them are forgotten but
/// for the pedigrees. At the horizon every herd holds the planned number of cows; a surplus is
/// sold for breeding and a shortfall bought in as first-calvers.
class HerdSimulation {
public:
    /// Days recorded before the horizon, and days lived before them to reach a steady state.
    static constexpr int kRecordedDays = 4 * 365;
    static constexpr int kSettlingDays = 3 * 365;

    HerdSimulation(const EnterprisePlan& plan, const BullPool& bulls, AncestorFactory& ancestors,
                   HerdRecords& records, quint64 seed, int horizon);

    void run();

private:
    enum class EventKind : quint8 { Calving, FirstCalving, Culling };

    struct Event {
        int day;
        quint32 order;
        EventKind kind;
        int subject;

        bool operator>(const Event& other) const {
            return day != other.day ? day > other.day : order > other.order;
        }
    };

    /// A heifer calf on her way to her first calving.
    struct Calf {
        int dam;
        int sire;
        int birth;
        int herd;
        BloodShares blood;
        GeneticMerit merit;
        int firstCalving;
        int conception;
        int serviceSire;
    };

    struct CowState {
        DemoRandom random;
        int parity = 0;
        int lastCalving = 0;
        int currentLactation = -1;
        int calfSire = -1;
        int plannedInterval = 0;
        DemoCodes::Vyradenie pendingReason = DemoCodes::Vyradenie::VStade;
    };

    void stockHerd(int herd);
    /// A cow of the herd's foundation breeds, with a sire from the pool and dams from before.
    DemoAnimal foundationCow(int herd, int firstCalving, DemoRandom& random);
    int addCow(int animal, int herd, int entry);
    int startLactation(int cow, int day, bool withCalf);
    void decideFate(int cow);
    void bearCalf(int cow, int day);
    static DemoAnimal animalOf(const Calf& calf);
    void admitHeifer(int calf, int day);
    void keepHeifer(const Calf& calf);
    void cull(int cow, int day);
    void balanceHerds();
    /// Forgets the cows culled before the recorded years and puts each remaining cow's
    /// lactations together, in order of calving.
    void arrangeLactations();
    void sellCow(int cow, DemoRandom& random);
    void buyCow(int herd, DemoRandom& random);
    int sireFor(int herd, const BloodShares& dam, int conception, DemoRandom& random) const;
    void schedule(int day, EventKind kind, int subject);

    const EnterprisePlan& m_plan;
    const BullPool& m_bulls;
    AncestorFactory& m_ancestors;
    HerdRecords& m_records;
    quint64 m_seed;
    int m_horizon;
    int m_start;
    int m_stocked;
    std::vector<CowState> m_state;
    std::vector<Calf> m_calves;
    std::vector<int> m_inHerd;
    std::priority_queue<Event, std::vector<Event>, std::greater<>> m_events;
    quint32 m_order = 0;
};
