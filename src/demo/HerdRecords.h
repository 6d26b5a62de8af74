#pragma once

#include "DemoAnimal.h"
#include "DemoBull.h"
#include "DemoCow.h"
#include "DemoHeifer.h"
#include "DemoLactation.h"

#include <vector>

/// Everything the demo generator knows about its animals, linked by indices.
struct HerdRecords {
    std::vector<DemoAnimal> animals;
    std::vector<DemoBull> bulls;
    std::vector<DemoCow> cows;
    std::vector<DemoHeifer> heifers;
    std::vector<DemoLactation> lactations;

    int addAnimal(const DemoAnimal& animal) {
        animals.push_back(animal);
        return int(animals.size()) - 1;
    }
};
