#include "KontrolaPrijatych.h"

#include "ChybaVymeny.h"
#include "PoleVymeny.h"
#include "PrijateUdaje.h"

#include "data/Connection.h"

#include <QDate>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A statement that finds the first fault of one kind: it selects the resource's index, its
/// line, its collection and up to two values the message names (%1, %2).
struct Kontrola {
    const char* pole;
    const char* sprava;
    QString sql;
};

/// Tables that repeat what the temporary tables of the file hold, for statements that would
/// otherwise read one temporary table twice, which MySQL does not allow.
const std::pair<const char*, const char*> kPomocneTabulky[] = {
    {"vymena_cisla", "usnecislo VARCHAR(14) NOT NULL, pohlavie CHAR(1) NOT NULL, datumnarodenia "
                     "DATE NULL, byk SMALLINT NOT NULL, PRIMARY KEY (usnecislo)"},
    {"vymena_kody", "kod VARCHAR(9) NOT NULL, PRIMARY KEY (kod)"},
    {"vymena_teliace", "usnecislo VARCHAR(14) NOT NULL, PRIMARY KEY (usnecislo)"},
    // Every calving the file names with its order, and those of the database of the same cows.
    {"vymena_poradia", "usnecislo VARCHAR(14) NOT NULL, datum DATE NOT NULL, poradie SMALLINT NOT "
                       "NULL, zo_suboru SMALLINT NOT NULL, i INT NOT NULL, riadok INT NOT NULL, "
                       "zbierka VARCHAR(30) NOT NULL, KEY (usnecislo, datum)"},
};

const char* const kPomocne[] = {
    "INSERT IGNORE INTO vymena_cisla SELECT usnecislo, pohlavie, datumnarodenia, byk FROM "
    "vymena_zvierata ORDER BY i",
    "INSERT IGNORE INTO vymena_kody SELECT kod FROM vymena_lokality",
    "INSERT IGNORE INTO vymena_teliace SELECT DISTINCT usnecislo FROM vymena_otelenia",
    "INSERT IGNORE INTO vymena_teliace SELECT DISTINCT usnecislo FROM vymena_laktacie",
    "INSERT INTO vymena_poradia SELECT usnecislo, datum, poradie, 1, i, riadok, 'parturitions' "
    "FROM vymena_otelenia WHERE poradie IS NOT NULL",
    "INSERT INTO vymena_poradia SELECT usnecislo, datumotelenia, poradie, 1, i, riadok, "
    "'lactations' FROM vymena_laktacie WHERE poradie IS NOT NULL",
    "INSERT INTO vymena_poradia SELECT z.usnecislo, l.datumotelenia, l.poradie, 0, 0, 0, '' FROM "
    "vymena_teliace t JOIN zvierata z ON z.usnecislo = t.usnecislo JOIN (SELECT krava_id, "
    "datumotelenia, poradie FROM laktacie UNION ALL SELECT krava_id, datumotelenia, poradie FROM "
    "prebiehajuce_laktacie) l ON l.krava_id = z.zviera_id",
};

/// Duplicates: the table, its collection (an expression), its key and how the key is named.
struct Duplicita {
    const char* tabulka;
    const char* zbierka;
    const char* kluc;
    const char* pole;
    const char* co;
};

const Duplicita kDuplicity[] = {
    {"vymena_lokality", "'locations'", "kod", "identifier.id", "lokalita %1"},
    {"vymena_zvierata", "'animals'", "usnecislo", "identifier.id", "zviera %1"},
    {"vymena_narodenia", "'births'", "usnecislo", "animal.id", "narodenie zvieraťa %1"},
    {"vymena_prichody", "'arrivals'", "usnecislo, datum", "eventDateTime",
     "príchod zvieraťa %1 dňa %2"},
    {"vymena_odchody", "IF(uhyn = 1, 'deaths', 'departures')", "usnecislo", "animal.id",
     "vyradenie zvieraťa %1"},
    {"vymena_otelenia", "'parturitions'", "usnecislo, datum", "eventDateTime",
     "otelenie kravy %1 dňa %2"},
    {"vymena_zasusenia", "'lactationStatusObservations'", "usnecislo, datum", "eventDateTime",
     "zasušenie kravy %1 dňa %2"},
    {"vymena_kontroly", "'testDayResults'", "usnecislo, datum", "eventDateTime",
     "kontrola kravy %1 dňa %2"},
    {"vymena_laktacie", "'lactations'", "usnecislo, datumotelenia, normovana", "beginDate",
     "laktácia kravy %1 s otelením %2 (toho istého druhu)"},
    {"vymena_hodnoty", "'breedingValues'", "usnecislo", "animal.id",
     "plemenné hodnoty zvieraťa %1"},
};

/// References to animals: the table, its collection, the column and the field.
struct Odkaz {
    const char* tabulka;
    const char* zbierka;
    const char* stlpec;
    const char* pole;
};

const Odkaz kOdkazyZvierat[] = {
    {"vymena_zvierata", "'animals'", "otec", "parentage"},
    {"vymena_zvierata", "'animals'", "matka", "parentage"},
    {"vymena_zvierata", "'animals'", "byk_inseminacie", "tarvelin.jalovica.bykInseminacie"},
    {"vymena_narodenia", "'births'", "usnecislo", "animal.id"},
    {"vymena_potomstvo", "'parturitions'", "usnecislo", "progenyDetails"},
    {"vymena_hodnoty", "'breedingValues'", "usnecislo", "animal.id"},
};

const Odkaz kOdkazyLokalit[] = {
    {"vymena_zvierata", "'animals'", "chovatel", "location.id"},
    {"vymena_narodenia", "'births'", "chov", "location.id"},
    {"vymena_prichody", "'arrivals'", "lokalita", "location.id"},
    {"vymena_odchody", "IF(t.uhyn = 1, 'deaths', 'departures')", "lokalita", "location.id"},
    {"vymena_otelenia", "'parturitions'", "lokalita", "location.id"},
    {"vymena_kontroly", "'testDayResults'", "lokalita", "location.id"},
};

/// Events of an animal: it must be in the file or the database, and the event cannot come before
/// its birth; calvings, dry-offs, test days and lactations are a cow's.
struct Udalost {
    const char* tabulka;
    const char* zbierka;
    const char* datum;
    const char* pole;
    bool kravy;
};

const Udalost kUdalosti[] = {
    {"vymena_prichody", "'arrivals'", "datum", "eventDateTime", false},
    {"vymena_odchody", "IF(t.uhyn = 1, 'deaths', 'departures')", "datum", "eventDateTime", false},
    {"vymena_otelenia", "'parturitions'", "datum", "eventDateTime", true},
    {"vymena_zasusenia", "'lactationStatusObservations'", "datum", "eventDateTime", true},
    {"vymena_kontroly", "'testDayResults'", "datum", "eventDateTime", true},
    {"vymena_laktacie", "'lactations'", "datumotelenia", "beginDate", true},
};

/// Codes of the program's code lists.
struct Kod {
    const char* stlpec;
    const char* ciselnik;
    const char* stlpecCiselnika;
    const char* pole;
    const char* co;
};

const Kod kKody[] = {
    {"plemeno", "plemena", "kod", "primaryBreed.id", "plemeno"},
    {"plemeno1", "plemena", "kod", "breedFractions", "plemeno"},
    {"plemeno2", "plemena", "kod", "breedFractions", "plemeno"},
    {"plemeno3", "plemena", "kod", "breedFractions", "plemeno"},
    {"plemeno4", "plemena", "kod", "breedFractions", "plemeno"},
    {"plemeno5", "plemena", "kod", "breedFractions", "plemeno"},
    {"farba", "farby", "kod", "coatColorIdentifier.id", "farba"},
    {"kniha", "plemenne_knihy", "kod", "tarvelin.plemennaKniha", "plemenná kniha"},
    {"typ", "plemenne_typy", "kod", "tarvelin.plemennyTyp", "plemenný typ"},
    {"linia", "linie", "linia", "tarvelin.byk.linia", "línia"},
};

QString nazov(const char* text) {
    return QString::fromLatin1(text);
}

QString textHodnoty(const QVariant& hodnota) {
    if (hodnota.typeId() == QMetaType::QDate)
        return hodnota.toDate().toString(Qt::ISODate);
    return hodnota.toString();
}

std::vector<Kontrola> kontroly() {
    std::vector<Kontrola> zoznam;
    for (const Odkaz& o : kOdkazyZvierat)
        zoznam.push_back(
            {o.pole, "zviera %1 nie je v súbore ani v databáze",
             u"SELECT t.i, t.riadok, %1, t.%2, NULL FROM %3 t LEFT JOIN vymena_cisla s ON "
             u"s.usnecislo = t.%2 LEFT JOIN zvierata z ON z.usnecislo = t.%2 WHERE t.%2 IS NOT "
             u"NULL AND s.usnecislo IS NULL AND z.zviera_id IS NULL ORDER BY t.i LIMIT 1"_s.arg(
                 nazov(o.zbierka), nazov(o.stlpec), nazov(o.tabulka))});
    for (const Odkaz& o : kOdkazyLokalit)
        zoznam.push_back(
            {o.pole, "lokalita %1 nie je v súbore ani v databáze",
             u"SELECT t.i, t.riadok, %1, t.%2, NULL FROM %3 t LEFT JOIN vymena_kody k ON k.kod "
             u"= t.%2 LEFT JOIN mastale m ON m.mastal = t.%2 LEFT JOIN chovy c ON c.chov = t.%2 "
             u"LEFT JOIN podniky p ON p.podnik = t.%2 WHERE t.%2 IS NOT NULL AND k.kod IS NULL "
             u"AND m.mastal IS NULL AND c.chov IS NULL AND p.podnik IS NULL ORDER BY t.i LIMIT 1"_s
                 .arg(nazov(o.zbierka), nazov(o.stlpec), nazov(o.tabulka))});
    zoznam.push_back(
        {"identifier.id", "%1 patrí pod %2, ktorý nie je v súbore ani v databáze",
         u"SELECT t.i, t.riadok, 'locations', t.kod, IF(LENGTH(t.kod) = 9, LEFT(t.kod, 8), "
         u"LEFT(t.kod, 6)) FROM vymena_lokality t LEFT JOIN chovy c ON c.chov = LEFT(t.kod, 8) "
         u"LEFT JOIN podniky p ON p.podnik = LEFT(t.kod, 6) WHERE (LENGTH(t.kod) = 9 AND "
         u"c.chov IS NULL AND LEFT(t.kod, 8) NOT IN (SELECT kod FROM vymena_kody)) OR "
         u"(LENGTH(t.kod) = 8 AND p.podnik IS NULL AND LEFT(t.kod, 6) NOT IN (SELECT kod FROM "
         u"vymena_kody)) ORDER BY t.i LIMIT 1"_s});
    for (const Kod& k : kKody)
        zoznam.push_back(
            {k.pole, "%2 „%1“ program nepozná",
             u"SELECT t.i, t.riadok, 'animals', t.%1, '%4' FROM vymena_zvierata t LEFT JOIN %2 c "
             u"ON c.%3 = t.%1 WHERE t.%1 IS NOT NULL AND c.%3 IS NULL ORDER BY t.i LIMIT 1"_s.arg(
                 nazov(k.stlpec), nazov(k.ciselnik), nazov(k.stlpecCiselnika),
                 QString::fromUtf8(k.co))});
    zoznam.push_back({"tarvelin.dovodVyradenia", "dôvod vyradenia „%1“ program nepozná",
                      u"SELECT t.i, t.riadok, IF(t.uhyn = 1, 'deaths', 'departures'), t.dovod, "
                      u"NULL FROM vymena_odchody t LEFT JOIN dovody_vyradenia d ON d.kod = "
                      u"t.dovod WHERE d.kod IS NULL ORDER BY t.i LIMIT 1"_s});
    zoznam.push_back({"gender", "zviera %1 je v databáze opačného pohlavia",
                      u"SELECT t.i, t.riadok, 'animals', t.usnecislo, NULL FROM vymena_zvierata t "
                      u"JOIN zvierata z ON z.usnecislo = t.usnecislo WHERE z.pohlavie <> "
                      u"t.pohlavie ORDER BY t.i LIMIT 1"_s});
    zoznam.push_back(
        {"parentage", "otec %1 nie je samec",
         u"SELECT t.i, t.riadok, 'animals', t.otec, NULL FROM vymena_zvierata t LEFT JOIN "
         u"vymena_cisla s ON s.usnecislo = t.otec LEFT JOIN zvierata z ON z.usnecislo = t.otec "
         u"WHERE COALESCE(s.pohlavie, z.pohlavie) <> '1' ORDER BY t.i LIMIT 1"_s});
    zoznam.push_back(
        {"parentage", "matka %1 nie je samica",
         u"SELECT t.i, t.riadok, 'animals', t.matka, NULL FROM vymena_zvierata t LEFT JOIN "
         u"vymena_cisla s ON s.usnecislo = t.matka LEFT JOIN zvierata z ON z.usnecislo = t.matka "
         u"WHERE COALESCE(s.pohlavie, z.pohlavie) <> '2' ORDER BY t.i LIMIT 1"_s});
    zoznam.push_back(
        {"tarvelin.jalovica.bykInseminacie", "zviera %1 nie je býk",
         u"SELECT t.i, t.riadok, 'animals', t.byk_inseminacie, NULL FROM vymena_zvierata t LEFT "
         u"JOIN vymena_cisla s ON s.usnecislo = t.byk_inseminacie LEFT JOIN zvierata z ON "
         u"z.usnecislo = t.byk_inseminacie LEFT JOIN byky b ON b.byk_id = z.zviera_id WHERE "
         u"t.byk_inseminacie IS NOT NULL AND COALESCE(s.byk, 0) = 0 AND b.byk_id IS NULL ORDER BY "
         u"t.i LIMIT 1"_s});
    zoznam.push_back(
        {"tarvelin.jalovica", "zviera %1 má otelenie alebo je v databáze kravou, nie jalovicou",
         u"SELECT t.i, t.riadok, 'animals', t.usnecislo, NULL FROM vymena_zvierata t LEFT JOIN "
         u"vymena_teliace o ON o.usnecislo = t.usnecislo LEFT JOIN zvierata z ON z.usnecislo = "
         u"t.usnecislo LEFT JOIN kravy k ON k.krava_id = z.zviera_id WHERE t.jalovica = 1 AND "
         u"(o.usnecislo IS NOT NULL OR k.krava_id IS NOT NULL) ORDER BY t.i LIMIT 1"_s});
    zoznam.push_back(
        {"damParity", "poradie otelenia %1 sa nezhoduje s poradím %2 toho istého otelenia",
         u"SELECT MAX(i), MAX(riadok), MAX(zbierka), MIN(poradie), MAX(poradie) FROM "
         u"vymena_poradia WHERE zo_suboru = 1 GROUP BY usnecislo, datum HAVING MIN(poradie) <> "
         u"MAX(poradie) ORDER BY MAX(i) LIMIT 1"_s});
    zoznam.push_back(
        {"damParity",
         "otelenie č. %1 nenasleduje po predchádzajúcom otelení kravy (č. %2) v poradí dátumov",
         u"SELECT i, riadok, zbierka, poradie, predosle FROM (SELECT i, riadok, zbierka, "
         u"poradie, LAG(poradie) OVER (PARTITION BY usnecislo ORDER BY datum) AS predosle FROM "
         u"(SELECT usnecislo, datum, MAX(i) AS i, MAX(riadok) AS riadok, MAX(zbierka) AS "
         u"zbierka, COALESCE(MIN(IF(zo_suboru = 1, poradie, NULL)), MIN(poradie)) AS poradie "
         u"FROM vymena_poradia GROUP BY usnecislo, datum) o) p WHERE poradie <= predosle ORDER "
         u"BY i LIMIT 1"_s});
    zoznam.push_back(
        {"eventDateTime", "zasušenie kravy %1 nepredchádza žiadne otelenie",
         u"SELECT t.i, t.riadok, 'lactationStatusObservations', t.usnecislo, NULL FROM "
         u"vymena_zasusenia t LEFT JOIN vymena_poradia p ON p.usnecislo = t.usnecislo AND "
         u"p.datum < t.datum LEFT JOIN vymena_otelenia o ON o.usnecislo = t.usnecislo AND "
         u"o.datum < t.datum LEFT JOIN zvierata z ON z.usnecislo = t.usnecislo LEFT JOIN "
         u"laktacie l ON l.krava_id = z.zviera_id AND l.datumotelenia < t.datum LEFT JOIN "
         u"prebiehajuce_laktacie b ON b.krava_id = z.zviera_id AND b.datumotelenia < t.datum "
         u"WHERE p.usnecislo IS NULL AND o.usnecislo IS NULL AND l.krava_id IS NULL AND "
         u"b.krava_id IS NULL ORDER BY t.i LIMIT 1"_s});
    return zoznam;
}

/// A message with the values of the fault in place of %1 and, where it names one, %2.
QString doplnene(const char* sprava, const QString& prva, const QString& druha) {
    const QString text = QString::fromUtf8(sprava);
    return text.contains(u"%2"_s) ? text.arg(prva, druha) : text.arg(prva);
}

[[noreturn]] void odmietni(const QString& zbierka, qint64 index, int riadok, const QString& pole,
                           const QString& dovod) {
    MiestoClena{zbierka, index, riadok}.odmietni(pole, dovod);
}

void duplicity(Connection& connection, bool kontrolyBezDuplicit) {
    for (const Duplicita& d : kDuplicity) {
        // The largest table, which the reading could vouch for.
        if (kontrolyBezDuplicit && qstrcmp(d.tabulka, "vymena_kontroly") == 0)
            continue;
        QSqlQuery najdene = connection.execute(
            u"SELECT %1 FROM %2 GROUP BY %1 HAVING COUNT(*) > 1 ORDER BY MAX(i) LIMIT 1"_s.arg(
                nazov(d.kluc), nazov(d.tabulka)));
        if (!najdene.next())
            continue;
        QString podmienka;
        ParameterValues hodnoty;
        const QStringList kluce = nazov(d.kluc).split(u", "_s);
        const QString prva = textHodnoty(najdene.value(0));
        const QString druha = kluce.size() > 1 ? textHodnoty(najdene.value(1)) : QString();
        for (qsizetype k = 0; k < kluce.size(); ++k) {
            podmienka += (k == 0 ? u""_s : u" AND "_s) + kluce[k] + u" = :K%1"_s.arg(k);
            hodnoty.emplace_back(u"K%1"_s.arg(k), najdene.value(int(k)));
        }
        QSqlQuery miesta =
            connection.execute(u"SELECT i, riadok, %1 FROM %2 WHERE %3 ORDER BY "
                               u"i LIMIT 2"_s.arg(nazov(d.zbierka), nazov(d.tabulka), podmienka),
                               hodnoty);
        miesta.next();
        const QString skor =
            u"%1[%2]"_s.arg(miesta.value(2).toString(), miesta.value(0).toString());
        miesta.next();
        odmietni(miesta.value(2).toString(), miesta.value(0).toLongLong(), miesta.value(1).toInt(),
                 nazov(d.pole),
                 u"%1 je v súbore dvakrát (už v %2)"_s.arg(doplnene(d.co, prva, druha), skor));
    }
}

} // namespace

/// One pass over the events of a kind for the three faults an event can have.
void udalosti(Connection& connection) {
    for (const Udalost& u : kUdalosti) {
        const QString narodenie = u"COALESCE(s.datumnarodenia, z.datumnarodenia)"_s;
        const QString samec = u.kravy ? u"COALESCE(s.pohlavie, z.pohlavie) <> '2'"_s : u"0"_s;
        QSqlQuery najdene = connection.execute(
            u"SELECT t.i, t.riadok, %1, t.usnecislo, t.%2, %3, CASE WHEN s.usnecislo IS NULL AND "
            u"z.zviera_id IS NULL THEN 1 WHEN %4 THEN 2 ELSE 3 END FROM %5 t LEFT JOIN "
            u"vymena_cisla s ON s.usnecislo = t.usnecislo LEFT JOIN zvierata z ON z.usnecislo = "
            u"t.usnecislo WHERE (s.usnecislo IS NULL AND z.zviera_id IS NULL) OR %4 OR t.%2 < %3 "
            u"ORDER BY t.i LIMIT 1"_s.arg(nazov(u.zbierka), nazov(u.datum), narodenie, samec,
                                          nazov(u.tabulka)));
        if (!najdene.next())
            continue;
        const int chyba = najdene.value(6).toInt();
        const QString usneCislo = najdene.value(3).toString();
        const QString dovod =
            chyba == 1   ? u"zviera %1 nie je v súbore ani v databáze"_s.arg(usneCislo)
            : chyba == 2 ? u"zviera %1 nie je krava (je to samec)"_s.arg(usneCislo)
                         : u"dátum %1 je pred narodením zvieraťa (%2)"_s.arg(
                               textHodnoty(najdene.value(4)), textHodnoty(najdene.value(5)));
        odmietni(najdene.value(2).toString(), najdene.value(0).toLongLong(),
                 najdene.value(1).toInt(), chyba == 3 ? nazov(u.pole) : u"animal.id"_s, dovod);
    }
}

void KontrolaPrijatych::skontroluj(Connection& connection, bool kontrolyBezDuplicit) {
    for (const auto& [tabulka, definicia] : kPomocneTabulky)
        PrijateUdaje::vytvorTabulku(connection, nazov(tabulka), nazov(definicia));
    for (const char* prikaz : kPomocne)
        connection.executeDirect(nazov(prikaz));
    duplicity(connection, kontrolyBezDuplicit);
    udalosti(connection);
    for (const Kontrola& k : kontroly()) {
        QSqlQuery najdene = connection.execute(k.sql);
        if (najdene.next())
            odmietni(
                najdene.value(2).toString(), najdene.value(0).toLongLong(),
                najdene.value(1).toInt(), nazov(k.pole),
                doplnene(k.sprava, textHodnoty(najdene.value(3)), textHodnoty(najdene.value(4))));
    }
}
