#pragma once

#include "Breed.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <string_view>

/// Ids and codes of the rows that sql/011_codes.sql puts into the code lists; change both
/// together.
namespace DemoCodes {

inline constexpr int plemenoId(Breed breed) {
    return int(breed) + 1;
}

enum Farba { Cervenostrakata = 1, Zltostrakata, Ciernostrakata, Pinzgauska, Hneda };

enum PlemennaKniha { HlavnaKniha = 1, DoplnkovaKniha, PlemennyRegister };

enum PlemennyTyp { Mliekovy = 1, MliekovoKombinovany, Kombinovany, KombinovanyMasovy };

/// Culling reasons by their code: 00 still in the herd, 01 to 09 the reasons.
enum class Vyradenie : quint8 {
    VStade,
    Plodnost,
    Vemeno,
    Koncatiny,
    NizkaUzitkovost,
    Metabolizmus,
    Uraz,
    Uhyn,
    PredajNaChov,
    Vek
};
inline constexpr int kVyradenieCount = 10;
inline constexpr int dovodId(Vyradenie reason) {
    return int(reason) + 1;
}
/// The code the culling reason is known by; "00" for a cow still in the herd.
inline QString dovodKod(Vyradenie reason) {
    return QStringLiteral("%1").arg(int(reason), 2, 10, QLatin1Char('0'));
}

struct Linia {
    int id;
    std::string_view code;
    Breed breed;
};

inline constexpr std::array<Linia, 19> kLinie{{
    {1, "ELV", Breed::HB},  {2, "CHF", Breed::HB},  {3, "BEL", Breed::HB},  {4, "STB", Breed::HB},
    {5, "IVH", Breed::HB},  {6, "VAL", Breed::HB},  {7, "RMT", Breed::HR},  {8, "RED", Breed::HR},
    {9, "HXL", Breed::SS},  {10, "RMS", Breed::SS}, {11, "STR", Breed::SS}, {12, "RDD", Breed::SS},
    {13, "HOD", Breed::SS}, {14, "DOR", Breed::SS}, {15, "JOD", Breed::PI}, {16, "MAN", Breed::PI},
    {17, "TAU", Breed::PI}, {18, "ALP", Breed::BR}, {19, "STE", Breed::BR},
}};

} // namespace DemoCodes
