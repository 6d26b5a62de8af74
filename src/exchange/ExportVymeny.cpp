#include "ExportVymeny.h"

#include "ChybaVymeny.h"
#include "KodyVymeny.h"
#include "ZapisJson.h"

#include "data/Connection.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QVariant>
#include <cmath>

using namespace Qt::Literals::StringLiterals;
using KodyVymeny::Zbierka;

namespace {

using Json = rapidjson::Writer<rapidjson::StringBuffer>;

constexpr int kZvieratVDavke = 2000;

void kluc(Json& j, const char* nazov) {
    j.Key(nazov);
}

void text(Json& j, const QString& hodnota) {
    const QByteArray utf8 = hodnota.toUtf8();
    j.String(utf8.constData(), rapidjson::SizeType(utf8.size()));
}

void text(Json& j, const char* hodnota) {
    j.String(hodnota);
}

/// A member with a text, left out when the value is NULL or empty.
void textAk(Json& j, const char* nazov, const QVariant& hodnota) {
    const QString t = hodnota.toString();
    if (hodnota.isNull() || t.isEmpty())
        return;
    kluc(j, nazov);
    text(j, t);
}

void cisloAk(Json& j, const char* nazov, const QVariant& hodnota) {
    if (hodnota.isNull())
        return;
    kluc(j, nazov);
    j.Double(hodnota.toDouble());
}

void celeAk(Json& j, const char* nazov, const QVariant& hodnota) {
    if (hodnota.isNull())
        return;
    kluc(j, nazov);
    j.Int(hodnota.toInt());
}

/// An amount in kilograms, as ADE measures it; left out when the value is NULL.
void kilogramyAk(Json& j, const char* nazov, const QVariant& hodnota) {
    if (hodnota.isNull())
        return;
    kluc(j, nazov);
    j.StartObject();
    kluc(j, "unitCode");
    text(j, "KGM");
    kluc(j, "value");
    j.Double(hodnota.toDouble());
    j.EndObject();
}

void logickaAk(Json& j, const char* nazov, const QVariant& hodnota) {
    if (hodnota.isNull())
        return;
    kluc(j, nazov);
    j.Bool(hodnota.toInt() != 0);
}

QString datumCas(const QDate& datum) {
    return datum.toString(Qt::ISODate) + u"T00:00:00Z"_s;
}

void datumAk(Json& j, const char* nazov, const QVariant& hodnota, bool sCasom = true) {
    if (hodnota.isNull())
        return;
    kluc(j, nazov);
    const QDate datum = hodnota.toDate();
    text(j, sCasom ? datumCas(datum) : datum.toString(Qt::ISODate));
}

void identifikator(Json& j, const char* nazov, const char* schema, const QString& id) {
    kluc(j, nazov);
    j.StartObject();
    kluc(j, "id");
    text(j, id);
    kluc(j, "scheme");
    text(j, schema);
    j.EndObject();
}

void zviera(Json& j, const QVariant& usneCislo) {
    identifikator(j, "animal", KodyVymeny::kUsneCislo, usneCislo.toString());
}

void lokalita(Json& j, const QVariant& kod) {
    if (!kod.isNull() && !kod.toString().isEmpty())
        identifikator(j, "location", KodyVymeny::kChovatel, kod.toString());
}

/// A resource of the collection: its resourceType is written, the rest is the caller's.
void zdroj(Json& j, Zbierka zbierka) {
    j.StartObject();
    kluc(j, "resourceType");
    text(j, KodyVymeny::popis(zbierka).typZdroja);
}

QString cisloTextom(double hodnota) {
    return QString::number(hodnota, 'g', QLocale::FloatingPointShortest);
}

} // namespace

ExportVymeny::ExportVymeny(Connection& connection)
    : m_connection(connection) {}

void ExportVymeny::vyberZvierat(const QString& kod) {
    for (const QString& t : {u"vyvoz_zvierata"_s, u"vyvoz_nove"_s, u"vyvoz_lokality"_s})
        m_connection.executeDirect(u"DROP TEMPORARY TABLE IF EXISTS "_s + t);
    m_connection.executeDirect(u"CREATE TEMPORARY TABLE vyvoz_zvierata (zviera_id INT NOT NULL, "
                               u"plne SMALLINT NOT NULL, PRIMARY KEY (zviera_id))"_s);
    m_connection.executeDirect(u"CREATE TEMPORARY TABLE vyvoz_nove (zviera_id INT NOT NULL, "
                               u"PRIMARY KEY (zviera_id))"_s);
    m_connection.executeDirect(
        u"CREATE TEMPORARY TABLE vyvoz_lokality (kod VARCHAR(9) NOT NULL, PRIMARY KEY (kod)) "
        u"DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci"_s);
    m_connection.execute(u"INSERT INTO vyvoz_zvierata SELECT zviera_id, 1 FROM zvierata WHERE "
                         u"chovatel LIKE :Chov"_s,
                         {{u"Chov"_s, kod + u'%'}});
    // The animals they refer to, and those these refer to, until no new one comes.
    for (;;) {
        m_connection.executeDirect(u"DELETE FROM vyvoz_nove"_s);
        for (const QString& odkaz :
             {u"SELECT z.otec_id FROM vyvoz_zvierata v JOIN zvierata z ON z.zviera_id = "
              u"v.zviera_id WHERE z.otec_id IS NOT NULL"_s,
              u"SELECT z.matka_id FROM vyvoz_zvierata v JOIN zvierata z ON z.zviera_id = "
              u"v.zviera_id WHERE z.matka_id IS NOT NULL"_s,
              u"SELECT j.byk_inseminacie_id FROM vyvoz_zvierata v JOIN jalovice j ON "
              u"j.jalovica_id = v.zviera_id WHERE j.byk_inseminacie_id IS NOT NULL"_s})
            m_connection.executeDirect(u"INSERT IGNORE INTO vyvoz_nove "_s + odkaz);
        QSqlQuery pribudli = m_connection.execute(
            u"SELECT COUNT(*) FROM vyvoz_nove n LEFT JOIN vyvoz_zvierata v ON v.zviera_id = "
            u"n.zviera_id WHERE v.zviera_id IS NULL"_s);
        pribudli.next();
        if (pribudli.value(0).toInt() == 0)
            break;
        m_connection.executeDirect(u"INSERT IGNORE INTO vyvoz_zvierata SELECT zviera_id, 0 FROM "
                                   u"vyvoz_nove"_s);
    }
}

std::vector<std::pair<int, int>> ExportVymeny::davky(bool lenVyber) {
    std::vector<int> id;
    QSqlQuery q =
        m_connection.execute(u"SELECT zviera_id FROM vyvoz_zvierata%1 ORDER BY "
                             u"zviera_id"_s.arg(lenVyber ? u" WHERE plne = 1"_s : QString()));
    while (q.next())
        id.push_back(q.value(0).toInt());
    std::vector<std::pair<int, int>> vysledok;
    for (size_t i = 0; i < id.size(); i += kZvieratVDavke)
        vysledok.emplace_back(id[i], id[std::min(id.size(), i + kZvieratVDavke) - 1]);
    return vysledok;
}

void ExportVymeny::clenovia(ZapisJson& zapis, Davky davky, const QString& sql,
                            const std::function<void(const QSqlQuery&)>& clen,
                            const std::function<void(int od, int po)>& predDavkou) {
    const std::vector<std::pair<int, int>> zoznam = davky == Davky::Naraz
                                                        ? std::vector<std::pair<int, int>>{{0, 0}}
                                                        : this->davky(davky == Davky::Vyber);
    qint64 hotovo = 0;
    for (const auto& [od, po] : zoznam) {
        if (predDavkou)
            predDavkou(od, po);
        QSqlQuery q = davky == Davky::Naraz
                          ? m_connection.execute(sql)
                          : m_connection.execute(sql, {{u"Od"_s, od}, {u"Po"_s, po}});
        while (q.next()) {
            clen(q);
            zapis.priebezne();
        }
        ++hotovo;
        if (m_priebeh && davky != Davky::Naraz)
            m_priebeh(m_zbierka, hotovo, qint64(zoznam.size()));
    }
}

ExportVymeny::Vysledok ExportVymeny::exportuj(const QString& kod, const QString& cesta,
                                              const PriebehVymeny& priebeh) {
    static const QRegularExpression tvar(u"^([0-9]{6}|[0-9]{8}|[0-9]{9})$"_s);
    if (!tvar.match(kod).hasMatch())
        throw ChybaVymeny(
            u"Kód výberu „%1“ nie je podnik (6 číslic), chov (8) ani maštaľ (9)."_s.arg(kod));
    QSqlQuery existuje = m_connection.execute(
        u"SELECT 1 FROM podniky WHERE podnik = :Kod UNION SELECT 1 FROM chovy WHERE chov = :Kod "
        u"UNION SELECT 1 FROM mastale WHERE mastal = :Kod"_s,
        {{u"Kod"_s, kod}});
    if (!existuje.next())
        throw ChybaVymeny(u"Podnik, chov ani maštaľ %1 v databáze nie je."_s.arg(kod));

    m_priebeh = priebeh;
    m_vysledok = {};
    const auto krok = [&](const QString& popis) {
        if (m_priebeh)
            m_priebeh(popis, 0, 0);
    };
    krok(u"Výber zvierat"_s);
    vyberZvierat(kod);
    ZapisJson zapis(cesta);
    Json& j = zapis.json();
    j.StartObject();
    const auto zbierka = [&](Zbierka z, const QString& popis, auto telo) {
        krok(popis);
        m_zbierka = popis;
        kluc(j, KodyVymeny::popis(z).nazov);
        j.StartObject();
        kluc(j, "member");
        j.StartArray();
        telo();
        j.EndArray();
        j.EndObject();
        zapis.priebezne();
    };
    zbierka(Zbierka::Lokality, u"Podniky, chovy a maštale"_s, [&] { lokality(zapis, kod); });
    zbierka(Zbierka::Zvierata, u"Zvieratá"_s, [&] { zvierata(zapis); });
    zbierka(Zbierka::Narodenia, u"Narodenia"_s, [&] { narodenia(zapis); });
    zbierka(Zbierka::Prichody, u"Príchody"_s, [&] { prichody(zapis); });
    zbierka(Zbierka::Odchody, u"Vyradenia"_s, [&] { vyradenia(zapis, false); });
    zbierka(Zbierka::Uhyny, u"Úhyny"_s, [&] { vyradenia(zapis, true); });
    zbierka(Zbierka::Otelenia, u"Otelenia"_s, [&] { otelenia(zapis); });
    zbierka(Zbierka::Zasusenia, u"Zasušenia"_s, [&] { zasusenia(zapis); });
    zbierka(Zbierka::Kontroly, u"Kontroly úžitkovosti"_s, [&] { kontroly(zapis); });
    zbierka(Zbierka::Laktacie, u"Laktácie"_s, [&] { laktacie(zapis); });
    zbierka(Zbierka::PlemenneHodnoty, u"Plemenné hodnoty"_s, [&] { hodnoty(zapis); });
    j.EndObject();
    krok(u"Uloženie súboru"_s);
    m_vysledok.bajtov = zapis.dokonci();
    return m_vysledok;
}

void ExportVymeny::lokality(ZapisJson& zapis, const QString& kod) {
    // The selection and the levels above it, and every place the file's records name.
    const ParameterValues vyber{{u"Kod"_s, kod}};
    for (const QString& zdroj :
         {u"SELECT :Kod"_s,
          u"SELECT z.chovatel FROM vyvoz_zvierata v JOIN zvierata z ON z.zviera_id = v.zviera_id "
          u"WHERE v.plne = 1 AND z.chovatel IS NOT NULL"_s,
          u"SELECT z.chov_narodenia FROM vyvoz_zvierata v JOIN zvierata z ON z.zviera_id = "
          u"v.zviera_id JOIN chovy c ON c.chov = z.chov_narodenia WHERE z.vlastne = 1"_s,
          u"SELECT l.chovatel FROM vyvoz_zvierata v JOIN laktacie l ON l.krava_id = v.zviera_id "
          u"WHERE v.plne = 1 AND l.chovatel IS NOT NULL"_s,
          u"SELECT l.chovatel FROM vyvoz_zvierata v JOIN prebiehajuce_laktacie l ON l.krava_id = "
          u"v.zviera_id WHERE v.plne = 1 AND l.chovatel IS NOT NULL"_s,
          u"SELECT DISTINCT k.chovatel FROM vyvoz_zvierata v JOIN kontroly k ON k.krava_id = "
          u"v.zviera_id WHERE v.plne = 1 AND k.chovatel IS NOT NULL"_s}) {
        if (zdroj.contains(u":Kod"_s))
            m_connection.execute(u"INSERT IGNORE INTO vyvoz_lokality "_s + zdroj, vyber);
        else
            m_connection.executeDirect(u"INSERT IGNORE INTO vyvoz_lokality "_s + zdroj);
    }
    for (int dlzka : {8, 6}) {
        QSqlQuery vyssie = m_connection.execute(
            u"SELECT DISTINCT LEFT(kod, %1) FROM vyvoz_lokality WHERE LENGTH(kod) > %1"_s.arg(
                dlzka));
        QStringList kody;
        while (vyssie.next())
            kody << vyssie.value(0).toString();
        for (const QString& k : kody)
            m_connection.execute(u"INSERT IGNORE INTO vyvoz_lokality VALUES (:Kod)"_s,
                                 {{u"Kod"_s, k}});
    }
    Json& j = zapis.json();
    QSqlQuery q = m_connection.execute(
        u"SELECT v.kod, COALESCE(p.nazov, c.nazov, m.nazov), p.obec, m.ustajnenie FROM "
        u"vyvoz_lokality v LEFT JOIN podniky p ON p.podnik = v.kod LEFT JOIN chovy c ON c.chov = "
        u"v.kod LEFT JOIN mastale m ON m.mastal = v.kod WHERE COALESCE(p.podnik, c.chov, "
        u"m.mastal) IS NOT NULL ORDER BY v.kod"_s);
    while (q.next()) {
        zdroj(j, Zbierka::Lokality);
        identifikator(j, "identifier", KodyVymeny::kChovatel, q.value(0).toString());
        textAk(j, "name", q.value(1));
        if (!q.value(2).isNull() || !q.value(3).isNull()) {
            kluc(j, KodyVymeny::kRozsirenie);
            j.StartObject();
            textAk(j, "obec", q.value(2));
            textAk(j, "ustajnenie", q.value(3));
            j.EndObject();
        }
        j.EndObject();
    }
}

void ExportVymeny::zvierata(ZapisJson& zapis) {
    Json& j = zapis.json();
    clenovia(
        zapis, Davky::Vsetky,
        u"SELECT z.usnecislo, z.pohlavie, z.datumnarodenia, z.meno, pl.kod, f.kod, f.nazov, "
        u"pk.kod, pt.kod, z.chov_narodenia, z.vlastne, z.import, z.et, z.chovatel, "
        u"o.usnecislo, m.usnecislo, z.vlozene, z.zmenene, z.datumumrtia, v.plne, "
        u"k.krava_id, k.plemenna, k.datumzaradenia, k.skupina, k.mb, k.zdravotna_trieda, "
        u"k.trieda_uzitkovosti, dv.kod, "
        u"b.byk_id, b.linia, b.register, b.hb_cislo, b.inseminacny, b.datumvyradenia, "
        u"j.jalovica_id, j.stav, j.datum_inseminacie, bi.usnecislo, j.hmotnost, "
        u"j.datum_vazenia, ch.chov, "
        u"z.plemeno1, z.krv1, z.plemeno2, z.krv2, z.plemeno3, z.krv3, z.plemeno4, z.krv4, "
        u"z.plemeno5, z.krv5 "
        u"FROM vyvoz_zvierata v JOIN zvierata z ON z.zviera_id = v.zviera_id "
        u"LEFT JOIN plemena pl ON pl.plemeno_id = z.plemeno_id "
        u"LEFT JOIN farby f ON f.farba_id = z.farba_id "
        u"LEFT JOIN plemenne_knihy pk ON pk.plemenna_kniha_id = z.plemenna_kniha_id "
        u"LEFT JOIN plemenne_typy pt ON pt.plemenny_typ_id = z.plemenny_typ_id "
        u"LEFT JOIN zvierata o ON o.zviera_id = z.otec_id "
        u"LEFT JOIN zvierata m ON m.zviera_id = z.matka_id "
        u"LEFT JOIN kravy k ON k.krava_id = z.zviera_id "
        u"LEFT JOIN dovody_vyradenia dv ON dv.dovod_vyradenia_id = k.dovod_vyradenia_id "
        u"LEFT JOIN byky b ON b.byk_id = z.zviera_id "
        u"LEFT JOIN jalovice j ON j.jalovica_id = z.zviera_id "
        u"LEFT JOIN zvierata bi ON bi.zviera_id = j.byk_inseminacie_id "
        u"LEFT JOIN chovy ch ON ch.chov = z.chov_narodenia "
        u"WHERE v.zviera_id BETWEEN :Od AND :Po ORDER BY z.zviera_id"_s,
        [&](const QSqlQuery& q) {
            const QString usneCislo = q.value(0).toString();
            const bool plne = q.value(19).toInt() == 1;
            const bool krava = plne && !q.value(20).isNull();
            const bool jalovica = plne && !q.value(34).isNull();
            const bool byk = !q.value(28).isNull();
            const bool narodene =
                q.value(10).toInt() == 1 && !q.value(40).isNull() && !q.value(2).isNull();
            zdroj(j, Zbierka::Zvierata);
            identifikator(j, "identifier", KodyVymeny::kUsneCislo, usneCislo);
            kluc(j, "specie");
            text(j, "Cattle");
            kluc(j, "gender");
            text(j, q.value(1).toString() == u"1"_s ? "Male" : "Female");
            datumAk(j, "birthDate", q.value(2));
            textAk(j, "name", q.value(3));
            if (!q.value(4).isNull())
                identifikator(j, "primaryBreed", KodyVymeny::kPlemeno, q.value(4).toString());
            if (!q.value(41).isNull()) {
                kluc(j, "breedFractions");
                j.StartObject();
                kluc(j, "denominator");
                j.Int(100);
                kluc(j, "fractions");
                j.StartArray();
                for (int k = 0; k < 5 && !q.value(41 + 2 * k).isNull(); ++k) {
                    j.StartObject();
                    identifikator(j, "breed", KodyVymeny::kPlemeno, q.value(41 + 2 * k).toString());
                    kluc(j, "fraction");
                    j.Double(q.value(42 + 2 * k).toDouble());
                    j.EndObject();
                }
                j.EndArray();
                j.EndObject();
            }
            textAk(j, "coatColor", q.value(6));
            if (!q.value(5).isNull())
                identifikator(j, "coatColorIdentifier", KodyVymeny::kFarba, q.value(5).toString());
            const bool vyradena = krava && q.value(27).toString() != u"00"_s;
            if (!q.value(18).isNull() || plne) {
                kluc(j, "status");
                text(j, !q.value(18).isNull() ? "Dead" : vyradena ? "OffFarm" : "Alive");
            }
            if (!q.value(14).isNull() || !q.value(15).isNull()) {
                kluc(j, "parentage");
                j.StartArray();
                for (const auto& [stlpec, pohlavie] : {std::pair{14, "Male"}, {15, "Female"}}) {
                    if (q.value(stlpec).isNull())
                        continue;
                    j.StartObject();
                    identifikator(j, "parentOf", KodyVymeny::kUsneCislo, usneCislo);
                    kluc(j, "gender");
                    text(j, pohlavie);
                    identifikator(j, "identifier", KodyVymeny::kUsneCislo,
                                  q.value(stlpec).toString());
                    j.EndObject();
                }
                j.EndArray();
            }
            if (plne)
                lokalita(j, q.value(13));
            if (!q.value(16).isNull()) {
                kluc(j, "meta");
                j.StartObject();
                kluc(j, "source");
                text(j, KodyVymeny::kZdroj);
                kluc(j, "created");
                text(j, q.value(16).toDateTime().toString(u"yyyy-MM-ddTHH:mm:ssZ"_s));
                kluc(j, "modified");
                text(j, (q.value(17).isNull() ? q.value(16) : q.value(17))
                            .toDateTime()
                            .toString(u"yyyy-MM-ddTHH:mm:ssZ"_s));
                j.EndObject();
            }

            kluc(j, KodyVymeny::kRozsirenie);
            j.StartObject();
            textAk(j, "plemennaKniha", q.value(7));
            textAk(j, "plemennyTyp", q.value(8));
            if (!narodene)
                textAk(j, "chovNarodenia", q.value(9));
            logickaAk(j, "import", q.value(11));
            logickaAk(j, "et", q.value(12));
            if (krava) {
                kluc(j, "krava");
                j.StartObject();
                logickaAk(j, "plemenna", q.value(21));
                datumAk(j, "datumZaradenia", q.value(22), false);
                textAk(j, "skupina", q.value(23));
                if (!q.value(24).isNull()) {
                    kluc(j, "matkaByka");
                    j.Bool(q.value(24).toString() == u"1"_s);
                }
                textAk(j, "zdravotnaTrieda", q.value(25));
                textAk(j, "triedaUzitkovosti", q.value(26));
                j.EndObject();
            }
            if (byk) {
                kluc(j, "byk");
                j.StartObject();
                textAk(j, "linia", q.value(29));
                textAk(j, "register", q.value(30));
                textAk(j, "hbCislo", q.value(31));
                textAk(j, "inseminacny", q.value(32));
                datumAk(j, "datumVyradenia", q.value(33), false);
                j.EndObject();
            }
            if (jalovica) {
                kluc(j, "jalovica");
                j.StartObject();
                textAk(j, "stav", q.value(35));
                datumAk(j, "datumInseminacie", q.value(36), false);
                if (!q.value(37).isNull())
                    identifikator(j, "bykInseminacie", KodyVymeny::kUsneCislo,
                                  q.value(37).toString());
                cisloAk(j, "hmotnost", q.value(38));
                datumAk(j, "datumVazenia", q.value(39), false);
                j.EndObject();
            }
            j.EndObject();
            j.EndObject();
            ++m_vysledok.zvierat;
        });
}

void ExportVymeny::narodenia(ZapisJson& zapis) {
    Json& j = zapis.json();
    clenovia(zapis, Davky::Naraz,
             u"SELECT z.usnecislo, z.datumnarodenia, z.chov_narodenia FROM vyvoz_zvierata v JOIN "
             u"zvierata z ON z.zviera_id = v.zviera_id JOIN chovy c ON c.chov = z.chov_narodenia "
             u"WHERE z.vlastne = 1 AND z.datumnarodenia IS NOT NULL ORDER BY z.zviera_id"_s,
             [&](const QSqlQuery& q) {
                 zdroj(j, Zbierka::Narodenia);
                 zviera(j, q.value(0));
                 datumAk(j, "eventDateTime", q.value(1));
                 lokalita(j, q.value(2));
                 kluc(j, "registrationReason");
                 text(j, "Born");
                 j.EndObject();
             });
}

void ExportVymeny::prichody(ZapisJson& zapis) {
    Json& j = zapis.json();
    clenovia(
        zapis, Davky::Naraz,
        u"SELECT z.usnecislo, k.datumzaradenia, z.chovatel, z.import FROM vyvoz_zvierata v JOIN "
        u"zvierata z ON z.zviera_id = v.zviera_id JOIN kravy k ON k.krava_id = z.zviera_id WHERE "
        u"v.plne = 1 AND z.vlastne = 0 AND k.datumzaradenia IS NOT NULL ORDER BY z.zviera_id"_s,
        [&](const QSqlQuery& q) {
            zdroj(j, Zbierka::Prichody);
            zviera(j, q.value(0));
            datumAk(j, "eventDateTime", q.value(1));
            lokalita(j, q.value(2));
            kluc(j, "arrivalReason");
            text(j, q.value(3).toInt() == 1 ? "Imported" : "Purchase");
            j.EndObject();
        });
}

void ExportVymeny::vyradenia(ZapisJson& zapis, bool uhyny) {
    Json& j = zapis.json();
    // Cows culled from the selection; of the other animals, those known to be dead.
    clenovia(
        zapis, Davky::Naraz,
        u"SELECT z.usnecislo, COALESCE(k.datumvyradenia, z.datumumrtia), z.chovatel, dv.kod "
        u"FROM vyvoz_zvierata v JOIN zvierata z ON z.zviera_id = v.zviera_id LEFT JOIN kravy k "
        u"ON k.krava_id = z.zviera_id LEFT JOIN dovody_vyradenia dv ON dv.dovod_vyradenia_id = "
        u"k.dovod_vyradenia_id WHERE "_s +
            (uhyny ? u"(v.plne = 1 AND dv.kod = '07' AND k.datumvyradenia IS NOT NULL) OR "
                     u"(k.krava_id IS NULL AND z.datumumrtia IS NOT NULL)"_s
                   : u"v.plne = 1 AND dv.kod NOT IN ('00', '07') AND k.datumvyradenia IS NOT "
                     u"NULL"_s) +
            u" ORDER BY z.zviera_id"_s,
        [&](const QSqlQuery& q) {
            const QString kod = q.value(3).toString();
            zdroj(j, uhyny ? Zbierka::Uhyny : Zbierka::Odchody);
            zviera(j, q.value(0));
            datumAk(j, "eventDateTime", q.value(1));
            if (!q.value(3).isNull())
                lokalita(j, q.value(2));
            if (uhyny) {
                kluc(j, "deathMethod");
                text(j, "Perished");
            } else {
                kluc(j, "departureKind");
                text(j, KodyVymeny::druhOdchodu(kod));
                kluc(j, "departureReason");
                text(j, KodyVymeny::dovodOdchodu(kod));
            }
            if (!q.value(3).isNull()) {
                kluc(j, KodyVymeny::kRozsirenie);
                j.StartObject();
                kluc(j, "dovodVyradenia");
                text(j, kod);
                j.EndObject();
            }
            j.EndObject();
        });
}

namespace {

/// The lactations of the selection's cows, closed and current, in order of cow and calving.
const QString kLaktacie =
    u"SELECT z.usnecislo, l.datumotelenia, l.poradie, l.chovatel, l.priebeh_porod, l.zmena, "
    u"l.ukoncenie, l.ukoncenie_norm_lakt, l.pocet_dni, l.pocet_dni_norm, l.mlieko_celk, "
    u"l.tuk_celk, l.bielkovina_celk, l.laktoza_celk, l.mlieko_norm, l.tuk_norm, "
    u"l.bielkovina_norm, l.laktoza_norm, l.index_perzistencie, l.index_laktacie, "
    u"l.hmotnost_kravy, l.sposob_ku, l.prebiehajuca, l.krava_id FROM vyvoz_zvierata v JOIN "
    u"(SELECT krava_id, datumotelenia, poradie, chovatel, priebeh_porod, zmena, ukoncenie, "
    u"ukoncenie_norm_lakt, pocet_dni, pocet_dni_norm, mlieko_celk, tuk_celk, bielkovina_celk, "
    u"laktoza_celk, mlieko_norm, tuk_norm, bielkovina_norm, laktoza_norm, index_perzistencie, "
    u"index_laktacie, hmotnost_kravy, sposob_ku, 0 AS prebiehajuca FROM laktacie WHERE "
    u"krava_id BETWEEN :Od AND :Po UNION ALL SELECT krava_id, datumotelenia, poradie, chovatel, "
    u"priebeh_porod, zmena, ukoncenie, ukoncenie_norm_lakt, pocet_dni, pocet_dni_norm, "
    u"mlieko_celk, tuk_celk, bielkovina_celk, laktoza_celk, mlieko_norm, tuk_norm, "
    u"bielkovina_norm, laktoza_norm, index_perzistencie, index_laktacie, hmotnost_kravy, "
    u"sposob_ku, 1 FROM prebiehajuce_laktacie WHERE krava_id BETWEEN :Od AND :Po) l ON "
    u"l.krava_id = v.zviera_id JOIN zvierata z ON z.zviera_id = l.krava_id WHERE v.plne = 1 "
    u"ORDER BY l.krava_id, l.datumotelenia"_s;

QString idLaktacie(const QSqlQuery& q, const char* druh) {
    return u"%1:%2:%3"_s.arg(q.value(0).toString(), q.value(1).toDate().toString(Qt::ISODate),
                             QLatin1String(druh));
}

} // namespace

void ExportVymeny::otelenia(ZapisJson& zapis) {
    Json& j = zapis.json();
    std::multimap<std::pair<int, qint64>, std::pair<QString, QString>> potomstvo;
    // Calves born on the day to the cow, as far as the file has them.
    const auto teliataDavky = [&](int od, int po) {
        potomstvo.clear();
        QSqlQuery teliata = m_connection.execute(
            u"SELECT c.matka_id, c.datumnarodenia, c.usnecislo, c.pohlavie FROM vyvoz_zvierata v "
            u"JOIN zvierata c ON c.zviera_id = v.zviera_id WHERE c.matka_id BETWEEN :Od AND :Po "
            u"ORDER BY c.zviera_id"_s,
            {{u"Od"_s, od}, {u"Po"_s, po}});
        while (teliata.next())
            potomstvo.emplace(
                std::pair{teliata.value(0).toInt(), teliata.value(1).toDate().toJulianDay()},
                std::pair{teliata.value(2).toString(), teliata.value(3).toString()});
    };
    clenovia(
        zapis, Davky::Vyber, kLaktacie,
        [&](const QSqlQuery& q) {
            zdroj(j, Zbierka::Otelenia);
            zviera(j, q.value(0));
            datumAk(j, "eventDateTime", q.value(1));
            lokalita(j, q.value(3));
            celeAk(j, "damParity", q.value(2));
            if (const char* priebeh = KodyVymeny::priebehPoroduIcar(q.value(4).toString())) {
                kluc(j, "calvingEase");
                text(j, priebeh);
            }
            const auto [prve, koniec] =
                potomstvo.equal_range({q.value(23).toInt(), q.value(1).toDate().toJulianDay()});
            if (prve != koniec) {
                kluc(j, "progenyDetails");
                j.StartArray();
                for (auto it = prve; it != koniec; ++it) {
                    j.StartObject();
                    kluc(j, "resourceType");
                    text(j, "icarProgenyDetailsResource");
                    identifikator(j, "identifier", KodyVymeny::kUsneCislo, it->second.first);
                    kluc(j, "specie");
                    text(j, "Cattle");
                    kluc(j, "gender");
                    text(j, it->second.second == u"1"_s ? "Male" : "Female");
                    j.EndObject();
                }
                j.EndArray();
            }
            if (!q.value(20).isNull()) {
                kluc(j, KodyVymeny::kRozsirenie);
                j.StartObject();
                cisloAk(j, "hmotnostKravy", q.value(20));
                j.EndObject();
            }
            j.EndObject();
        },
        teliataDavky);
}

void ExportVymeny::zasusenia(ZapisJson& zapis) {
    Json& j = zapis.json();
    clenovia(zapis, Davky::Vyber, kLaktacie, [&](const QSqlQuery& q) {
        // Dried off: a current lactation with its end, or a closed one that ended with "00".
        if (q.value(6).isNull() || (q.value(22).toInt() == 0 && q.value(5).toString() != u"00"_s))
            return;
        zdroj(j, Zbierka::Zasusenia);
        zviera(j, q.value(0));
        datumAk(j, "eventDateTime", q.value(6));
        kluc(j, "observedStatus");
        text(j, "Dry");
        j.EndObject();
    });
}

void ExportVymeny::laktacie(ZapisJson& zapis) {
    Json& j = zapis.json();
    clenovia(zapis, Davky::Vyber, kLaktacie, [&](const QSqlQuery& q) {
        for (const bool normovana : {false, true}) {
            zdroj(j, Zbierka::Laktacie);
            kluc(j, "id");
            text(j, idLaktacie(q, normovana ? "305Days" : "Normal"));
            zviera(j, q.value(0));
            datumAk(j, "beginDate", q.value(1));
            datumAk(j, "endDate", q.value(normovana ? 7 : 6));
            celeAk(j, "parity", q.value(2));
            celeAk(j, "lactationLength", q.value(normovana ? 9 : 8));
            const char* mnozstva[] = {"milkAmount", "fatAmount", "proteinAmount", "lactosisAmount"};
            for (int k = 0; k < 4; ++k)
                kilogramyAk(j, mnozstva[k], q.value((normovana ? 14 : 10) + k));
            kluc(j, "lactationType");
            text(j, normovana ? "305Days" : "Normal");
            if (const char* protokol = KodyVymeny::protokol(q.value(21).toString())) {
                kluc(j, "milkRecordingMethod");
                j.StartObject();
                kluc(j, "milkRecordingProtocol");
                text(j, protokol);
                j.EndObject();
            }
            if (!normovana && (!q.value(18).isNull() || !q.value(19).isNull())) {
                kluc(j, KodyVymeny::kRozsirenie);
                j.StartObject();
                cisloAk(j, "indexPerzistencie", q.value(18));
                cisloAk(j, "indexLaktacie", q.value(19));
                j.EndObject();
            }
            j.EndObject();
        }
        ++m_vysledok.laktacii;
    });
}

void ExportVymeny::kontroly(ZapisJson& zapis) {
    Json& j = zapis.json();
    clenovia(zapis, Davky::Vyber,
             u"SELECT z.usnecislo, k.datum, k.chovatel, k.mlieko, k.tuk_perc, k.bielkovina_perc, "
             u"k.laktoza_perc, k.bun_elementy, k.mocovina, k.typ, k.denna_doba, "
             u"k.interval_kontroly, k.skupina, k.prepocet, k.mlieko_prepocitane, "
             u"k.tuk_prepocitane FROM vyvoz_zvierata v JOIN kontroly k ON k.krava_id = "
             u"v.zviera_id JOIN zvierata z ON z.zviera_id = k.krava_id WHERE v.plne = 1 AND "
             u"v.zviera_id BETWEEN :Od AND :Po ORDER BY k.kontrola_id"_s,
             [&](const QSqlQuery& q) {
                 const QVariant dennyNadoj = q.value(14).isNull() ? q.value(3) : q.value(14);
                 const QVariant dennyTuk = q.value(15).isNull() ? q.value(4) : q.value(15);
                 zdroj(j, Zbierka::Kontroly);
                 zviera(j, q.value(0));
                 datumAk(j, "eventDateTime", q.value(1));
                 lokalita(j, q.value(2));
                 kilogramyAk(j, "milkWeight24Hours", dennyNadoj);
                 kluc(j, "milkCharacteristics");
                 j.StartArray();
                 const std::tuple<const char*, QVariant, double> vlastnosti[] = {
                     {"FAT", dennyTuk, 1},
                     {"PROTEIN", q.value(5), 1},
                     {"LAC", q.value(6), 1},
                     {"SCC", q.value(7), 1},
                     {"UREA", q.value(8), KodyVymeny::kMocovinaNaLiter}};
                 for (const auto& [znak, hodnota, nasobok] : vlastnosti) {
                     if (hodnota.isNull())
                         continue;
                     j.StartObject();
                     kluc(j, "characteristic");
                     text(j, znak);
                     kluc(j, "value");
                     text(j, cisloTextom(hodnota.toDouble() * nasobok));
                     j.EndObject();
                 }
                 j.EndArray();
                 kluc(j, "milkRecordingMethod");
                 j.StartObject();
                 if (const char* protokol = KodyVymeny::protokol(q.value(9).toString())) {
                     kluc(j, "milkRecordingProtocol");
                     text(j, protokol);
                 }
                 kluc(j, "milkRecordingScheme");
                 text(j, q.value(13).toInt() == 1 ? "OneMilkingAtTestday" : "AllMilkingsAtTestday");
                 if (const char* cas = KodyVymeny::casVzorky(q.value(10).toString())) {
                     kluc(j, "milkSamplingMoment");
                     text(j, cas);
                 }
                 if (!q.value(11).isNull() && q.value(11).toInt() > 0) {
                     kluc(j, "recordingInterval");
                     j.Int(q.value(11).toInt() * 7);
                 }
                 j.EndObject();
                 // What was weighed, where the day's figures above are estimates from it.
                 const bool inyNadoj = !q.value(3).isNull() && q.value(3) != dennyNadoj;
                 const bool inyTuk = !q.value(4).isNull() && q.value(4) != dennyTuk;
                 if (!q.value(12).isNull() || inyNadoj || inyTuk) {
                     kluc(j, KodyVymeny::kRozsirenie);
                     j.StartObject();
                     textAk(j, "skupina", q.value(12));
                     if (inyNadoj)
                         cisloAk(j, "mlieko", q.value(3));
                     if (inyTuk)
                         cisloAk(j, "tukPerc", q.value(4));
                     j.EndObject();
                 }
                 j.EndObject();
                 ++m_vysledok.kontrol;
             });
}

void ExportVymeny::hodnoty(ZapisJson& zapis) {
    Json& j = zapis.json();
    clenovia(zapis, Davky::Naraz,
             u"SELECT z.usnecislo, h.datum_hodnotenia, h.ph_mlieko, h.ph_tuk_kg, h.ph_tuk_perc, "
             u"h.ph_bielkovina_kg, h.ph_bielkovina_perc, h.ph_somaticke_bunky, h.index_celkovy, "
             u"h.spolahlivost FROM vyvoz_zvierata v JOIN plemenne_hodnoty h ON h.zviera_id = "
             u"v.zviera_id JOIN zvierata z ON z.zviera_id = h.zviera_id ORDER BY z.zviera_id"_s,
             [&](const QSqlQuery& q) {
                 zdroj(j, Zbierka::PlemenneHodnoty);
                 kluc(j, "id");
                 text(j, q.value(0).toString() + u":ph"_s);
                 zviera(j, q.value(0));
                 kluc(j, "version");
                 text(j, q.value(1).toDate().toString(Qt::ISODate));
                 kluc(j, "breedingValues");
                 j.StartArray();
                 int k = 0;
                 for (const char* znak : KodyVymeny::kZnakyHodnot) {
                     const QVariant hodnota = q.value(2 + k);
                     const bool index = ++k == int(KodyVymeny::kZnakyHodnot.size());
                     if (hodnota.isNull())
                         continue;
                     j.StartObject();
                     identifikator(j, "traitLabel", KodyVymeny::kPlemennaHodnota,
                                   QString::fromLatin1(znak));
                     kluc(j, "calculationType");
                     text(j, "BreedingValue");
                     kluc(j, "value");
                     j.Double(hodnota.toDouble());
                     if (index && !q.value(9).isNull()) {
                         kluc(j, "reliability");
                         j.Int(q.value(9).toInt());
                     }
                     j.EndObject();
                 }
                 j.EndArray();
                 j.EndObject();
             });
}
