#include "LaktacieImportu.h"

#include "PrijateUdaje.h"

#include "data/BulkInsert.h"
#include "data/Connection.h"
#include "laktacie/VypocetLaktacii.h"

#include <QDate>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <limits>
#include <malloc.h>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kKravVDavke = 1000;

int den(const QVariant& hodnota) {
    return hodnota.isNull() ? 0 : int(hodnota.toDate().toJulianDay());
}

double cislo(const QVariant& hodnota) {
    return hodnota.isNull() ? NAN : hodnota.toDouble();
}

QString text(const QVariant& hodnota) {
    return hodnota.isNull() ? QString() : hodnota.toString();
}

} // namespace

/// One calving of a cow as the database and the file know it.
struct OtelenieImportu {
    int datum = 0;
    int poradie = 0;
    QString chovatel;
    QString priebeh;
    QString sposob;
    double hmotnost = NAN;
    int zasusenie = 0;
    int koniecVSubore = 0;
    std::optional<ZnamyVynos> celkovyVSubore;
    std::optional<ZnamyVynos> normovanyVSubore;
    double perzistenciaVSubore = NAN;
    double indexVSubore = NAN;

    bool ulozena = false;
    bool ulozenaPrebiehajuca = false;
    int ulozeneUkoncenie = 0;
    std::optional<ZnamyVynos> ulozenyCelkovy;
    std::optional<ZnamyVynos> ulozenyNormovany;
    double ulozenaPerzistencia = NAN;
    double ulozenyIndex = NAN;
};

struct KravaImportu {
    std::vector<OtelenieImportu> otelenia;
    int vyradenie = 0;
    QString dovod;
    QString chovatel;
    std::vector<int> zmeneneKontroly;
    std::vector<KontrolaDna> kontroly;
    std::vector<QString> typyKontrol;

    OtelenieImportu& otelenie(int datum) {
        const auto najdene =
            std::find_if(otelenia.begin(), otelenia.end(),
                         [datum](const OtelenieImportu& o) { return o.datum == datum; });
        if (najdene != otelenia.end())
            return *najdene;
        otelenia.push_back({});
        otelenia.back().datum = datum;
        return otelenia.back();
    }

    /// The calving whose lactation a day falls in; nullptr before the first.
    OtelenieImportu* otelenieDna(int datum) {
        OtelenieImportu* najdene = nullptr;
        for (OtelenieImportu& o : otelenia)
            if (o.datum < datum)
                najdene = &o;
        return najdene;
    }

    void usporiadaj() {
        std::sort(
            otelenia.begin(), otelenia.end(),
            [](const OtelenieImportu& a, const OtelenieImportu& b) { return a.datum < b.datum; });
        int predosle = 0;
        for (OtelenieImportu& o : otelenia) {
            if (o.poradie == 0)
                o.poradie = predosle + 1;
            predosle = o.poradie;
        }
    }
};

LaktacieImportu::LaktacieImportu(Connection& connection)
    : m_connection(connection) {
    QSqlQuery mastale = m_connection.execute(u"SELECT mastal, ustajnenie FROM mastale"_s);
    while (mastale.next())
        m_ustajnenie[mastale.value(0).toString()] = text(mastale.value(1));
}

LaktacieImportu::~LaktacieImportu() = default;

const QStringList& LaktacieImportu::stlpceLaktacie() {
    static const QStringList stlpce{u"datumotelenia"_s,
                                    u"poradie"_s,
                                    u"chovatel"_s,
                                    u"priebeh_porod"_s,
                                    u"zmena"_s,
                                    u"ukoncenie"_s,
                                    u"ukoncenie_norm_lakt"_s,
                                    u"medziobdobie"_s,
                                    u"hmotnost_kravy"_s,
                                    u"pocet_dni"_s,
                                    u"pocet_dni_norm"_s,
                                    u"mlieko_celk"_s,
                                    u"mlieko_norm"_s,
                                    u"tuk_celk"_s,
                                    u"tuk_norm"_s,
                                    u"bielkovina_celk"_s,
                                    u"bielkovina_norm"_s,
                                    u"laktoza_celk"_s,
                                    u"laktoza_norm"_s,
                                    u"index_perzistencie"_s,
                                    u"index_laktacie"_s,
                                    u"ustajnenie"_s,
                                    u"sposob_ku"_s,
                                    u"maximalna"_s};
    return stlpce;
}

void LaktacieImportu::vytvorTabulky(Connection& connection) {
    PrijateUdaje::vytvorTabulku(
        connection, u"vymena_rozsahy"_s,
        // Clustered by cow and day: each test day looks its lactation up here, and a secondary
        // key would cost each look-up a second one for the order number.
        u"krava_id INT NOT NULL, od DATE NOT NULL, po DATE NULL, poradie SMALLINT NOT NULL, "
        u"PRIMARY KEY (krava_id, od)"_s);
    PrijateUdaje::vytvorTabulku(
        connection, u"vymena_laktacie_vysledok"_s,
        u"krava_id INT NOT NULL, datumotelenia DATE NOT NULL, prebiehajuca SMALLINT NOT NULL, "
        u"poradie SMALLINT NOT NULL, chovatel VARCHAR(9) NULL, priebeh_porod CHAR(1) NULL, zmena "
        u"CHAR(2) NULL, ukoncenie DATE NULL, ukoncenie_norm_lakt DATE NULL, medziobdobie SMALLINT "
        u"NULL, hmotnost_kravy DOUBLE NULL, pocet_dni SMALLINT NULL, pocet_dni_norm SMALLINT NULL, "
        u"mlieko_celk DOUBLE NULL, mlieko_norm DOUBLE NULL, tuk_celk DOUBLE NULL, tuk_norm DOUBLE "
        u"NULL, bielkovina_celk DOUBLE NULL, bielkovina_norm DOUBLE NULL, laktoza_celk DOUBLE "
        u"NULL, laktoza_norm DOUBLE NULL, index_perzistencie DOUBLE NULL, index_laktacie DOUBLE "
        u"NULL, ustajnenie CHAR(1) NULL, sposob_ku CHAR(1) NULL, maximalna SMALLINT NOT NULL, KEY "
        u"(krava_id, datumotelenia)"_s);
    PrijateUdaje::vytvorTabulku(
        connection, u"vymena_kravy_vysledok"_s,
        u"krava_id INT NOT NULL, por_preb_laktacie SMALLINT NULL, por_max_laktacie SMALLINT NULL, "
        u"pocet_laktacii SMALLINT NOT NULL, pocet_norm_laktacii SMALLINT NOT NULL, mlieko_max "
        u"DOUBLE NULL, tuk_max DOUBLE NULL, bielkovina_max DOUBLE NULL, laktoza_max DOUBLE NULL, "
        u"mlieko_priem DOUBLE NULL, tuk_priem_kg DOUBLE NULL, tuk_priem_perc DOUBLE NULL, "
        u"bielkovina_priem_kg DOUBLE NULL, bielkovina_priem_perc DOUBLE NULL, laktoza_priem_kg "
        u"DOUBLE NULL, laktoza_priem_perc DOUBLE NULL, datumposkontroly DATE NULL, prve_otelenie "
        u"DATE NULL, PRIMARY KEY (krava_id)"_s);
}

std::vector<std::pair<QString, QString>> LaktacieImportu::davky() const {
    // Only the first and last ear number of each batch come back: the herd's whole list would
    // make the import's memory grow with the herd.
    QSqlQuery hranice = m_connection.execute(
        u"SELECT usnecislo, (n - 1) DIV %1 FROM (SELECT usnecislo, ROW_NUMBER() OVER (ORDER BY "
        u"usnecislo) AS n, COUNT(*) OVER () AS spolu FROM vymena_kravy) k WHERE MOD(n, %1) IN (0, "
        u"1) OR n = spolu ORDER BY n"_s.arg(kKravVDavke));
    std::vector<std::pair<QString, QString>> vysledok;
    while (hranice.next()) {
        const QString cislo = hranice.value(0).toString();
        const auto davka = size_t(hranice.value(1).toLongLong());
        if (davka == vysledok.size())
            vysledok.emplace_back(cislo, cislo);
        else
            vysledok.back().second = cislo;
    }
    return vysledok;
}

std::map<int, KravaImportu> LaktacieImportu::nacitaj(const QString& od, const QString& po) {
    // What the last batch freed goes back to the system: left to the allocator, its scattered
    // pieces kept the import's memory growing with the number of batches.
    malloc_trim(0);
    std::map<int, KravaImportu> kravy;
    std::map<QString, int> idKravy;
    const ParameterValues rozsah{{u"Od"_s, od}, {u"Po"_s, po}};
    // Rows of the database name the cow by her id, those of the file by her ear number.
    const auto citaj = [&](const QString& sql, const auto& riadok) {
        QSqlQuery q = m_connection.execute(sql, rozsah);
        while (q.next())
            riadok(q, kravy[q.value(0).toInt()]);
    };
    const auto citajZoSuboru = [&](const QString& sql, const auto& riadok) {
        QSqlQuery q = m_connection.execute(sql, rozsah);
        while (q.next())
            if (const auto id = idKravy.find(q.value(0).toString()); id != idKravy.end())
                riadok(q, kravy[id->second]);
    };

    // In the order written: the statistics of tables the import has just filled would have the
    // server read every cow for each batch.
    citaj(u"SELECT STRAIGHT_JOIN k.krava_id, k.datumvyradenia, d.kod, z.chovatel, a.usnecislo FROM "
          u"vymena_kravy a JOIN kravy k ON k.krava_id = a.krava_id JOIN dovody_vyradenia d ON "
          u"d.dovod_vyradenia_id = k.dovod_vyradenia_id JOIN zvierata z ON z.zviera_id = "
          u"k.krava_id WHERE a.usnecislo BETWEEN :Od AND :Po"_s,
          [&](QSqlQuery& q, KravaImportu& k) {
              k.vyradenie = den(q.value(1));
              k.dovod = q.value(2).toString();
              k.chovatel = text(q.value(3));
              idKravy[q.value(4).toString()] = q.value(0).toInt();
          });

    // What the database holds: its lactations give the calvings, their dry-offs (a lactation
    // that ended with "00") and the yields they keep.
    for (const auto& [tabulka, prebiehajuca] :
         {std::pair{u"laktacie"_s, false}, std::pair{u"prebiehajuce_laktacie"_s, true}})
        citaj(u"SELECT l.krava_id, l.datumotelenia, l.poradie, l.chovatel, l.priebeh_porod, "
              u"l.zmena, l.ukoncenie, l.pocet_dni, l.pocet_dni_norm, l.mlieko_celk, l.tuk_celk, "
              u"l.bielkovina_celk, l.laktoza_celk, l.mlieko_norm, l.tuk_norm, l.bielkovina_norm, "
              u"l.laktoza_norm, l.index_perzistencie, l.index_laktacie, l.hmotnost_kravy, "
              u"l.sposob_ku FROM vymena_kravy a JOIN %1 l ON l.krava_id = a.krava_id WHERE "
              u"a.usnecislo BETWEEN :Od AND :Po"_s.arg(tabulka),
              [prebiehajuca](QSqlQuery& q, KravaImportu& k) {
                  OtelenieImportu& o = k.otelenie(den(q.value(1)));
                  o.ulozena = true;
                  o.poradie = q.value(2).toInt();
                  o.chovatel = text(q.value(3));
                  o.priebeh = text(q.value(4));
                  o.ulozenaPrebiehajuca = prebiehajuca;
                  o.ulozeneUkoncenie = den(q.value(6));
                  const QString zmena = text(q.value(5));
                  if (o.ulozeneUkoncenie != 0 && (prebiehajuca || zmena == u"00"_s))
                      o.zasusenie = o.ulozeneUkoncenie;
                  if (!q.value(9).isNull())
                      o.ulozenyCelkovy = ZnamyVynos{q.value(7).toInt(),
                                                    {cislo(q.value(9)), cislo(q.value(10)),
                                                     cislo(q.value(11)), cislo(q.value(12))}};
                  if (!q.value(13).isNull())
                      o.ulozenyNormovany = ZnamyVynos{q.value(8).toInt(),
                                                      {cislo(q.value(13)), cislo(q.value(14)),
                                                       cislo(q.value(15)), cislo(q.value(16))}};
                  o.ulozenaPerzistencia = cislo(q.value(17));
                  o.ulozenyIndex = cislo(q.value(18));
                  o.hmotnost = cislo(q.value(19));
                  o.sposob = text(q.value(20));
              });

    // What the file brings overrides it.
    citajZoSuboru(
        u"SELECT usnecislo, datum, poradie, lokalita, priebeh, hmotnost FROM vymena_otelenia "
        u"WHERE usnecislo BETWEEN :Od AND :Po"_s,
        [](QSqlQuery& q, KravaImportu& k) {
            OtelenieImportu& o = k.otelenie(den(q.value(1)));
            if (!q.value(2).isNull())
                o.poradie = q.value(2).toInt();
            if (!q.value(3).isNull())
                o.chovatel = q.value(3).toString();
            if (!q.value(4).isNull())
                o.priebeh = q.value(4).toString();
            if (!q.value(5).isNull())
                o.hmotnost = q.value(5).toDouble();
        });
    citajZoSuboru(
        u"SELECT usnecislo, datumotelenia, poradie, normovana, dni, mlieko, tuk, bielkovina, "
        u"laktoza, ukoncenie, perzistencia, index_laktacie, sposob_ku FROM vymena_laktacie "
        u"WHERE usnecislo BETWEEN :Od AND :Po"_s,
        [](QSqlQuery& q, KravaImportu& k) {
            OtelenieImportu& o = k.otelenie(den(q.value(1)));
            if (!q.value(2).isNull() && o.poradie == 0)
                o.poradie = q.value(2).toInt();
            if (!q.value(5).isNull()) {
                const ZnamyVynos vynos{
                    q.value(4).isNull() ? -1 : q.value(4).toInt(),
                    {cislo(q.value(5)), cislo(q.value(6)), cislo(q.value(7)), cislo(q.value(8))}};
                (q.value(3).toInt() == 1 ? o.normovanyVSubore : o.celkovyVSubore) = vynos;
            }
            // The end of the whole lactation, not of its first 305 days.
            if (!q.value(9).isNull() && q.value(3).toInt() == 0)
                o.koniecVSubore = den(q.value(9));
            if (!q.value(10).isNull())
                o.perzistenciaVSubore = q.value(10).toDouble();
            if (!q.value(11).isNull())
                o.indexVSubore = q.value(11).toDouble();
            if (!q.value(12).isNull())
                o.sposob = q.value(12).toString();
        });
    for (auto& [id, krava] : kravy)
        krava.usporiadaj();
    citajZoSuboru(
        u"SELECT usnecislo, datum FROM vymena_zasusenia WHERE usnecislo BETWEEN :Od AND :Po"_s,
        [](QSqlQuery& q, KravaImportu& k) {
            const int datum = den(q.value(1));
            if (OtelenieImportu* o = k.otelenieDna(datum))
                o->zasusenie = datum;
        });
    citaj(u"SELECT a.krava_id, z.datum FROM vymena_kravy a JOIN vymena_zmenene_kontroly z ON "
          u"z.krava_id = a.krava_id WHERE a.usnecislo BETWEEN :Od AND :Po"_s,
          [](QSqlQuery& q, KravaImportu& k) { k.zmeneneKontroly.push_back(den(q.value(1))); });
    return kravy;
}

void LaktacieImportu::nacitajKontroly(const std::vector<int>& idKrav,
                                      std::map<int, KravaImportu>& kravy) {
    if (idKrav.empty())
        return;
    // The cows' ids are the database's own numbers, written here as such.
    QStringList zoznam;
    for (int id : idKrav)
        zoznam << QString::number(id);
    // The day's estimates where one milking was weighed, else what was weighed.
    QSqlQuery q = m_connection.execute(
        u"SELECT k.krava_id, k.datum, COALESCE(k.mlieko_prepocitane, k.mlieko), "
        u"COALESCE(k.tuk_prepocitane, k.tuk_perc), k.bielkovina_perc, k.laktoza_perc, k.typ FROM "
        u"kontroly k WHERE k.krava_id IN (%1) ORDER BY k.krava_id, k.datum"_s.arg(
            zoznam.join(u", "_s)));
    while (q.next()) {
        KravaImportu& k = kravy[q.value(0).toInt()];
        // What a test did not measure leaves the lactation's yield of it unknown.
        k.kontroly.push_back({den(q.value(1)), cislo(q.value(2)), cislo(q.value(3)),
                              cislo(q.value(4)), cislo(q.value(5))});
        k.typyKontrol.push_back(text(q.value(6)));
    }
}

void LaktacieImportu::urciPoradia() {
    BulkInsert rozsahy(m_connection, u"vymena_rozsahy"_s,
                       {u"krava_id"_s, u"od"_s, u"po"_s, u"poradie"_s});
    for (const auto& [od, po] : davky())
        for (const auto& [id, krava] : nacitaj(od, po))
            for (size_t i = 0; i < krava.otelenia.size(); ++i) {
                const OtelenieImportu& o = krava.otelenia[i];
                rozsahy.row().integer(id).date(o.datum);
                rozsahy.date(i + 1 < krava.otelenia.size() ? krava.otelenia[i + 1].datum : 0)
                    .integer(o.poradie);
            }
    rozsahy.finish();
}

namespace {

/// A cow's records for the derivation, her test days aside.
ZaznamyKravy zaznamyKravy(const KravaImportu& krava) {
    ZaznamyKravy zaznamy;
    zaznamy.vyradenie = krava.vyradenie;
    zaznamy.dovodVyradenia = krava.dovod;
    for (const OtelenieImportu& o : krava.otelenia) {
        Otelenie otelenie;
        otelenie.datum = o.datum;
        otelenie.poradie = o.poradie;
        otelenie.zasusenie = o.zasusenie;
        // A lactation the file ends, without a dry-off nor a culling that day, was dried off
        // then.
        if (o.zasusenie == 0 && o.koniecVSubore != 0 && o.koniecVSubore != krava.vyradenie)
            otelenie.zasusenie = o.koniecVSubore;
        zaznamy.otelenia.push_back(otelenie);
    }
    return zaznamy;
}

/// Whether a closed lactation's end is known without its test days: a dry-off, or the culling
/// that ended it. Otherwise it ends at its last test day.
bool znamyKoniec(const ZaznamyKravy& z, size_t i) {
    const int dalsie =
        i + 1 < z.otelenia.size() ? z.otelenia[i + 1].datum : std::numeric_limits<int>::max();
    const bool uzavreta = i + 1 < z.otelenia.size() || z.vyradenie != 0;
    return !uzavreta || z.otelenia[i].zasusenie != 0 ||
           (z.vyradenie >= z.otelenia[i].datum && z.vyradenie < dalsie);
}

/// Sets the yields that stand: those the file states, and those the database keeps for a
/// lactation whose test days and end did not change. Returns for each lactation whether it is
/// computed anew.
std::vector<bool> zname(const KravaImportu& krava, ZaznamyKravy& zaznamy) {
    const std::vector<VypocetLaktacii::Priebeh> priebehy = VypocetLaktacii::priebehy(zaznamy);
    std::vector<bool> prepocitat(krava.otelenia.size(), false);
    for (size_t i = 0; i < krava.otelenia.size(); ++i) {
        const OtelenieImportu& o = krava.otelenia[i];
        Otelenie& vstup = zaznamy.otelenia[i];
        const int dalsie = i + 1 < krava.otelenia.size() ? krava.otelenia[i + 1].datum
                                                         : std::numeric_limits<int>::max();
        const bool zmeneneKontroly =
            std::any_of(krava.zmeneneKontroly.begin(), krava.zmeneneKontroly.end(),
                        [&](int d) { return d >= o.datum && d < dalsie; });
        prepocitat[i] = !o.ulozena || zmeneneKontroly ||
                        priebehy[i].ukoncenie != o.ulozeneUkoncenie ||
                        priebehy[i].prebiehajuca != o.ulozenaPrebiehajuca;
        vstup.celkovy.reset();
        vstup.normovany.reset();
        vstup.perzistencia = NAN;
        if (!prepocitat[i]) {
            vstup.celkovy = o.ulozenyCelkovy;
            vstup.normovany = o.ulozenyNormovany;
            vstup.perzistencia = o.ulozenaPerzistencia;
        }
        if (o.celkovyVSubore)
            vstup.celkovy = o.celkovyVSubore;
        if (o.normovanyVSubore)
            vstup.normovany = o.normovanyVSubore;
        if (!std::isnan(o.perzistenciaVSubore))
            vstup.perzistencia = o.perzistenciaVSubore;
    }
    return prepocitat;
}

/// Whether the derivation needs the cow's test days: for a lactation's end, yields or
/// persistency that nothing states, or its recording method.
bool potrebujeKontroly(const KravaImportu& krava, ZaznamyKravy& zaznamy) {
    for (size_t i = 0; i < zaznamy.otelenia.size(); ++i)
        if (!znamyKoniec(zaznamy, i))
            return true;
    zname(krava, zaznamy);
    for (size_t i = 0; i < zaznamy.otelenia.size(); ++i) {
        const Otelenie& o = zaznamy.otelenia[i];
        if (!o.celkovy || !o.normovany || o.celkovy->dni < 0 || o.normovany->dni < 0 ||
            (o.celkovy->dni >= 300 && std::isnan(o.perzistencia)) ||
            krava.otelenia[i].sposob.isEmpty())
            return true;
    }
    return false;
}

} // namespace

void LaktacieImportu::vypocitaj(const Priebeh& priebeh) {
    QStringList stlpce{u"krava_id"_s, u"prebiehajuca"_s};
    stlpce << stlpceLaktacie();
    BulkInsert laktacie(m_connection, u"vymena_laktacie_vysledok"_s, stlpce);
    BulkInsert suhrny(m_connection, u"vymena_kravy_vysledok"_s,
                      {u"krava_id"_s, u"por_preb_laktacie"_s, u"por_max_laktacie"_s,
                       u"pocet_laktacii"_s, u"pocet_norm_laktacii"_s, u"mlieko_max"_s, u"tuk_max"_s,
                       u"bielkovina_max"_s, u"laktoza_max"_s, u"mlieko_priem"_s, u"tuk_priem_kg"_s,
                       u"tuk_priem_perc"_s, u"bielkovina_priem_kg"_s, u"bielkovina_priem_perc"_s,
                       u"laktoza_priem_kg"_s, u"laktoza_priem_perc"_s, u"datumposkontroly"_s,
                       u"prve_otelenie"_s});
    const auto zaokruhlene = [](double hodnota, int desatinne) {
        return VypocetLaktacii::zaokruhli(hodnota, desatinne);
    };
    const auto podiel = [&](double kg, double mlieko) {
        return zaokruhlene(100 * kg / mlieko, 2);
    };
    const auto celeAleboNull = [](BulkInsert& v, int hodnota) {
        if (hodnota == 0)
            v.null();
        else
            v.integer(hodnota);
    };
    const auto textAleboNull = [](BulkInsert& v, const QString& hodnota) {
        v.text(hodnota.isEmpty() ? QString() : hodnota);
    };

    VypocetLaktacii vypocet;
    const std::vector<std::pair<QString, QString>> zoznam = davky();
    qint64 hotovo = 0;
    for (const auto& [od, po] : zoznam) {
        std::map<int, KravaImportu> kravy = nacitaj(od, po);
        // Test days are read only for cows with something to compute from them: a file that
        // states every lactation, as the program's own export does, needs the last day alone.
        std::vector<int> sKontrolami;
        for (auto& [id, krava] : kravy) {
            ZaznamyKravy zaznamy = zaznamyKravy(krava);
            if (potrebujeKontroly(krava, zaznamy))
                sKontrolami.push_back(id);
        }
        nacitajKontroly(sKontrolami, kravy);
        std::map<int, int> posledneKontroly;
        // Each cow's last day from the end of her index. A maximum over a join read all her days,
        // each checked against the table itself since this transaction wrote them: half a second
        // at 10,000 cows, now a twentieth of it.
        QSqlQuery posledne = m_connection.execute(
            u"SELECT a.krava_id, (SELECT k.datum FROM kontroly k WHERE k.krava_id = a.krava_id "
            u"ORDER BY k.datum DESC LIMIT 1) FROM vymena_kravy a WHERE a.usnecislo BETWEEN :Od AND "
            u":Po"_s,
            {{u"Od"_s, od}, {u"Po"_s, po}});
        while (posledne.next())
            posledneKontroly[posledne.value(0).toInt()] = den(posledne.value(1));

        for (auto& [id, krava] : kravy) {
            ZaznamyKravy zaznamy = zaznamyKravy(krava);
            zaznamy.kontroly = krava.kontroly;
            const std::vector<bool> prepocitat = zname(krava, zaznamy);
            const std::vector<Laktacia> vysledky = vypocet.laktacie(zaznamy);
            SuhrnKravy suhrn = VypocetLaktacii::suhrn(vysledky);
            if (krava.kontroly.empty())
                suhrn.poslednaKontrola = posledneKontroly[id];

            for (size_t i = 0; i < vysledky.size(); ++i) {
                const Laktacia& l = vysledky[i];
                const OtelenieImportu& o = krava.otelenia[i];
                const QString chovatel = o.chovatel.isEmpty() ? krava.chovatel : o.chovatel;
                // Without a method of its own, the lactation's is that of its first test day.
                QString sposob = o.sposob;
                const auto prva =
                    std::lower_bound(krava.kontroly.begin(), krava.kontroly.end(), l.datumOtelenia,
                                     [](const KontrolaDna& k, int d) { return k.datum < d; });
                if (sposob.isEmpty() && prva != krava.kontroly.end() &&
                    (i + 1 == vysledky.size() || prva->datum < vysledky[i + 1].datumOtelenia))
                    sposob = krava.typyKontrol[size_t(prva - krava.kontroly.begin())];
                const double index = !std::isnan(o.indexVSubore) ? o.indexVSubore
                                     : prepocitat[i]             ? NAN
                                                                 : o.ulozenyIndex;
                laktacie.row()
                    .integer(id)
                    .integer(l.prebiehajuca ? 1 : 0)
                    .date(l.datumOtelenia)
                    .integer(l.poradie);
                textAleboNull(laktacie, chovatel);
                textAleboNull(laktacie, o.priebeh);
                textAleboNull(laktacie, l.zmena);
                laktacie.date(l.ukoncenie).date(l.koniecNormovanej);
                celeAleboNull(laktacie, l.medziobdobie);
                laktacie.number(o.hmotnost).integer(l.dni).integer(l.dniNorm);
                laktacie.number(l.celkovy.mlieko)
                    .number(l.normovany.mlieko)
                    .number(l.celkovy.tuk)
                    .number(l.normovany.tuk)
                    .number(l.celkovy.bielkovina)
                    .number(l.normovany.bielkovina)
                    .number(l.celkovy.laktoza)
                    .number(l.normovany.laktoza)
                    .number(l.perzistencia)
                    .number(index);
                const auto ustajnenie = m_ustajnenie.find(chovatel);
                textAleboNull(laktacie,
                              ustajnenie != m_ustajnenie.end() ? ustajnenie->second : QString());
                textAleboNull(laktacie, sposob);
                laktacie.integer(l.maximalna ? 1 : 0);
            }

            suhrny.row().integer(id);
            celeAleboNull(suhrny, suhrn.porPrebLaktacie);
            celeAleboNull(suhrny, suhrn.porMaxLaktacie);
            suhrny.integer(suhrn.pocetLaktacii).integer(suhrn.pocetNormLaktacii);
            suhrny.number(zaokruhlene(suhrn.maximum.mlieko, 1))
                .number(zaokruhlene(suhrn.maximum.tuk, 2))
                .number(zaokruhlene(suhrn.maximum.bielkovina, 2))
                .number(zaokruhlene(suhrn.maximum.laktoza, 2));
            const Vynos& p = suhrn.priemer;
            suhrny.number(zaokruhlene(p.mlieko, 1))
                .number(zaokruhlene(p.tuk, 2))
                .number(podiel(p.tuk, p.mlieko))
                .number(zaokruhlene(p.bielkovina, 2))
                .number(podiel(p.bielkovina, p.mlieko))
                .number(zaokruhlene(p.laktoza, 2))
                .number(podiel(p.laktoza, p.mlieko))
                .date(suhrn.poslednaKontrola)
                .date(krava.otelenia.empty() ? 0 : krava.otelenia.front().datum);
            ++hotovo;
        }
        if (priebeh)
            priebeh(hotovo, 0);
    }
    laktacie.finish();
    suhrny.finish();
}
