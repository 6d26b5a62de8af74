#include "DemoSqlWriter.h"

#include "AnimalCodes.h"
#include "AnimalNames.h"
#include "BreedProfile.h"
#include "DemoRandom.h"
#include "EarNumbers.h"
#include "EnterprisePlan.h"
#include "Genetics.h"
#include "HerdRecords.h"
#include "TestDayGenerator.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

using namespace Qt::Literals::StringLiterals;

using DemoCodes::Vyradenie;

namespace {

constexpr quint64 kWriterStream = quint64(9) << 40;

// The herd book was kept on computers for ten years before the recorded ones.
constexpr int kRegisterYears = 14;

QString group(char stage) {
    return u"0"_s + QLatin1Char(stage);
}

} // namespace

DemoSqlWriter::DemoSqlWriter(const HerdRecords& records, const TestDayGenerator& testDays,
                             quint64 seed, int horizon, SqlInsertBatch::Sink sink)
    : m_records(records)
    , m_testDays(testDays)
    , m_seed(seed)
    , m_horizon(horizon)
    , m_sink(std::move(sink))
    , m_order(records.animals.size())
    , m_ids(records.animals.size()) {
    // Ids follow the order of birth, which puts every parent before its offspring.
    std::iota(m_order.begin(), m_order.end(), 0);
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        return records.animals[size_t(a)].birth < records.animals[size_t(b)].birth;
    });
    for (size_t i = 0; i < m_order.size(); ++i)
        m_ids[size_t(m_order[i])] = int(i) + 1;
}

void DemoSqlWriter::write() {
    writeEnterprise();
    writeAnimals();
    writeBulls();
    writeCows();
    writeHeifers();
    writeBreedingValues();
    writeLactations();
    writeParameters();
}

void DemoSqlWriter::writeEnterprise() {
    SqlInsertBatch podniky("podniky", "podnik, nazov, obec", m_sink);
    podniky.row()
        .text(EnterprisePlan::code())
        .text(EnterprisePlan::name())
        .text(EnterprisePlan::village());
    podniky.finish();
    SqlInsertBatch chovy("chovy", "chov, podnik, nazov", m_sink);
    SqlInsertBatch mastale("mastale", "mastal, chov, nazov, ustajnenie", m_sink);
    for (int h = 0; h < EnterprisePlan::kHerdCount; ++h) {
        chovy.row()
            .text(EnterprisePlan::herdCode(h))
            .text(EnterprisePlan::code())
            .text(EnterprisePlan::herdName(h));
        for (int b = 0; b < EnterprisePlan::barnCount(h); ++b)
            mastale.row()
                .text(EnterprisePlan::barnCode(h, b))
                .text(EnterprisePlan::herdCode(h))
                .text(EnterprisePlan::barnName(h, b))
                .text(QString(QLatin1Char(EnterprisePlan::housing(h))));
    }
    chovy.finish();
    mastale.finish();
}

void DemoSqlWriter::writeAnimals() {
    SqlInsertBatch batch(
        "zvierata",
        "zviera_id, otec_id, matka_id, plemeno_id, farba_id, plemenna_kniha_id, "
        "plemenny_typ_id, usnecislo, meno, vlastne, datumnarodenia, datumumrtia, pohlavie, "
        "import, et, chovatel, chov_narodenia, plemeno1, krv1, plemeno2, krv2, plemeno3, krv3, "
        "plemeno4, krv4, plemeno5, krv5, vlozene, zmenene",
        m_sink);
    EarNumbers earNumbers(m_seed);
    for (const int index : m_order) {
        const DemoAnimal& animal = m_records.animals[size_t(index)];
        DemoRandom random(m_seed, kWriterStream | quint64(index));
        const BloodShares& blood = animal.blood;
        batch.row()
            .integer(m_ids[size_t(index)])
            .integer(idOf(animal.sire))
            .integer(idOf(animal.dam))
            .integer(DemoCodes::plemenoId(blood.main()))
            .integer(AnimalCodes::colour(blood, random))
            .integer(AnimalCodes::herdBook(blood))
            .integer(AnimalCodes::breedingType(blood))
            .text(earNumbers.next(animal.bornIn >= 0, random))
            .text(AnimalNames::pick(animal.sex, random))
            .integer(animal.bornIn >= 0 ? 1 : 0)
            .date(animal.birth);

        QString barn;
        int death = 0;
        if (animal.role == DemoAnimal::Role::Cow) {
            const DemoCow& cow = m_records.cows[size_t(animal.record)];
            barn = EnterprisePlan::barnCode(cow.herd, cow.barn);
            if (cow.culled != 0 && cow.reason != Vyradenie::PredajNaChov)
                death = cow.culled;
        } else if (animal.role == DemoAnimal::Role::Heifer) {
            const DemoHeifer& heifer = m_records.heifers[size_t(animal.record)];
            barn = EnterprisePlan::barnCode(heifer.herd, heifer.barn);
        }
        batch.date(death)
            .text(animal.sex == 1 ? "1" : "2")
            .integer(animal.imported ? 1 : 0)
            .integer(animal.embryoTransfer ? 1 : 0);
        batch.text(barn).text(AnimalCodes::birthplace(animal, random));
        const std::vector<Breed> breeds = blood.ranked();
        for (size_t k = 0; k < 5; ++k) {
            if (k < breeds.size())
                batch.text(breedCode(breeds[k])).number(12.5 * blood.eighths(breeds[k]), 1);
            else
                batch.null().null();
        }
        const int inserted = registered(animal, random);
        const int insertedMinute = random.uniformInt(7 * 60, 17 * 60);
        const int changed = lastChanged(animal, inserted);
        batch.dateTime(inserted, insertedMinute)
            .dateTime(changed,
                      changed == inserted ? insertedMinute : random.uniformInt(7 * 60, 17 * 60));
    }
    batch.finish();
}

std::optional<long long> DemoSqlWriter::idOf(int animal) const {
    if (animal < 0)
        return std::nullopt;
    return m_ids[size_t(animal)];
}

int DemoSqlWriter::registered(const DemoAnimal& animal, DemoRandom& random) const {
    if (animal.role == DemoAnimal::Role::Cow && m_records.cows[size_t(animal.record)].purchased)
        return m_records.cows[size_t(animal.record)].entry;
    const int registerStart = m_horizon - kRegisterYears * 365 + random.uniformInt(0, 30);
    return std::min(m_horizon, std::max(animal.birth + random.uniformInt(1, 10), registerStart));
}

int DemoSqlWriter::lastChanged(const DemoAnimal& animal, int registered) const {
    switch (animal.role) {
    case DemoAnimal::Role::Cow: {
        const DemoCow& cow = m_records.cows[size_t(animal.record)];
        return std::max({registered, cow.entry, cow.summary.poslednaKontrola, cow.culled});
    }
    case DemoAnimal::Role::Heifer: {
        const DemoHeifer& heifer = m_records.heifers[size_t(animal.record)];
        return heifer.conception <= m_horizon ? std::max(registered, heifer.conception)
                                              : registered;
    }
    case DemoAnimal::Role::Bull:
    case DemoAnimal::Role::Ancestor:
        break;
    }
    return registered;
}

std::vector<int> DemoSqlWriter::animalsOf(DemoAnimal::Role role) const {
    std::vector<int> chosen;
    for (const int index : m_order)
        if (m_records.animals[size_t(index)].role == role)
            chosen.push_back(index);
    return chosen;
}

void DemoSqlWriter::writeBulls() {
    SqlInsertBatch batch(
        "byky", "byk_id, linia_id, linia, register, hb_cislo, inseminacny, datumvyradenia", m_sink);
    for (const int index : animalsOf(DemoAnimal::Role::Bull)) {
        const DemoBull& bull = m_records.bulls[size_t(m_records.animals[size_t(index)].record)];
        const DemoCodes::Linia& line = DemoCodes::kLinie[size_t(bull.line)];
        batch.row()
            .integer(m_ids[size_t(index)])
            .integer(line.id)
            .text(line.code)
            .text(u"%1"_s.arg(bull.registerNumber, 3, 10, QLatin1Char('0')))
            .text(u"%1 %2"_s.arg(QLatin1String(breedCode(bull.breed).data(), 2))
                      .arg(bull.serialNumber, 5, 10, QLatin1Char('0')))
            .text(bull.insemination ? "I" : "-")
            .date(bull.inServiceTo < m_horizon ? bull.inServiceTo : 0);
    }
    batch.finish();
}

void DemoSqlWriter::writeCows() {
    SqlInsertBatch batch(
        "kravy",
        "krava_id, dovod_vyradenia_id, plemenna, datumzaradenia, datumvyradenia, "
        "datumposkontroly, skupina, mb, zdravotna_trieda, trieda_uzitkovosti, por_preb_laktacie, "
        "por_max_laktacie, pocet_laktacii, pocet_norm_laktacii, mlieko_max, tuk_max, "
        "bielkovina_max, laktoza_max, mlieko_priem, tuk_priem_kg, tuk_priem_perc, "
        "bielkovina_priem_kg, bielkovina_priem_perc, laktoza_priem_kg, laktoza_priem_perc",
        m_sink);
    static const std::array<QString, 5> classes{QString(), u"I"_s, u"II"_s, u"III"_s, u"IV"_s};
    for (const int index : animalsOf(DemoAnimal::Role::Cow)) {
        const DemoAnimal& animal = m_records.animals[size_t(index)];
        const DemoCow& cow = m_records.cows[size_t(animal.record)];
        const SuhrnKravy& summary = cow.summary;
        const DemoLactation& latest =
            m_records.lactations[size_t(cow.firstLactation + cow.lactationCount - 1)];
        batch.row()
            .integer(m_ids[size_t(index)])
            .integer(DemoCodes::dovodId(cow.reason))
            .integer(AnimalCodes::herdBook(animal.blood) != DemoCodes::PlemennyRegister ? 1 : 0)
            .date(cow.entry)
            .date(cow.culled)
            .date(summary.poslednaKontrola);
        // Feeding group: fresh, high yielding, late lactation, dry.
        if (cow.culled != 0)
            batch.null();
        else if (cow.dry)
            batch.text("04");
        else {
            const int days = m_horizon - latest.calving;
            batch.text(group(days < 60 ? '1' : days < 200 ? '2' : '3'));
        }
        batch.text(cow.bullDam ? "1" : "0").text(cow.healthy ? "A" : "B");
        const auto order = [](int parity) {
            return parity != 0 ? std::optional<long long>(parity) : std::nullopt;
        };
        batch.text(classes[size_t(cow.performanceClass)])
            .integer(order(summary.porPrebLaktacie))
            .integer(order(summary.porMaxLaktacie))
            .integer(summary.pocetLaktacii)
            .integer(summary.pocetNormLaktacii)
            .number(summary.maximum.mlieko, 1)
            .number(summary.maximum.tuk, 2)
            .number(summary.maximum.bielkovina, 2)
            .number(summary.maximum.laktoza, 2);
        const Vynos& average = summary.priemer;
        batch.number(average.mlieko, 1)
            .number(average.tuk, 2)
            .number(100 * average.tuk / average.mlieko, 2)
            .number(average.bielkovina, 2)
            .number(100 * average.bielkovina / average.mlieko, 2)
            .number(average.laktoza, 2)
            .number(100 * average.laktoza / average.mlieko, 2);
    }
    batch.finish();
}

void DemoSqlWriter::writeHeifers() {
    SqlInsertBatch batch("jalovice",
                         "jalovica_id, stav, datum_inseminacie, byk_inseminacie_id, hmotnost, "
                         "datum_vazenia",
                         m_sink);
    for (const int index : animalsOf(DemoAnimal::Role::Heifer)) {
        const DemoAnimal& animal = m_records.animals[size_t(index)];
        const DemoHeifer& heifer = m_records.heifers[size_t(animal.record)];
        DemoRandom random(m_seed, (quint64(11) << 40) | quint64(index));
        batch.row().integer(m_ids[size_t(index)]);
        const int age = m_horizon - animal.birth;
        if (heifer.conception <= m_horizon) {
            // Pregnancy is confirmed five weeks after the service.
            batch.text(m_horizon - heifer.conception >= 35 ? "G" : "I").date(heifer.conception);
            batch.integer(idOf(heifer.serviceSire));
        } else {
            batch.text(age >= 14 * 30 ? "P" : "O").null().null();
        }
        // Heifers are weighed once a month.
        const int weighed = std::max(animal.birth, m_horizon - random.uniformInt(0, 27));
        const BreedProfile profile = BreedProfile::blend(animal.blood);
        batch
            .number((profile.birthWeight + profile.heiferDailyGain * (weighed - animal.birth)) *
                        random.factor(0.05),
                    0)
            .date(weighed);
    }
    batch.finish();
}

void DemoSqlWriter::writeBreedingValues() {
    SqlInsertBatch batch("plemenne_hodnoty",
                         "zviera_id, datum_hodnotenia, ph_mlieko, ph_tuk_kg, ph_tuk_perc, "
                         "ph_bielkovina_kg, ph_bielkovina_perc, ph_somaticke_bunky, "
                         "index_celkovy, spolahlivost",
                         m_sink);
    // Evaluations are published at the start of a month, the last one two months ago.
    const QDate horizon = QDate::fromJulianDay(m_horizon);
    const int evaluated =
        int(QDate(horizon.year(), horizon.month(), 1).addMonths(-2).toJulianDay());
    // Breeding values are given in kilograms of a lactation of 8,000 kg.
    constexpr double base = 8000;
    for (const int index : m_order) {
        const DemoAnimal& animal = m_records.animals[size_t(index)];
        int reliability = 0;
        DemoRandom random(m_seed, (quint64(10) << 40) | quint64(index));
        if (animal.role == DemoAnimal::Role::Bull) {
            const DemoBull& bull = m_records.bulls[size_t(animal.record)];
            if (bull.inServiceFrom > evaluated)
                continue;
            reliability = std::min(99, 70 + (evaluated - bull.inServiceFrom) / 365 * 4 +
                                           random.uniformInt(0, 8));
        } else if (animal.role == DemoAnimal::Role::Cow) {
            const DemoCow& cow = m_records.cows[size_t(animal.record)];
            reliability = 30 + 5 * std::min(cow.summary.pocetLaktacii, 5) + random.uniformInt(0, 5);
        } else {
            continue;
        }
        // An evaluation regresses the true value by its reliability and errs by the rest.
        const double r = reliability / 100.0;
        const double error = std::sqrt(r * (1 - r));
        const auto estimate = [&](double value, double sd) {
            return r * value + error * random.normal(0, sd);
        };
        const double milk = base * estimate(animal.merit.milk, Genetics::kSd.milk);
        const double fatPercent = estimate(animal.merit.fat, Genetics::kSd.fat);
        const double proteinPercent = estimate(animal.merit.protein, Genetics::kSd.protein);
        const double cells = estimate(animal.merit.cells, Genetics::kSd.cells);
        const double fat = milk * 0.039 + base * fatPercent / 100;
        const double protein = milk * 0.034 + base * proteinPercent / 100;
        const double index100 = 100 + 10 * (0.6 * (fat + protein) / 50 + 0.2 * milk / 640 -
                                            0.2 * cells / Genetics::kSd.cells);
        batch.row()
            .integer(m_ids[size_t(index)])
            .date(evaluated)
            .number(milk, 0)
            .number(fat, 1)
            .number(fatPercent, 2)
            .number(protein, 1)
            .number(proteinPercent, 2)
            .number(cells, 2)
            .number(index100, 0)
            .integer(reliability);
    }
    batch.finish();
}

void DemoSqlWriter::writeLactations() {
    static constexpr const char* columns =
        "laktacia_id, krava_id, poradie, datumotelenia, chovatel, priebeh_porod, zmena, "
        "ukoncenie, ukoncenie_norm_lakt, medziobdobie, hmotnost_kravy, pocet_dni, "
        "pocet_dni_norm, mlieko_celk, mlieko_norm, tuk_celk, tuk_norm, bielkovina_celk, "
        "bielkovina_norm, laktoza_celk, laktoza_norm, index_perzistencie, index_laktacie, "
        "ustajnenie, sposob_ku, maximalna";
    SqlInsertBatch closed("laktacie", columns, m_sink);
    SqlInsertBatch running("prebiehajuce_laktacie", columns, m_sink);
    SqlInsertBatch tests("kontroly",
                         "kontrola_id, krava_id, datum, poradie_preb_laktacie, typ, denna_doba, "
                         "interval_kontroly, mlieko, tuk_perc, bielkovina_perc, laktoza_perc, "
                         "bun_elementy, mocovina, chovatel, skupina, prepocet, "
                         "mlieko_prepocitane, tuk_prepocitane",
                         m_sink);
    int closedId = 0;
    int runningId = 0;
    int testId = 0;
    std::vector<DemoTestDay> testDays;
    for (const int index : animalsOf(DemoAnimal::Role::Cow)) {
        const int cowId = m_ids[size_t(index)];
        const DemoCow& cow = m_records.cows[size_t(m_records.animals[size_t(index)].record)];
        for (int i = cow.firstLactation; i < cow.firstLactation + cow.lactationCount; ++i) {
            const DemoLactation& l = m_records.lactations[size_t(i)];
            const Laktacia& r = l.recorded;
            const QString barn = EnterprisePlan::barnCode(l.herd, l.barn);
            SqlInsertBatch& batch = r.prebiehajuca ? running : closed;
            batch.row()
                .integer(r.prebiehajuca ? ++runningId : ++closedId)
                .integer(cowId)
                .integer(l.parity)
                .date(l.calving)
                .text(barn)
                .text(QString::number(l.calvingEase));
            // A current lactation carries its end once the cow is dried off.
            batch.text(r.zmena)
                .date(r.ukoncenie)
                .date(r.koniecNormovanej)
                .integer(l.previousCalving != 0
                             ? std::optional<long long>(l.calving - l.previousCalving)
                             : std::nullopt)
                .number(l.weight, 0)
                .integer(r.dni)
                .integer(r.dniNorm)
                .number(r.celkovy.mlieko, 1)
                .number(r.normovany.mlieko, 1)
                .number(r.celkovy.tuk, 2)
                .number(r.normovany.tuk, 2)
                .number(r.celkovy.bielkovina, 2)
                .number(r.normovany.bielkovina, 2)
                .number(r.celkovy.laktoza, 2)
                .number(r.normovany.laktoza, 2)
                .number(r.perzistencia, 1)
                .number(r.index, 1)
                .text(QString(QLatin1Char(EnterprisePlan::housing(l.herd))))
                .text("A")
                .integer(r.maximalna ? 1 : 0);

            m_testDays.generate(i, testDays);
            for (const DemoTestDay& t : testDays)
                tests.row()
                    .integer(++testId)
                    .integer(cowId)
                    .date(t.date)
                    .integer(l.parity)
                    .text("A")
                    .text(QString(QLatin1Char(t.milking)))
                    .text("4")
                    .number(t.milk, 1)
                    .number(t.fat, 2)
                    .number(t.protein, 2)
                    .number(t.lactose, 2)
                    .number(t.cells, 0)
                    .number(t.urea, 1)
                    .text(barn)
                    .text(group(t.group))
                    .integer(t.converted ? 1 : 0)
                    .number(t.dayMilk, 1)
                    .number(t.dayFat, 2);
        }
    }
    closed.finish();
    running.finish();
    tests.finish();
}

void DemoSqlWriter::writeParameters() {
    // The enterprise is selected, and the control period is the last year of test days.
    const QDate horizon = QDate::fromJulianDay(m_horizon);
    m_sink(u"UPDATE param SET chovatel = '%1', kontrolne_obd_od = '%2', "
           u"kontrolne_obd_do = '%3' WHERE param_id = 1"_s.arg(
               EnterprisePlan::code().leftJustified(9, QLatin1Char('0')),
               horizon.addYears(-1).addDays(1).toString(Qt::ISODate),
               horizon.toString(Qt::ISODate)));
}
