#include "common/TestDatabase.h"
#include "reports/KatalogZostav.h"
#include "reports/PolozkaKatalogu.h"
#include "reports/RetazecKontrol.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// What the report relations count by the definitions their notes give, case by case on a small
/// farm written by hand (fixtures/definicie.sql): the current lactation of a dry cow, the days a
/// first lactation has reached, days in milk of a test from the calving before it, herd-mates
/// still in the herd, the breed group of an exact cross, shares that make 100 %, ages and the
/// selection's name.
class TestDefinicieZostav final : public QObject {
    Q_OBJECT

private:
    /// The rows of a statement, each its values joined by "|", a missing one as "∅" and a number
    /// without trailing zeros.
    QStringList texty(const QString& sql) {
        QSqlQuery query = m_spojenie->execute(sql);
        QStringList riadky;
        while (query.next()) {
            QStringList hodnoty;
            for (int i = 0; i < query.record().count(); ++i) {
                const QVariant hodnota = query.value(i);
                bool cislo = false;
                const double d = hodnota.toDouble(&cislo);
                hodnoty << (hodnota.isNull() ? u"∅"_s
                            : cislo          ? QString::number(d, 'g', 10)
                                             : hodnota.toString());
            }
            riadky << hodnoty.join(u'|');
        }
        return riadky;
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"definiciezostav"_s);
        m_db->loadFixture(QString::fromUtf8(TARVELIN_REPORTS_TEST_DIR "/fixtures/definicie.sql"));
        m_spojenie = std::make_unique<Connection>(m_db->settings());
    }

    void definicie_data() {
        QTest::addColumn<QString>("vyber");
        QTest::addColumn<QString>("zostava");
        QTest::addColumn<QString>("dotaz");
        QTest::addColumn<QStringList>("ocakavane");
        const QString podnik = u"401234"_s;
        const QString anna = u"'SK401234000101'"_s;
        QTest::newRow("4.A: zaprahnutá krava v prebiehajúcej laktácii")
            << podnik << "4.A" << u"SELECT poradie FROM tab41v1 WHERE usnecislo = "_s + anna
            << QStringList{u"1"_s};
        QTest::newRow("11.A: zaprahnutá prvôstka, posledná kontrola 5 dní pred 305. dňom")
            << podnik << "11.A"
            << u"SELECT round(M100), round(M305), round(percT305, 2) FROM tab11por00vsun00 WHERE "
               u"usnecislo = "_s +
                   anna
            << QStringList{u"3000|9150|4"_s};
        QTest::newRow("11.A: po 305. dni, posledná kontrola 40 dní pred ním")
            << podnik << "11.A" << u"SELECT round(M305) FROM tab11por00vsun00 WHERE meno = 'Bela'"_s
            << QStringList{u"6100"_s};
        QTest::newRow("11.A: po 305. dni, posledná kontrola 90 dní pred ním")
            << podnik << "11.A"
            << u"SELECT round(M200), M305 FROM tab11por00vsun00 WHERE meno = 'Cilka'"_s
            << QStringList{u"5000|∅"_s};
        QTest::newRow("18: prvé laktácie zaprahnuté aj dojené")
            << podnik << "18" << u"SELECT pocet, pocet100, pocet305 FROM tab180v1zaver10"_s
            << QStringList{u"3|3|2"_s};
        QTest::newRow("10.A: kontrola predošlej laktácie od jej otelenia")
            << podnik << "10.A"
            << u"SELECT laktdni, datumotelenia FROM tab100v1 WHERE usnecislo = 'SK401234000134' "
               u"AND datum_kontroly = '2024-01-15'"_s
            << QStringList{u"348|2023-02-01"_s};
        QTest::newRow("10.A: jej úsek laktácie")
            << podnik << "10.A"
            << u"SELECT nazov_useku FROM tab101v1 WHERE usnecislo = 'SK401234000134' AND "
               u"datum_kontroly = '2024-01-15'"_s
            << QStringList{u"nad 305 dní"_s};
        QTest::newRow("17: zaprahnutá krava sa neradí medzi dojené")
            << podnik << "17.D" << u"SELECT count(*) FROM tab170v1 WHERE usnecislo = "_s + anna
            << QStringList{u"0"_s};
        QTest::newRow("9.A: dni a dojivosť z tých istých kráv")
            << podnik << QString()
            << u"SELECT count(*), count(pocet_dni), count(denna_dojivost) FROM tab9a2v1"_s
            << QStringList{u"3|2|2"_s};
        QTest::newRow("1.B: vyradená rovesnica sa nepočíta")
            << podnik << QString()
            << u"SELECT pocet_rovesnic, mlieko_rovesnic FROM tab1b1v1 WHERE meno = 'Dora' AND "
               u"poradie = 1"_s
            << QStringList{u"1|7000"_s};
        QTest::newRow("5A: krížanec 50 : 50, holštajnské uvedené prvé")
            << podnik << QString() << u"SELECT skupina FROM tab50v3kravy WHERE meno = 'Ema'"_s
            << QStringList{u"SS4"_s};
        QTest::newRow("5A: tretiny maštale dávajú 100 %")
            << u"401234012"_s << QString()
            << u"SELECT skupina, podiel FROM tab51v1 ORDER BY poradie"_s
            << QStringList{u"SS1|33.4"_s, u"SS4|33.3"_s, u"HR1|33.3"_s};
        QTest::newRow("21: jalovica narodená po poslednej kontrole")
            << podnik << QString() << u"SELECT nazov_pasma, round(vek, 2) FROM tabj35v1"_s
            << QStringList{u"0 – 5 mesiacov|0"_s};
        QTest::newRow("hlavička: chov ako bol vybratý")
            << u"40123401"_s << QString() << u"SELECT kod_vyberu, vyber FROM paramwok"_s
            << QStringList{u"40123401|chov 40123401 Chov Pokusy"_s};
        QTest::newRow("hlavička: maštaľ")
            << u"401234012"_s << QString() << u"SELECT vyber FROM paramwok"_s
            << QStringList{u"maštaľ 401234012 Kravín B"_s};
    }
    void definicie() {
        QFETCH(QString, vyber);
        QFETCH(QString, zostava);
        QFETCH(QString, dotaz);
        QFETCH(QStringList, ocakavane);
        m_spojenie->execute(u"UPDATE param SET chovatel = rpad(:Kod, 9, '0')"_s,
                            {{u"Kod"_s, vyber}});
        if (!zostava.isEmpty()) {
            const PolozkaKatalogu* polozka = KatalogZostav::najdi(zostava);
            QVERIFY(polozka);
            for (const QString& prikaz : polozka->pripravnePrikazy)
                m_spojenie->executeDirect(prikaz);
        }
        QCOMPARE(texty(dotaz), ocakavane);
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<Connection> m_spojenie;
};

QTEST_GUILESS_MAIN(TestDefinicieZostav)
#include "tst_definiciezostav.moc"
