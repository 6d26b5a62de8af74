#include "AnimalCodes.h"

#include "DemoAnimal.h"
#include "DemoCodes.h"
#include "DemoRandom.h"
#include "EnterprisePlan.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

using namespace DemoCodes;

int AnimalCodes::colour(const BloodShares& blood, DemoRandom& random) {
    switch (blood.main()) {
    case Breed::HB:
        return Ciernostrakata;
    case Breed::HR:
        return Cervenostrakata;
    case Breed::PI:
        return Pinzgauska;
    case Breed::BR:
        return Hneda;
    case Breed::SS:
        break;
    }
    if (blood.eighths(Breed::HB) >= 2)
        return Ciernostrakata;
    return random.chance(0.8) ? Cervenostrakata : Zltostrakata;
}

int AnimalCodes::herdBook(const BloodShares& blood) {
    const int main = blood.eighths(blood.main());
    return main == BloodShares::kWhole ? HlavnaKniha
           : main >= 6                 ? DoplnkovaKniha
                                       : PlemennyRegister;
}

int AnimalCodes::breedingType(const BloodShares& blood) {
    switch (blood.main()) {
    case Breed::HB:
    case Breed::HR:
        return Mliekovy;
    case Breed::BR:
        return MliekovoKombinovany;
    case Breed::PI:
        return blood.eighths(Breed::PI) == BloodShares::kWhole ? KombinovanyMasovy : Kombinovany;
    case Breed::SS:
        break;
    }
    return blood.eighths(Breed::HB) + blood.eighths(Breed::HR) >= 2 ? MliekovoKombinovany
                                                                    : Kombinovany;
}

QString AnimalCodes::birthplace(const DemoAnimal& animal, DemoRandom& random) {
    if (animal.bornIn >= 0)
        return EnterprisePlan::herdCode(animal.bornIn);
    static constexpr std::array<const char*, 6> countries{"DEU", "NLD", "AUT", "CAN", "USA", "FRA"};
    if (animal.imported)
        return u"%1 %2"_s
            .arg(QLatin1String(countries[size_t(random.uniformInt(0, int(countries.size()) - 1))]))
            .arg(random.uniformInt(100000, 999999));
    // Another Slovak herd: region, district, enterprise and herd.
    return u"SVK %1%2%3"_s.arg(random.uniformInt(1, 8))
        .arg(random.uniformInt(1, 79), 2, 10, QLatin1Char('0'))
        .arg(random.uniformInt(10001, 99999));
}
