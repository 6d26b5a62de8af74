#include "BloodShares.h"

#include "DemoRandom.h"

#include <algorithm>

BloodShares BloodShares::pure(Breed breed) {
    return mix(breed, kWhole, breed);
}

BloodShares BloodShares::mix(Breed first, int eighths, Breed second) {
    BloodShares shares;
    shares.m_eighths[size_t(first)] += eighths;
    shares.m_eighths[size_t(second)] += kWhole - eighths;
    return shares;
}

BloodShares BloodShares::cross(const BloodShares& sire, const BloodShares& dam,
                               DemoRandom& random) {
    BloodShares calf;
    std::vector<size_t> odd;
    int sum = 0;
    for (size_t b = 0; b < kBreedCount; ++b) {
        const int sixteenths = sire.m_eighths[b] + dam.m_eighths[b];
        calf.m_eighths[b] = sixteenths / 2;
        sum += sixteenths / 2;
        if (sixteenths % 2)
            odd.push_back(b);
    }
    // The odd halves pair up; a random half of them rounds up.
    for (int missing = kWhole - sum; missing > 0; --missing) {
        const int chosen = random.uniformInt(0, int(odd.size()) - 1);
        ++calf.m_eighths[odd[size_t(chosen)]];
        odd.erase(odd.begin() + chosen);
    }
    return calf;
}

BloodShares BloodShares::otherParent(const BloodShares& child, const BloodShares& parent) {
    BloodShares other;
    int sum = 0;
    for (size_t b = 0; b < kBreedCount; ++b) {
        other.m_eighths[b] = std::max(0, 2 * child.m_eighths[b] - parent.m_eighths[b]);
        sum += other.m_eighths[b];
    }
    for (; sum > kWhole; --sum)
        --other.m_eighths[size_t(other.main())];
    other.m_eighths[size_t(child.main())] += kWhole - sum;
    return other;
}

Breed BloodShares::main() const {
    return Breed(std::max_element(m_eighths.begin(), m_eighths.end()) - m_eighths.begin());
}

std::vector<Breed> BloodShares::ranked() const {
    std::vector<Breed> breeds;
    for (size_t b = 0; b < kBreedCount; ++b)
        if (m_eighths[b] > 0)
            breeds.push_back(Breed(b));
    std::stable_sort(breeds.begin(), breeds.end(),
                     [this](Breed x, Breed y) { return eighths(x) > eighths(y); });
    return breeds;
}
