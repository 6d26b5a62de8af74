#include "ZapisImportu.h"

#include "LaktacieImportu.h"
#include "PrijateUdaje.h"

#include "data/Connection.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

using namespace Qt::Literals::StringLiterals;

namespace {

// Temporary tables this step fills, created before the transaction.
const char* const kTabulky[] = {
    "vymena_usne (usnecislo VARCHAR(14) NOT NULL, PRIMARY KEY (usnecislo))",
    "vymena_id (zviera_id INT NOT NULL, PRIMARY KEY (zviera_id))",
    "vymena_nove (usnecislo VARCHAR(14) NOT NULL, zviera_id INT NOT NULL, PRIMARY KEY "
    "(usnecislo))",
    "vymena_kravy (krava_id INT NOT NULL, usnecislo VARCHAR(14) NOT NULL, PRIMARY KEY "
    "(krava_id), KEY (usnecislo))",
    "vymena_zmenene_kontroly (krava_id INT NOT NULL, datum DATE NOT NULL, KEY (krava_id))",
    // Keys compare as bytes: they are made of texts of different collations.
    "vymena_pred (druh SMALLINT NOT NULL, kluc VARBINARY(60) NOT NULL, odtlacok CHAR(32) NOT "
    "NULL, PRIMARY KEY (druh, kluc))",
};

// A test day is found by its cow and day. Right after a herd's test days came in, the server's
// estimates may send it to the index of days, where one day holds the tests of whole herds.
const QString kPodlaKravy = u"FORCE INDEX (ix_kontroly_krava)"_s;

/// A file's value where it states one, the database's otherwise.
QString alebo(const QString& novy, const QString& stary) {
    return u"COALESCE(%1, %2)"_s.arg(novy, stary);
}

/// A column an UPDATE sets and the value it gets.
struct Priradenie {
    QString stlpec;
    QString hodnota;
};
using Priradenia = std::vector<Priradenie>;

/// Columns that keep the database's value where the file states none.
Priradenia zoSuboru(const QString& ciel, const QString& zdroj, const QStringList& stlpce) {
    Priradenia priradenia;
    for (const QString& stlpec : stlpce) {
        const QString cielovy = ciel + u'.' + stlpec.section(u'=', 0, 0);
        const QString zdrojovy = stlpec.contains(u'=') ? stlpec.section(u'=', 1) : stlpec;
        priradenia.push_back({cielovy, alebo(zdroj + u'.' + zdrojovy, cielovy)});
    }
    return priradenia;
}

Priradenia operator+(Priradenia prve, const Priradenia& druhe) {
    prve.insert(prve.end(), druhe.begin(), druhe.end());
    return prve;
}

/// An UPDATE that writes only the rows whose values change. The server locks and logs every row
/// an UPDATE matches, changed or not: importing a herd's unchanged test days again took longer
/// than importing them the first time. The join must match a row once (the file's records are
/// unique by their keys), else a later match whose values differ would win.
QString aktualizacia(const QString& tabulky, const Priradenia& priradenia,
                     const QString& podmienka = {}) {
    QStringList nastavenia;
    QStringList zmeny;
    for (const auto& [stlpec, hodnota] : priradenia) {
        nastavenia << u"%1 = %2"_s.arg(stlpec, hodnota);
        zmeny << u"NOT (%1 <=> %2)"_s.arg(stlpec, hodnota);
    }
    const QString zmenene = zmeny.join(u" OR "_s);
    return u"UPDATE %1 SET %2 WHERE %3"_s.arg(
        tabulky, nastavenia.join(u", "_s),
        podmienka.isEmpty() ? zmenene : u"(%1) AND (%2)"_s.arg(podmienka, zmenene));
}

} // namespace

ZapisImportu::ZapisImportu(Connection& connection)
    : m_connection(connection) {}

void ZapisImportu::priprav() {
    for (const char* tabulka : kTabulky) {
        const QString definicia = QString::fromLatin1(tabulka);
        const qsizetype zatvorka = definicia.indexOf(u'(');
        PrijateUdaje::vytvorTabulku(m_connection, definicia.left(zatvorka).trimmed(),
                                    definicia.mid(zatvorka + 1).chopped(1));
    }
    LaktacieImportu::vytvorTabulky(m_connection);
}

SuhrnImportu ZapisImportu::zapis(const Krok& krok) {
    krok(u"Stav databázy pred zápisom"_s);
    snimka();
    krok(u"Podniky, chovy a maštale"_s);
    lokality();
    krok(u"Zvieratá"_s);
    zvierata();
    krok(u"Kravy, býky, jalovice a vyradenia"_s);
    roly();
    krok(u"Plemenné hodnoty"_s);
    hodnoty();
    krok(u"Kontroly úžitkovosti"_s);
    kontroly();
    krok(u"Laktácie a súhrny kráv"_s);
    laktacie();
    parametre();
    krok(u"Súhrn zmien"_s);
    return pocty();
}

QString ZapisImportu::odtlacokTabulky(const QString& tabulka, const QString& alias,
                                      const QStringList& vynechane) {
    QSqlQuery stlpce = m_connection.execute(
        u"SELECT COLUMN_NAME FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = database() "
        u"AND TABLE_NAME = :Tabulka ORDER BY ORDINAL_POSITION"_s,
        {{u"Tabulka"_s, tabulka}});
    QStringList casti;
    while (stlpce.next()) {
        const QString stlpec = stlpce.value(0).toString();
        if (!vynechane.contains(stlpec))
            casti << u"IFNULL(%1.%2, '~')"_s.arg(alias, stlpec);
    }
    return casti.join(u", "_s);
}

namespace {

/// A kind of record whose rows the summary counts: the rows the file may touch, the key that
/// identifies a row across the import and what a row holds.
struct DruhZaznamu {
    int druh;
    QString riadky;
    QString kluc;
    QString odtlacok;
    SuhrnImportu::Pocty SuhrnImportu::*pocty;
};

std::vector<DruhZaznamu>
druhy(const std::function<QString(const QString&, const QString&, const QStringList&)>& odtlacok) {
    const auto md5 = [](const QStringList& casti) {
        return u"MD5(CONCAT_WS('|', %1))"_s.arg(casti.join(u", "_s));
    };
    return {
        {0,
         u"(SELECT podnik AS kod, nazov, obec AS ine, NULL AS ustajnenie FROM podniky UNION ALL "
         u"SELECT chov, nazov, podnik, NULL FROM chovy UNION ALL SELECT mastal, nazov, chov, "
         u"ustajnenie FROM mastale) r JOIN vymena_kody s ON s.kod = r.kod"_s,
         u"r.kod"_s,
         u"MD5(CONCAT_WS('|', IFNULL(r.nazov, '~'), IFNULL(r.ine, '~'), "
         u"IFNULL(r.ustajnenie, '~')))"_s,
         &SuhrnImportu::lokality},
        {1,
         u"zvierata z JOIN vymena_id i ON i.zviera_id = z.zviera_id LEFT JOIN kravy k ON "
         u"k.krava_id = z.zviera_id LEFT JOIN byky b ON b.byk_id = z.zviera_id LEFT JOIN jalovice "
         u"j ON j.jalovica_id = z.zviera_id"_s,
         u"z.zviera_id"_s,
         md5({odtlacok(u"zvierata"_s, u"z"_s, {}), odtlacok(u"kravy"_s, u"k"_s, {}),
              odtlacok(u"byky"_s, u"b"_s, {}), odtlacok(u"jalovice"_s, u"j"_s, {})}),
         &SuhrnImportu::zvierata},
        {2,
         u"(SELECT l.*, 0 AS tabulka FROM laktacie l UNION ALL SELECT p.*, 1 FROM "
         u"prebiehajuce_laktacie p) l JOIN vymena_id i ON i.zviera_id = l.krava_id"_s,
         u"CONCAT(l.krava_id, '/', l.datumotelenia)"_s,
         md5({odtlacok(u"laktacie"_s, u"l"_s, {u"laktacia_id"_s}), u"l.tabulka"_s}),
         &SuhrnImportu::laktacie},
        {4, u"plemenne_hodnoty h JOIN vymena_id i ON i.zviera_id = h.zviera_id"_s, u"h.zviera_id"_s,
         md5({odtlacok(u"plemenne_hodnoty"_s, u"h"_s, {})}), &SuhrnImportu::hodnoty},
    };
}

/// The database's ids of the animals the file names.
void idZvierat(Connection& connection) {
    connection.executeDirect(u"INSERT IGNORE INTO vymena_id SELECT z.zviera_id FROM vymena_usne "
                             u"u JOIN zvierata z ON z.usnecislo = u.usnecislo"_s);
}

} // namespace

void ZapisImportu::snimka() {
    // Every animal the file names, whichever collection names it. Each collection's animals
    // once, from its key: a cow has many calvings, lactations and test days.
    for (const char* zdroj : {"vymena_cisla", "vymena_narodenia", "vymena_prichody",
                              "vymena_odchody", "vymena_otelenia", "vymena_zasusenia",
                              "vymena_kontroly", "vymena_laktacie", "vymena_hodnoty"})
        m_connection.executeDirect(
            u"INSERT IGNORE INTO vymena_usne SELECT DISTINCT usnecislo FROM "_s +
            QString::fromLatin1(zdroj));
    const auto odtlacok = [this](const QString& t, const QString& a, const QStringList& v) {
        return odtlacokTabulky(t, a, v);
    };
    idZvierat(m_connection);
    for (const DruhZaznamu& d : druhy(odtlacok))
        m_connection.executeDirect(u"INSERT INTO vymena_pred (druh, kluc, odtlacok) SELECT %1, "
                                   u"CAST(%2 AS BINARY), %3 FROM %4"_s.arg(d.druh)
                                       .arg(d.kluc, d.odtlacok, d.riadky));
    // Counted before the writes, when a herd coming in for the first time has none: the import
    // only adds test days, so those after are these and the added ones.
    QSqlQuery kontroly = m_connection.execute(
        u"SELECT COUNT(*) FROM kontroly k JOIN vymena_id i ON i.zviera_id = k.krava_id"_s);
    kontroly.next();
    m_kontrolyPred = kontroly.value(0).toLongLong();
}

SuhrnImportu ZapisImportu::pocty() {
    SuhrnImportu suhrn;
    idZvierat(m_connection);
    const auto odtlacok = [this](const QString& t, const QString& a, const QStringList& v) {
        return odtlacokTabulky(t, a, v);
    };
    for (const DruhZaznamu& d : druhy(odtlacok)) {
        QSqlQuery q = m_connection.execute(
            u"SELECT COUNT(*), SUM(p.kluc IS NULL), SUM(p.kluc IS NOT NULL AND p.odtlacok <> %1) "
            u"FROM %2 LEFT JOIN vymena_pred p ON p.druh = %3 AND p.kluc = CAST(%4 AS BINARY)"_s.arg(
                d.odtlacok, d.riadky, QString::number(d.druh), d.kluc));
        q.next();
        SuhrnImportu::Pocty& p = suhrn.*(d.pocty);
        p.pridane = q.value(1).toLongLong();
        p.zmenene = q.value(2).toLongLong();
        p.nezmenene = q.value(0).toLongLong() - p.pridane - p.zmenene;
    }
    // Test days, the largest table by far, are counted by the two statements that write them
    // rather than by comparing every test day of the herd before and after.
    suhrn.kontroly = {m_pridaneKontroly, m_zmeneneKontroly, m_kontrolyPred - m_zmeneneKontroly};
    return suhrn;
}

void ZapisImportu::lokality() {
    struct Uroven {
        const char* tabulka;
        const char* kluc;
        int dlzka;
        const char* stlpce;
        const char* vyssia; ///< the column naming the level above, or nullptr
    };
    const Uroven urovne[] = {{"podniky", "podnik", 6, "obec", nullptr},
                             {"chovy", "chov", 8, nullptr, "podnik"},
                             {"mastale", "mastal", 9, "ustajnenie", "chov"}};
    for (const Uroven& u : urovne) {
        const QString tabulka = QString::fromLatin1(u.tabulka);
        const QString kluc = QString::fromLatin1(u.kluc);
        QStringList menitelne{u"nazov"_s};
        if (u.stlpce)
            menitelne << QString::fromLatin1(u.stlpce);
        m_connection.executeDirect(
            aktualizacia(u"%1 t JOIN vymena_lokality s ON s.kod = t.%2"_s.arg(tabulka, kluc),
                         zoSuboru(u"t"_s, u"s"_s, menitelne)));
        QString stlpce = kluc + u", nazov"_s;
        QString hodnoty = u"s.kod, COALESCE(s.nazov, s.kod)"_s;
        if (u.vyssia) {
            stlpce += u", "_s + QString::fromLatin1(u.vyssia);
            hodnoty += u", LEFT(s.kod, %1)"_s.arg(u.dlzka == 9 ? 8 : 6);
        }
        if (u.stlpce) {
            stlpce += u", "_s + QString::fromLatin1(u.stlpce);
            hodnoty += u", s."_s + QString::fromLatin1(u.stlpce);
        }
        m_connection.executeDirect(
            u"INSERT INTO %1 (%2) SELECT %3 FROM vymena_lokality s LEFT JOIN %1 t ON t.%4 = s.kod "
            u"WHERE LENGTH(s.kod) = %5 AND t.%4 IS NULL ORDER BY s.i"_s.arg(
                tabulka, stlpce, hodnoty, kluc, QString::number(u.dlzka)));
    }
}

void ZapisImportu::zvierata() {
    const QString ciselniky =
        u"LEFT JOIN plemena p ON p.kod = s.plemeno LEFT JOIN farby f ON f.kod = s.farba LEFT JOIN "
        u"plemenne_knihy pk ON pk.kod = s.kniha LEFT JOIN plemenne_typy pt ON pt.kod = s.typ"_s;
    Priradenia priradenia{
        {u"z.plemeno_id"_s, alebo(u"p.plemeno_id"_s, u"z.plemeno_id"_s)},
        {u"z.farba_id"_s, alebo(u"f.farba_id"_s, u"z.farba_id"_s)},
        {u"z.plemenna_kniha_id"_s, alebo(u"pk.plemenna_kniha_id"_s, u"z.plemenna_kniha_id"_s)},
        {u"z.plemenny_typ_id"_s, alebo(u"pt.plemenny_typ_id"_s, u"z.plemenny_typ_id"_s)}};
    for (int k = 1; k <= 5; ++k)
        for (const QString& stlpec : {u"plemeno%1"_s.arg(k), u"krv%1"_s.arg(k)})
            priradenia.push_back(
                {u"z."_s + stlpec, u"IF(s.plemeno1 IS NULL, z.%1, s.%1)"_s.arg(stlpec)});
    m_connection.executeDirect(aktualizacia(
        u"zvierata z JOIN vymena_zvierata s ON s.usnecislo = z.usnecislo "_s + ciselniky,
        priradenia + zoSuboru(u"z"_s, u"s"_s,
                              {u"meno"_s, u"datumnarodenia"_s, u"import"_s, u"et"_s, u"chovatel"_s,
                               u"chov_narodenia"_s, u"vlozene"_s, u"zmenene"_s})));
    QStringList stlpceKrvi;
    for (int k = 1; k <= 5; ++k)
        stlpceKrvi << u"plemeno%1"_s.arg(k) << u"krv%1"_s.arg(k);
    // New animals come in in the file's order, with their numbers given beforehand: a parent
    // earlier in the file is then known to its offspring as it comes in, and only parents that
    // follow wait for the update below. Setting every new animal's parents afterwards cost a
    // 10,000-cow herd two seconds.
    m_connection.executeDirect(
        u"INSERT INTO vymena_nove SELECT s.usnecislo, p.posledne + ROW_NUMBER() OVER (ORDER BY "
        u"s.i) FROM vymena_zvierata s CROSS JOIN (SELECT COALESCE(MAX(zviera_id), 0) AS posledne "
        u"FROM zvierata) p LEFT JOIN zvierata z ON z.usnecislo = s.usnecislo WHERE z.zviera_id "
        u"IS NULL"_s);
    const QString rodic = u"COALESCE(%1.zviera_id, IF(%2.zviera_id < n.zviera_id, %2.zviera_id, "
                          u"NULL))"_s;
    m_connection.executeDirect(
        u"INSERT INTO zvierata (zviera_id, otec_id, matka_id, plemeno_id, farba_id, "
        u"plemenna_kniha_id, plemenny_typ_id, usnecislo, meno, vlastne, datumnarodenia, "
        u"pohlavie, import, et, chovatel, chov_narodenia, "_s +
        stlpceKrvi.join(u", "_s) + u", vlozene, zmenene) SELECT n.zviera_id, "_s +
        rodic.arg(u"zo"_s, u"no"_s) + u", "_s + rodic.arg(u"zm"_s, u"nm"_s) +
        u", p.plemeno_id, f.farba_id, pk.plemenna_kniha_id, pt.plemenny_typ_id, s.usnecislo, "
        u"s.meno, b.usnecislo IS NOT NULL, COALESCE(s.datumnarodenia, b.datum), s.pohlavie, "
        u"COALESCE(s.import, 0), COALESCE(s.et, 0), s.chovatel, COALESCE(s.chov_narodenia, "
        u"b.chov), s."_s +
        stlpceKrvi.join(u", s."_s) +
        u", COALESCE(s.vlozene, now()), COALESCE(s.zmenene, s.vlozene, now()) FROM "
        u"vymena_zvierata s JOIN vymena_nove n ON n.usnecislo = s.usnecislo LEFT JOIN zvierata zo "
        u"ON zo.usnecislo = s.otec LEFT JOIN vymena_nove no ON no.usnecislo = s.otec LEFT JOIN "
        u"zvierata zm ON zm.usnecislo = s.matka LEFT JOIN vymena_nove nm ON nm.usnecislo = "
        u"s.matka LEFT JOIN vymena_narodenia b ON b.usnecislo = s.usnecislo "_s +
        ciselniky + u" ORDER BY s.i"_s);
    m_connection.executeDirect(aktualizacia(
        u"zvierata z JOIN vymena_zvierata s ON s.usnecislo = z.usnecislo LEFT JOIN zvierata o ON "
        u"o.usnecislo = s.otec LEFT JOIN zvierata m ON m.usnecislo = s.matka"_s,
        {{u"z.otec_id"_s, alebo(u"o.zviera_id"_s, u"z.otec_id"_s)},
         {u"z.matka_id"_s, alebo(u"m.zviera_id"_s, u"z.matka_id"_s)}}));
    // Born in the enterprise: the birth's herd unless the animal's record names its birthplace
    // (as for the new animals above).
    m_connection.executeDirect(
        aktualizacia(u"zvierata z JOIN vymena_narodenia n ON n.usnecislo = z.usnecislo LEFT JOIN "
                     u"vymena_zvierata s ON s.usnecislo = n.usnecislo"_s,
                     {{u"z.vlastne"_s, u"1"_s},
                      {u"z.chov_narodenia"_s, alebo(u"s.chov_narodenia"_s, u"n.chov"_s)},
                      {u"z.datumnarodenia"_s, alebo(u"s.datumnarodenia"_s, u"n.datum"_s)}}));
    // An animal may arrive more than once, and each arrival matches: no filter on changed values
    // here, which would let another arrival win when the same file comes again.
    m_connection.executeDirect(
        u"UPDATE zvierata z JOIN vymena_prichody p ON p.usnecislo = z.usnecislo LEFT JOIN "
        u"vymena_zvierata s ON s.usnecislo = p.usnecislo SET z.import = COALESCE(s.import, "
        u"IF(p.dovezene = 1, 1, z.import))"_s);
    m_connection.executeDirect(
        aktualizacia(u"zvierata z JOIN vymena_odchody o ON o.usnecislo = z.usnecislo"_s,
                     {{u"z.datumumrtia"_s, u"IF(o.umrtie = 1, o.datum, z.datumumrtia)"_s}}));
}

void ZapisImportu::roly() {
    // Bulls.
    m_connection.executeDirect(aktualizacia(
        u"byky b JOIN zvierata z ON z.zviera_id = b.byk_id JOIN vymena_zvierata s ON s.usnecislo "
        u"= z.usnecislo LEFT JOIN linie l ON l.linia = s.linia"_s,
        Priradenia{{u"b.linia_id"_s, u"IF(s.linia IS NULL, b.linia_id, l.linia_id)"_s}} +
            zoSuboru(u"b"_s, u"s"_s,
                     {u"linia"_s, u"register"_s, u"hb_cislo"_s, u"inseminacny"_s,
                      u"datumvyradenia=byk_vyradenie"_s}),
        u"s.byk = 1"_s));
    m_connection.executeDirect(
        u"INSERT INTO byky (byk_id, linia_id, linia, register, hb_cislo, inseminacny, "
        u"datumvyradenia) SELECT z.zviera_id, l.linia_id, s.linia, s.register, s.hb_cislo, "
        u"COALESCE(s.inseminacny, 'I'), s.byk_vyradenie FROM vymena_zvierata s JOIN zvierata z ON "
        u"z.usnecislo = s.usnecislo LEFT JOIN linie l ON l.linia = s.linia LEFT JOIN byky b ON "
        u"b.byk_id = z.zviera_id WHERE s.byk = 1 AND b.byk_id IS NULL ORDER BY s.i"_s);

    // Cows: those the file calls so, and every female with a calving, lactation, dry-off or test
    // day in it; culled cows of the database too. Each looked up once among the animals just
    // written, whichever collections name her.
    m_connection.executeDirect(
        u"INSERT INTO vymena_kravy SELECT z.zviera_id, z.usnecislo FROM (SELECT usnecislo FROM "
        u"vymena_zvierata WHERE krava = 1 UNION SELECT usnecislo FROM vymena_teliace UNION SELECT "
        u"usnecislo FROM vymena_kontroly UNION SELECT usnecislo FROM vymena_zasusenia) t JOIN "
        u"zvierata z ON z.usnecislo = t.usnecislo"_s);
    m_connection.executeDirect(
        u"INSERT IGNORE INTO vymena_kravy SELECT z.zviera_id, z.usnecislo FROM vymena_odchody t "
        u"JOIN zvierata z ON z.usnecislo = t.usnecislo JOIN kravy k ON k.krava_id = "
        u"z.zviera_id"_s);
    m_connection.executeDirect(
        u"INSERT INTO kravy (krava_id, dovod_vyradenia_id) SELECT a.krava_id, "
        u"d.dovod_vyradenia_id FROM vymena_kravy a JOIN dovody_vyradenia d ON d.kod = '00' LEFT "
        u"JOIN kravy k ON k.krava_id = a.krava_id WHERE k.krava_id IS NULL ORDER BY a.krava_id"_s);
    m_connection.executeDirect(aktualizacia(
        u"kravy k JOIN zvierata z ON z.zviera_id = k.krava_id JOIN vymena_zvierata s ON "
        u"s.usnecislo = z.usnecislo"_s,
        zoSuboru(u"k"_s, u"s"_s,
                 {u"plemenna"_s, u"datumzaradenia"_s, u"skupina"_s, u"mb"_s, u"zdravotna_trieda"_s,
                  u"trieda_uzitkovosti"_s})));
    // Each of a cow's arrivals matches, as for the animal.
    m_connection.executeDirect(
        u"UPDATE kravy k JOIN zvierata z ON z.zviera_id = k.krava_id JOIN vymena_prichody p ON "
        u"p.usnecislo = z.usnecislo LEFT JOIN vymena_zvierata s ON s.usnecislo = p.usnecislo SET "
        u"k.datumzaradenia = COALESCE(s.datumzaradenia, p.datum)"_s);
    m_connection.executeDirect(aktualizacia(
        u"kravy k JOIN zvierata z ON z.zviera_id = k.krava_id JOIN vymena_odchody o ON "
        u"o.usnecislo = z.usnecislo JOIN dovody_vyradenia d ON d.kod = o.dovod"_s,
        {{u"k.dovod_vyradenia_id"_s, u"d.dovod_vyradenia_id"_s},
         {u"k.datumvyradenia"_s, u"o.datum"_s}}));

    // Heifers; one that calved is a cow now.
    m_connection.executeDirect(aktualizacia(
        u"jalovice j JOIN zvierata z ON z.zviera_id = j.jalovica_id JOIN vymena_zvierata s ON "
        u"s.usnecislo = z.usnecislo LEFT JOIN zvierata b ON b.usnecislo = s.byk_inseminacie"_s,
        Priradenia{
            {u"j.byk_inseminacie_id"_s, alebo(u"b.zviera_id"_s, u"j.byk_inseminacie_id"_s)}} +
            zoSuboru(u"j"_s, u"s"_s,
                     {u"stav"_s, u"datum_inseminacie"_s, u"hmotnost"_s, u"datum_vazenia"_s}),
        u"s.jalovica = 1"_s));
    m_connection.executeDirect(
        u"INSERT INTO jalovice (jalovica_id, stav, datum_inseminacie, byk_inseminacie_id, "
        u"hmotnost, datum_vazenia) SELECT z.zviera_id, COALESCE(s.stav, 'O'), "
        u"s.datum_inseminacie, b.zviera_id, s.hmotnost, s.datum_vazenia FROM vymena_zvierata s "
        u"JOIN zvierata z ON z.usnecislo = s.usnecislo LEFT JOIN zvierata b ON b.usnecislo = "
        u"s.byk_inseminacie LEFT JOIN jalovice j ON j.jalovica_id = z.zviera_id WHERE s.jalovica "
        u"= 1 AND j.jalovica_id IS NULL ORDER BY s.i"_s);
    m_connection.executeDirect(
        u"DELETE j FROM jalovice j JOIN vymena_kravy a ON a.krava_id = j.jalovica_id"_s);
}

void ZapisImportu::hodnoty() {
    const QStringList stlpce{
        u"ph_mlieko"_s,          u"ph_tuk_kg"_s,          u"ph_tuk_perc"_s,   u"ph_bielkovina_kg"_s,
        u"ph_bielkovina_perc"_s, u"ph_somaticke_bunky"_s, u"index_celkovy"_s, u"spolahlivost"_s};
    QStringList aktualizacia{u"plemenne_hodnoty.datum_hodnotenia = VALUES(datum_hodnotenia)"_s};
    for (const QString& s : stlpce)
        aktualizacia << u"plemenne_hodnoty.%1 = COALESCE(VALUES(%1), plemenne_hodnoty.%1)"_s.arg(s);
    m_connection.executeDirect(
        u"INSERT INTO plemenne_hodnoty (zviera_id, datum_hodnotenia, %1) SELECT z.zviera_id, "
        u"h.datum, h.%2 FROM vymena_hodnoty h JOIN zvierata z ON z.usnecislo = h.usnecislo ORDER "
        u"BY h.i ON DUPLICATE KEY UPDATE %3"_s.arg(stlpce.join(u", "_s), stlpce.join(u", h."_s),
                                                   aktualizacia.join(u", "_s)));
}

void ZapisImportu::kontroly() {
    LaktacieImportu(m_connection).urciPoradia();

    // The cows come by their ids from the working table here and below: found by ear number
    // among the animals this transaction has just written, each would be checked against the
    // table itself.
    // Test days that change a lactation the database keeps: its yields are computed anew.
    const QStringList vynos{u"mlieko_prepocitane"_s, u"tuk_prepocitane"_s, u"bielkovina_perc"_s,
                            u"laktoza_perc"_s,       u"mlieko"_s,          u"tuk_perc"_s};
    QStringList rozdiely;
    for (const QString& s : vynos)
        rozdiely << u"(s.%1 IS NOT NULL AND NOT (s.%1 <=> k.%1))"_s.arg(s);
    m_connection.executeDirect(
        u"INSERT INTO vymena_zmenene_kontroly SELECT a.krava_id, s.datum FROM vymena_kontroly s "
        u"JOIN vymena_kravy a ON a.usnecislo = s.usnecislo LEFT JOIN kontroly k "_s +
        kPodlaKravy +
        u" ON k.krava_id = a.krava_id AND k.datum = s.datum WHERE (EXISTS (SELECT 1 FROM laktacie "
        u"l WHERE "
        u"l.krava_id = a.krava_id) OR EXISTS (SELECT 1 FROM prebiehajuce_laktacie l WHERE "
        u"l.krava_id = a.krava_id)) AND (k.kontrola_id IS NULL OR "_s +
        rozdiely.join(u" OR "_s) + u")"_s);
    // A test day belongs to the lactation of the last calving before it. A join on the calving
    // ranges, where a subquery would be set up anew for each of a herd's test days (a second
    // at 10,000 cows).
    const QString laktacia = u" LEFT JOIN vymena_rozsahy r ON r.krava_id = %1 AND r.od <= %2 AND "
                             u"(r.po IS NULL OR %2 < r.po)"_s;
    // One statement for the lactation and the values, so that a test day both change counts
    // once; a cow's other test days may move to another lactation too.
    const QString zmena = aktualizacia(
        u"vymena_kravy a JOIN kontroly k "_s + kPodlaKravy +
            u" ON k.krava_id = a.krava_id LEFT JOIN vymena_kontroly s ON s.usnecislo = "
            u"a.usnecislo AND s.datum = k.datum"_s +
            laktacia.arg(u"k.krava_id"_s, u"k.datum"_s),
        Priradenia{{u"k.poradie_preb_laktacie"_s, u"r.poradie"_s},
                   {u"k.prepocet"_s, u"IF(s.usnecislo IS NULL, k.prepocet, s.prepocet)"_s}} +
            zoSuboru(u"k"_s, u"s"_s,
                     {u"typ"_s, u"denna_doba"_s, u"interval_kontroly"_s, u"mlieko"_s, u"tuk_perc"_s,
                      u"bielkovina_perc"_s, u"laktoza_perc"_s, u"bun_elementy"_s, u"mocovina"_s,
                      u"chovatel=lokalita"_s, u"skupina"_s, u"mlieko_prepocitane"_s,
                      u"tuk_prepocitane"_s}));
    m_zmeneneKontroly = m_connection.execute(zmena).numRowsAffected();
    const QString nove =
        u"INSERT INTO kontroly (krava_id, datum, poradie_preb_laktacie, typ, denna_doba, "
        u"interval_kontroly, mlieko, tuk_perc, bielkovina_perc, laktoza_perc, bun_elementy, "
        u"mocovina, chovatel, skupina, prepocet, mlieko_prepocitane, tuk_prepocitane) SELECT "
        u"a.krava_id, s.datum, r.poradie, s.typ, s.denna_doba, s.interval_kontroly, s.mlieko, "
        u"s.tuk_perc, s.bielkovina_perc, s.laktoza_perc, s.bun_elementy, s.mocovina, "
        u"s.lokalita, s.skupina, s.prepocet, s.mlieko_prepocitane, s.tuk_prepocitane FROM "
        u"vymena_kontroly s JOIN vymena_kravy a ON a.usnecislo = s.usnecislo"_s +
        laktacia.arg(u"a.krava_id"_s, u"s.datum"_s) + u" LEFT JOIN kontroly k "_s + kPodlaKravy +
        u" ON k.krava_id = a.krava_id AND k.datum = s.datum WHERE k.kontrola_id IS NULL"_s;
    m_pridaneKontroly = m_connection.execute(nove).numRowsAffected();
}

void ZapisImportu::laktacie() {
    LaktacieImportu(m_connection).vypocitaj();
    const QStringList& stlpce = LaktacieImportu::stlpceLaktacie();
    Priradenia vysledky;
    for (const QString& s : stlpce)
        vysledky.push_back({u"l."_s + s, u"v."_s + s});
    const std::pair<const char*, int> tabulky[] = {{"laktacie", 0}, {"prebiehajuce_laktacie", 1}};
    // Lactations that moved from the current ones to the closed ones, or went, leave first, so
    // that the keys of those that arrive are free.
    for (const auto& [tabulka, prebiehajuca] : tabulky)
        m_connection.executeDirect(
            u"DELETE l FROM %1 l JOIN vymena_kravy a ON a.krava_id = l.krava_id LEFT JOIN "
            u"vymena_laktacie_vysledok v ON v.krava_id = l.krava_id AND v.datumotelenia = "
            u"l.datumotelenia AND v.prebiehajuca = %2 WHERE v.krava_id IS NULL"_s
                .arg(QString::fromLatin1(tabulka))
                .arg(prebiehajuca));
    for (const auto& [tabulka, prebiehajuca] : tabulky) {
        m_connection.executeDirect(
            aktualizacia(u"%1 l JOIN vymena_laktacie_vysledok v ON v.krava_id = l.krava_id AND "
                         u"v.datumotelenia = l.datumotelenia AND v.prebiehajuca = %2"_s
                             .arg(QString::fromLatin1(tabulka))
                             .arg(prebiehajuca),
                         vysledky));
        m_connection.executeDirect(
            u"INSERT INTO %1 (krava_id, %2) SELECT v.krava_id, v.%3 FROM vymena_laktacie_vysledok "
            u"v LEFT JOIN %1 l ON l.krava_id = v.krava_id AND l.datumotelenia = v.datumotelenia "
            u"WHERE v.prebiehajuca = %4 AND l.laktacia_id IS NULL ORDER BY v.krava_id, "
            u"v.datumotelenia"_s
                .arg(QString::fromLatin1(tabulka), stlpce.join(u", "_s), stlpce.join(u", v."_s))
                .arg(prebiehajuca));
    }
    Priradenia suhrny;
    for (const char* stlpec :
         {"por_preb_laktacie", "por_max_laktacie", "pocet_laktacii", "pocet_norm_laktacii",
          "mlieko_max", "tuk_max", "bielkovina_max", "laktoza_max", "mlieko_priem", "tuk_priem_kg",
          "tuk_priem_perc", "bielkovina_priem_kg", "bielkovina_priem_perc", "laktoza_priem_kg",
          "laktoza_priem_perc", "datumposkontroly"})
        suhrny.push_back(
            {u"k."_s + QLatin1StringView(stlpec), u"v."_s + QLatin1StringView(stlpec)});
    suhrny.push_back({u"k.datumzaradenia"_s, alebo(u"k.datumzaradenia"_s, u"v.prve_otelenie"_s)});
    m_connection.executeDirect(
        aktualizacia(u"kravy k JOIN vymena_kravy_vysledok v ON v.krava_id = k.krava_id"_s, suhrny));
}

void ZapisImportu::parametre() {
    // A database without a selection (one just installed) selects the file's enterprise, and the
    // last year of its test days as the control period, as the demo herd does.
    m_connection.executeDirect(
        u"UPDATE param SET chovatel = CONCAT((SELECT LEFT(MIN(kod), 6) FROM vymena_lokality), "
        u"'000') WHERE param_id = 1 AND chovatel = '000000000' AND EXISTS (SELECT 1 FROM "
        u"vymena_lokality)"_s);
    m_connection.executeDirect(
        u"UPDATE param p JOIN (SELECT MAX(datum) AS posledna FROM kontroly) k SET "
        u"p.kontrolne_obd_od = k.posledna - INTERVAL 1 YEAR + INTERVAL 1 DAY, p.kontrolne_obd_do "
        u"= k.posledna WHERE p.param_id = 1 AND p.kontrolne_obd_do IS NULL AND k.posledna IS "
        u"NOT NULL"_s);
}
