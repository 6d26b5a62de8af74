#pragma once

/// True additive genetic values of an animal: milk relative to its breed's mean yield, fat and
/// protein content in percentage points, somatic cell score in score units.
struct GeneticMerit {
    double milk = 0;
    double fat = 0;
    double protein = 0;
    double cells = 0;
};
