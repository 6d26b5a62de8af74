#pragma once

#include <QtGlobal>
#include <array>
#include <string_view>

/// Breeds of the demo herds, in the order of their ids in table plemena (SS is id 1).
enum class Breed : quint8 { SS, PI, BR, HR, HB };

inline constexpr int kBreedCount = 5;

inline constexpr std::string_view breedCode(Breed breed) {
    constexpr std::array<std::string_view, kBreedCount> codes{"SS", "PI", "BR", "HR", "HB"};
    return codes[size_t(breed)];
}
