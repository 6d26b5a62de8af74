#include "common/TestDatabase.h"
#include "data/DatabaseError.h"
#include "data/SchemaInstaller.h"
#include "reports/AktualizaciaUniverzalnejZostavy.h"
#include "reports/PriebehPripravy.h"
#include "reports/PrikazyPripravy.h"
#include "reports/RetazecKontrol.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/ZamokVyberu.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(RetazecKontrol::Laktacie)

namespace {

using Laktacie = RetazecKontrol::Laktacie;

const QString fixture = QString::fromUtf8(TARVELIN_REPORTS_TEST_DIR "/fixtures/prvostky.sql");

/// Hears the progress of the statements and lets a test look around before one of them.
struct Priebeh : PriebehPripravy {
    QStringList kroky;
    std::function<void(int krok)> pred_;
    void pred(int krok, int pocet, const QString& popis) override {
        kroky << u"%1/%2 %3"_s.arg(krok).arg(pocet).arg(popis);
        if (pred_)
            pred_(krok);
    }
    void koniec() override {}
};

} // namespace

/// The chain of test days and what is built on it, on a small farm written by hand: which test
/// days of which cow each table of the chain holds, the yields the relations compute from them,
/// and the refresh of the universal report's table of cows, UzitKrav, with its failure and its
/// lock; the tables made at install have the columns the statements give them, also in a database
/// brought up to date from an older version.
class TestRetazecKontrol final : public QObject {
    Q_OBJECT

private:
    void nastavVyber(const QString& kod) {
        m_spojenie->execute(u"UPDATE param SET chovatel = rpad(:Kod, 9, '0')"_s, {{u"Kod"_s, kod}});
    }

    /// Forty statements take their time; a chain already built for the selection is kept.
    void postavRetazec(Laktacie laktacie, const QString& kod) {
        nastavVyber(kod);
        const QString postaveny = QString::number(int(laktacie)) + kod;
        if (postaveny == m_postaveny)
            return;
        PrikazyPripravy::posli(*m_tabulky->ADOCommandParametre, RetazecKontrol::prikazy(laktacie),
                               nullptr);
        m_postaveny = postaveny;
    }

    QVariantList riadok(const QString& sql, const ParameterValues& parametre = {}) {
        QSqlQuery query = m_spojenie->execute(sql, parametre);
        QVariantList hodnoty;
        if (query.next())
            for (int i = 0; i < query.record().count(); ++i)
                hodnoty << query.value(i);
        return hodnoty;
    }

    /// Name, type and nullability of every column of the chain's tables and UzitKrav.
    QStringList stlpce(Connection& spojenie) {
        QSqlQuery query = spojenie.execute(
            u"SELECT TABLE_NAME, COLUMN_NAME, COLUMN_TYPE, IS_NULLABLE FROM "
            u"information_schema.COLUMNS WHERE TABLE_SCHEMA = database() AND (TABLE_NAME LIKE "
            u"'tab18%v1' OR TABLE_NAME = 'uzitkrav') ORDER BY TABLE_NAME, ORDINAL_POSITION"_s);
        QStringList found;
        while (query.next())
            found << QStringList{query.value(0).toString(), query.value(1).toString(),
                                 query.value(2).toString(), query.value(3).toString()}
                         .join(u' ');
        return found;
    }

    bool tabulkaJe(const QString& tabulka) {
        return !riadok(u"SELECT 1 FROM information_schema.TABLES WHERE TABLE_SCHEMA = database() "
                       u"AND TABLE_NAME = :Tabulka"_s,
                       {{u"Tabulka"_s, tabulka.toLower()}})
                    .isEmpty();
    }

    void aktualizuj(Priebeh* priebeh = nullptr) {
        StavZostav stav;
        stav.KodVyberu = u"401234"_s;
        AktualizaciaUniverzalnejZostavy aktualizacia(*m_tabulky, stav);
        aktualizacia.nastavPriebeh(priebeh);
        m_postaveny.clear();
        aktualizacia.aktualizuj();
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"retazeckontrol"_s);
        m_db->loadFixture(fixture);
        m_spojenie = std::make_unique<Connection>(m_db->settings());
        m_tabulky = std::make_unique<TDataModuleTabulky>(m_spojenie.get());
        m_stlpceZInstalacie = stlpce(*m_spojenie);
        QCOMPARE(m_stlpceZInstalacie.size(), 11 + 10 + 18 * 7 + 66);
    }

    // The rows of one cow in each table of the chain, from tab180v1 on; the tables left out hold
    // none of hers.
    void retazec_data() {
        QTest::addColumn<Laktacie>("laktacie");
        QTest::addColumn<QString>("vyber");
        QTest::addColumn<int>("krava");
        QTest::addColumn<QList<int>>("riadky");
        const Laktacie prve = Laktacie::Prve;
        QTest::newRow("five test days") << prve << "401234" << 10 << QList<int>{5, 4, 3, 2, 1};
        QTest::newRow("two on the earliest date leave together")
            << prve << "401234" << 11 << QList<int>{4, 2, 1};
        QTest::newRow("second lactation") << prve << "401234" << 12 << QList<int>{};
        QTest::newRow("culled") << prve << "401234" << 13 << QList<int>{};
        QTest::newRow("no birth date") << prve << "401234" << 14 << QList<int>{3, 2, 1};
        QTest::newRow("another enterprise") << prve << "401234" << 15 << QList<int>{};
        QTest::newRow("her barn") << prve << "401234012" << 11 << QList<int>{4, 2, 1};
        QTest::newRow("another barn") << prve << "401234012" << 10 << QList<int>{};
        QTest::newRow("refresh: every lactation in milk, all her test days")
            << Laktacie::Vsetky << "401234" << 12 << QList<int>{4, 3, 2, 1};
        QTest::newRow("refresh: culled") << Laktacie::Vsetky << "401234" << 13 << QList<int>{};
        QTest::newRow("refresh: first lactation")
            << Laktacie::Vsetky << "401234" << 10 << QList<int>{5, 4, 3, 2, 1};
    }
    void retazec() {
        QFETCH(Laktacie, laktacie);
        QFETCH(QString, vyber);
        QFETCH(int, krava);
        QFETCH(QList<int>, riadky);
        postavRetazec(laktacie, vyber);
        QList<int> pocty;
        for (const QString& tabulka : RetazecKontrol::tabulky())
            pocty << riadok(u"SELECT count(*) FROM "_s + tabulka + u" WHERE krava_id = :Krava"_s,
                            {{u"Krava"_s, krava}})
                         .front()
                         .toInt();
        QCOMPARE(pocty.mid(0, riadky.size()), riadky);
        QCOMPARE(pocty.mid(riadky.size()), QList<int>(20 - riadky.size(), 0));
    }

    void vekPriOteleni_data() {
        QTest::addColumn<int>("krava");
        QTest::addColumn<QVariant>("vek");
        QTest::newRow("730 days") << 10 << QVariant(24);
        QTest::newRow("702 days") << 11 << QVariant(23);
        QTest::newRow("no birth date") << 14 << QVariant();
    }
    void vekPriOteleni() {
        QFETCH(int, krava);
        QFETCH(QVariant, vek);
        postavRetazec(Laktacie::Prve, u"401234"_s);
        for (const QString& sql : {u"SELECT Vek1Ot_mes FROM tab180v1 WHERE krava_id = :Krava"_s,
                                   u"SELECT vekot FROM tab182v1 WHERE krava_id = :Krava"_s,
                                   u"SELECT vekot FROM tab180v1zaver8 WHERE krava_id = :Krava"_s}) {
            const QVariant found = riadok(sql, {{u"Krava"_s, krava}}).value(0);
            QCOMPARE(found.isNull(), vek.isNull());
            if (!vek.isNull())
                QCOMPARE(found.toInt(), vek.toInt());
        }
    }

    // Agáta's test days fall on days 30 to 150 with 30, 32, 34, 30 and 28 kg, 4 % fat and
    // 3.5 % protein: up to day 100 that is 30 × 30 + 31 × 30 + 33 × 30 + 34 × 10, her test of day
    // 90 carried to day 100. Berta and Ela, last tested on their day 90, count at day 100 too; no
    // lactation has lasted 200 days by the newest test day.
    void uzitkovost() {
        postavRetazec(Laktacie::Prve, u"401234"_s);
        const QVariantList agata =
            riadok(u"SELECT M100, T100, percT100, B100, percB100, M200, M305, dni FROM "
                   u"tab180v1zaver8 WHERE krava_id = 10"_s);
        QCOMPARE(agata.size(), 8);
        QCOMPARE(qRound64(agata[0].toDouble() * 1000), 3160000);
        QCOMPARE(qRound64(agata[1].toDouble() * 1000), 126400);
        QCOMPARE(qRound64(agata[2].toDouble() * 1000), 4000);
        QCOMPARE(qRound64(agata[3].toDouble() * 1000), 110600);
        QCOMPARE(qRound64(agata[4].toDouble() * 1000), 3500);
        QVERIFY(agata[5].isNull());
        QVERIFY(agata[6].isNull());
        QCOMPARE(agata[7].toInt(), 150);
        QCOMPARE(riadok(u"SELECT count(*), count(M100) FROM tab180v1zaver8"_s),
                 (QVariantList{3, 3}));

        // Report 11.A: the three first-calvers under their one sire; report 18: Berta calved
        // younger than 24 months, Agáta at 24, Ela's age is not known.
        QCOMPARE(riadok(u"SELECT count(*), count(DISTINCT otec), sum(novy_otec) FROM "
                        u"tab11por00vsun00"_s),
                 (QVariantList{3, 1, 1}));
        QSqlQuery pasma = m_spojenie->execute(
            u"SELECT nazov_pasma, pocet, pocet100, round(podiel, 3) FROM tab180v1zaver9"_s);
        QStringList found;
        while (pasma.next())
            found << u"%1 %2 %3 %4"_s.arg(pasma.value(0).toString(), pasma.value(1).toString(),
                                          pasma.value(2).toString(), pasma.value(3).toString());
        QCOMPARE(found,
                 (QStringList{u"pod 24 1 1 33.333"_s, u"24 – 26 1 1 33.333"_s, u"27 – 29 0 0 0"_s,
                              u"30 – 32 0 0 0"_s, u"nad 32 0 0 0"_s, u"neznámy 1 1 33.333"_s}));
        QCOMPARE(riadok(u"SELECT pocet, round(vek, 1), pocet100, round(M100, 2), podiel FROM "
                        u"tab180v1zaver10"_s),
                 (QVariantList{3, 23.5, 3, 2728.33, 100.0}));
    }

    void vyberBezRetazca() {
        // The chain was built for the enterprise; a barn's selection written since must not
        // print the enterprise's cows under the barn's name.
        postavRetazec(Laktacie::Prve, u"401234"_s);
        nastavVyber(u"401234012"_s);
        QCOMPARE(riadok(u"SELECT count(*) FROM tab11por00vsun00"_s).front().toInt(), 0);
        QCOMPARE(riadok(u"SELECT pocet FROM tab180v1zaver10"_s).front().toInt(), 0);
    }

    void aktualizacia() {
        Priebeh priebeh;
        QSignalSpy poslane(m_spojenie.get(), &Connection::statementSent);
        aktualizuj(&priebeh);

        QStringList prikazy;
        bool poParam = false;
        for (const QList<QVariant>& prikaz : poslane) {
            const QString text = prikaz[0].toString();
            poParam = poParam || text.startsWith(u"UPDATE param"_s);
            if (poParam && !text.startsWith(u"SELECT"_s) && !text.startsWith(u"UPDATE"_s))
                prikazy << text;
        }
        QCOMPARE(prikazy.size(), 42);
        QCOMPARE(priebeh.kroky.size(), 42);
        QCOMPARE(priebeh.kroky.last(), u"42/42 Užitkovosť kráv pre univerzálnu zostavu"_s);
        // Every lactation in milk counts here, not only the first.
        QVERIFY(prikazy[1].endsWith(u"and k.krava_id = pl.krava_id ; "_s));
        QVERIFY(!prikazy[1].contains(u"pl.poradie = 1"_s));
        QCOMPARE(prikazy[40], u"DROP table if exists UzitKrav ; "_s);
        QVERIFY(
            prikazy[41].startsWith(u"create table UzitKrav SELECT t.chovatel, t.usnecislo, "_s));
        // Its relations are read from the database the program works in.
        QVERIFY(!prikazy[41].contains(u"wtarvelinhd"_s));
        QVERIFY(prikazy[41].contains(u" FROM "_s + m_db->settings().database + u".tab153v2 t "_s));

        QSqlQuery uzitKrav = m_spojenie->execute(u"SELECT * FROM UzitKrav ORDER BY usnecislo"_s);
        QStringList nazvy;
        for (int i = 0; i < uzitKrav.record().count(); ++i)
            nazvy << uzitKrav.record().fieldName(i);
        QCOMPARE(nazvy.join(u' '),
                 u"chovatel usnecislo linia register matka medziobdobie datumotelenia "
                 u"max_poradie max_mlieko max_tuk max_tuk_perc max_bielkovina max_bielkovina_perc "
                 u"pred_poradie pred_dni_norm pred_mlieko_norm pred_tuk_norm pred_tuk_perc "
                 u"pred_bielkovina_norm pred_bielkovina_perc posl_poradie posl_dni_norm "
                 u"posl_mlieko_norm posl_tuk_norm posl_tuk_perc posl_bielkovina_norm "
                 u"posl_bielkovina_perc preb_poradie preb_dni preb_mlieko_celk preb_tuk_celk "
                 u"preb_tuk_perc preb_bielkovina_celk preb_bielkovina_perc vekot M100 T100 "
                 u"percT100 B100 percB100 M200 T200 percT200 B200 percB200 M305 T305 percT305 "
                 u"B305 percB305 MatkaPocetL MatkaMliekoPriem MatkaTukPriem MatkaBielPriem "
                 u"MatkaPorMaxL MatkaMliekoMax MatkaTukMax MatkaBielMax VyrMatkaPocetL "
                 u"VyrMatkaMliekoPriem VyrMatkaTukPriem VyrMatkaBielPriem VyrMatkaPorMaxL "
                 u"VyrMatkaMliekoMax VyrMatkaTukMax VyrMatkaBielMax"_s);
        QCOMPARE(nazvy.size(), 66);

        // The living cows of the enterprise, each once: Agáta with her culled dam, Berta
        // without a dam, Cifra in her second lactation, Ela with Cifra as her dam.
        const auto hodnota = [&](const char* stlpec) {
            return uzitKrav.value(QString::fromLatin1(stlpec));
        };
        QStringList kravy;
        while (uzitKrav.next()) {
            const QString cislo = hodnota("usnecislo").toString();
            kravy << cislo;
            if (cislo == u"SK401234000101"_s) {
                QCOMPARE(hodnota("M100").toString(), u"3160"_s);
                QCOMPARE(hodnota("preb_tuk_perc").toString(), u"4.02"_s);
                QCOMPARE(hodnota("vekot").toInt(), 24);
                QCOMPARE(hodnota("matka").toString(), u"SK401234000160"_s);
                QVERIFY(hodnota("MatkaMliekoMax").isNull());
                QCOMPARE(hodnota("VyrMatkaMliekoMax").toDouble(), 9500.0);
                QCOMPARE(hodnota("VyrMatkaPocetL").toInt(), 4);
            } else if (cislo == u"SK401234000112"_s) {
                QVERIFY(hodnota("matka").isNull());
                for (const char* stlpec :
                     {"MatkaPocetL", "MatkaMliekoPriem", "VyrMatkaPocetL", "VyrMatkaBielMax"})
                    QVERIFY2(hodnota(stlpec).isNull(), stlpec);
                QCOMPARE(hodnota("vekot").toInt(), 23);
            } else if (cislo == u"SK401234000123"_s) {
                // Her test days of the first lactation come before this calving and do not
                // count; her last test, of day 60, is carried to day 100.
                QCOMPARE(hodnota("preb_poradie").toInt(), 2);
                QCOMPARE(hodnota("M100").toDouble(), 30 * 31 + 30 * 32 + 40 * 33.0);
                QCOMPARE(hodnota("vekot").toInt(), 45);
            } else if (cislo == u"SK401234000145"_s) {
                QCOMPARE(hodnota("MatkaMliekoMax").toDouble(), 7000.0);
                QVERIFY(hodnota("VyrMatkaMliekoMax").isNull());
                QVERIFY(hodnota("vekot").isNull());
            }
        }
        QCOMPARE(kravy, (QStringList{u"SK401234000101"_s, u"SK401234000112"_s, u"SK401234000123"_s,
                                     u"SK401234000145"_s}));
        QSqlQuery pocet = m_spojenie->execute(u"SELECT count(*) FROM UzitKrav"_s);
        QVERIFY(pocet.next());
        QCOMPARE(pocet.value(0).toInt(), 4);

        // The statements make the tables the install made, column for column.
        QCOMPARE(stlpce(*m_spojenie), m_stlpceZInstalacie);
    }

    void aktualizaciaDrziVyber() {
        // From the selection written to the last statement that reads it, no other report may
        // write its own.
        std::optional<bool> volnyPriUzitKrav;
        Priebeh priebeh;
        priebeh.pred_ = [&](int krok) {
            if (krok != 42)
                return;
            Connection iny(m_db->settings());
            QSqlQuery volny = iny.execute(u"SELECT IS_FREE_LOCK(:Nazov)"_s,
                                          {{u"Nazov"_s, ZamokVyberu::nazov(iny)}});
            volnyPriUzitKrav = volny.next() && volny.value(0).toInt() == 1;
        };
        aktualizuj(&priebeh);
        QCOMPARE(volnyPriUzitKrav, std::optional<bool>(false));
    }

    void zlyhanieUzitKrav() {
        // Statement 42 reads the culled dams; without them it fails after UzitKrav was dropped.
        m_spojenie->executeDirect(u"RENAME TABLE vyradene_kravy_view TO vyradene_kravy_inde"_s);
        const QString chyba = [&] {
            try {
                aktualizuj();
            } catch (const DatabaseError& e) {
                return e.message();
            }
            return QString();
        }();
        m_spojenie->executeDirect(u"RENAME TABLE vyradene_kravy_inde TO vyradene_kravy_view"_s);
        QVERIFY2(chyba.contains(u"vyradene_kravy_view"_s), qPrintable(chyba));
        QVERIFY(!tabulkaJe(u"UzitKrav"_s));
        QVERIFY(tabulkaJe(u"tab18990v1"_s));
        aktualizuj();
        QVERIFY(tabulkaJe(u"UzitKrav"_s));
    }

    void staraDatabaza() {
        // A database installed before the chain's script gets its tables and views by the
        // upgrade, and the reports and the refresh work on it.
        QTemporaryDir stare;
        const QDir sql(QString::fromUtf8(TARVELIN_SQL_DIR));
        QStringList chybajuce;
        for (const QString& skript : sql.entryList({u"*.sql"_s}, QDir::Files, QDir::Name))
            if (skript < u"060"_s || skript >= u"090"_s)
                QVERIFY(QFile::copy(sql.filePath(skript), stare.filePath(skript)));
            else
                chybajuce << skript;
        ConnectionSettings nastavenia = m_db->settings();
        nastavenia.database += u"_stara"_s;
        Connection spojenie(nastavenia);
        SchemaInstaller(spojenie, stare.path()).install(SchemaInstaller::IfExists::Replace);
        const auto zmaz =
            qScopeGuard([&] { spojenie.executeDirect(u"DROP DATABASE "_s + nastavenia.database); });
        QFile fixtureFile(fixture);
        QVERIFY(fixtureFile.open(QIODevice::ReadOnly));
        for (const SchemaInstaller::ScriptStatement& prikaz :
             SchemaInstaller::statementsOf(QString::fromUtf8(fixtureFile.readAll())))
            spojenie.executeDirect(prikaz.text);

        QCOMPARE(SchemaInstaller(spojenie, sql.path()).upgrade(), chybajuce);
        QCOMPARE(stlpce(spojenie), m_stlpceZInstalacie);
        TDataModuleTabulky tabulky(&spojenie);
        PrikazyPripravy::posli(*tabulky.ADOCommandParametre,
                               RetazecKontrol::prikazy(Laktacie::Prve), nullptr);
        QSqlQuery dcery = spojenie.execute(u"SELECT count(*) FROM tab11por00vsun00"_s);
        QVERIFY(dcery.next());
        QCOMPARE(dcery.value(0).toInt(), 3);
        StavZostav stav;
        stav.KodVyberu = u"401234"_s;
        AktualizaciaUniverzalnejZostavy(tabulky, stav).aktualizuj();
        QSqlQuery pocet = spojenie.execute(u"SELECT count(*) FROM UzitKrav"_s);
        QVERIFY(pocet.next());
        QCOMPARE(pocet.value(0).toInt(), 4);
    }

    void cleanupTestCase() {
        m_tabulky.reset();
        m_spojenie.reset();
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<Connection> m_spojenie;
    std::unique_ptr<TDataModuleTabulky> m_tabulky;
    QStringList m_stlpceZInstalacie;
    QString m_postaveny; ///< which chain the tables hold now
};

QTEST_GUILESS_MAIN(TestRetazecKontrol)
#include "tst_retazeckontrol.moc"
