#include "common/TestDatabase.h"
#include "data/DatabaseError.h"
#include "data/ReportReaderAccount.h"
#include "data/ServerLock.h"
#include "exchange/ChybaVymeny.h"
#include "exchange/ImportVymeny.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QString fixture(const QString& name) {
    return QString::fromUtf8(TARVELIN_EXCHANGE_TEST_DIR "/fixtures/") + name;
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

/// The program's tables as checksums, and whether the installation's completion mark stands.
QStringList databaseState(Connection& connection) {
    QStringList state;
    QSqlQuery sums = connection.execute(
        u"CHECKSUM TABLE podniky, chovy, mastale, zvierata, kravy, byky, jalovice, "
        u"plemenne_hodnoty, laktacie, prebiehajuce_laktacie, kontroly, param"_s);
    while (sums.next())
        state << sums.value(0).toString() + u' ' + sums.value(1).toString();
    QSqlQuery mark = connection.execute(u"SELECT COUNT(*) FROM instalacia"_s);
    state << (mark.next() ? u"instalacia %1"_s.arg(mark.value(0).toInt()) : u"no mark"_s);
    return state;
}

QVariantList row(Connection& connection, const QString& sql) {
    QSqlQuery query = connection.execute(sql);
    QVariantList values;
    if (query.next())
        for (int i = 0; i < query.record().count(); ++i)
            values << query.value(i);
    return values;
}

} // namespace

/// Importing exchange files into a database: the herd of a small hand-written file comes in with
/// what is derived from it, a file that cannot be imported is refused with its place and leaves
/// the database as it was, the same file twice changes nothing, and a later file of the herd adds
/// and moves on.
class TestImportVymeny final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<TestDatabase> m_odmietnutia;
    QTemporaryDir m_dir;

    /// A file of the test's folder with the given content; empty when it cannot be written.
    QString suborTestu(const QString& name, const QByteArray& content) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(content) != content.size())
            return {};
        return path;
    }

    SuhrnImportu importuj(const QString& path, const ImportVymeny::Priebeh& priebeh = {}) {
        return ImportVymeny(m_db->settings()).importuj(path, priebeh);
    }

    /// A fresh database, empty as installed.
    void startEmpty() {
        // The old one goes first: it is dropped by its name, which the new one takes.
        m_connection.reset();
        m_db.reset();
        m_db = std::make_unique<TestDatabase>(u"importvymeny"_s);
        m_connection = std::make_unique<Connection>(m_db->settings());
    }

    /// A fresh database with the herd of stado.json.
    void startWithHerd() {
        startEmpty();
        importuj(fixture(u"stado.json"_s));
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        QVERIFY(m_dir.isValid());
    }

    void herdComesInWithWhatIsDerived() {
        startEmpty();
        const SuhrnImportu suhrn = importuj(fixture(u"stado.json"_s));
        QCOMPARE(suhrn.lokality.pridane, 3);
        QCOMPARE(suhrn.zvierata.pridane, 5);
        QCOMPARE(suhrn.laktacie.pridane, 3);
        QCOMPARE(suhrn.kontroly.pridane, 8);
        QCOMPARE(suhrn.hodnoty.pridane, 1);
        Connection& c = *m_connection;

        // Alfa's first lactation closed with the yields the file states; her second, dried
        // off, is still her current one, its yields by the test interval method from 30, 35
        // and 20 kg on days 19, 108 and 261 to the dry-off on day 312.
        QCOMPARE(row(c, u"SELECT l.zmena, l.ukoncenie, l.pocet_dni, l.mlieko_celk, "
                        u"l.mlieko_norm, l.index_laktacie, l.priebeh_porod, l.hmotnost_kravy "
                        u"FROM laktacie l JOIN zvierata z ON z.zviera_id = l.krava_id WHERE "
                        u"z.usnecislo = 'SK401234000010'"_s),
                 (QVariantList{u"00"_s, QDate(2021, 11, 20), 319, 7012.5, 6830.0, 104.2, u"2"_s,
                               560.0}));
        QCOMPARE(row(c, u"SELECT l.poradie, l.zmena, l.ukoncenie, l.pocet_dni, l.mlieko_celk, "
                        u"l.mlieko_norm, l.tuk_celk, l.medziobdobie FROM prebiehajuce_laktacie "
                        u"l JOIN zvierata z ON z.zviera_id = l.krava_id WHERE z.usnecislo = "
                        u"'SK401234000010'"_s),
                 (QVariantList{2, u"00"_s, QDate(2022, 12, 10), 312, 8690.0, 8550.0, 347.6, 392}));
        // Beta was culled for her udder while in milk: 19 × 20 + 30 × 21 + 31 × 20 + 25 × 18 kg.
        QCOMPARE(row(c, u"SELECT l.zmena, l.ukoncenie, l.pocet_dni, l.mlieko_celk, "
                        u"l.tuk_celk IS NULL, k.datumvyradenia, z.datumumrtia, d.kod, "
                        u"k.datumzaradenia FROM laktacie l JOIN zvierata z ON z.zviera_id = "
                        u"l.krava_id JOIN kravy k ON k.krava_id = z.zviera_id JOIN "
                        u"dovody_vyradenia d ON d.dovod_vyradenia_id = k.dovod_vyradenia_id "
                        u"WHERE z.usnecislo = 'SK401234000020'"_s),
                 (QVariantList{u"02"_s, QDate(2021, 7, 15), 105, 2080.0, 1, QDate(2021, 7, 15),
                               QDate(2021, 7, 15), u"02"_s, QDate(2021, 3, 20)}));
        // Alfa's summary counts her closed lactation only; dried off, her current lactation is
        // still her second.
        QCOMPARE(row(c, u"SELECT k.pocet_laktacii, k.pocet_norm_laktacii, k.por_max_laktacie, "
                        u"k.mlieko_max, k.por_preb_laktacie, k.datumposkontroly, "
                        u"k.datumzaradenia, k.skupina, k.trieda_uzitkovosti FROM kravy k JOIN "
                        u"zvierata z ON z.zviera_id = k.krava_id WHERE z.usnecislo = "
                        u"'SK401234000010'"_s),
                 (QVariantList{1, 1, 1, 6830.0, 2, QDate(2022, 10, 20), QDate(2021, 1, 5), u"04"_s,
                               u"II"_s}));
        // Test days know their lactation; one weighed milking keeps what was weighed beside the
        // day's estimate; urea comes in mg per 100 ml.
        QCOMPARE(row(c, u"SELECT GROUP_CONCAT(k.poradie_preb_laktacie ORDER BY k.datum) FROM "
                        u"kontroly k JOIN zvierata z ON z.zviera_id = k.krava_id WHERE "
                        u"z.usnecislo = 'SK401234000010'"_s)
                     .value(0)
                     .toString(),
                 u"1,1,2,2,2"_s);
        QCOMPARE(row(c, u"SELECT prepocet, mlieko, mlieko_prepocitane, tuk_perc, tuk_prepocitane, "
                        u"denna_doba FROM kontroly WHERE datum = '2021-06-20' AND mlieko < 12"_s),
                 (QVariantList{1, 11.5, 24.0, 4.45, 4.2, u"V"_s}));
        QCOMPARE(row(c, u"SELECT mocovina, typ, interval_kontroly, skupina FROM kontroly WHERE "
                        u"datum = '2021-01-25'"_s),
                 (QVariantList{24.5, u"A"_s, u"4"_s, u"01"_s}));
        // Parentage, blood, birthplace and the heifer's service bull.
        QCOMPARE(row(c, u"SELECT o.usnecislo, m.usnecislo, z.vlastne, z.chov_narodenia, "
                        u"z.plemeno1, z.krv1, z.plemeno2, z.krv2, z.vlozene FROM zvierata z JOIN "
                        u"zvierata o ON o.zviera_id = z.otec_id JOIN zvierata m ON m.zviera_id = "
                        u"z.matka_id WHERE z.usnecislo = 'SK401234000010'"_s),
                 (QVariantList{u"SK400000000001"_s, u"SK400000000002"_s, 1, u"40123401"_s, u"HB"_s,
                               u"87.5"_s, u"SS"_s, u"12.5"_s,
                               QDateTime(QDate(2019, 1, 12), QTime(8, 30))}));
        QCOMPARE(row(c, u"SELECT j.stav, b.usnecislo, y.linia, h.ph_mlieko, h.spolahlivost FROM "
                        u"jalovice j JOIN zvierata b ON b.zviera_id = j.byk_inseminacie_id JOIN "
                        u"byky y ON y.byk_id = b.zviera_id JOIN plemenne_hodnoty h ON "
                        u"h.zviera_id = b.zviera_id"_s),
                 (QVariantList{u"G"_s, u"SK400000000001"_s, u"ELV"_s, 512.0, 87}));
        // A database without a selection takes the file's enterprise and its last year.
        QCOMPARE(row(c, u"SELECT chovatel, kontrolne_obd_od, kontrolne_obd_do FROM param"_s),
                 (QVariantList{u"401234000"_s, QDate(2021, 10, 21), QDate(2022, 10, 20)}));
    }

    void sameFileTwiceChangesNothing() {
        startWithHerd();
        const QStringList before = databaseState(*m_connection);
        const SuhrnImportu suhrn = importuj(fixture(u"stado.json"_s));
        QVERIFY(suhrn.bezZmien());
        QCOMPARE(suhrn.kontroly.nezmenene, 8);
        QCOMPARE(suhrn.zvierata.nezmenene, 5);
        QVERIFY2(suhrn.text().contains(u"nič sa nezmenilo"_s), qPrintable(suhrn.text()));
        QCOMPARE(databaseState(*m_connection), before);
    }

    void laterFileAddsAndMovesOn() {
        startWithHerd();
        const auto verzia = [this] {
            return row(*m_connection, u"SELECT verzia FROM verzia_udajov"_s).value(0).toInt();
        };
        const int predImportom = verzia();
        const SuhrnImportu suhrn = importuj(fixture(u"stado_neskor.json"_s));
        // The next start must build laktela again from what came in.
        QCOMPARE(verzia(), predImportom + 1);
        QCOMPARE(suhrn.kontroly.pridane, 3);
        QCOMPARE(suhrn.kontroly.nezmenene, 5);
        // Two calvings start lactations; Alfa's dried-off one closes and keeps its yields.
        QCOMPARE(suhrn.laktacie.pridane, 2);
        QCOMPARE(suhrn.zvierata.zmenene, 2);
        Connection& c = *m_connection;
        QCOMPARE(row(c, u"SELECT COUNT(*), SUM(mlieko_celk) FROM laktacie l JOIN zvierata z ON "
                        u"z.zviera_id = l.krava_id WHERE z.usnecislo = 'SK401234000010'"_s),
                 (QVariantList{2, 7012.5 + 8690}));
        QCOMPARE(row(c, u"SELECT z.meno, l.poradie, l.pocet_dni, l.mlieko_celk, "
                        u"k.por_preb_laktacie, k.pocet_laktacii FROM prebiehajuce_laktacie l JOIN "
                        u"zvierata z ON z.zviera_id = l.krava_id JOIN kravy k ON k.krava_id = "
                        u"l.krava_id WHERE z.usnecislo = 'SK401234000010'"_s),
                 (QVariantList{u"Alfa Prvá"_s, 3, 47, 19 * 28 + 28 * 30.0, 3, 2}));
        // The heifer calved: she is a cow now, with her current lactation.
        QCOMPARE(row(c, u"SELECT COUNT(j.jalovica_id), COUNT(k.krava_id), MAX(l.poradie) FROM "
                        u"zvierata z LEFT JOIN jalovice j ON j.jalovica_id = z.zviera_id LEFT JOIN "
                        u"kravy k ON k.krava_id = z.zviera_id LEFT JOIN prebiehajuce_laktacie l ON "
                        u"l.krava_id = z.zviera_id WHERE z.usnecislo = 'SK401234000030'"_s),
                 (QVariantList{0, 1, 1}));
        const QStringList after = databaseState(c);
        QVERIFY(importuj(fixture(u"stado_neskor.json"_s)).bezZmien());
        QCOMPARE(databaseState(c), after);
    }

    void parentsLaterInTheFileAreFound() {
        startEmpty();
        // Offspring before their parents: a file need not list animals in any order.
        QFile povodny(fixture(u"stado.json"_s));
        QVERIFY(povodny.open(QIODevice::ReadOnly));
        QJsonObject stado = QJsonDocument::fromJson(povodny.readAll()).object();
        QJsonObject zvierata = stado.value(u"animals"_s).toObject();
        QJsonArray obratene;
        for (const QJsonValue& zviera : zvierata.value(u"member"_s).toArray())
            obratene.prepend(zviera);
        zvierata.insert(u"member"_s, obratene);
        stado.insert(u"animals"_s, zvierata);
        const QString path = suborTestu(u"obratene.json"_s, QJsonDocument(stado).toJson());
        QVERIFY(!path.isEmpty());

        importuj(path);
        QCOMPARE(row(*m_connection,
                     u"SELECT o.usnecislo, m.usnecislo, mm.usnecislo FROM zvierata z LEFT JOIN "
                     u"zvierata o ON o.zviera_id = z.otec_id LEFT JOIN zvierata m ON m.zviera_id "
                     u"= z.matka_id JOIN zvierata t ON t.usnecislo = 'SK401234000030' LEFT JOIN "
                     u"zvierata mm ON mm.zviera_id = t.matka_id WHERE z.usnecislo = "
                     u"'SK401234000010'"_s),
                 (QVariantList{u"SK400000000001"_s, u"SK400000000002"_s, u"SK401234000010"_s}));
    }

    void correctedTestDayCountsOnce() {
        startWithHerd();
        // A calving the first file lacked moves Beta's last test day to a new lactation, and
        // the file corrects its milk too: one test day changed, in two ways.
        QString text = readText(fixture(u"stado.json"_s));
        const QString posledna =
            u"\"eventDateTime\": \"2021-06-20T00:00:00Z\", \"location\": {\"id\": \"401234011\", "
            u"\"scheme\": \"sk.chovatel\"},\n     \"milkWeight24Hours\": {\"unitCode\": \"KGM\", "
            u"\"value\": 18}}"_s;
        QVERIFY(text.contains(posledna));
        text.replace(posledna, QString(posledna).replace(u"\"value\": 18"_s, u"\"value\": 19"_s));
        const QString otelenie = u"\"eventDateTime\": \"2021-04-01T00:00:00Z\", \"location\": "
                                 u"{\"id\": \"401234011\", \"scheme\": \"sk.chovatel\"},\n     "
                                 u"\"damParity\": 1}"_s;
        QVERIFY(text.contains(otelenie));
        text.replace(otelenie,
                     otelenie +
                         u",\n    {\"resourceType\": \"icarReproParturitionEventResource\", "
                         u"\"animal\": {\"id\": \"SK401234000020\", \"scheme\": \"eu.bovine\"}, "
                         u"\"eventDateTime\": \"2021-06-01T00:00:00Z\", \"damParity\": 2}"_s);
        const QString path = suborTestu(u"opravena_kontrola.json"_s, text.toUtf8());
        QVERIFY(!path.isEmpty());

        const SuhrnImportu suhrn = importuj(path);
        QCOMPARE(suhrn.kontroly.pridane, 0);
        QCOMPARE(suhrn.kontroly.zmenene, 1);
        QCOMPARE(suhrn.kontroly.nezmenene, 7);
        QCOMPARE(row(*m_connection,
                     u"SELECT k.mlieko, k.poradie_preb_laktacie FROM kontroly k JOIN zvierata z ON "
                     u"z.zviera_id = k.krava_id WHERE z.usnecislo = 'SK401234000020' AND k.datum "
                     u"= '2021-06-20'"_s),
                 (QVariantList{19.0, 2}));
    }

    void refusedFileLeavesTheDatabase_data() {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("reason");

        QTest::newRow("wrong type") << u"\"value\": 28.4}"_s << u"\"value\": \"28.4\"}"_s
                                    << u"testDayResults[0].milkWeight24Hours.value (riadok"_s
                                    << u"očakáva sa číslo, je tu text"_s;
        QTest::newRow("missing field")
            << u"\"specie\": \"Cattle\", \"gender\": \"Female\", \"birthDate\": \"2019-03-05"_s
            << u"\"specie\": \"Cattle\", \"birthDate\": \"2019-03-05"_s << u"animals[3].gender"_s
            << u"chýba povinný údaj"_s;
        QTest::newRow("unknown enumeration value")
            << u"\"calvingEase\": \"EasyAssisted\""_s << u"\"calvingEase\": \"Easy\""_s
            << u"parturitions[0].calvingEase"_s << u"neznáma hodnota „Easy“"_s;
        QTest::newRow("resource of another kind")
            << u"\"resourceType\": \"icarLocationResource\""_s
            << u"\"resourceType\": \"icarAnimalCoreResource\""_s << u"locations[0].resourceType"_s
            << u"má byť zdroj „icarLocationResource“"_s;
        QTest::newRow("test day before the birth")
            << u"\"2021-04-20T00:00:00Z\""_s << u"\"2018-04-20T00:00:00Z\""_s
            << u"testDayResults[5].eventDateTime"_s << u"pred narodením zvieraťa (2019-03-05)"_s;
        QTest::newRow("calving in the future")
            << u"\"2022-02-01T00:00:00Z\", \"location\": {\"id\": \"401234011\""_s
            << u"\"2099-02-01T00:00:00Z\", \"location\": {\"id\": \"401234011\""_s
            << u"parturitions[1].eventDateTime"_s << u"je v budúcnosti"_s;
        QTest::newRow("negative milk")
            << u"\"value\": 22}"_s << u"\"value\": -22}"_s
            << u"testDayResults[6].milkWeight24Hours.value"_s << u"nemôže byť záporný"_s;
        QTest::newRow("the same test day twice")
            << u"\"2021-05-20T00:00:00Z\""_s << u"\"2021-04-20T00:00:00Z\""_s
            << u"testDayResults[6].eventDateTime"_s
            << u"je v súbore dvakrát (už v testDayResults[5])"_s;
        QTest::newRow("the same test day twice, after another cow's")
            << u"\"SK401234000020\", \"scheme\": \"eu.bovine\"},\n     \"eventDateTime\": "
               u"\"2021-06-20T00:00:00Z\""_s
            << u"\"SK401234000010\", \"scheme\": \"eu.bovine\"},\n     \"eventDateTime\": "
               u"\"2021-01-25T00:00:00Z\""_s
            << u"testDayResults[7].eventDateTime"_s
            << u"je v súbore dvakrát (už v testDayResults[0])"_s;
        QTest::newRow("the same animal twice")
            << u"\"SK401234000030\", \"scheme\": \"eu.bovine\"},\n     \"specie\""_s
            << u"\"SK401234000020\", \"scheme\": \"eu.bovine\"},\n     \"specie\""_s
            << u"animals[4].identifier.id"_s << u"(už v animals[3])"_s;
        QTest::newRow("unknown animal")
            << u"\"SK401234000020\", \"scheme\": \"eu.bovine\"},\n     \"eventDateTime\": "
               u"\"2021-07-15"_s
            << u"\"SK401234000099\", \"scheme\": \"eu.bovine\"},\n     \"eventDateTime\": "
               u"\"2021-07-15"_s
            << u"departures[0].animal.id"_s
            << u"zviera SK401234000099 nie je v súbore ani v databáze"_s;
        QTest::newRow("unknown location")
            << u"\"2021-01-25T00:00:00Z\", \"location\": {\"id\": \"401234011\""_s
            << u"\"2021-01-25T00:00:00Z\", \"location\": {\"id\": \"401234019\""_s
            << u"testDayResults[0].location.id"_s
            << u"lokalita 401234019 nie je v súbore ani v databáze"_s;
        QTest::newRow("test day of a bull")
            << u"\"SK401234000020\", \"scheme\": \"eu.bovine\"},\n     \"eventDateTime\": "
               u"\"2021-04-20"_s
            << u"\"SK400000000001\", \"scheme\": \"eu.bovine\"},\n     \"eventDateTime\": "
               u"\"2021-04-20"_s
            << u"testDayResults[5].animal.id"_s << u"nie je krava"_s;
        QTest::newRow("unknown breed code")
            << u"\"name\": \"Beta\",\n     \"primaryBreed\": {\"id\": \"SS\""_s
            << u"\"name\": \"Beta\",\n     \"primaryBreed\": {\"id\": \"XY\""_s
            << u"animals[3].primaryBreed.id"_s << u"plemeno „XY“ program nepozná"_s;
        QTest::newRow("milk characteristic with a decimal comma")
            << u"{\"characteristic\": \"FAT\", \"value\": \"3.91\"}"_s
            << u"{\"characteristic\": \"FAT\", \"value\": \"3,91\"}"_s
            << u"milkCharacteristics[0].value"_s << u"„3,91“ nie je číslo"_s;
        QTest::newRow("ear number of another form")
            << u"\"SK400000000002\", \"scheme\": \"eu.bovine\"},\n     \"specie\""_s
            << u"\"SK4000-2\", \"scheme\": \"eu.bovine\"},\n     \"specie\""_s
            << u"animals[1].identifier.id"_s << u"nemá tvar dvoch písmen krajiny a 12 číslic"_s;
    }
    void refusedFileLeavesTheDatabase() {
        QFETCH(QString, find);
        QFETCH(QString, replace);
        QFETCH(QString, place);
        QFETCH(QString, reason);
        // A refused file leaves the database as it was, so the cases share one.
        if (!m_odmietnutia) {
            m_odmietnutia = std::make_unique<TestDatabase>(u"importvymeny_odmietnutia"_s);
            ImportVymeny(m_odmietnutia->settings()).importuj(fixture(u"stado.json"_s));
        }
        Connection connection(m_odmietnutia->settings());
        const QStringList before = databaseState(connection);

        QString text = readText(fixture(u"stado.json"_s));
        QVERIFY2(text.contains(find), qPrintable(find));
        text.replace(text.indexOf(find), find.size(), replace);
        const QString path = suborTestu(u"odmietnuty.json"_s, text.toUtf8());
        QVERIFY(!path.isEmpty());

        try {
            ImportVymeny(m_odmietnutia->settings()).importuj(path);
            QFAIL("the file was taken");
        } catch (const OdmietnutySubor& refused) {
            QVERIFY2(refused.message().contains(place) && refused.message().contains(reason),
                     qPrintable(refused.message()));
        }
        QCOMPARE(databaseState(connection), before);
    }

    void malformedJsonIsRefusedAtItsLineAndColumn() {
        startWithHerd();
        QString text = readText(fixture(u"stado.json"_s));
        // A comma missing after Bojar's name: the fault is found at the next member's name.
        text.replace(u"\"name\": \"Bojar\","_s, u"\"name\": \"Bojar\""_s);
        const qsizetype fault = text.indexOf(u"\"primaryBreed\""_s);
        const int line = int(text.left(fault).count(u'\n')) + 1;
        const int column = int(fault - text.lastIndexOf(u'\n', fault));
        const QString path = suborTestu(u"rozbity.json"_s, text.toUtf8());
        QVERIFY(!path.isEmpty());
        try {
            ImportVymeny::prehlad(path);
            QFAIL("the file was taken");
        } catch (const OdmietnutySubor& refused) {
            QCOMPARE(refused.message(),
                     u"Súbor nie je platný JSON (riadok %1, stĺpec %2): v objekte chýba čiarka "
                     u"alebo „}“."_s.arg(line)
                         .arg(column));
        }
    }

    void stoppedImportWritesNothing() {
        startWithHerd();
        const QStringList before = databaseState(*m_connection);
        try {
            importuj(fixture(u"stado_neskor.json"_s), [](const QString& krok, qint64, qint64) {
                if (krok == u"Laktácie a súhrny kráv"_s)
                    throw ZrusenaVymena(u"Import je zrušený."_s);
            });
            QFAIL("the import went on");
        } catch (const ZrusenaVymena&) {
        }
        QCOMPARE(databaseState(*m_connection), before);
    }

    // Another import holds the lock under the program's own name; a session that only guesses
    // the name, as a statement of the reading account could, keeps nobody out.
    void secondImportIsKeptOut_data() {
        QTest::addColumn<bool>("programsName");
        QTest::newRow("another import") << true;
        QTest::newRow("a guessed name") << false;
    }

    void secondImportIsKeptOut() {
        QFETCH(bool, programsName);
        startEmpty();
        Connection druhy(m_db->settings());
        const QString nazov =
            programsName ? ReportReaderAccount::lockName(druhy, u"tarvelin-import"_s)
                         : ServerLock::nameFor(u"tarvelin-import"_s, m_db->settings().database);
        ServerLock zamok(druhy, nazov, std::chrono::seconds(0), u"obsadené"_s);
        const QStringList before = databaseState(*m_connection);
        try {
            importuj(fixture(u"stado.json"_s));
            QVERIFY(!programsName);
        } catch (const DatabaseError& error) {
            QVERIFY2(programsName, qPrintable(error.message()));
            QVERIFY2(error.message().contains(u"práve importuje iný program"_s),
                     qPrintable(error.message()));
            QCOMPARE(databaseState(*m_connection), before);
        }
    }

    void cleanupTestCase() {
        m_connection.reset();
        m_db.reset();
        m_odmietnutia.reset();
    }
};

QTEST_GUILESS_MAIN(TestImportVymeny)
#include "tst_importvymeny.moc"
