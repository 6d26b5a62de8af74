#pragma once

#include "PoleVymeny.h"
#include "laktacie/Vynos.h"

#include <QDateTime>
#include <QString>
#include <cmath>
#include <optional>
#include <vector>

// What the resources of an exchange file say in the program's terms: codes as the database
// keeps them, dates as Julian days (0 for none), numbers in the program's units (NAN for none),
// each with the place of its resource.

struct ZaznamLokality {
    MiestoClena miesto;
    QString kod; ///< 6, 8 or 9 digits: enterprise, herd, barn
    QString nazov;
    QString obec;
    QString ustajnenie;
};

struct PodielKrvi {
    QString plemeno;
    double percent = 0;
};

struct ZaznamZvierata {
    MiestoClena miesto;
    QString usneCislo;
    QString pohlavie; ///< "1" male, "2" female
    int narodenie = 0;
    QString meno;
    QString plemeno;
    QString farba;
    QString plemennaKniha;
    QString plemennyTyp;
    QString chovNarodenia;
    std::optional<bool> dovezene;
    std::optional<bool> et;
    QString chovatel;
    QString otec;
    QString matka;
    QDateTime vlozene;
    QDateTime zmenene;
    std::vector<PodielKrvi> krv;

    bool krava = false;
    std::optional<bool> plemenna;
    int zaradenie = 0;
    QString skupina;
    QString mb;
    QString zdravotnaTrieda;
    QString triedaUzitkovosti;

    bool byk = false;
    QString linia;
    QString registerByka;
    QString hbCislo;
    QString inseminacny;
    int vyradenieByka = 0;

    bool jalovica = false;
    QString stav;
    int inseminacia = 0;
    QString bykInseminacie;
    double hmotnost = NAN;
    int vazenie = 0;
};

struct ZaznamNarodenia {
    MiestoClena miesto;
    QString usneCislo;
    int datum = 0;
    QString chov;
};

struct ZaznamPrichodu {
    MiestoClena miesto;
    QString usneCislo;
    int datum = 0;
    QString lokalita;
    bool dovezene = false;
};

/// A culling: a departure, or a death.
struct ZaznamOdchodu {
    MiestoClena miesto;
    QString usneCislo;
    int datum = 0;
    QString lokalita;
    QString dovod;       ///< the culling reason's code
    bool umrtie = false; ///< the animal is dead (not sold on)
    bool uhyn = false;   ///< from the collection of deaths
};

struct ZaznamOtelenia {
    MiestoClena miesto;
    QString usneCislo;
    int datum = 0;
    int poradie = 0; ///< 0 when the file does not say
    QString lokalita;
    QString priebeh;
    double hmotnostKravy = NAN;
    std::vector<QString> potomstvo;
};

struct ZaznamZasusenia {
    MiestoClena miesto;
    QString usneCislo;
    int datum = 0;
};

struct ZaznamKontroly {
    MiestoClena miesto;
    QString usneCislo;
    int datum = 0;
    QString lokalita;
    QString typ;
    QString dennaDoba;
    QString interval;
    QString skupina;
    double mlieko = NAN;
    double tukPerc = NAN;
    double bielkovinaPerc = NAN;
    double laktozaPerc = NAN;
    double bunky = NAN;
    double mocovina = NAN;
    bool prepocet = false;
    double mliekoPrepocitane = NAN;
    double tukPrepocitany = NAN;
};

/// A lactation's totals: over the whole lactation or over its standardised part.
struct ZaznamLaktacie {
    MiestoClena miesto;
    QString usneCislo;
    int otelenie = 0;
    int poradie = 0;
    bool normovana = false;
    int dni = -1; ///< -1 when not stated
    Vynos vynos;
    int ukoncenie = 0;
    double perzistencia = NAN;
    double index = NAN;
    QString sposob;
};

struct ZaznamHodnot {
    MiestoClena miesto;
    QString usneCislo;
    int datum = 0;
    double mlieko = NAN;
    double tukKg = NAN;
    double tukPerc = NAN;
    double bielkovinaKg = NAN;
    double bielkovinaPerc = NAN;
    double bunky = NAN;
    double index = NAN;
    int spolahlivost = -1;
};

/// Takes the records of an exchange file as it is read: into the database's working tables for
/// an import, into counts for a look at the file.
class PrijemcaZaznamov {
public:
    virtual ~PrijemcaZaznamov() = default;
    virtual void lokalita(const ZaznamLokality& z) = 0;
    virtual void zviera(const ZaznamZvierata& z) = 0;
    virtual void narodenie(const ZaznamNarodenia& z) = 0;
    virtual void prichod(const ZaznamPrichodu& z) = 0;
    virtual void odchod(const ZaznamOdchodu& z) = 0;
    virtual void otelenie(const ZaznamOtelenia& z) = 0;
    virtual void zasusenie(const ZaznamZasusenia& z) = 0;
    virtual void kontrola(const ZaznamKontroly& z) = 0;
    virtual void laktacia(const ZaznamLaktacie& z) = 0;
    virtual void hodnoty(const ZaznamHodnot& z) = 0;
};
