#pragma once

#include <QString>
#include <initializer_list>

/// The names an exchange file uses for the program's codes, one table for reading and writing:
/// collections and their resource types, the schemes of identifiers, and the ADE values that
/// stand for the program's codes.
namespace KodyVymeny {

/// Collections of an exchange file.
enum class Zbierka {
    Lokality,
    Zvierata,
    Narodenia,
    Prichody,
    Odchody,
    Uhyny,
    Otelenia,
    Zasusenia,
    Kontroly,
    Laktacie,
    PlemenneHodnoty
};

struct PopisZbierky {
    Zbierka zbierka;
    const char* nazov;     ///< the collection's member name in the file
    const char* typZdroja; ///< the resourceType of its members
    const char* slovom;    ///< what it holds, for the user
};

inline constexpr PopisZbierky kZbierky[] = {
    {Zbierka::Lokality, "locations", "icarLocationResource", "podniky, chovy a maštale"},
    {Zbierka::Zvierata, "animals", "icarAnimalCoreResource", "zvieratá"},
    {Zbierka::Narodenia, "births", "icarMovementBirthEventResource", "narodenia"},
    {Zbierka::Prichody, "arrivals", "icarMovementArrivalEventResource", "príchody"},
    {Zbierka::Odchody, "departures", "icarMovementDepartureEventResource", "vyradenia"},
    {Zbierka::Uhyny, "deaths", "icarMovementDeathEventResource", "úhyny"},
    {Zbierka::Otelenia, "parturitions", "icarReproParturitionEventResource", "otelenia"},
    {Zbierka::Zasusenia, "lactationStatusObservations", "icarLactationStatusObservedEventResource",
     "zasušenia"},
    {Zbierka::Kontroly, "testDayResults", "icarTestDayResultEventResource", "kontroly"},
    {Zbierka::Laktacie, "lactations", "icarLactationResource", "laktácie"},
    {Zbierka::PlemenneHodnoty, "breedingValues", "icarBreedingValueResource", "plemenné hodnoty"},
};

const PopisZbierky& popis(Zbierka zbierka);
/// The collection of that name in the file; nullptr for a name the program does not read.
const PopisZbierky* zbierka(const QString& nazov);
/// Whether a resourceType names the resource, written in full ("icarAnimalCoreResource"), as
/// the catalogue's short name ("Animal", "icar:Animal") or as its URI.
bool jeTypom(const QString& resourceType, const char* typZdroja);

// Schemes of identifiers.
inline constexpr char kUsneCislo[] = "eu.bovine";
inline constexpr char kChovatel[] = "sk.chovatel";
inline constexpr char kPlemeno[] = "sk.plemeno";
inline constexpr char kFarba[] = "sk.farba";
inline constexpr char kPlemennaHodnota[] = "sk.ph";
/// The member of a resource that carries what ADE has no field for.
inline constexpr char kRozsirenie[] = "tarvelin";
inline constexpr char kZdroj[] = "sk.tarvelin";

// Codes the program keeps and ADE names.
inline constexpr char kKodVStade[] = "00";
inline constexpr char kKodUhyn[] = "07";
inline constexpr char kKodPredajNaChov[] = "08";

inline constexpr std::initializer_list<const char*> kPohlavia = {
    "Female", "FemaleNeuter", "Male", "MaleCryptorchid", "MaleNeuter", "Unknown"};
/// pohlavie: "2" female, "1" male, empty when unknown.
QString pohlavie(int indexPohlavia);

/// Calving ease: priebeh_porod 1 to 4 against ICAR's five grades.
inline constexpr std::initializer_list<const char*> kPriebehyPorodu = {
    "EasyUnassisted", "EasyAssisted", "DifficultExtraAssistance", "DifficultVeterinaryCare",
    "CaesareanOrSurgery"};
QString priebehPorodu(int indexIcar);
/// The ICAR grade of priebeh_porod; nullptr for a code it has none for.
const char* priebehPoroduIcar(const QString& kod);

inline constexpr std::initializer_list<const char*> kDruhyOdchodu = {"InternalTransfer",
                                                                     "Export",
                                                                     "Slaughter",
                                                                     "Newborn",
                                                                     "StudService",
                                                                     "StudServiceReturn",
                                                                     "Agistment",
                                                                     "AgistmentReturn",
                                                                     "Show",
                                                                     "ShowReturn",
                                                                     "Sale",
                                                                     "SaleReturn",
                                                                     "Other"};
inline constexpr int kDruhOdchoduPredaj = 10;
inline constexpr std::initializer_list<const char*> kDovodyOdchodu = {
    "Age",       "Superfluous", "Slaughter",      "Sale",     "Newborn",
    "LegOrClaw", "Nutrition",   "Parturition",    "Mastitis", "Fertility",
    "Health",    "Production",  "MilkingAbility", "BadType",  "Behaviour",
    "Other",     "Unknown"};
/// The culling reason's code for ICAR's departure reason.
QString dovodVyradenia(int indexDovodu);
/// ICAR's departure reason and kind for a culling reason's code.
const char* dovodOdchodu(const QString& kod);
const char* druhOdchodu(const QString& kod);

inline constexpr std::initializer_list<const char*> kDovodyPrichodu = {"Purchase",
                                                                       "InternalTransfer",
                                                                       "Imported",
                                                                       "StudService",
                                                                       "StudServiceReturn",
                                                                       "Slaughter",
                                                                       "Agistment",
                                                                       "AgistmentReturn",
                                                                       "Show",
                                                                       "ShowReturn",
                                                                       "Sale",
                                                                       "SaleReturn",
                                                                       "Other"};
inline constexpr int kPrichodDovoz = 2;

inline constexpr std::initializer_list<const char*> kStavyLaktacie = {"Dry", "Lead", "Fresh",
                                                                      "Early", "Lactating"};
inline constexpr std::initializer_list<const char*> kDruhyLaktacie = {
    "Normal", "100Days", "200Days", "305Days", "365Days"};
inline constexpr int kLaktaciaCela = 0;
inline constexpr int kLaktaciaNormovana = 3;

/// typ of a test day (recording method): A, B, C.
inline constexpr std::initializer_list<const char*> kProtokoly = {"A-OfficialMRORepresentative",
                                                                  "B-HerdOwnerOrNominee", "C-Both"};
QString typKontroly(int indexProtokolu);
const char* protokol(const QString& typ);
inline constexpr std::initializer_list<const char*> kSchemyKontroly = {
    "AllMilkingsAtTestday", "AllMilkingsInPeriod", "OneMilkingAtTestday"};
inline constexpr int kJednoDojenie = 2;
/// denna_doba: R morning, V evening.
inline constexpr std::initializer_list<const char*> kCasyVzorky = {"Composite", "Morning",
                                                                   "Evening"};
QString dennaDoba(int indexCasu);
const char* casVzorky(const QString& dennaDoba);
inline constexpr std::initializer_list<const char*> kKodyKontroly = {"Dry", "SamplingImpossible",
                                                                     "Sick"};
inline constexpr std::initializer_list<const char*> kJednotkyVynosu = {"KGM", "LBR"};
inline constexpr double kKgZaLibru = 0.45359237;

/// Breeding values by their trait ids under the scheme kPlemennaHodnota.
inline constexpr std::initializer_list<const char*> kZnakyHodnot = {
    "mlieko",         "tukKg",          "tukPerc",     "bielkovinaKg",
    "bielkovinaPerc", "somatickeBunky", "indexCelkovy"};

/// Urea: mg per 100 ml here, mg per litre in ADE.
inline constexpr double kMocovinaNaLiter = 10;

} // namespace KodyVymeny
