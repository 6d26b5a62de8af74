#pragma once

#include "BloodShares.h"

#include <QString>

class DemoRandom;

/// The demo enterprise: one cooperative with a Holstein herd, a Slovak Pied herd crossed with
/// Holstein and Red Holstein, and a submontane herd with Pinzgau, each with its barns, its
/// breeding plan and the cows it keeps.
class EnterprisePlan {
public:
    static constexpr int kHerdCount = 3;

    explicit EnterprisePlan(int cows);

    /// Region, district and enterprise: the first six characters of every barn code.
    static QString code();
    static QString name();
    static QString village();
    static QString herdCode(int herd);
    static QString herdName(int herd);
    static int barnCount(int herd);
    static QString barnCode(int herd, int barn);
    static QString barnName(int herd, int barn);
    /// V loose housing, U tied.
    static char housing(int herd);
    /// Management level of the herd as a factor on milk.
    static double yieldLevel(int herd);

    /// Cows the herd keeps.
    int cows(int herd) const { return m_cows[size_t(herd)]; }

    /// The breed composition of a cow that stood in the herd before the recorded years.
    static BloodShares foundationBlood(int herd, DemoRandom& random);
    /// The breed of the sire a cow of the herd is bred to.
    static Breed sireBreed(int herd, const BloodShares& cow, DemoRandom& random);
    /// How many sires of each breed the enterprise has in service at a time.
    std::array<int, kBreedCount> siresInService() const;

private:
    std::array<int, kHerdCount> m_cows{};
};
