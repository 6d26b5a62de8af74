#include "PoliaZostavy.h"
#include "common/TestDatabase.h"
#include "data/Connection.h"
#include "engine/model/ProjectDefinition.h"
#include "engine/model/ProjectReader.h"
#include "laktacie/TestIntervalMethod.h"
#include "reports/KatalogZostav.h"
#include "reports/RetazecKontrol.h"
#include "reports/TDataModuleTabulky.h"

#include <QScopeGuard>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <array>
#include <map>
#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// The living cows of a selection with their sires, found without the report relations: by the
// prefix of the barn code rather than by its parts.
const char* ziveKravy = "FROM zvierata z JOIN kravy k ON k.krava_id = z.zviera_id "
                        "JOIN dovody_vyradenia d ON d.dovod_vyradenia_id = k.dovod_vyradenia_id "
                        "LEFT JOIN zvierata o ON o.zviera_id = z.otec_id "
                        "WHERE d.kod = '00' AND z.chovatel LIKE :Vyber ";

// Every calving of a cow, closed lactations and the one in milk alike.
const char* otelenia = "(SELECT krava_id, poradie, medziobdobie FROM laktacie UNION ALL "
                       "SELECT krava_id, poradie, medziobdobie FROM prebiehajuce_laktacie) x "
                       "WHERE x.krava_id = z.zviera_id";

// Standardised lactations: the closed ones with a yield and the one in milk past its 305th day.
const char* normovane =
    "(SELECT krava_id, poradie, datumotelenia, chovatel, mlieko_norm, tuk_norm, bielkovina_norm "
    "FROM laktacie WHERE mlieko_norm > 0 UNION ALL SELECT krava_id, poradie, datumotelenia, "
    "chovatel, mlieko_norm, tuk_norm, bielkovina_norm FROM prebiehajuce_laktacie "
    "WHERE ukoncenie_norm_lakt IS NOT NULL AND mlieko_norm > 0)";

/// The living cows of the selection %1 (a code prefix) with their sire o, joined with what is
/// given; the WHERE clause comes last so that callers can add conditions.
QString zive(const QString& joins = {}) {
    return u"FROM zvierata z JOIN kravy k ON k.krava_id = z.zviera_id JOIN dovody_vyradenia d "
           u"ON d.dovod_vyradenia_id = k.dovod_vyradenia_id LEFT JOIN zvierata o ON "
           u"o.zviera_id = z.otec_id "_s +
           joins + u" WHERE d.kod = '00' AND z.chovatel LIKE '%1%' "_s;
}

/// Sires of the selection with at least %2 daughters that have a standardised lactation.
QString otcoviaSDcerami() {
    return u"(SELECT z.otec_id "_s +
           zive(u"JOIN "_s + QString::fromUtf8(normovane) + u" n ON n.krava_id = z.zviera_id"_s) +
           u"GROUP BY z.otec_id HAVING count(DISTINCT z.zviera_id) >= %2)"_s;
}

/// The herd-mates' average of an expression of their standardised lactations r, for the
/// lactation n of the cow z: cows still in the herd, same herd, calving year and lactation (3 for
/// the third and later), not a daughter of her sire.
QString rovesnice(const char* vyraz) {
    return u"(SELECT avg("_s + QString::fromUtf8(vyraz) + u") FROM "_s +
           QString::fromUtf8(normovane) +
           u" r JOIN zvierata zr ON zr.zviera_id = r.krava_id JOIN kravy kr ON kr.krava_id = "
           u"r.krava_id JOIN dovody_vyradenia dr ON dr.dovod_vyradenia_id = "
           u"kr.dovod_vyradenia_id WHERE dr.kod = '00' AND left(r.chovatel, 8) = "
           u"left(n.chovatel, 8) AND year(r.datumotelenia) = year(n.datumotelenia) AND "
           u"least(r.poradie, 3) = least(n.poradie, 3) AND NOT zr.otec_id <=> z.otec_id)"_s;
}

// The number of the cow's last calving: the lactation in milk, else her last closed one.
const char* poslednaLaktacia = "coalesce((SELECT pl.poradie FROM prebiehajuce_laktacie pl WHERE "
                               "pl.krava_id = z.zviera_id), (SELECT max(l.poradie) FROM "
                               "laktacie l WHERE l.krava_id = z.zviera_id))";

// A value of one closed lactation of the cow, the one the ORDER BY and LIMIT clause picks.
QString uzavreta(const char* vyraz, const char* vyber) {
    return u"(SELECT "_s + QString::fromUtf8(vyraz) +
           u" FROM laktacie l WHERE l.krava_id = z.zviera_id "_s + QString::fromUtf8(vyber) +
           u")"_s;
}

// Age in completed months on the newest test day.
const char* vekMesiace =
    "((year(x.d) - year(z.datumnarodenia)) * 12 + month(x.d) - month(z.datumnarodenia) - "
    "(day(x.d) < day(z.datumnarodenia)))";

/// What reports 11.A and 18 average: a first-calver's yields up to her 100th, 200th and 305th
/// day (milk kg, fat %, protein %), each once she has reached that day.
struct Prvostka {
    QString otec;
    std::optional<int> vek;
    std::array<std::optional<std::array<double, 3>>, 3> dni;
};

/// Averages of a group of first-calvers as the reports print them: the number of cows, their
/// average age, and per day the number that reached it with their average yields.
QList<double> priemery(const std::vector<const Prvostka*>& kravy) {
    QList<double> out{double(kravy.size())};
    double vek = 0;
    int sVekom = 0;
    for (const Prvostka* k : kravy)
        if (k->vek) {
            vek += *k->vek;
            ++sVekom;
        }
    out << (sVekom ? vek / sVekom : -1);
    for (int d = 0; d < 3; ++d) {
        std::array<double, 3> suma{};
        int pocet = 0;
        for (const Prvostka* k : kravy)
            if (k->dni[d]) {
                ++pocet;
                for (int i = 0; i < 3; ++i)
                    suma[i] += (*k->dni[d])[i];
            }
        out << pocet;
        for (int i = 0; i < 3; ++i)
            out << (pocet ? suma[i] / pocet : -1);
    }
    return out;
}

/// Equal to far below what is printed; the server averages whole months to four decimals.
bool zhodne(const QList<double>& a, const QList<double>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (qAbs(a[i] - b[i]) > std::max(1e-4, 1e-9 * qAbs(b[i])))
            return false;
    return true;
}

} // namespace

/// The report relations of reports 2, 5A with its lists, and 9.D on a small demo herd: their
/// figures against the same figures counted from the base tables, for a selection of the
/// enterprise, of one herd and of one barn, and the fields their layouts print.
class TestRelacieZostav final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"relaciezostav"_s);
        m_db->loadDemo(150, 7);
        m_spojenie = std::make_unique<Connection>(m_db->settings());
        m_tabulky = std::make_unique<TDataModuleTabulky>(m_spojenie.get());
        const QString mastal = hodnota(u"SELECT z.chovatel "_s + QString::fromUtf8(ziveKravy) +
                                           u"ORDER BY z.usnecislo LIMIT 1"_s,
                                       {{u"Vyber"_s, u"%"_s}})
                                   .toString();
        QCOMPARE(mastal.size(), 9);
        m_vybery = {mastal.left(6), mastal.left(8), mastal};
    }

    void cleanup() { nastavVyber(m_vybery.front()); }

    void zostava2_data() { vybery(); }
    void zostava2() {
        QFETCH(QString, kod);
        nastavVyber(kod);
        const ParameterValues vyber{{u"Vyber"_s, kod + QLatin1Char('%')}};
        const int pocet =
            hodnota(u"SELECT count(*) "_s + QString::fromUtf8(ziveKravy), vyber).toInt();
        QVERIFY(pocet > 0);

        const QList<QVariantList> rows =
            riadky(u"SELECT linia, otec, podiel, chovatel FROM tab26v1"_s);
        QCOMPARE(rows.size(), pocet);
        double podiel = 0;
        QStringList otcovia;
        for (const QVariantList& row : rows) {
            podiel += row[2].toDouble();
            QVERIFY(row[3].toString().startsWith(kod));
            otcovia << row[0].toString() + QLatin1Char('|') + row[1].toString();
        }
        QVERIFY(qAbs(podiel - 100) < 1e-6);
        // The layout totals a sire and a line whenever the value changes from one row to the
        // next, so each must come in one run.
        QVERIFY(suvisle(otcovia));

        QCOMPARE(pocty(u"SELECT otec, count(*) FROM tab26v1 GROUP BY otec"_s),
                 pocty(u"SELECT o.usnecislo, count(*) "_s + QString::fromUtf8(ziveKravy) +
                           u"GROUP BY o.usnecislo"_s,
                       vyber));
        QCOMPARE(hodnota(u"SELECT count(*) FROM tab26v1 t JOIN zvierata z ON z.usnecislo = "
                         u"t.usnecislo WHERE NOT t.laktacia <=> (SELECT max(x.poradie) FROM "_s +
                         QString::fromUtf8(otelenia) + QLatin1Char(')'))
                     .toInt(),
                 0);
    }

    void zostava5A_data() { vybery(); }
    void zostava5A() {
        QFETCH(QString, kod);
        QFETCH(bool, viacChovov);
        nastavVyber(kod);
        const int pocet = hodnota(u"SELECT count(*) "_s + QString::fromUtf8(ziveKravy),
                                  {{u"Vyber"_s, kod + QLatin1Char('%')}})
                              .toInt();
        QCOMPARE(hodnota(u"SELECT count(*) FROM tab50v3kravy"_s).toInt(), pocet);

        QMap<QString, int> pocetChovu;
        QMap<QString, double> podielChovu;
        QStringList chovy;
        QStringList plemena;
        for (const QVariantList& row :
             riadky(u"SELECT uroven, chov, nazov_plemena, pocet, podiel FROM tab51v1"_s)) {
            const QString chov = row[0].toString() + row[1].toString();
            pocetChovu[chov] += row[3].toInt();
            podielChovu[chov] += row[4].toDouble();
            chovy << chov;
            plemena << chov + row[2].toString();
        }
        QVERIFY(suvisle(chovy));
        QVERIFY(suvisle(plemena));
        for (const QString& chov : podielChovu.keys())
            QVERIFY2(qAbs(podielChovu[chov] - 100) < 1e-6, qPrintable(chov));

        const QMap<QString, int> vPohlade =
            pocty(u"SELECT concat('1', chov), count(*) FROM tab50v3kravy GROUP BY chov"_s);
        QCOMPARE(pocetChovu.size(), vPohlade.size() + (viacChovov ? 1 : 0));
        for (const QString& chov : vPohlade.keys())
            QCOMPARE(pocetChovu.value(chov), vPohlade[chov]);
        if (viacChovov)
            QCOMPARE(pocetChovu.value(u"2"_s), pocet);
    }

    void zostava9D_data() { vybery(); }
    void zostava9D() {
        QFETCH(QString, kod);
        nastavVyber(kod);
        const ParameterValues vyber{{u"Vyber"_s, kod + QLatin1Char('%')}};
        const QString poslednyInterval = u"(SELECT x.medziobdobie FROM "_s +
                                         QString::fromUtf8(otelenia) +
                                         u" ORDER BY x.poradie DESC LIMIT 1)"_s;
        const int sIntervalom = hodnota(u"SELECT count(*) "_s + QString::fromUtf8(ziveKravy) +
                                            u"AND "_s + poslednyInterval + u" IS NOT NULL"_s,
                                        vyber)
                                    .toInt();
        const int nad400 = hodnota(u"SELECT count(*) "_s + QString::fromUtf8(ziveKravy) +
                                       u"AND "_s + poslednyInterval + u" > 400"_s,
                                   vyber)
                               .toInt();
        QVERIFY(nad400 > 0);

        const QList<QVariantList> rows = riadky(m_tabulky->ADOQueryTabulka9d->sqlText());
        QCOMPARE(rows.size(), nad400);
        QSqlQuery query = m_spojenie->execute(m_tabulky->ADOQueryTabulka9d->sqlText());
        const QSqlRecord record = query.record();
        while (query.next()) {
            QVERIFY(query.value(record.indexOf(u"medziobdobie"_s)).toInt() > 400);
            QVERIFY(query.value(record.indexOf(u"chovatel"_s)).toString().startsWith(kod));
            QCOMPARE(query.value(record.indexOf(u"pocet_s_medziobdobim"_s)).toInt(), sIntervalom);
            QVERIFY(qAbs(query.value(record.indexOf(u"podiel_nad_400"_s)).toDouble() -
                         100.0 * nad400 / sIntervalom) < 1e-6);
        }
        QCOMPARE(hodnota(u"SELECT count(*) FROM tab9d0v1 WHERE datediff(posledne_otelenie, "
                         u"predposledne_otelenie) <> medziobdobie"_s)
                     .toInt(),
                 0);
    }

    void zoznamySkupin_data() {
        QTest::addColumn<QString>("zoznam");
        QTest::addColumn<QString>("kravy");
        QTest::newRow("5A1") << "5A1"
                             << "z.plemeno1 = 'SS' AND z.krv1 >= 50";
        QTest::newRow("5A2") << "5A2"
                             << "z.plemeno1 = 'PI' AND z.krv1 >= 50";
        QTest::newRow("5A3") << "5A3"
                             << "z.plemeno1 = 'BR' AND z.krv1 >= 50";
        QTest::newRow("5A4") << "5A4"
                             << "z.plemeno1 = 'HR' AND z.krv1 >= 50";
        QTest::newRow("5A5") << "5A5"
                             << "z.plemeno1 = 'HB' AND z.krv1 >= 50";
        QTest::newRow("5A6") << "5A6"
                             << "NOT coalesce(z.plemeno1 IN ('SS', 'PI', 'BR', 'HR', 'HB') "
                                "AND z.krv1 >= 50, FALSE)";
    }
    // The demo herd keeps the current lactation as recording defines it: every living cow that
    // has calved has one, from her latest calving, dried-off cows with their end and days milked;
    // a lactation is among the closed ones only once she calved again or was culled.
    void demoBeziaceLaktacie_data() {
        QTest::addColumn<QString>("nesulad");
        const QString zive = u"kravy k JOIN dovody_vyradenia d ON d.dovod_vyradenia_id = "
                             u"k.dovod_vyradenia_id WHERE d.kod = '00'"_s;
        QTest::newRow("každá živá krava po otelení má jednu")
            << u"SELECT count(*) FROM "_s + zive +
                   u" AND (SELECT count(*) FROM prebiehajuce_laktacie pl WHERE pl.krava_id = "
                   u"k.krava_id) <> 1"_s;
        QTest::newRow("od posledného otelenia")
            << u"SELECT count(*) FROM prebiehajuce_laktacie pl JOIN laktacie l ON l.krava_id = "
               u"pl.krava_id AND l.poradie >= pl.poradie"_s;
        QTest::newRow("vyradená nemá žiadnu")
            << u"SELECT count(*) FROM prebiehajuce_laktacie pl JOIN kravy k ON k.krava_id = "
               u"pl.krava_id JOIN dovody_vyradenia d ON d.dovod_vyradenia_id = "
               u"k.dovod_vyradenia_id WHERE d.kod <> '00'"_s;
        QTest::newRow("uzavretá až ďalším otelením")
            << u"SELECT count(*) FROM laktacie l JOIN "_s + zive +
                   u" AND k.krava_id = l.krava_id AND NOT EXISTS (SELECT 1 FROM (SELECT krava_id, "
                   u"poradie FROM laktacie UNION ALL SELECT krava_id, poradie FROM "
                   u"prebiehajuce_laktacie) n WHERE n.krava_id = l.krava_id AND n.poradie = "
                   u"l.poradie + 1)"_s;
        QTest::newRow("zaprahnutá s dňami do zaprahnutia")
            << u"SELECT count(*) FROM prebiehajuce_laktacie WHERE ukoncenie IS NOT NULL AND NOT "
               u"(pocet_dni = datediff(ukoncenie, datumotelenia) AND zmena = '00' AND "
               u"ukoncenie_norm_lakt IS NOT NULL)"_s;
        QTest::newRow("poradie prebiehajúcej v karte kravy")
            << u"SELECT count(*) FROM "_s + zive +
                   u" AND NOT k.por_preb_laktacie <=> (SELECT pl.poradie FROM "
                   u"prebiehajuce_laktacie pl WHERE pl.krava_id = k.krava_id)"_s;
        QTest::newRow("počet laktácií sú uzavreté")
            << u"SELECT count(*) FROM kravy k WHERE k.pocet_laktacii <> (SELECT count(*) FROM "
               u"laktacie l WHERE l.krava_id = k.krava_id)"_s;
    }
    void demoBeziaceLaktacie() {
        QFETCH(QString, nesulad);
        QCOMPARE(hodnota(nesulad).toInt(), 0);
        QVERIFY(hodnota(u"SELECT count(*) FROM prebiehajuce_laktacie WHERE ukoncenie IS NOT "
                        u"NULL"_s)
                    .toInt() > 0);
    }

    // The demo's performance classes recomputed from their definition: fat and protein of the
    // cow's last closed standardised lactation over the average of her herd-mates, the
    // standardised lactations of the living cows of the same herd, calving year and lactation
    // (third and later together), hers among them. A ratio within a hundredth of a class bound
    // may fall either way by the rounding of the stored kilograms.
    void demoTriedyUzitkovosti() {
        const QString normovaneZivych =
            u"(SELECT n.* FROM "_s + QString::fromUtf8(normovane) +
            u" n JOIN kravy kn ON kn.krava_id = n.krava_id JOIN dovody_vyradenia dn ON "
            u"dn.dovod_vyradenia_id = kn.dovod_vyradenia_id WHERE dn.kod = '00')"_s;
        const QString pomery =
            u"SELECT k.krava_id, k.trieda_uzitkovosti AS ulozena, 100 * (l.tuk_norm + "
            u"l.bielkovina_norm) / (SELECT avg(r.tuk_norm + r.bielkovina_norm) FROM "_s +
            normovaneZivych +
            u" r WHERE left(r.chovatel, 8) = left(l.chovatel, 8) AND year(r.datumotelenia) = "
            u"year(l.datumotelenia) AND least(r.poradie, 3) = least(l.poradie, 3)) AS pomer "
            u"FROM kravy k JOIN dovody_vyradenia d ON d.dovod_vyradenia_id = "
            u"k.dovod_vyradenia_id LEFT JOIN laktacie l ON l.krava_id = k.krava_id AND "
            u"l.poradie = (SELECT max(x.poradie) FROM laktacie x WHERE x.krava_id = k.krava_id "
            u"AND x.mlieko_norm > 0) WHERE d.kod = '00'"_s;
        const QList<QVariantList> kravy = riadky(
            u"SELECT ulozena, CASE WHEN pomer >= 115 THEN 'I' WHEN pomer >= 105 THEN 'II' WHEN "
            u"pomer >= 95 THEN 'III' WHEN pomer IS NOT NULL THEN 'IV' END, least(abs(pomer - "
            u"115), abs(pomer - 105), abs(pomer - 95)) FROM ("_s +
            pomery + u") x"_s);
        QMap<QString, int> triedy;
        for (const QVariantList& krava : kravy) {
            ++triedy[krava[1].toString()];
            if (krava[2].isNull() || krava[2].toDouble() > 0.01)
                QCOMPARE(krava[0].toString(), krava[1].toString());
        }
        // Every class has cows, and a cow without a closed lactation has none.
        for (const QString& trieda : {u"I"_s, u"II"_s, u"III"_s, u"IV"_s, QString()})
            QVERIFY2(triedy.value(trieda) > 0, qPrintable(trieda));
    }

    // Shares printed to a tenth that are parts of one whole add up to it, each within a tenth of
    // its exact value. Report 2 prints sums of its rows, so its sires add up to their line by
    // themselves; a sire's share is off by less than two tenths, his line's apportioned first.
    void podielyDoSto_data() { vybery(); }
    void podielyDoSto() {
        QFETCH(QString, kod);
        nastavVyber(kod);
        // Rows of the whole (empty when the shares need not add up), the printed share and the
        // exact one.
        const auto over = [&](const QString& sql, double odchylka) {
            QMap<QString, qint64> sucty;
            for (const QVariantList& r : riadky(sql)) {
                const double podiel = r[1].toDouble();
                QVERIFY2(qAbs(podiel * 10 - qRound64(podiel * 10)) < 1e-9, qPrintable(sql));
                QVERIFY2(qAbs(podiel - r[2].toDouble()) < odchylka, qPrintable(sql));
                if (!r[0].isNull())
                    sucty[r[0].toString()] += qRound64(podiel * 10);
            }
            for (auto it = sucty.cbegin(); it != sucty.cend(); ++it)
                QVERIFY2(it.value() == 1000, qPrintable(sql + u' ' + it.key()));
        };
        for (const char* tabulka : {"tab51v1", "tabj52v1"})
            over(u"SELECT concat(uroven, '|', coalesce(chov, '')), podiel, 100e0 * pocet / "
                 u"sum(pocet) OVER (PARTITION BY uroven, chov) FROM "_s +
                     QString::fromUtf8(tabulka),
                 0.1 + 1e-9);
        const QString vsetky = u"(SELECT count(*) FROM tab26v1)"_s;
        over(u"SELECT 'linie', sum(podiel), 100e0 * count(*) / "_s + vsetky +
                 u" FROM tab26v1 GROUP BY linia"_s,
             0.1 + 1e-9);
        over(u"SELECT NULL, sum(podiel), 100e0 * count(*) / "_s + vsetky +
                 u" FROM tab26v1 GROUP BY linia, otec"_s,
             0.2);
    }

    // Each list takes every living cow of its breed with at least half its blood, so that no
    // cow of the breed-structure table is missing from all lists; the Slovak Pied list reads
    // no group SS2.
    void zoznamySkupin() {
        QFETCH(QString, zoznam);
        QFETCH(QString, kravy);
        const PolozkaKatalogu* polozka = KatalogZostav::najdi(zoznam);
        QVERIFY(polozka);
        QStringList skupiny;
        for (const QVariantList& row : riadky(polozka->sqlDotazu))
            skupiny << row[5].toString();
        QCOMPARE(skupiny.size(), hodnota(u"SELECT count(*) "_s + QString::fromUtf8(ziveKravy) +
                                             u"AND ("_s + kravy + QLatin1Char(')'),
                                         {{u"Vyber"_s, u"%"_s}})
                                     .toInt());
        QVERIFY(!skupiny.contains(u"SS2"_s));
    }

    // The group of the breed with the largest share, wherever the record lists it; of two
    // breeds with the same share the first of SS, PI, BR, HR, HB.
    void plemenneSkupiny_data() {
        QTest::addColumn<QVariantList>("plemena");
        QTest::addColumn<QString>("skupina");
        using L = QVariantList;
        QTest::newRow("SS 100") << L{u"SS"_s, 100.0} << "SS1";
        QTest::newRow("SS 87,5") << L{u"SS"_s, 87.5, u"HB"_s, 12.5} << "SS1";
        QTest::newRow("SS 75") << L{u"SS"_s, 75.0, u"HB"_s, 25.0} << "SS3";
        QTest::newRow("SS 62,5") << L{u"SS"_s, 62.5, u"HB"_s, 37.5} << "SS4";
        QTest::newRow("SS 50") << L{u"SS"_s, 50.0} << "SS4";
        QTest::newRow("SS 37,5") << L{u"SS"_s, 37.5, u"HB"_s, 37.5, u"HR"_s, 25.0} << "BEZ";
        QTest::newRow("PI 62,5") << L{u"PI"_s, 62.5} << "PI3";
        QTest::newRow("BR 75") << L{u"BR"_s, 75.0} << "BR2";
        QTest::newRow("HR 50") << L{u"HR"_s, 50.0} << "HR4";
        QTest::newRow("HB 87,5") << L{u"HB"_s, 87.5} << "HB1";
        QTest::newRow("largest listed second") << L{u"PI"_s, 25.0, u"BR"_s, 75.0} << "BR2";
        QTest::newRow("HB 50 a SS 50") << L{u"HB"_s, 50.0, u"SS"_s, 50.0} << "SS4";
        QTest::newRow("SS 50 a HB 50") << L{u"SS"_s, 50.0, u"HB"_s, 50.0} << "SS4";
        QTest::newRow("HB 50 a HR 50") << L{u"HB"_s, 50.0, u"HR"_s, 50.0} << "HR4";
        QTest::newRow("bez údajov") << L{} << "BEZ";
    }
    void plemenneSkupiny() {
        QFETCH(QVariantList, plemena);
        QFETCH(QString, skupina);
        const QString cislo = hodnota(u"SELECT usnecislo FROM tab50v3kravy LIMIT 1"_s).toString();
        QString stlpce;
        for (int i = 1; i <= 5; ++i)
            stlpce += u"%1plemeno%2, krv%2"_s.arg(i > 1 ? u", "_s : QString()).arg(i);
        const QVariantList povodne =
            riadky(u"SELECT "_s + stlpce + u" FROM zvierata WHERE usnecislo = :Cislo"_s,
                   {{u"Cislo"_s, cislo}})
                .front();
        const auto nastav = [&](const QVariantList& hodnoty) {
            ParameterValues parametre{{u"Cislo"_s, cislo}};
            QString zmeny;
            for (int i = 0; i < 10; ++i) {
                const QString meno = (i % 2 ? u"krv%1"_s : u"plemeno%1"_s).arg(i / 2 + 1);
                zmeny += (i ? u", "_s : QString()) + meno + u" = :"_s + meno;
                parametre.emplace_back(meno, hodnoty.value(i));
            }
            m_spojenie->execute(u"UPDATE zvierata SET "_s + zmeny + u" WHERE usnecislo = :Cislo"_s,
                                parametre);
        };
        const auto obnov = qScopeGuard([&] { nastav(povodne); });
        nastav(plemena);
        QCOMPARE(hodnota(u"SELECT skupina FROM tab50v3kravy WHERE usnecislo = :Cislo"_s,
                         {{u"Cislo"_s, cislo}})
                     .toString(),
                 skupina);
    }

    // Each relation's figures against the same figures computed from the base tables, for the
    // enterprise, a herd and a barn; relacia reads the relation, nezavisle the base tables with
    // %1 for the selection's code and %2 for the number of daughters. Rows are compared as sets
    // unless the order is the report's (zoradene).
    void relacie_data() {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<bool>("viacChovov");
        QTest::addColumn<int>("pocetDcer");
        QTest::addColumn<QString>("relacia");
        QTest::addColumn<QString>("nezavisle");
        QTest::addColumn<bool>("zoradene");
        QTest::addColumn<QString>("zostava");
        const QString std =
            u" JOIN "_s + QString::fromUtf8(normovane) + u" n ON n.krava_id = z.zviera_id "_s;
        // The last closed lactation l of each cow.
        const QString posledna =
            u"JOIN laktacie l ON l.krava_id = z.zviera_id AND l.poradie = (SELECT max(x.poradie) "
            u"FROM laktacie x WHERE x.krava_id = z.zviera_id)"_s;
        const QString vsetkyLaktacie =
            u"(SELECT krava_id, pocet_dni, mlieko_celk, tuk_celk FROM laktacie UNION ALL SELECT "
            u"krava_id, pocet_dni, mlieko_celk, tuk_celk FROM prebiehajuce_laktacie)"_s;
        const QString sPlemenomOtca = u"LEFT JOIN byky b ON b.byk_id = z.otec_id LEFT JOIN linie "
                                      u"li ON li.linia_id = b.linia_id"_s;
        // Cows with a closed lactation numbered as their record's maximum one.
        const QString maxLaktacia = u"AND EXISTS (SELECT 1 FROM laktacie l WHERE l.krava_id = "
                                    u"z.zviera_id AND l.poradie = k.por_max_laktacie)"_s;
        // Days in milk on a test day: from the last calving on or before it.
        const QString usek = u"CASE WHEN dni <= 30 THEN 1 WHEN dni <= 100 THEN 2 WHEN dni <= "
                             u"200 THEN 3 WHEN dni <= 305 THEN 4 ELSE 5 END"_s;
        const auto testyVMlieku = [&](const QString& podmienka) {
            return u"SELECT z.zviera_id AS krava, ko.datum, ko.bun_elementy AS b, "
                   u"datediff(ko.datum, (SELECT max(c.d) FROM (SELECT krava_id, datumotelenia AS "
                   u"d FROM laktacie UNION ALL SELECT krava_id, datumotelenia FROM "
                   u"prebiehajuce_laktacie) c WHERE c.krava_id = z.zviera_id AND c.d <= "
                   u"ko.datum)) AS dni "_s +
                   zive(u"JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id JOIN "
                        u"kontroly ko ON ko.krava_id = z.zviera_id JOIN param p"_s) +
                   u"AND ko.datum BETWEEN p.kontrolne_obd_od AND p.kontrolne_obd_do "_s +
                   podmienka + u" HAVING dni IS NOT NULL"_s;
        };
        // The tests of the period taken in the selection, by the barn of the test.
        const QString vObdobi = u"JOIN param p WHERE ko.chovatel LIKE '%1%' AND ko.datum BETWEEN "
                                u"p.kontrolne_obd_od AND p.kontrolne_obd_do"_s;
        struct Pripad {
            const char* nazov;
            int pocetDcer;
            QString relacia;
            QString nezavisle;
            bool zoradene;
            /// The report whose working tables the relation reads, rebuilt first.
            QString zostava = {};
        };
        const QList<Pripad> pripady = {
            {"1.A: všetci otcovia", 0,
             u"SELECT otec, sum(dcera), count(*), round(avg(mlieko), 1), round(avg(tuk_perc), 3), "
             u"round(avg(bielkovina_perc), 3), round(avg(tuk_bielkovina), 1), sum(novy_otec) "
             u"FROM tab15v2 GROUP BY otec"_s,
             u"SELECT o.usnecislo, count(DISTINCT z.zviera_id), count(*), "
             u"round(avg(n.mlieko_norm), 1), round(avg(100 * n.tuk_norm / n.mlieko_norm), 3), "
             u"round(avg(100 * n.bielkovina_norm / n.mlieko_norm), 3), "
             u"round(avg(n.tuk_norm + n.bielkovina_norm), 1), 1 "_s +
                 zive(std) + u"AND z.otec_id IS NOT NULL GROUP BY o.usnecislo"_s,
             false},
            {"1.A: otcovia s 3 dcérami", 3,
             u"SELECT otec, sum(dcera), count(*), round(avg(mlieko), 1) FROM tab15v2 GROUP BY "
             u"otec"_s,
             u"SELECT o.usnecislo, count(DISTINCT z.zviera_id), count(*), "
             u"round(avg(n.mlieko_norm), 1) "_s +
                 zive(std) + u"AND z.otec_id IN "_s + otcoviaSDcerami() +
                 u" GROUP BY o.usnecislo"_s,
             false},
            {"1.B: dcéry a rovesnice", 3,
             u"SELECT otec, count(*), sum(dcera), round(avg(mlieko_rovesnic), 1), "
             u"round(avg(rozdiel_mlieko), 1), round(avg(rozdiel_tuk_perc), 3), "
             u"round(avg(rozdiel_bielkovina), 2) FROM tab1b1v1 GROUP BY otec"_s,
             u"SELECT otec, count(*), count(DISTINCT krava), round(avg(rm), 1), round(avg(m - "
             u"rm), "
             u"1), round(avg(tp - rtp), 3), round(avg(b - rb), 2) FROM (SELECT o.usnecislo AS "
             u"otec, z.zviera_id AS krava, n.mlieko_norm AS m, 100 * n.tuk_norm / n.mlieko_norm "
             u"AS tp, n.bielkovina_norm AS b, "_s +
                 rovesnice("r.mlieko_norm") + u" AS rm, "_s +
                 rovesnice("100 * r.tuk_norm / r.mlieko_norm") + u" AS rtp, "_s +
                 rovesnice("r.bielkovina_norm") + u" AS rb "_s + zive(std) +
                 u"AND z.otec_id IN "_s + otcoviaSDcerami() +
                 u") x WHERE rm IS NOT NULL GROUP BY otec"_s,
             false},
            {"1.B: priemer výberu", 3,
             u"SELECT pocet_krav, pocet_laktacii, round(mlieko, 1), round(tuk_perc, 3), "
             u"round(bielkovina, 1) FROM tab1b0v1"_s,
             u"SELECT count(DISTINCT z.zviera_id), count(*), round(avg(n.mlieko_norm), 1), "
             u"round(avg(100 * n.tuk_norm / n.mlieko_norm), 3), round(avg(n.bielkovina_norm), "
             u"1) "_s +
                 zive(std),
             false},
            // Milk in tenths of a kilogram summed: an average of figures with one decimal may end
            // in a half, which the server rounds either way.
            {"7.B: triedy po 1 000 kg maximálnej laktácie", 0,
             u"SELECT trieda_od, trieda_do, count(*), round(sum(podiel), 3), round(10 * "
             u"sum(mlieko)), "
             u"round(avg(tuk_perc), 3), round(avg(poradie), 3) FROM tab7b3v1 GROUP BY trieda_od, "
             u"trieda_do"_s,
             u"SELECT 1000 * floor(l.mlieko_norm / 1000), 1000 * floor(l.mlieko_norm / 1000) + "
             u"999, count(*), round(100e0 * count(*) / sum(count(*)) OVER (), 3), "
             u"round(10 * sum(l.mlieko_norm)), round(avg(100 * l.tuk_norm / l.mlieko_norm), 3), "
             u"round(avg(l.poradie), 3) "_s +
                 zive(u"JOIN laktacie l ON l.krava_id = z.zviera_id AND l.mlieko_norm = (SELECT "
                      u"max(x.mlieko_norm) FROM laktacie x WHERE x.krava_id = z.zviera_id)"_s) +
                 u"GROUP BY 1000 * floor(l.mlieko_norm / 1000)"_s,
             false},
            {"9.A, 9.B: pásma medziobdobia", 0,
             u"SELECT pasmo, count(*), round(sum(podiel), 3), round(avg(medziobdobie), 2), "
             u"min(medziobdobie), sum(je_2), sum(je_3), sum(je_4), sum(je_5), "
             u"round(coalesce(sum(podiel_2), 0), 3), round(coalesce(sum(podiel_5), 0), 3), "
             u"round(avg(medziobdobie_3), 2) FROM tab9a2v1 GROUP BY pasmo"_s,
             u"SELECT CASE WHEN pl.medziobdobie < 366 THEN 1 WHEN pl.medziobdobie < 401 THEN 2 "
             u"WHEN pl.medziobdobie < 451 THEN 3 WHEN pl.medziobdobie < 501 THEN 4 ELSE 5 END AS "
             u"b, count(*), round(100e0 * count(*) / sum(count(*)) OVER (), 3), "
             u"round(avg(pl.medziobdobie), 2), min(pl.medziobdobie), sum(pl.poradie = 2), "
             u"sum(pl.poradie = 3), sum(pl.poradie = 4), sum(pl.poradie > 4), "
             u"round(coalesce(100e0 * sum(pl.poradie = 2) / nullif(sum(sum(pl.poradie = 2)) OVER "
             u"(), 0), 0), 3), round(coalesce(100e0 * sum(pl.poradie > 4) / nullif(sum(sum("
             u"pl.poradie > 4)) OVER (), 0), 0), 3), round(avg(CASE WHEN pl.poradie = 3 THEN "
             u"pl.medziobdobie END), 2) "_s +
                 zive(u"JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id"_s) +
                 u"AND pl.medziobdobie IS NOT NULL GROUP BY b"_s,
             false},
            {"12: matky býkov", 0,
             u"SELECT usnecislo, otec, mlieko_max, round(tuk_max_perc, 3), medziobdobie, "
             u"round(bunky_priemer, 1), index_celkovy, pocet_laktacii FROM uzkravy k WHERE "
             u"k.mb > '0'"_s,
             u"SELECT z.usnecislo, o.usnecislo, (SELECT max(l.mlieko_norm) FROM laktacie l WHERE "
             u"l.krava_id = z.zviera_id), (SELECT round(100 * l.tuk_norm / l.mlieko_norm, 3) "
             u"FROM laktacie l WHERE l.krava_id = z.zviera_id ORDER BY l.mlieko_norm DESC LIMIT "
             u"1), coalesce((SELECT pl.medziobdobie FROM prebiehajuce_laktacie pl WHERE "
             u"pl.krava_id = z.zviera_id), "_s +
                 uzavreta("l.medziobdobie", "ORDER BY l.poradie DESC LIMIT 1") +
                 u"), (SELECT round(avg(ko.bun_elementy), 1) FROM kontroly ko WHERE ko.krava_id "
                 u"= z.zviera_id AND ko.poradie_preb_laktacie = "_s +
                 QString::fromUtf8(poslednaLaktacia) +
                 u"), (SELECT ph.index_celkovy FROM plemenne_hodnoty ph WHERE ph.zviera_id = "
                 u"z.zviera_id), (SELECT count(*) FROM laktacie l WHERE l.krava_id = "
                 u"z.zviera_id) "_s +
                 zive() + u"AND k.mb = '1'"_s,
             false},
            {"13: triedy úžitkovosti", 0,
             u"SELECT trieda, count(*), sum(je_1), sum(je_2), sum(je_5), round(avg(mlieko), 1), "
             u"round(avg(tuk_bielkovina), 1), round(avg(bielkovina_perc), 3), round(sum(podiel), "
             u"3) FROM tab138v1 GROUP BY trieda"_s,
             u"SELECT t, count(*), coalesce(sum(p = 1), 0), coalesce(sum(p = 2), 0), "
             u"coalesce(sum(p >= 5), 0), round(avg(m), 1), round(avg(tb), 1), round(avg(bp), 3), "
             u"round(100e0 * count(*) / sum(count(*)) OVER (), 3) FROM (SELECT coalesce(nullif("
             u"field(k.trieda_uzitkovosti, 'I', 'II', 'III', 'IV'), 0), 5) AS t, l.poradie AS p, "
             u"l.mlieko_norm AS m, l.tuk_norm + l.bielkovina_norm AS tb, 100 * l.bielkovina_norm "
             u"/ l.mlieko_norm AS bp "_s +
                 zive(u"LEFT JOIN laktacie l ON k.trieda_uzitkovosti IS NOT NULL AND l.krava_id "
                      u"= z.zviera_id AND l.mlieko_norm > 0 AND NOT EXISTS (SELECT 1 FROM "
                      u"laktacie y WHERE y.krava_id = l.krava_id AND y.mlieko_norm > 0 AND "
                      u"y.poradie > l.poradie)"_s) +
                 u") x GROUP BY t"_s,
             false},
            {"15: zoznam kráv", 0,
             u"SELECT usnecislo, laktacia, max_poradie, max_mlieko, posl_poradie, "
             u"posl_mlieko_norm, round(posl_tuk_perc, 3), pred_poradie, pred_mlieko_norm, "
             u"preb_poradie, preb_dni, round(preb_bielkovina_perc, 3), plemenna_skladba "
             u"FROM tab153v2"_s,
             u"SELECT z.usnecislo, "_s + QString::fromUtf8(poslednaLaktacia) + u", "_s +
                 uzavreta("l.poradie", "ORDER BY l.mlieko_norm DESC LIMIT 1") + u", "_s +
                 uzavreta("l.mlieko_norm", "ORDER BY l.mlieko_norm DESC LIMIT 1") + u", "_s +
                 uzavreta("l.poradie", "ORDER BY l.poradie DESC LIMIT 1") + u", "_s +
                 uzavreta("l.mlieko_norm", "ORDER BY l.poradie DESC LIMIT 1") + u", "_s +
                 uzavreta("round(100 * l.tuk_norm / l.mlieko_norm, 3)",
                          "ORDER BY l.poradie DESC LIMIT 1") +
                 u", "_s + uzavreta("l.poradie", "ORDER BY l.poradie DESC LIMIT 1 OFFSET 1") +
                 u", "_s + uzavreta("l.mlieko_norm", "ORDER BY l.poradie DESC LIMIT 1 OFFSET 1") +
                 u", pl.poradie, pl.pocet_dni, round(100 * pl.bielkovina_celk / pl.mlieko_celk, "
                 u"3), concat_ws('  ', concat(z.plemeno1, ' ', replace(0e0 + z.krv1, '.', ',')), "
                 u"concat(z.plemeno2, ' ', replace(0e0 + z.krv2, '.', ',')), concat(z.plemeno3, "
                 u"' ', replace(0e0 + z.krv3, '.', ',')), concat(z.plemeno4, ' ', replace(0e0 + "
                 u"z.krv4, '.', ',')), concat(z.plemeno5, ' ', replace(0e0 + z.krv5, '.', "
                 u"','))) "_s +
                 zive(u"LEFT JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id"_s),
             false},
            {"16: poradie podľa indexu", 0,
             u"SELECT usnecislo, poradie, index_celkovy, ph_mlieko, spolahlivost FROM tab160v1"_s,
             u"SELECT z.usnecislo, CASE WHEN ph.index_celkovy IS NOT NULL THEN 1 + (SELECT "
             u"count(*) FROM zvierata z2 JOIN kravy k2 ON k2.krava_id = z2.zviera_id JOIN "
             u"dovody_vyradenia d2 ON d2.dovod_vyradenia_id = k2.dovod_vyradenia_id JOIN "
             u"plemenne_hodnoty ph2 ON ph2.zviera_id = z2.zviera_id WHERE d2.kod = '00' AND "
             u"z2.chovatel LIKE '%1%' AND ph2.index_celkovy > ph.index_celkovy) END, "
             u"ph.index_celkovy, ph.ph_mlieko, ph.spolahlivost "_s +
                 zive(u"LEFT JOIN plemenne_hodnoty ph ON ph.zviera_id = z.zviera_id"_s) +
                 u"ORDER BY ph.index_celkovy IS NULL, ph.index_celkovy DESC, z.usnecislo"_s,
             true},
            {"21: jalovice podľa veku a stavu", 0,
             u"SELECT pasmo, nazov_pasma, count(*), sum(je_o), sum(je_p), sum(je_i), sum(je_g), "
             u"round(avg(hmotnost), 1), round(sum(podiel), 3) FROM tabj35v1 GROUP BY pasmo, "
             u"nazov_pasma"_s,
             u"SELECT least(5, 1 + floor("_s + QString::fromUtf8(vekMesiace) +
                 u" / 6)) AS b, elt(least(5, 1 + floor("_s + QString::fromUtf8(vekMesiace) +
                 u" / 6)), '0 – 5 mesiacov', '6 – 11 mesiacov', '12 – 17 mesiacov', '18 – 23 "
                 u"mesiacov', '24 a viac mesiacov'), count(*), sum(j.stav = 'O'), sum(j.stav = "
                 u"'P'), sum(j.stav = 'I'), sum(j.stav = 'G'), round(avg(j.hmotnost), 1), "
                 u"round(100e0 * count(*) / sum(count(*)) OVER (), 3) FROM zvierata z JOIN "
                 u"jalovice j ON j.jalovica_id = z.zviera_id JOIN (SELECT greatest((SELECT "
                 u"max(datum) FROM kontroly), (SELECT max(datumnarodenia) FROM zvierata WHERE "
                 u"chovatel IS NOT NULL)) AS d) x WHERE z.chovatel LIKE '%1%' GROUP BY b"_s,
             false},
            // Shares printed to a tenth that add up to 100: see podielyDoSto.
            {"22: plemenné skupiny jalovíc", 0,
             u"SELECT uroven, chov, skupina, pocet FROM tabj52v1"_s,
             u"SELECT 1, left(z.chovatel, 8) AS ch, "_s + u"%3"_s +
                 u" AS sk, count(*) FROM zvierata z JOIN jalovice j ON j.jalovica_id = "
                 u"z.zviera_id WHERE z.chovatel LIKE '%1%' GROUP BY ch, sk UNION ALL SELECT 2, "
                 u"NULL, "_s +
                 u"%3"_s +
                 u" AS sk, count(*) FROM "
                 u"zvierata z JOIN jalovice j ON j.jalovica_id = z.zviera_id WHERE z.chovatel "
                 u"LIKE '%1%' AND (SELECT count(DISTINCT left(h.chovatel, 8)) FROM zvierata h "
                 u"JOIN jalovice hj ON hj.jalovica_id = h.zviera_id WHERE h.chovatel LIKE '%1%') "
                 u"> 1 GROUP BY sk"_s,
             false},
            {"4.A: vek a poradie prebiehajúcej laktácie", 0,
             u"SELECT vek, sum(je_1), sum(je_2), sum(je_3), sum(je_4), sum(je_5), count(*), "
             u"round(sum(podiel), 3), round(avg(vek_roky), 2) FROM tab41v1 GROUP BY vek"_s,
             u"SELECT least(floor(datediff(curdate(), z.datumnarodenia) / 365), 10) AS v, "
             u"sum(pl.poradie = 1), sum(pl.poradie = 2), sum(pl.poradie = 3), sum(pl.poradie = 4), "
             u"sum(pl.poradie > 4), count(*), round(100e0 * count(*) / sum(count(*)) OVER (), 3), "
             u"round(avg(datediff(curdate(), z.datumnarodenia) / 365), 2) "_s +
                 zive(u"JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id"_s) +
                 u"AND z.datumnarodenia IS NOT NULL GROUP BY v"_s,
             false, u"4.A"_s},
            {"6.A: posledné uzavreté laktácie podľa poradia a roku", 0,
             u"SELECT skupina, rok, pocet, round(dni, 2), mlieko, round(tuk_perc, 3), "
             u"round(bielkovina, 1), round(tuk_bielkovina, 1), pocet_medziobdobi, "
             u"round(medziobdobie, 1) FROM tab63v1"_s,
             u"SELECT least(l.poradie, 5) AS s, year(l.datumotelenia) AS r, count(*), "
             u"round(avg(l.pocet_dni_norm), 2), avg(l.mlieko_norm), round(avg(100 * "
             u"l.tuk_norm / l.mlieko_norm), 3), round(avg(l.bielkovina_norm), 1), "
             u"round(avg(l.tuk_norm + l.bielkovina_norm), 1), count(l.medziobdobie), "
             u"round(avg(l.medziobdobie), 1) "_s +
                 zive(posledna) + u"AND l.mlieko_norm > 0 GROUP BY s, r"_s,
             false, u"6.A"_s},
            {"6.A: súčty podľa poradia", 0,
             u"SELECT skupina, nazov_skupiny, pocet, round(10 * mlieko * pocet), "
             u"round(bielkovina_perc, 3), round(medziobdobie, 1) FROM tab63v1sum"_s,
             u"SELECT least(l.poradie, 5) AS s, elt(least(l.poradie, 5), '1. laktácia', '2. "
             u"laktácia', '3. laktácia', '4. laktácia', '5. a ďalšie laktácie'), count(*), "
             u"round(10 * sum(l.mlieko_norm)), round(avg(100 * l.bielkovina_norm / l.mlieko_norm), "
             u"3), round(avg(l.medziobdobie), 1) "_s +
                 zive(posledna) + u"AND l.mlieko_norm > 0 GROUP BY s"_s,
             false, u"6.A"_s},
            {"6.A: spolu", 0,
             u"SELECT pocet, round(dni, 2), round(mlieko, 1), round(tuk, 1), "
             u"round(medziobdobie, 1) FROM tab63v1ssum"_s,
             u"SELECT count(*), round(avg(l.pocet_dni_norm), 2), round(avg(l.mlieko_norm), 1), "
             u"round(avg(l.tuk_norm), 1), round(avg(l.medziobdobie), 1) "_s +
                 zive(posledna) + u"AND l.mlieko_norm > 0"_s,
             false, u"6.A"_s},
            {"7.A: triedy po 1 000 kg poslednej laktácie", 0,
             u"SELECT trieda_od, count(*), round(sum(podiel), 3), round(avg(mlieko), 1), "
             u"round(avg(tuk_perc), 3), round(avg(poradie), 3) FROM tab7a3v1 GROUP BY trieda_od"_s,
             u"SELECT 1000 * floor(l.mlieko_norm / 1000) AS t, count(*), round(100e0 * count(*) / "
             u"sum(count(*)) OVER (), 3), round(avg(l.mlieko_norm), 1), round(avg(100 * "
             u"l.tuk_norm / l.mlieko_norm), 3), round(avg(l.poradie), 3) "_s +
                 zive(posledna) + u"AND l.mlieko_norm > 0 GROUP BY t"_s,
             false, u"7.A"_s},
            {"7.AA: kravy v hraniciach", 0,
             u"SELECT usnecislo, poradie, mlieko, round(bielkovina_perc, 3), otec FROM "
             u"tab7a0v1celml2 WHERE mlieko BETWEEN 7000 AND 10000"_s,
             u"SELECT z.usnecislo, l.poradie, l.mlieko_norm, round(100 * l.bielkovina_norm / "
             u"l.mlieko_norm, 3), o.usnecislo "_s +
                 zive(posledna) + u"AND l.mlieko_norm BETWEEN 7000 AND 10000"_s,
             false, u"7.AA"_s},
            {"8: celoživotná úžitkovosť", 0,
             u"SELECT usnecislo, mlieko_kg_cel, tuk_kg_cel, dni_cel, "
             u"round(mlieko_priem, 1), linia, register, pocet_laktacii FROM tab82v1"_s,
             u"SELECT z.usnecislo, (SELECT sum(x.mlieko_celk) FROM "_s + vsetkyLaktacie +
                 u" x WHERE x.krava_id = z.zviera_id), (SELECT sum(x.tuk_celk) FROM "_s +
                 vsetkyLaktacie +
                 u" x WHERE x.krava_id = z.zviera_id), (SELECT sum(x.pocet_dni) FROM "_s +
                 vsetkyLaktacie +
                 u" x WHERE x.krava_id = z.zviera_id), round(k.mlieko_priem, 1), li.linia, "
                 u"b.register, k.pocet_laktacii "_s +
                 zive(sPlemenomOtca) + maxLaktacia,
             false, u"8"_s},
            {"8: maximálna laktácia", 0,
             u"SELECT usnecislo, mlieko_max, round(tuk_perc, 3), round(tuk_bielk_perc, 3), "
             u"por_max_laktacie, linia, otec FROM tab81v1"_s,
             u"SELECT z.usnecislo, k.mlieko_max, round(100 * k.tuk_max / k.mlieko_max, 3), "
             u"round(100 * (k.tuk_max + k.bielkovina_max) / k.mlieko_max, 3), "
             u"k.por_max_laktacie, li.linia, o.usnecislo "_s +
                 zive(sPlemenomOtca) + maxLaktacia,
             false, u"8"_s},
            {"9.C: medziobdobie podľa triedy mlieka", 0,
             u"SELECT trieda_od, count(*), round(avg(medziobdobie), 2), sum(je_365), sum(je_400), "
             u"sum(je_450), sum(je_500), sum(je_nad_500), round(avg(nad_400), 3), "
             u"round(sum(podiel), 3) FROM tab9b2v1 GROUP BY trieda_od"_s,
             u"SELECT 1000 * floor(l.mlieko_norm / 1000) AS t, count(*), "
             u"round(avg(l.medziobdobie), "
             u"2), sum(l.medziobdobie < 366), sum(l.medziobdobie > 365 AND l.medziobdobie < 401), "
             u"sum(l.medziobdobie > 400 AND l.medziobdobie < 451), sum(l.medziobdobie > 450 AND "
             u"l.medziobdobie < 501), sum(l.medziobdobie > 500), round(100e0 * "
             u"sum(l.medziobdobie > 400) / count(*), 3), round(100e0 * count(*) / sum(count(*)) "
             u"OVER (), 3) "_s +
                 zive(posledna) +
                 u"AND l.poradie > 1 AND l.mlieko_norm > 0 AND l.medziobdobie IS NOT NULL "
                 u"GROUP BY t"_s,
             false, u"9.C"_s},
            {"17: priemerná denná dojnosť", 0,
             u"SELECT usnecislo, poradie, pocet_dni, round(priem_mlieko, 3), round(tuk_perc, 3), "
             u"round(bielkovina_perc, 3), otec FROM tab170v1"_s,
             u"SELECT z.usnecislo, pl.poradie, pl.pocet_dni, round(pl.mlieko_celk / pl.pocet_dni, "
             u"3), round(100 * pl.tuk_celk / pl.mlieko_celk, 3), round(100 * pl.bielkovina_celk / "
             u"pl.mlieko_celk, 3), o.usnecislo "_s +
                 zive(u"JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id"_s) +
                 u"AND pl.ukoncenie IS NULL"_s,
             false, u"17.A"_s},
            {"10.A: somatické bunky podľa úsekov", 0,
             u"SELECT usek, nazov_useku, count(*), sum(nova_krava), round(max(geom_priemer_useku), "
             u"3), sum(je_skore_3), sum(je_skore_4), sum(je_skore_5), round(avg(podiel_nad_200), "
             u"3), round(avg(podiel_skore_3), 3) FROM tab101v1 GROUP BY usek, nazov_useku"_s,
             u"SELECT "_s + usek + u" AS u, elt("_s + usek +
                 u", 'do 30 dní', '31 – 100 dní', '101 – 200 dní', '201 – 305 dní', 'nad 305 "
                 u"dní'), count(*), count(DISTINCT krava), round(exp(avg(ln(b))), 3), sum(b < "
                 u"141.42), sum(b >= 141.42 AND b < 282.84), sum(b >= 282.84), round(100e0 * sum(b "
                 u"> 200) / count(*), 3), round(100e0 * sum(b < 141.42) / count(*), 3) FROM ("_s +
                 testyVMlieku(u"AND ko.bun_elementy > 0"_s) + u") x GROUP BY u"_s,
             false, u"10.A"_s},
            {"10.A: všetky kontroly podľa úsekov", 0,
             u"SELECT usek, count(*), sum(nova_krava), sum(nova_krava_obdobia) FROM tab101v2 "
             u"GROUP BY usek"_s,
             u"SELECT "_s + usek +
                 u" AS u, count(*), count(DISTINCT krava), sum(NOT EXISTS (SELECT 1 FROM kontroly "
                 u"y JOIN param p WHERE y.krava_id = x.krava AND y.datum < x.datum AND y.datum >= "
                 u"p.kontrolne_obd_od)) FROM ("_s +
                 testyVMlieku({}) + u") x GROUP BY u"_s,
             false, u"10.A"_s},
            {"10.B: somatické bunky podľa mesiacov", 0,
             u"SELECT rokmes, nazov_mesiaca, count(*), sum(nova_krava), "
             u"round(max(geom_priemer_mesiaca), 3), sum(je_skore_3), sum(je_skore_5), "
             u"round(avg(podiel_nad_200), 3) FROM tab10B0v1 GROUP BY rokmes, nazov_mesiaca"_s,
             u"SELECT date_format(ko.datum, '%Y%m') AS m, concat(elt(month(ko.datum), 'január', "
             u"'február', 'marec', 'apríl', 'máj', 'jún', 'júl', 'august', 'september', "
             u"'október', 'november', 'december'), ' ', year(ko.datum)), count(*), "
             u"count(DISTINCT ko.krava_id), round(exp(avg(ln(ko.bun_elementy))), 3), "
             u"sum(ko.bun_elementy < 141.42), sum(ko.bun_elementy >= 282.84), round(100e0 * "
             u"sum(ko.bun_elementy > 200) / count(*), 3) FROM kontroly ko "_s +
                 vObdobi + u" AND ko.bun_elementy > 0 GROUP BY m"_s,
             false},
            {"19: močovina podľa kontrolných dní", 0,
             u"SELECT datum_kontroly, count(*), round(avg(mocovina), 3), min(mocovina), "
             u"sum(pod_15), sum(nad_35), round(avg(podiel_v_norme), 3), "
             u"round(avg(bielkovina_perc), "
             u"3) FROM tab194v1 GROUP BY datum_kontroly"_s,
             u"SELECT ko.datum, count(*), round(avg(ko.mocovina), 3), min(ko.mocovina), "
             u"sum(ko.mocovina < 15), sum(ko.mocovina > 35), round(100e0 * sum(ko.mocovina >= 15 "
             u"AND ko.mocovina <= 35) / count(*), 3), round(avg(ko.bielkovina_perc), 3) FROM "
             u"kontroly ko "_s +
                 vObdobi + u" AND ko.mocovina > 0 GROUP BY ko.datum"_s,
             false},
        };
        // The breed group of an animal from its largest blood share: Slovak Pied in three bands,
        // the other breeds in four, below 50 % none.
        const QString skupina =
            u"CASE WHEN z.plemeno1 IS NULL OR z.krv1 < 50 OR z.plemeno1 NOT IN ('SS', 'PI', 'BR', "
            u"'HR', 'HB') THEN 'BEZ' WHEN z.plemeno1 = 'SS' THEN concat('SS', CASE WHEN z.krv1 >= "
            u"87.5 THEN 1 WHEN z.krv1 >= 75 THEN 3 ELSE 4 END) ELSE concat(z.plemeno1, CASE WHEN "
            u"z.krv1 >= 87.5 THEN 1 WHEN z.krv1 >= 75 THEN 2 WHEN z.krv1 >= 62.5 THEN 3 ELSE 4 "
            u"END) END"_s;
        for (const Pripad& p : pripady) {
            const QStringList vybery = {u"podnik"_s, u"chov"_s, u"maštaľ"_s};
            for (int v = 0; v < 3; ++v)
                QTest::newRow(qPrintable(QString::fromUtf8(p.nazov) + u" / "_s + vybery[v]))
                    << m_vybery[v] << (v == 0) << p.pocetDcer << p.relacia
                    << QString(p.nezavisle)
                           .replace(u"%3"_s, skupina)
                           .replace(u"%2"_s, QString::number(p.pocetDcer))
                    << p.zoradene << p.zostava;
        }
    }
    void relacie() {
        QFETCH(QString, kod);
        QFETCH(bool, viacChovov);
        QFETCH(int, pocetDcer);
        QFETCH(QString, relacia);
        QFETCH(QString, nezavisle);
        QFETCH(bool, zoradene);
        QFETCH(QString, zostava);
        m_spojenie->execute(
            u"UPDATE param SET chovatel = rpad(:Kod, 9, '0'), pocet_dcer = :Pocet"_s,
            {{u"Kod"_s, kod}, {u"Pocet"_s, pocetDcer}});
        if (!zostava.isEmpty())
            pripravPracovneTabulky(zostava);
        QStringList vRelacii = texty(relacia);
        QStringList vTabulkach = texty(QString(nezavisle).replace(u"%1"_s, kod));
        if (!zoradene) {
            vRelacii.sort();
            vTabulkach.sort();
        }
        // The enterprise has something of everything; a herd or barn may lack bull dams.
        if (viacChovov)
            QVERIFY(!vRelacii.isEmpty());
        QCOMPARE(vRelacii, vTabulkach);
    }

    // Reports 11.A and 18 against the yields computed here from the base tables: each living
    // first-calver's test days since her calving, integrated by the demo herd's own test interval
    // method, averaged per sire and per band of age at calving.
    void prvostky_data() { vybery(); }
    void prvostky() {
        QFETCH(QString, kod);
        nastavVyber(kod);
        for (const QString& prikaz : RetazecKontrol::prikazy(RetazecKontrol::Laktacie::Prve))
            m_spojenie->executeDirect(prikaz);

        std::map<int, Prvostka> kravy;
        std::map<int, std::array<std::vector<TestIntervalMethod::Point>, 3>> body;
        std::map<int, int> trvanie;
        // A lactation lasts to its dry-off, or to the newest day the data know of: a test day or
        // a birth in the herd.
        QSqlQuery kontroly = m_spojenie->execute(
            u"SELECT z.zviera_id, o.usnecislo, round(datediff(pl.datumotelenia, "
            u"z.datumnarodenia) / 30.42), datediff(ko.datum, pl.datumotelenia), "
            u"ko.mlieko_prepocitane, ko.tuk_perc, ko.bielkovina_perc, "
            u"datediff(coalesce(pl.ukoncenie, greatest((SELECT max(datum) FROM kontroly), "
            u"(SELECT max(datumnarodenia) FROM zvierata WHERE chovatel IS NOT NULL))), "
            u"pl.datumotelenia) "_s +
                QString::fromUtf8(ziveKravy).replace(
                    u"LEFT JOIN zvierata o"_s,
                    u"JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id AND pl.poradie "
                    u"= 1 JOIN kontroly ko ON ko.krava_id = z.zviera_id LEFT JOIN zvierata o"_s) +
                u"ORDER BY z.zviera_id, ko.datum"_s,
            {{u"Vyber"_s, kod + u'%'}});
        while (kontroly.next()) {
            const int id = kontroly.value(0).toInt();
            Prvostka& k = kravy[id];
            k.otec = kontroly.value(1).toString();
            if (!kontroly.value(2).isNull())
                k.vek = kontroly.value(2).toInt();
            trvanie[id] = kontroly.value(7).toInt();
            const int den = kontroly.value(3).toInt();
            const double mlieko = kontroly.value(4).toDouble();
            if (den >= 0)
                for (const auto& [i, hodnota] : {std::pair{0, mlieko},
                                                 {1, mlieko * kontroly.value(5).toDouble() / 100},
                                                 {2, mlieko * kontroly.value(6).toDouble() / 100}})
                    body[id][i].push_back({den, hodnota});
        }
        QVERIFY(!kravy.empty());
        for (auto& [id, k] : kravy) {
            const auto& b = body[id];
            for (int d = 0; d < 3; ++d) {
                // A day counts once the lactation has lasted it, with a test at most 75 days
                // before it.
                const int hranica = std::array{100, 200, 305}[d];
                int posledny = -1;
                for (const TestIntervalMethod::Point& bod : b[0])
                    if (bod.day <= hranica)
                        posledny = bod.day;
                if (trvanie[id] < hranica || posledny < 0 || hranica - posledny > 75)
                    continue;
                const double m = TestIntervalMethod::yieldTo(b[0], hranica);
                k.dni[d] = std::array{m, 100 * TestIntervalMethod::yieldTo(b[1], hranica) / m,
                                      100 * TestIntervalMethod::yieldTo(b[2], hranica) / m};
            }
        }

        // 11.A: per sire.
        std::map<QString, std::vector<const Prvostka*>> poOtcoch;
        for (const auto& [id, k] : kravy)
            poOtcoch[k.otec].push_back(&k);
        QSqlQuery otcovia = m_spojenie->execute(
            u"SELECT coalesce(otec, ''), count(*), avg(vekot), count(M100), avg(M100), "
            u"avg(percT100), avg(percB100), count(M200), avg(M200), avg(percT200), "
            u"avg(percB200), count(M305), avg(M305), avg(percT305), avg(percB305) FROM "
            u"tab11por00vsun00 GROUP BY otec"_s);
        const auto hodnoty = [](const QSqlQuery& q, int od) {
            QList<double> out;
            for (int i = od; i < q.record().count(); ++i)
                out << (q.value(i).isNull() ? -1 : q.value(i).toDouble());
            return out;
        };
        std::size_t pocetOtcov = 0;
        while (otcovia.next()) {
            ++pocetOtcov;
            const QString otec = otcovia.value(0).toString();
            QVERIFY2(poOtcoch.count(otec), qPrintable(otec));
            QVERIFY2(zhodne(hodnoty(otcovia, 1), priemery(poOtcoch[otec])), qPrintable(otec));
        }
        QCOMPARE(pocetOtcov, poOtcoch.size());

        // 18: per band of age at first calving, then all together.
        std::map<int, std::vector<const Prvostka*>> poPasmach;
        std::vector<const Prvostka*> vsetky;
        for (const auto& [id, k] : kravy) {
            const int pasmo = !k.vek         ? 6
                              : *k.vek < 24  ? 1
                              : *k.vek <= 26 ? 2
                              : *k.vek <= 29 ? 3
                              : *k.vek <= 32 ? 4
                                             : 5;
            poPasmach[pasmo].push_back(&k);
            vsetky.push_back(&k);
        }
        const QString stlpce = u"pocet, coalesce(vek, -1), pocet100, coalesce(M100, -1), "
                               u"coalesce(percT100, -1), coalesce(percB100, -1), pocet200, "
                               u"coalesce(M200, -1), coalesce(percT200, -1), coalesce(percB200, "
                               u"-1), pocet305, coalesce(M305, -1), coalesce(percT305, -1), "
                               u"coalesce(percB305, -1)"_s;
        QSqlQuery pasma =
            m_spojenie->execute(u"SELECT pasmo, podiel, "_s + stlpce + u" FROM tab180v1zaver9"_s);
        QList<int> cisla;
        while (pasma.next()) {
            const int pasmo = pasma.value(0).toInt();
            cisla << pasmo;
            const QList<double> ocakavane = priemery(poPasmach[pasmo]);
            QVERIFY2(zhodne(hodnoty(pasma, 2), ocakavane), qPrintable(QString::number(pasmo)));
            QVERIFY(qAbs(pasma.value(1).toDouble() - 100 * ocakavane[0] / vsetky.size()) < 1e-9);
        }
        QCOMPARE(cisla,
                 (poPasmach.count(6) ? QList<int>{1, 2, 3, 4, 5, 6} : QList<int>{1, 2, 3, 4, 5}));
        QSqlQuery spolu =
            m_spojenie->execute(u"SELECT podiel, "_s + stlpce + u" FROM tab180v1zaver10"_s);
        QVERIFY(spolu.next());
        QVERIFY(zhodne(hodnoty(spolu, 1), priemery(vsetky)));
        QCOMPARE(spolu.value(0).toDouble(), 100.0);
    }

    // The universal report's sources cover the animals of the selection: as many rows as the
    // base tables hold for it, and none of another barn.
    void zdrojeUniverzalnejZostavy_data() {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("zdroj");
        QTest::addColumn<QString>("nezavisle");
        QTest::addColumn<bool>("maChovatela");
        const QString zijuce = u"FROM zvierata z JOIN kravy k ON k.krava_id = z.zviera_id JOIN "
                               u"dovody_vyradenia d ON d.dovod_vyradenia_id = "
                               u"k.dovod_vyradenia_id %2 WHERE d.kod = '00' AND z.chovatel LIKE "
                               u"'%1%' "_s;
        const QString jalovice = u"FROM zvierata z JOIN jalovice j ON j.jalovica_id = "
                                 u"z.zviera_id WHERE z.chovatel LIKE '%1%' "_s;
        struct Zdroj {
            const char* nazov;
            QString nezavisle;
            bool maChovatela;
        };
        const QList<Zdroj> zdroje = {
            {"uzjalovice", u"SELECT count(*) "_s + jalovice, true},
            {"uzbyky",
             u"SELECT count(DISTINCT otec) FROM (SELECT z.otec_id AS otec "_s +
                 zijuce.arg(u"%1"_s, QString()) + u"UNION ALL SELECT z.otec_id "_s + jalovice +
                 u") x"_s,
             false},
            {"uzkontroly",
             u"SELECT count(*) "_s +
                 zijuce.arg(u"%1"_s, u"JOIN kontroly ko ON ko.krava_id = z.zviera_id"_s),
             true},
            {"uzmocovina",
             u"SELECT count(*) "_s +
                 zijuce.arg(u"%1"_s, u"JOIN kontroly ko ON ko.krava_id = z.zviera_id"_s) +
                 u"AND ko.mocovina IS NOT NULL"_s,
             true},
            {"uzpreblaktacie",
             u"SELECT count(*) "_s + zijuce.arg(u"%1"_s,
                                                u"JOIN prebiehajuce_laktacie l ON l.krava_id = "
                                                u"z.zviera_id"_s),
             true},
            {"uzlaktacie",
             u"SELECT count(*) "_s +
                 zijuce.arg(u"%1"_s, u"JOIN laktacie l ON l.krava_id = z.zviera_id"_s),
             true},
            {"uztdm",
             u"SELECT count(*) "_s +
                 zijuce.arg(u"%1"_s, u"JOIN plemenne_hodnoty ph ON ph.zviera_id = z.zviera_id"_s),
             true},
            {"uztab1ab",
             u"SELECT count(DISTINCT z.otec_id) "_s +
                 zijuce.arg(u"%1"_s, u"JOIN "_s + QString::fromUtf8(normovane) +
                                         u" n ON n.krava_id = z.zviera_id"_s),
             false},
            {"zuvyrkravy",
             u"SELECT count(*) "_s +
                 zijuce.arg(u"%1"_s, QString()).replace(u"d.kod = '00'"_s, u"d.kod <> '00'"_s),
             true},
        };
        const QStringList vybery = {u"podnik"_s, u"chov"_s, u"maštaľ"_s};
        for (const Zdroj& z : zdroje)
            for (int v = 0; v < 3; ++v)
                QTest::newRow(qPrintable(QString::fromUtf8(z.nazov) + u" / "_s + vybery[v]))
                    << m_vybery[v] << QString::fromUtf8(z.nazov) << z.nezavisle << z.maChovatela;
    }
    void zdrojeUniverzalnejZostavy() {
        QFETCH(QString, kod);
        QFETCH(QString, zdroj);
        QFETCH(QString, nezavisle);
        QFETCH(bool, maChovatela);
        nastavVyber(kod);
        // The sires' results take those with at least the daughters last asked for; here all.
        m_spojenie->execute(u"UPDATE param SET pocet_dcer = 0"_s);
        const int pocet = hodnota(u"SELECT count(*) FROM "_s + zdroj).toInt();
        QVERIFY(pocet > 0);
        QCOMPARE(pocet, hodnota(QString(nezavisle).replace(u"%1"_s, kod)).toInt());
        if (maChovatela)
            QCOMPARE(hodnota(u"SELECT count(*) FROM "_s + zdroj + u" WHERE chovatel NOT LIKE '"_s +
                             kod + u"%'"_s)
                         .toInt(),
                     0);
    }

    // Report 8 keeps a cow without a sire once, with no line or register, as it keeps the other
    // cows once with their sire's.
    void najlepsieKravyKravaBezOtcaRaz() {
        const QVariantList krava =
            riadky(u"SELECT z.usnecislo, z.otec_id "_s + QString::fromUtf8(ziveKravy) +
                       u"AND z.otec_id IS NOT NULL AND k.por_max_laktacie IS NOT NULL ORDER BY "
                       u"z.usnecislo LIMIT 1"_s,
                   {{u"Vyber"_s, u"%"_s}})
                .value(0);
        QCOMPARE(krava.size(), 2);
        const auto nastavOtca = [&](const QVariant& otec) {
            m_spojenie->execute(u"UPDATE zvierata SET otec_id = :Otec WHERE usnecislo = :Cislo"_s,
                                {{u"Otec"_s, otec}, {u"Cislo"_s, krava[0]}});
        };
        const auto vrat = qScopeGuard([&] { nastavOtca(krava[1]); });
        nastavOtca(QVariant(QMetaType::fromType<int>()));
        pripravPracovneTabulky(u"8"_s);
        const ParameterValues cislo{{u"Cislo"_s, krava[0]}};
        QCOMPARE(hodnota(u"SELECT count(*) FROM tab80v1 WHERE usnecislo = :Cislo"_s, cislo).toInt(),
                 1);
        const QList<QVariantList> vZozname =
            riadky(u"SELECT linia, register, otec FROM tab81v1 WHERE usnecislo = :Cislo"_s, cislo);
        QCOMPARE(vZozname.size(), 1);
        for (const QVariant& prazdne : vZozname.front())
            QVERIFY(prazdne.isNull());
        QCOMPARE(hodnota(u"SELECT count(*) - count(DISTINCT usnecislo) FROM tab80v1"_s).toInt(), 0);
    }

    void zostavyCitajuStlpceRelacii_data() {
        QTest::addColumn<QString>("zostava");
        QTest::addColumn<QString>("nazov");
        for (const PolozkaKatalogu& polozka : KatalogZostav::polozky())
            if (polozka.jeZostava())
                QTest::newRow(qPrintable(polozka.kod)) << polozka.kod << polozka.zostava;
        // Report 8 prints the maximum lactations through a layout of its own.
        QTest::newRow("8B") << "8"
                            << "ReportTabulka8B";
    }
    void zostavyCitajuStlpceRelacii() {
        QFETCH(QString, zostava);
        QFETCH(QString, nazov);
        const PolozkaKatalogu* polozka = KatalogZostav::najdi(zostava);
        QVERIFY(polozka);
        const std::unique_ptr<ProjectDefinition> project = ProjectReader::readFile(
            QString::fromUtf8(TARVELIN_REPORTS_DIR "/") +
            (polozka->projekt == PolozkaKatalogu::Projekt::Tabulky ? u"Tabulky.rav"_s
                                                                   : u"Tabulky2.rav"_s));
        const ReportDefinition* report = project->findReport(nazov);
        QVERIFY(report);
        const QMap<QString, QSet<QString>> citane = PoliaZostavy::citane(*project, *report);
        for (const QString& spojenie : citane.keys()) {
            Query* query = publikovany(spojenie);
            QVERIFY2(query, qPrintable(spojenie));
            const QStringList sql = query->sql();
            const auto vrat = qScopeGuard([&] {
                query->close();
                query->setSql(sql);
            });
            if (!polozka->sqlDotazu.isEmpty() && query == (*m_tabulky).*polozka->dotazy.front())
                query->setSql({polozka->sqlDotazu});
            query->close();
            query->open();
            for (const QString& pole : citane[spojenie])
                QVERIFY2(query->fieldIndex(pole) >= 0,
                         qPrintable(spojenie + QLatin1Char('.') + pole));
        }
    }

private:
    void pripravPracovneTabulky(const QString& zostava) {
        for (const QString& prikaz : KatalogZostav::najdi(zostava)->pripravnePrikazy)
            m_spojenie->execute(prikaz);
    }

    void vybery() {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<bool>("viacChovov");
        QTest::newRow("podnik") << m_vybery[0] << true;
        QTest::newRow("chov") << m_vybery[1] << false;
        QTest::newRow("maštaľ") << m_vybery[2] << false;
    }

    void nastavVyber(const QString& kod) {
        m_spojenie->execute(u"UPDATE param SET chovatel = rpad(:Kod, 9, '0')"_s, {{u"Kod"_s, kod}});
    }

    QList<QVariantList> riadky(const QString& sql, const ParameterValues& parameters = {}) {
        QSqlQuery query = m_spojenie->execute(sql, parameters);
        QList<QVariantList> rows;
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << query.value(i);
            rows << row;
        }
        return rows;
    }

    /// The rows of a statement, each as one text; numbers as the server gives them.
    QStringList texty(const QString& sql) {
        QStringList rows;
        for (const QVariantList& row : riadky(sql)) {
            QStringList values;
            for (const QVariant& value : row) {
                // 8435 and 8435.0 are the same figure, whatever type the server gives it.
                bool cislo = false;
                const double d = value.toDouble(&cislo);
                values << (value.isNull() ? u"∅"_s
                           : cislo        ? QString::number(d, 'f', 4)
                                          : value.toString());
            }
            rows << values.join(QLatin1Char('|'));
        }
        return rows;
    }

    QVariant hodnota(const QString& sql, const ParameterValues& parameters = {}) {
        const QList<QVariantList> rows = riadky(sql, parameters);
        return rows.isEmpty() ? QVariant() : rows.front().front();
    }

    QMap<QString, int> pocty(const QString& sql, const ParameterValues& parameters = {}) {
        QMap<QString, int> counts;
        for (const QVariantList& row : riadky(sql, parameters))
            counts.insert(row[0].toString(), row[1].toInt());
        return counts;
    }

    Query* publikovany(const QString& spojenie) const {
        for (const auto& published : m_tabulky->publishedDataSets())
            if (published.connectionName == spojenie)
                return published.query;
        return nullptr;
    }

    // True when equal keys stand next to each other.
    static bool suvisle(const QStringList& kluce) {
        QSet<QString> skoncene;
        for (qsizetype i = 0; i < kluce.size(); ++i) {
            if (skoncene.contains(kluce[i]))
                return false;
            if (i + 1 < kluce.size() && kluce[i + 1] != kluce[i])
                skoncene.insert(kluce[i]);
        }
        return true;
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<Connection> m_spojenie;
    std::unique_ptr<TDataModuleTabulky> m_tabulky;
    QStringList m_vybery; ///< an enterprise, one of its herds and one of that herd's barns
};

QTEST_GUILESS_MAIN(TestRelacieZostav)
#include "tst_relaciezostav.moc"
