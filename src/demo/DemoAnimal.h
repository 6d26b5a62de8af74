#pragma once

#include "BloodShares.h"
#include "GeneticMerit.h"

/// One animal of the demo database, whatever its role. Parents are indices into the same list;
/// `record` is the index into the list of the animal's role (bulls, cows or heifers).
struct DemoAnimal {
    enum class Role : quint8 { Ancestor, Bull, Cow, Heifer };

    int birth = 0; ///< Julian day
    int sire = -1;
    int dam = -1;
    int record = -1;
    BloodShares blood;
    GeneticMerit merit;
    Role role = Role::Ancestor;
    quint8 sex = 2;    ///< 1 male, 2 female
    qint8 bornIn = -1; ///< herd of the enterprise it was born in, -1 outside
    bool imported = false;
    bool embryoTransfer = false;
};
