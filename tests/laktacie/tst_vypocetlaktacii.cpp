#include "laktacie/Rovesnice.h"
#include "laktacie/VypocetLaktacii.h"

#include <QDate>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const int kDen0 = int(QDate(2024, 1, 1).toJulianDay());

/// Days after the first calving, as the records of a case give them; -1 for none.
int den(int posun) {
    return posun < 0 ? 0 : kDen0 + posun;
}

struct Krava {
    std::vector<KontrolaDna> kontroly;
    ZaznamyKravy zaznamy;

    void otelenie(int posun, int zasusenie = -1) {
        Otelenie o;
        o.datum = den(posun);
        o.poradie = int(zaznamy.otelenia.size()) + 1;
        o.zasusenie = den(zasusenie);
        zaznamy.otelenia.push_back(o);
    }
    void kontrola(int posun, double mlieko, double tuk = 4, double bielkovina = 3.5,
                  double laktoza = 5) {
        kontroly.push_back({den(posun), mlieko, tuk, bielkovina, laktoza});
        zaznamy.kontroly = kontroly;
    }
    void vyradena(int posun, const QString& dovod) {
        zaznamy.vyradenie = den(posun);
        zaznamy.dovodVyradenia = dovod;
    }
    std::vector<Laktacia> laktacie() {
        zaznamy.kontroly = kontroly;
        return VypocetLaktacii().laktacie(zaznamy);
    }
};

} // namespace

class TestVypocetLaktacii final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void koniecLaktacie_data() {
        QTest::addColumn<QList<int>>("otelenia");
        QTest::addColumn<QList<int>>("zasusenia");
        QTest::addColumn<int>("vyradenie");
        QTest::addColumn<QList<int>>("kontroly");
        QTest::addColumn<bool>("prebiehajuca");
        QTest::addColumn<int>("ukoncenie");
        QTest::addColumn<QString>("zmena");
        QTest::addColumn<int>("dni");
        QTest::addColumn<int>("koniecNormovanej");

        // The lactation looked at is always the first one.
        QTest::newRow("dojí: ráta sa do poslednej kontroly")
            << QList<int>{0} << QList<int>{-1} << -1 << QList<int>{10, 40, 70} << true << -1
            << QString() << 70 << -1;
        QTest::newRow("dojí po 305. dni")
            << QList<int>{0} << QList<int>{-1} << -1 << QList<int>{10, 200, 320} << true << -1
            << QString() << 320 << 305;
        QTest::newRow("zasušená si ponecháva prebiehajúcu")
            << QList<int>{0} << QList<int>{250} << -1 << QList<int>{10, 240} << true << 250
            << u"00"_s << 250 << 250;
        QTest::newRow("uzavretá ďalším otelením po zasušení")
            << QList<int>{0, 400} << QList<int>{340, -1} << -1 << QList<int>{10, 330, 410} << false
            << 340 << u"00"_s << 340 << 305;
        QTest::newRow("vyradená pri dojení; kontrola po vyradení sa neráta")
            << QList<int>{0} << QList<int>{-1} << 200 << QList<int>{10, 190, 220} << false << 200
            << u"03"_s << 200 << 200;
        QTest::newRow("vyradená zasušená")
            << QList<int>{0} << QList<int>{280} << 330 << QList<int>{10, 270} << false << 280
            << u"00"_s << 280 << 280;
        QTest::newRow("uzavretá bez zaznamenaného konca: do poslednej kontroly")
            << QList<int>{0, 400} << QList<int>{-1, -1} << -1 << QList<int>{10, 290, 410} << false
            << 290 << u"00"_s << 290 << 290;
        QTest::newRow("zasušenie po ďalšom otelení k nej nepatrí")
            << QList<int>{0, 400} << QList<int>{420, -1} << -1 << QList<int>{10, 290} << false
            << 290 << u"00"_s << 290 << 290;
        QTest::newRow("uzavretá bez kontrol a bez konca")
            << QList<int>{0, 400} << QList<int>{-1, -1} << -1 << QList<int>{} << false << -1
            << u"00"_s << 0 << 0;
    }

    void koniecLaktacie() {
        QFETCH(QList<int>, otelenia);
        QFETCH(QList<int>, zasusenia);
        QFETCH(int, vyradenie);
        QFETCH(QList<int>, kontroly);
        Krava krava;
        for (qsizetype i = 0; i < otelenia.size(); ++i)
            krava.otelenie(otelenia[i], zasusenia[i]);
        for (int k : kontroly)
            krava.kontrola(k, 20);
        if (vyradenie >= 0)
            krava.vyradena(vyradenie, u"03"_s);
        const Laktacia prva = krava.laktacie().front();
        QTEST(prva.prebiehajuca, "prebiehajuca");
        QTEST(prva.zmena, "zmena");
        QTEST(prva.dni, "dni");
        QCOMPARE(prva.dniNorm, std::min(prva.dni, 305));
        QFETCH(int, ukoncenie);
        QCOMPARE(prva.ukoncenie, den(ukoncenie));
        QFETCH(int, koniecNormovanej);
        QCOMPARE(prva.koniecNormovanej, koniecNormovanej < 0 ? 0 : kDen0 + koniecNormovanej);
    }

    void vynosyMetodouTestovacichIntervalov() {
        // First test stands for the days from calving, a straight line between tests, the last
        // test to the dry-off: 10 × 20 + 30 × (20 + 30) / 2 + 30 × 30 kg.
        Krava kratka;
        kratka.otelenie(0, 70);
        kratka.kontrola(10, 20, 4, 3, 5);
        kratka.kontrola(40, 30, 4, 3, 5);
        const Laktacia k = kratka.laktacie().front();
        QCOMPARE(k.celkovy.mlieko, 1850.0);
        QCOMPARE(k.celkovy.tuk, 74.0);
        QCOMPARE(k.celkovy.bielkovina, 55.5);
        QCOMPARE(k.celkovy.laktoza, 92.5);
        QCOMPARE(k.normovany, k.celkovy);
        QVERIFY(k.vypocitana);
        QVERIFY(std::isnan(k.perzistencia));

        // Over 305 days the standardised yield stops at day 305, and persistency compares days
        // 201-300 with days 1-100.
        Krava dlha;
        dlha.otelenie(0, 400);
        dlha.kontrola(50, 30);
        dlha.kontrola(250, 20);
        const Laktacia d = dlha.laktacie().front();
        QCOMPARE(d.celkovy.mlieko, 50 * 30 + 200 * 25 + 150 * 20.0);
        QCOMPARE(d.normovany.mlieko, 50 * 30 + 200 * 25 + 55 * 20.0);
        // 70.2127… kept to a tenth.
        QCOMPARE(d.perzistencia, 70.2);

        // A test after day 305 does not reach back into it: the last test before carries on.
        Krava preskocena;
        preskocena.otelenie(0, 400);
        preskocena.kontrola(100, 30);
        preskocena.kontrola(350, 10);
        QCOMPARE(preskocena.laktacie().front().normovany.mlieko, 305 * 30.0);
    }

    void uvedeneVynosyMajuPrednost() {
        Krava krava;
        krava.otelenie(0, 310);
        krava.kontrola(10, 20);
        krava.kontrola(300, 10);
        krava.zaznamy.otelenia[0].celkovy = ZnamyVynos{312, {9000, 360, 300, 440}};
        krava.zaznamy.otelenia[0].normovany = ZnamyVynos{305, {8900, 355, 296, 435}};
        krava.zaznamy.otelenia[0].perzistencia = 91.5;
        const Laktacia l = krava.laktacie().front();
        QCOMPARE(l.dni, 312);
        QCOMPARE(l.dniNorm, 305);
        QCOMPARE(l.celkovy, (Vynos{9000, 360, 300, 440}));
        QCOMPARE(l.normovany, (Vynos{8900, 355, 296, 435}));
        QCOMPARE(l.perzistencia, 91.5);
        QVERIFY(!l.vypocitana);
    }

    void laktaciaBezKontrol() {
        Krava krava;
        krava.otelenie(0, 300);
        krava.otelenie(380);
        const std::vector<Laktacia> l = krava.laktacie();
        // Of a closed lactation without test days nothing is known; one just begun has yielded
        // nothing yet.
        QVERIFY(std::isnan(l[0].celkovy.mlieko));
        QCOMPARE(l[0].dni, 300);
        QCOMPARE(l[1].celkovy, (Vynos{0, 0, 0, 0}));
        QCOMPARE(l[1].dni, 0);
    }

    void suhrnKravy() {
        Krava krava;
        krava.otelenie(0, 300);
        krava.otelenie(400, 720);
        krava.otelenie(800, 1100);
        krava.otelenie(1200);
        for (int k : {10, 290, 410, 700, 1210})
            krava.kontrola(k, 20);
        krava.zaznamy.otelenia[0].normovany = ZnamyVynos{300, {5000, 200, 170, 250}};
        krava.zaznamy.otelenia[1].normovany = ZnamyVynos{305, {7000, 280, 240, 350}};
        // The third closed lactation has no test days: it counts, but has no yield.
        std::vector<Laktacia> laktacie = krava.laktacie();
        QCOMPARE(laktacie[1].medziobdobie, 400);
        QCOMPARE(laktacie[0].medziobdobie, 0);
        QVERIFY(laktacie[1].maximalna);
        QVERIFY(!laktacie[0].maximalna && !laktacie[2].maximalna && !laktacie[3].maximalna);

        SuhrnKravy s = VypocetLaktacii::suhrn(laktacie);
        QCOMPARE(s.pocetLaktacii, 3);
        QCOMPARE(s.pocetNormLaktacii, 1);
        QCOMPARE(s.porMaxLaktacie, 2);
        QCOMPARE(s.maximum, (Vynos{7000, 280, 240, 350}));
        QCOMPARE(s.priemer, (Vynos{6000, 240, 205, 300}));
        QCOMPARE(s.porPrebLaktacie, 4);
        QCOMPARE(s.poslednaKontrola, den(1210));

        // Dried off, she keeps her current lactation, and her record names it.
        krava.zaznamy.otelenia[3].zasusenie = den(1450);
        laktacie = krava.laktacie();
        s = VypocetLaktacii::suhrn(laktacie);
        QVERIFY(laktacie[3].prebiehajuca);
        QCOMPARE(s.porPrebLaktacie, 4);
        QCOMPARE(s.pocetLaktacii, 3);

        // Culled, she has no current lactation: the last one closes with her culling reason.
        krava.vyradena(1500, u"09"_s);
        laktacie = krava.laktacie();
        QVERIFY(!laktacie[3].prebiehajuca);
        QCOMPARE(laktacie[3].zmena, u"00"_s);
        QCOMPARE(VypocetLaktacii::suhrn(laktacie).pocetLaktacii, 4);
    }

    // A small herd written by hand: cow 0 calved three times and is dry now, cow 1 was culled,
    // cow 2 milks in her first lactation, cow 3 calved alone in her herd and year. Cows 0 and 1
    // calved their second lactation in the same herd and year; only cow 0 stays in the herd, so
    // she alone is her herd-mates for her class.
    void rovesnice() {
        const int rok2024 = int(QDate(2024, 3, 1).toJulianDay());
        const int rok2025 = int(QDate(2025, 3, 1).toJulianDay());
        const auto laktacia = [](int poradie, int otelenie, int ukoncenie, QString zmena,
                                 bool prebiehajuca, double mlieko, double tukABielkovina) {
            Laktacia l;
            l.poradie = poradie;
            l.datumOtelenia = otelenie;
            l.ukoncenie = ukoncenie;
            l.zmena = zmena;
            l.prebiehajuca = prebiehajuca;
            l.dni = ukoncenie != 0 ? ukoncenie - otelenie : 120;
            l.koniecNormovanej = ukoncenie != 0 ? otelenie + std::min(l.dni, 305) : 0;
            l.normovany = {mlieko, tukABielkovina / 2, tukABielkovina / 2, 400};
            return l;
        };
        std::vector<Laktacia> stado = {
            laktacia(2, rok2025, rok2025 + 330, u"00"_s, false, 8000, 700),
            laktacia(1, rok2024, rok2024 + 320, u"00"_s, false, 8000, 600),
            laktacia(3, rok2025 + 400, rok2025 + 700, u"00"_s, true, 8000, 650),
            laktacia(1, rok2024 + 10, rok2024 + 200, u"00"_s, false, 6000, 300),
            laktacia(2, rok2025 + 20, rok2025 + 100, u"05"_s, false, 2000, 200),
            laktacia(1, rok2025 + 200, 0, QString(), true, 0, 0),
            laktacia(1, rok2024, rok2024 + 310, u"00"_s, false, 7000, 550),
            laktacia(2, rok2025, 0, QString(), true, 0, 0),
        };
        const std::vector<Rovesnice::Miesto> miesta = {
            {0, 0, true},  {0, 0, true}, {0, 0, true}, {1, 0, false},
            {1, 0, false}, {2, 1, true}, {3, 2, true}, {3, 2, true},
        };
        const std::vector<int> triedy = Rovesnice::porovnaj(stado, miesta, 4);

        // Cow 0's last closed lactation, her second, over her herd-mates': 100 %, class III (the
        // culled cow's short one beside it would make it 155 %, class I); cow 3 alone in her
        // group likewise. The culled cow is classed against those in the herd; a cow with no
        // closed lactation has no class.
        QCOMPARE(triedy, (std::vector<int>{3, 4, 0, 3}));
        // Herd-mates of the index leave out lactations culling cut short: the first lactations
        // of 2024 in herd 0 average 7,000 kg, the second ones of 2025 8,000 kg, the culled cow's
        // short one not among them. A lactation still in milk has no index yet.
        QCOMPARE(stado[1].index, 100 * 8000 / 7000.0);
        QCOMPARE(stado[4].index, 25.0);
        QVERIFY(std::isnan(stado[5].index));
        QCOMPARE(Rovesnice::trieda(115), 1);
        QCOMPARE(Rovesnice::trieda(114.99), 2);
        QCOMPARE(Rovesnice::trieda(95), 3);
        QCOMPARE(Rovesnice::trieda(94.99), 4);
    }
};

QTEST_APPLESS_MAIN(TestVypocetLaktacii)
#include "tst_vypocetlaktacii.moc"
