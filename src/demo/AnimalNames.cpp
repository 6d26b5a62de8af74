#include "AnimalNames.h"

#include "DemoRandom.h"

#include <array>

namespace {

constexpr std::array kCowNames{
    "Agáta",     "Alica",  "Aneta",  "Astra",    "Bára",     "Belka",       "Berta",    "Betka",
    "Blanka",    "Bodka",  "Brezka", "Bystrá",   "Cifra",    "Cila",        "Čajka",    "Čerešňa",
    "Dana",      "Darina", "Dorka",  "Dunaja",   "Ďatelina", "Ela",         "Elza",     "Ema",
    "Eva",       "Fialka", "Flóra",  "Gréta",    "Hanka",    "Hela",        "Hrdlička", "Hviezda",
    "Iveta",     "Ivica",  "Jaga",   "Jahoda",   "Jarka",    "Julka",       "Kačka",    "Kalina",
    "Kamila",    "Kveta",  "Kvetka", "Lada",     "Lenka",    "Lienka",      "Líza",     "Lucia",
    "Luna",      "Ľalia",  "Ľubka",  "Malina",   "Marta",    "Mína",        "Mirka",    "Mliečka",
    "Mona",      "Nela",   "Nitra",  "Nora",     "Olga",     "Paula",       "Perla",    "Pestrá",
    "Púpava",    "Rita",   "Róza",   "Rózka",    "Ruža",     "Sára",        "Selma",    "Slávka",
    "Snežienka", "Srna",   "Stela",  "Straka",   "Šarlota",  "Šípka",       "Tamara",   "Tina",
    "Tulipa",    "Uršuľa", "Vanda",  "Veronika", "Vesna",    "Viola",       "Višňa",    "Zdena",
    "Zlatka",    "Zora",   "Zuzka",  "Žofia",    "Žltuška",  "Sedmokráska", "Jasmína",  "Kapka",
};

constexpr std::array kBullNames{
    "Adonis", "Arnold",   "Atlas",   "Barón",  "Bizón",   "Bojar",  "Borovec", "Brutus",
    "Cézar",  "Diplomat", "Dukát",   "Dunaj",  "Erb",     "Fénix",  "Gazda",   "Gejzír",
    "Herold", "Hron",     "Hurikán", "Ikar",   "Jánošík", "Junák",  "Kapitán", "Kaštan",
    "Kriváň", "Lord",     "Maestro", "Magnát", "Major",   "Mars",   "Monarch", "Nabob",
    "Neptún", "Olymp",    "Orkán",   "Pilot",  "Radar",   "Rubín",  "Samson",  "Sokol",
    "Tatran", "Titan",    "Tornádo", "Turbo",  "Uran",    "Vulkán", "Zefír",   "Zenit",
};

} // namespace

QString AnimalNames::pick(int sex, DemoRandom& random) {
    if (sex == 1)
        return QString::fromUtf8(
            kBullNames[size_t(random.uniformInt(0, int(kBullNames.size()) - 1))]);
    return QString::fromUtf8(kCowNames[size_t(random.uniformInt(0, int(kCowNames.size()) - 1))]);
}
