#include "EnterprisePlan.h"

#include "DemoRandom.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

struct HerdFacts {
    const char* name;
    int barns;
    char housing;
    double yieldLevel;
    double shareOfCows;
};

const std::array<HerdFacts, EnterprisePlan::kHerdCount> kHerds{{
    {"Farma Dolný dvor", 4, 'V', 1.02, 0.45},
    {"Farma Lúky", 3, 'V', 1.00, 0.35},
    {"Farma Horné salaše", 2, 'U', 0.97, 0.20},
}};

struct Composition {
    Breed first;
    int eighths;
    Breed second;
    double weight;
};

using Foundation = std::array<Composition, 5>;

const std::array<Foundation, EnterprisePlan::kHerdCount> kFoundations{{
    {{{Breed::HB, 8, Breed::HB, 60},
      {Breed::HB, 7, Breed::SS, 15},
      {Breed::HB, 6, Breed::SS, 10},
      {Breed::HB, 7, Breed::HR, 10},
      {Breed::HR, 8, Breed::HR, 5}}},
    {{{Breed::SS, 8, Breed::SS, 40},
      {Breed::SS, 6, Breed::HB, 20},
      {Breed::SS, 4, Breed::HB, 15},
      {Breed::SS, 6, Breed::HR, 15},
      {Breed::SS, 7, Breed::HR, 10}}},
    {{{Breed::PI, 8, Breed::PI, 40},
      {Breed::PI, 6, Breed::SS, 20},
      {Breed::SS, 8, Breed::SS, 20},
      {Breed::PI, 4, Breed::SS, 10},
      {Breed::SS, 6, Breed::BR, 10}}},
}};

struct SireChoice {
    std::array<Breed, 4> breeds;
    std::array<double, 4> weights;
};

const SireChoice kHolsteinSires{{Breed::HB, Breed::HR, Breed::HB, Breed::HB}, {88, 12, 0, 0}};
const SireChoice kCrossingSires{{Breed::SS, Breed::HB, Breed::HR, Breed::SS}, {55, 25, 20, 0}};
const SireChoice kPinzgauSires{{Breed::PI, Breed::SS, Breed::BR, Breed::PI}, {70, 20, 10, 0}};
const SireChoice kSubmontaneSires{{Breed::SS, Breed::PI, Breed::BR, Breed::HR}, {55, 30, 10, 5}};

const SireChoice& sireChoice(int herd, Breed cow) {
    if (herd == 1)
        return kCrossingSires;
    if (herd == 2)
        return cow == Breed::PI ? kPinzgauSires : kSubmontaneSires;
    return kHolsteinSires;
}

} // namespace

EnterprisePlan::EnterprisePlan(int cows) {
    const int all = std::max(cows, 0);
    int left = all;
    for (int h = 0; h < kHerdCount - 1; ++h) {
        m_cows[size_t(h)] = std::min(left, int(std::lround(kHerds[size_t(h)].shareOfCows * all)));
        left -= m_cows[size_t(h)];
    }
    m_cows[kHerdCount - 1] = left;
}

QString EnterprisePlan::code() {
    return u"208123"_s;
}

QString EnterprisePlan::name() {
    return u"Poľnohospodárske družstvo Podhorie"_s;
}

QString EnterprisePlan::village() {
    return u"Podhorie"_s;
}

QString EnterprisePlan::herdCode(int herd) {
    return code() + u"0%1"_s.arg(herd + 1);
}

QString EnterprisePlan::herdName(int herd) {
    return QString::fromUtf8(kHerds[size_t(herd)].name);
}

int EnterprisePlan::barnCount(int herd) {
    return kHerds[size_t(herd)].barns;
}

QString EnterprisePlan::barnCode(int herd, int barn) {
    return herdCode(herd) + QString::number(barn + 1);
}

QString EnterprisePlan::barnName(int herd, int barn) {
    return herdName(herd).mid(6) + u", kravín %1"_s.arg(barn + 1);
}

char EnterprisePlan::housing(int herd) {
    return kHerds[size_t(herd)].housing;
}

double EnterprisePlan::yieldLevel(int herd) {
    return kHerds[size_t(herd)].yieldLevel;
}

BloodShares EnterprisePlan::foundationBlood(int herd, DemoRandom& random) {
    const Foundation& foundation = kFoundations[size_t(herd)];
    std::array<double, 5> weights{};
    for (size_t i = 0; i < foundation.size(); ++i)
        weights[i] = foundation[i].weight;
    const Composition& c = foundation[size_t(random.pick(weights))];
    return BloodShares::mix(c.first, c.eighths, c.second);
}

Breed EnterprisePlan::sireBreed(int herd, const BloodShares& cow, DemoRandom& random) {
    const SireChoice& choice = sireChoice(herd, cow.main());
    return choice.breeds[size_t(random.pick(choice.weights))];
}

std::array<int, kBreedCount> EnterprisePlan::siresInService() const {
    // Matings of each breed a year, from the herds' breeding plans over their foundation cows;
    // a sire serves some 25 cows a year, and a breed has at least three in service.
    std::array<double, kBreedCount> matings{};
    for (int h = 0; h < kHerdCount; ++h) {
        double total = 0;
        for (const Composition& c : kFoundations[size_t(h)])
            total += c.weight;
        for (const Composition& c : kFoundations[size_t(h)]) {
            const Breed main = BloodShares::mix(c.first, c.eighths, c.second).main();
            const SireChoice& choice = sireChoice(h, main);
            double weights = 0;
            for (double w : choice.weights)
                weights += w;
            for (size_t i = 0; i < choice.breeds.size(); ++i)
                matings[size_t(choice.breeds[i])] +=
                    cows(h) * c.weight / total * choice.weights[i] / weights;
        }
    }
    std::array<int, kBreedCount> sires{};
    for (size_t b = 0; b < kBreedCount; ++b)
        sires[b] = std::clamp(int(std::lround(matings[b] / 25)), 3, 250);
    return sires;
}
