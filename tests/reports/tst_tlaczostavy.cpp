#include "common/TestDatabase.h"
#include "data/ConfigFile.h"
#include "data/DatabaseError.h"
#include "data/ServerLock.h"
#include "engine/model/PageModel.h"
#include "engine/model/PageModelDestination.h"
#include "engine/model/ReportError.h"
#include "reports/ChybaVstupu.h"
#include "reports/KatalogZostav.h"
#include "reports/PolozkaKatalogu.h"
#include "reports/PriebehPripravy.h"
#include "reports/PriecinokZostav.h"
#include "reports/RetazecKontrol.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"
#include "reports/ZadaneVstupyZostav.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A project with report 9.D reading its own query and, when asked, the query of report 2,
/// which no handler of 9.D opens.
QString projekt9D(const QString& titul, bool ajTabulka2) {
    QString xml = uR"(<?xml version="1.0" encoding="UTF-8"?>
<reportProject version="1" units="mm">
  <dataView name="Medziobdobie" connection="RvDataSetTabulka9d"/>
  <dataView name="Otcovia" connection="RvDataSetTabulka2"/>
  <dataView name="Hlavicka" connection="RvDataSetConnectionHlavicka"/>
  <report name="ReportTabulka9D">
    <pageSetup size="A4" marginLeft="10" marginTop="10" marginRight="10" marginBottom="10"/>
    <parameter name="Podnadpis"/>
    <parameter name="Copyright"/>
    <page name="Strana">
      <region name="Oblast">
        <band name="Titul" kind="reportHeader" height="10">
          <text name="TextTitul" width="150" height="5" text="%1 {Podnadpis} {Copyright} {Hlavicka.chovatel}"/>
        </band>
        <band name="Riadky" kind="data" height="5" dataView="Medziobdobie">
          <dataText name="Krava" width="40" height="5" dataView="Medziobdobie" field="usnecislo"/>
        </band>
        %2
      </region>
    </page>
  </report>
</reportProject>
)"_s;
    const QString otcovia = uR"(<band name="RiadkyOtcov" kind="data" height="5" dataView="Otcovia">
          <dataText name="Otec" width="40" height="5" dataView="Otcovia" field="linia"/>
        </band>)"_s;
    return xml.arg(titul, ajTabulka2 ? otcovia : QString());
}

QStringList texts(const PageModel& pages, const QString& component) {
    QStringList found;
    for (const ReportPage& page : pages.pages())
        for (const PagePrimitive& primitive : page.primitives)
            if (primitive.component == component)
                found << primitive.text;
    return found;
}

/// Notes, when the pages arrive, whether another client could take the selection's lock now.
class LockWatchingDestination : public ReportDestination {
public:
    explicit LockWatchingDestination(ConnectionSettings settings)
        : m_settings(std::move(settings)) {}
    void deliver(const PageModel&) override {
        Connection other(m_settings);
        QSqlQuery free = other.execute(
            u"SELECT IS_FREE_LOCK(:Nazov)"_s,
            {{u"Nazov"_s, ServerLock::nameFor(u"tarvelin-vyber"_s, m_settings.database)}});
        freeAtDelivery = free.next() && free.value(0).toInt() == 1;
    }
    std::optional<bool> freeAtDelivery;

private:
    ConnectionSettings m_settings;
};

/// What a report's preparation told of its progress.
struct ZaznamPriebehu : PriebehPripravy {
    QStringList kroky;
    int konce = 0;
    void pred(int krok, int pocet, const QString& popis) override {
        kroky << u"%1/%2 %3"_s.arg(krok).arg(pocet).arg(popis);
    }
    void koniec() override { ++konce; }
};

} // namespace

/// The calling protocol of the bonitation reports on real queries: what is written, opened,
/// set and closed around a run, and how a missing file or report ends it.
class TestTlacZostavy final : public QObject {
    Q_OBJECT

private:
    void writeProject(const QString& name, const QString& xml) {
        QFile file(m_folder->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(xml.toUtf8());
    }

    const PolozkaKatalogu& report(const char* kod) { return *KatalogZostav::najdi(kod); }

    /// The report projects the program ships, in the folder the reports read.
    void copyShippedProjects() {
        for (const QString& file : {u"Tabulky.rav"_s, u"Tabulky2.rav"_s}) {
            QFile::remove(m_folder->filePath(file));
            QVERIFY(QFile::copy(QString::fromUtf8(TARVELIN_REPORTS_DIR "/") + file,
                                m_folder->filePath(file)));
        }
    }

    int pocetDcerVParam() {
        QSqlQuery query = m_connection->execute(u"SELECT pocet_dcer FROM param"_s);
        return query.next() ? query.value(0).toInt() : -1;
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"tlaczostavy"_s);
        m_db->loadDemo(120, 5);
        m_folder = std::make_unique<QTemporaryDir>();
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        ini.setValue(ConfigFile::aplikacia + QLatin1Char('/') + PriecinokZostav::kluc,
                     m_folder->path());
    }

    void init() {
        m_connection = std::make_unique<Connection>(m_db->settings());
        m_tabulky = std::make_unique<TDataModuleTabulky>(m_connection.get());
        m_destination = std::make_shared<PageModelDestination>();
        m_tabulky->RvSystemTabulky.setDestination(m_destination);
        m_stav = StavZostav{};
        m_vstupy = ZadaneVstupyZostav{};
        m_stav.KodPodniku = u"208123"_s;
    }

    void printingTwiceReadsTheFileAndSendsTheParametersEachTime() {
        writeProject(u"Tabulky2.rav"_s, projekt9D(u"Prvý"_s, false));
        QSignalSpy sent(m_connection.get(), &Connection::statementSent);
        TlacZostavy tlac(*m_tabulky, m_stav, m_vstupy, u"(c) Test"_s);
        tlac.tlac(report("9.D"));
        writeProject(u"Tabulky2.rav"_s, projekt9D(u"Druhý"_s, false));
        tlac.tlac(report("9.D"));

        QCOMPARE(m_destination->runs().size(), std::size_t(2));
        QCOMPARE(texts(m_destination->runs()[0], u"TextTitul"_s),
                 QStringList{u"Prvý  (c) Test 208123000"_s});
        QCOMPARE(texts(m_destination->runs()[1], u"TextTitul"_s),
                 QStringList{u"Druhý  (c) Test 208123000"_s});
        QStringList updates;
        for (const QList<QVariant>& statement : sent)
            if (statement[0].toString().startsWith(u"UPDATE param"_s))
                updates << statement[0].toString();
        QCOMPARE(updates.size(), 2);
        QCOMPARE(updates[0], u"UPDATE param SET    chovatel = rpad('208123', 9, "
                             u"'0'),    pocet_dcer = 0"_s);
        QVERIFY(!m_tabulky->RvProjectTabulky2.isOpen());
        QVERIFY(!m_tabulky->ADOQueryTabulka9d->isOpen());
    }

    void rowsComeFromTheSelection() {
        writeProject(u"Tabulky2.rav"_s, projekt9D(u"T"_s, false));
        m_stav.KodVyberu = u"20812301"_s;
        TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(report("9.D"));
        const QStringList cows = texts(m_destination->runs().at(0), u"Krava"_s);
        QSqlQuery expected =
            m_connection->execute(u"SELECT count(*) FROM tab9d0v1 t WHERE t.medziobdobie > 400"_s);
        QVERIFY(expected.next());
        QCOMPARE(cows.size(), expected.value(0).toInt());
        QVERIFY(!cows.isEmpty());
        QSqlQuery outside =
            m_connection->execute(u"SELECT count(*) FROM zvierata WHERE chovatel NOT "
                                  u"LIKE '20812301%' AND usnecislo IN ('"_s +
                                  cows.join(u"','"_s) + u"')"_s);
        QVERIFY(outside.next());
        QCOMPARE(outside.value(0).toInt(), 0);
    }

    void closedQueriesAreOpenedForTheRunAndOpenOnesKeepTheirRow() {
        writeProject(u"Tabulky2.rav"_s, projekt9D(u"T"_s, true));
        Query* hlavicka = m_tabulky->ADOQueryHlavicka;
        QVERIFY(hlavicka->isOpen());
        TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(report("9.D"));
        QVERIFY(!texts(m_destination->runs().at(0), u"Otec"_s).isEmpty());
        QVERIFY(!m_tabulky->ADOQueryTabulka2->isOpen());
        QVERIFY(hlavicka->isOpen());
        QCOMPARE(hlavicka->currentRow(), 0);
    }

    void missingFileOrReport_data() {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("error");
        QTest::newRow("no file") << QString() << u"Tabulky2.rav"_s;
        QTest::newRow("no such report")
            << projekt9D(u"T"_s, false).replace(u"ReportTabulka9D"_s, u"Ina"_s) << QString();
    }
    void missingFileOrReport() {
        QFETCH(QString, xml);
        QFETCH(QString, error);
        QFile::remove(m_folder->filePath(u"Tabulky2.rav"_s));
        if (!xml.isEmpty())
            writeProject(u"Tabulky2.rav"_s, xml);
        QString message;
        try {
            TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(report("9.D"));
        } catch (const ReportError& e) {
            message = e.message();
        }
        QVERIFY(m_destination->runs().empty());
        if (error.isEmpty()) {
            // A report the project lacks prints nothing and says nothing; the protocol goes on.
            QVERIFY(message.isEmpty());
            QVERIFY(!m_tabulky->ADOQueryTabulka9d->isOpen());
        } else {
            QVERIFY2(message.contains(error), qPrintable(message));
            // The handler stops where the open failed: its query stays open.
            QVERIFY(m_tabulky->ADOQueryTabulka9d->isOpen());
        }
    }

    void breedGroupListKeepsItsStatement() {
        QFile::remove(m_folder->filePath(u"Tabulky.rav"_s));
        QVERIFY(QFile::copy(QString::fromUtf8(TARVELIN_REPORTS_DIR "/Tabulky.rav"),
                            m_folder->filePath(u"Tabulky.rav"_s)));
        TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(report("5A2"));
        QCOMPARE(m_tabulky->ADOQueryTabulka5kravy->sqlText(), report("5A2").sqlSkupiny);
        QVERIFY(!m_tabulky->ADOQueryTabulka5kravy->isOpen());
        QCOMPARE(m_destination->runs().size(), std::size_t(1));
    }

    void reportsShowTheDatabasesFigures_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("sql");
        // Written from the base tables, apart from the report relations.
        const QString zijuce =
            u"FROM zvierata z JOIN kravy k ON k.krava_id = z.zviera_id JOIN dovody_vyradenia d ON "
            u"d.dovod_vyradenia_id = k.dovod_vyradenia_id "_s;
        const QString podSirov =
            u"LEFT JOIN zvierata o ON o.zviera_id = z.otec_id LEFT JOIN byky b ON b.byk_id = "
            u"z.otec_id WHERE d.kod = '00' AND z.chovatel LIKE '%1%' GROUP BY b.linia, "
            u"o.usnecislo ORDER BY b.linia IS NULL, b.linia, o.usnecislo IS NULL, o.usnecislo"_s;
        const QString posledneMedziobdobie =
            u"SELECT m FROM (SELECT z.usnecislo, coalesce(pl.medziobdobie, (SELECT "
            u"l.medziobdobie "
            u"FROM laktacie l WHERE l.krava_id = z.zviera_id ORDER BY l.poradie DESC "
            u"LIMIT 1)) AS "
            u"m "_s +
            zijuce +
            u"LEFT JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id WHERE "
            u"d.kod = '00' "
            u"AND z.chovatel LIKE '%1%') t WHERE m > 400 ORDER BY usnecislo"_s;

        QTest::newRow("2: cows per sire")
            << "2"
            << "208123"
            << "OtecPocet" << u"SELECT count(*) "_s + zijuce + podSirov.arg(u"208123"_s);
        QTest::newRow("2: cows of a herd") << "2"
                                           << "20812302"
                                           << "SuhrnPocet"
                                           << u"SELECT count(*) "_s + zijuce +
                                                  u"WHERE d.kod = '00' AND "
                                                  u"z.chovatel LIKE '20812302%'"_s;
        // The herds, then the whole selection, which spans several herds.
        QTest::newRow("5A: cows per herd")
            << "5A"
            << "208123"
            << "ChovPocet"
            << u"SELECT n FROM (SELECT left(z.chovatel, 8) AS ch, count(*) AS n "_s + zijuce +
                   u"WHERE d.kod = '00' GROUP BY ch UNION ALL SELECT 'spolu', "
                   u"count(*) "_s +
                   zijuce + u"WHERE d.kod = '00') t ORDER BY ch"_s;
        QTest::newRow("9.D: intervals of a barn")
            << "9.D"
            << "208123011"
            << "Medziobdobie" << posledneMedziobdobie.arg(u"208123011"_s);
        // The daughters of a sire are those with a standardised lactation; the box gives 1.
        QTest::newRow("1.A: daughters per sire")
            << "1.A"
            << "20812301"
            << "OtecDcery"
            << u"SELECT count(DISTINCT z.zviera_id) "_s + zijuce +
                   u"JOIN (SELECT krava_id FROM laktacie WHERE mlieko_norm > 0 UNION ALL "
                   u"SELECT krava_id FROM prebiehajuce_laktacie WHERE ukoncenie_norm_lakt "
                   u"IS NOT NULL AND mlieko_norm > 0) n ON n.krava_id = z.zviera_id "_s +
                   podSirov.arg(u"20812301"_s)
                       .replace(u"WHERE d.kod"_s, u"WHERE z.otec_id IS NOT NULL AND d.kod"_s);
        QTest::newRow("13: cows per class")
            << "13"
            << "208123"
            << "TriedaPocet"
            << u"SELECT count(*), coalesce(nullif(field(k.trieda_uzitkovosti, 'I', "
               u"'II', 'III', 'IV'), 0), 5) AS t "_s +
                   zijuce + u"WHERE d.kod = '00' GROUP BY t ORDER BY t"_s;
        QTest::newRow("16: the best index first")
            << "16"
            << "20812302"
            << "Index"
            << u"SELECT ph.index_celkovy "_s + zijuce +
                   u"JOIN plemenne_hodnoty ph ON ph.zviera_id = z.zviera_id WHERE "
                   u"d.kod = '00' AND z.chovatel LIKE '20812302%' ORDER BY "
                   u"ph.index_celkovy DESC"_s;
        QTest::newRow("21: heifers of a herd")
            << "21"
            << "20812303"
            << "SuhrnPocet"
            << u"SELECT count(*) FROM jalovice j JOIN zvierata z ON z.zviera_id = "
               u"j.jalovica_id WHERE z.chovatel LIKE '20812303%'"_s;
        // The first-calvers with test days, and by their age at calving in whole months.
        const QString prvostky =
            u"JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id AND pl.poradie = 1 "
            u"WHERE d.kod = '00' AND z.chovatel LIKE '%1%' AND EXISTS (SELECT 1 FROM kontroly "
            u"ko WHERE ko.krava_id = z.zviera_id)"_s;
        QTest::newRow("11.A: first-calvers of a herd")
            << "11.A"
            << "20812302"
            << "SuhrnDcery" << u"SELECT count(*) "_s + zijuce + prvostky.arg(u"20812302"_s);
        QTest::newRow("18: first-calvers by age")
            << "18"
            << "208123"
            << "PasmoPocet"
            << u"SELECT count(x.b) FROM (SELECT 1 AS p UNION SELECT 2 UNION SELECT 3 UNION SELECT "
               u"4 UNION SELECT 5) pasma LEFT JOIN (SELECT CASE WHEN v < 24 THEN 1 WHEN v <= 26 "
               u"THEN 2 WHEN v <= 29 THEN 3 WHEN v <= 32 THEN 4 ELSE 5 END AS b FROM (SELECT "
               u"round(datediff(pl.datumotelenia, z.datumnarodenia) / 30.42) AS v "_s +
                   zijuce + prvostky.arg(u"208123"_s) +
                   u") c) x ON x.b = pasma.p GROUP BY pasma.p ORDER BY pasma.p"_s;
        QTest::newRow("9.D: their average")
            << "9.D"
            << "208123"
            << "SuhrnPriemer"
            << u"SELECT round(avg(m)) FROM ("_s + posledneMedziobdobie.arg(u"208123"_s) + u") a"_s;
    }
    void reportsShowTheDatabasesFigures() {
        QFETCH(QString, report);
        QFETCH(QString, selection);
        QFETCH(QString, component);
        QFETCH(QString, sql);
        copyShippedProjects();
        m_stav.KodVyberu = selection;
        TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(*KatalogZostav::najdi(report));

        QStringList expected;
        QSqlQuery query = m_connection->execute(sql);
        while (query.next())
            expected << query.value(0).toString();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(texts(m_destination->runs().at(0), component), expected);
    }

    // The number of daughters as the input box gives it: what reaches the parameter row and the
    // report, and what is refused before anything is written or printed.
    void pocetDcer_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<bool>("zrusene");
        QTest::addColumn<QString>("zadane");
        QTest::addColumn<int>("vParam"); // -1: refused
        QTest::addColumn<QString>("tlacene");
        QTest::newRow("cancelled") << "1.A" << true << QString() << 1 << "1";
        QTest::newRow("emptied") << "1.A" << false << QString() << 0 << "0";
        QTest::newRow("leading zeros kept in print") << "1.B" << false << "007" << 7 << "007";
        QTest::newRow("not a number") << "1.A" << false << "x" << -1 << QString();
        QTest::newRow("negative") << "1.B" << false << "-3" << -1 << QString();
        QTest::newRow("a fraction") << "1.A" << false << "2.5" << -1 << QString();
    }
    void pocetDcer() {
        QFETCH(QString, report);
        QFETCH(bool, zrusene);
        QFETCH(QString, zadane);
        QFETCH(int, vParam);
        QFETCH(QString, tlacene);
        copyShippedProjects();
        m_connection->execute(u"UPDATE param SET pocet_dcer = 42"_s);
        m_stav.ZadanyPocetDcer = 42;
        m_vstupy.nastavPocetDcer(zrusene ? std::nullopt : std::optional<QString>(zadane));
        QSignalSpy sent(m_connection.get(), &Connection::statementSent);
        TlacZostavy tlac(*m_tabulky, m_stav, m_vstupy, {});
        if (vParam < 0) {
            QVERIFY_THROWS_EXCEPTION(ChybaVstupu, tlac.tlac(*KatalogZostav::najdi(report)));
            try {
                tlac.tlac(*KatalogZostav::najdi(report));
            } catch (const ChybaVstupu& refused) {
                QCOMPARE(refused.message(), u"Nesprávna hodnota počtu dcér."_s);
            }
            QCOMPARE(sent.size(), 0);
            QVERIFY(m_destination->runs().empty());
            QCOMPARE(m_stav.ZadanyPocetDcer, 42);
            QCOMPARE(pocetDcerVParam(), 42);
            return;
        }
        tlac.tlac(*KatalogZostav::najdi(report));
        QCOMPARE(m_stav.ZadanyPocetDcer, vParam);
        QCOMPARE(pocetDcerVParam(), vParam);
        // The number is written as a number, not as the text typed.
        const auto update = std::find_if(sent.cbegin(), sent.cend(), [](const QList<QVariant>& s) {
            return s.at(0).toString().startsWith(u"UPDATE param"_s);
        });
        QVERIFY(update != sent.cend());
        QVERIFY(update->at(0).toString().endsWith(u"pocet_dcer = %1"_s.arg(vParam)));
        QCOMPARE(texts(m_destination->runs().at(0), u"Kriterium"_s),
                 QStringList{u"Najmenší počet dcér otca s normovanou laktáciou: "_s + tlacene});
    }

    // A text wider than its box is cut with an ellipsis; on paper a cut ear number or figure is
    // a lost one. Every report of the catalogue, for the enterprise and for a barn.
    void reportsPrintTheirTextsWhole_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("selection");
        for (const PolozkaKatalogu& polozka : KatalogZostav::polozky()) {
            if (!polozka.dostupna)
                continue;
            QTest::newRow(qPrintable(polozka.kod + u" podnik"_s)) << polozka.kod << u"208123"_s;
            QTest::newRow(qPrintable(polozka.kod + u" maštaľ"_s)) << polozka.kod << u"208123012"_s;
        }
    }
    void reportsPrintTheirTextsWhole() {
        QFETCH(QString, report);
        QFETCH(QString, selection);
        copyShippedProjects();
        m_stav.KodVyberu = selection;
        m_vstupy.nastavPocetDcer(u"2"_s);
        TlacZostavy(*m_tabulky, m_stav, m_vstupy,
                    u"© 2026 Tarvelin – program pre "
                    u"chovateľov dojníc"_s)
            .tlac(*KatalogZostav::najdi(report));
        QStringList cut;
        int rows = 0;
        for (const ReportPage& page : m_destination->runs().at(0).pages()) {
            for (const PagePrimitive& primitive : page.primitives) {
                if (primitive.text.contains(QChar(0x2026)))
                    cut << primitive.component + QLatin1Char('=') + primitive.text;
                rows += primitive.kind == PagePrimitive::Kind::Text;
            }
        }
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", "_s)));
        QVERIFY(rows > 10);
    }

    // A report's working tables are rebuilt by its statements in their order, after the
    // selection is written and before its queries open, each announced to the progress; the
    // first that fails stops the rest and the report.
    void workingTablesAreRebuiltInOrder_data() {
        QTest::addColumn<QStringList>("prikazy");
        QTest::addColumn<int>("poslane");
        QTest::addColumn<bool>("vytlacene");
        const QStringList dobre = {u"DROP TABLE IF EXISTS tab_skuska;"_s,
                                   u"create table tab_skuska SELECT chovatel FROM paramwok"_s};
        QTest::newRow("all sent") << dobre << 2 << true;
        QTest::newRow("a failing one stops")
            << QStringList{dobre[0], u"create table tab_skuska SELECT x FROM nikde"_s, dobre[1]}
            << 2 << false;
    }
    void workingTablesAreRebuiltInOrder() {
        QFETCH(QStringList, prikazy);
        QFETCH(int, poslane);
        QFETCH(bool, vytlacene);
        ZaznamPriebehu priebeh;
        writeProject(u"Tabulky2.rav"_s, projekt9D(u"T"_s, false));
        PolozkaKatalogu polozka = report("9.D");
        polozka.pripravnePrikazy = prikazy;
        QSignalSpy sent(m_connection.get(), &Connection::statementSent);
        TlacZostavy tlac(*m_tabulky, m_stav, m_vstupy, {});
        tlac.nastavPriebeh(&priebeh);
        if (vytlacene)
            tlac.tlac(polozka);
        else
            QVERIFY_THROWS_EXCEPTION(DatabaseError, tlac.tlac(polozka));
        QStringList texty;
        for (const QList<QVariant>& statement : sent)
            texty << statement[0].toString();
        const auto update = std::find_if(texty.cbegin(), texty.cend(), [](const QString& text) {
            return text.startsWith(u"UPDATE param"_s);
        });
        QVERIFY(update != texty.cend());
        // After the parameter row, the working tables' statements in their order.
        QStringList poUpdate;
        for (auto text = update; text != texty.cend(); ++text)
            if (prikazy.contains(*text))
                poUpdate << *text;
        QCOMPARE(poUpdate, prikazy.mid(0, poslane));
        QCOMPARE(priebeh.kroky.size(), poslane);
        QCOMPARE(priebeh.kroky.first(),
                 u"1/%1 Odstránenie tabuľky tab_skuska"_s.arg(prikazy.size()));
        QCOMPARE(priebeh.konce, 1);
        QCOMPARE(m_destination->runs().size(), vytlacene ? 1u : 0u);
    }

    // Reports 11.A and 18 rebuild the chain of their first-calvers' test days after the
    // parameter row: each table dropped and made anew from the one before, with its index on
    // krava_id, one statement at a time and each announced.
    void retazecPrvostok_data() {
        QTest::addColumn<QString>("report");
        QTest::newRow("11.A") << "11.A";
        QTest::newRow("18") << "18";
    }
    void retazecPrvostok() {
        QFETCH(QString, report);
        copyShippedProjects();
        ZaznamPriebehu priebeh;
        QSignalSpy sent(m_connection.get(), &Connection::statementSent);
        TlacZostavy tlac(*m_tabulky, m_stav, m_vstupy, {});
        tlac.nastavPriebeh(&priebeh);
        tlac.tlac(*KatalogZostav::najdi(report));

        QStringList retazec;
        bool poParam = false;
        for (const QList<QVariant>& statement : sent) {
            const QString text = statement[0].toString();
            poParam = poParam || text.startsWith(u"UPDATE param"_s);
            if (poParam && (text.startsWith(u"DROP table"_s) || text.startsWith(u"create table"_s)))
                retazec << text;
        }
        QCOMPARE(retazec.size(), 40);
        const QStringList tabulky = RetazecKontrol::tabulky();
        for (int i = 0; i < 20; ++i) {
            QVERIFY(retazec[2 * i].startsWith(u"DROP table if exists "_s + tabulky[i] + u';') ||
                    retazec[2 * i].startsWith(u"DROP table if exists "_s + tabulky[i] + u" ;"_s));
            QVERIFY2(retazec[2 * i + 1].startsWith(u"create table "_s + tabulky[i] +
                                                   u" (KEY (krava_id)) SELECT "_s),
                     qPrintable(retazec[2 * i + 1].left(60)));
        }
        // Only cows whose lactation in milk is their first.
        QVERIFY(retazec[1].endsWith(u"and k.krava_id = pl.krava_id    and pl.poradie = 1; "_s));
        QCOMPARE(retazec[3],
                 u"create table tab182v1 (KEY (krava_id)) SELECT  t.chovatel, t. krava_id, "
                 u"t.datum_kontroly as datum_kontroly1,    t.lakt_dni as lakt_dni1,  "
                 u"t.datumotelenia, t.Vek1Ot_mes as vekot,    t.mlieko_prepocitane as "
                 u"mlieko_prepocitane1 , t.tuk_perc as tuk_perc1,    t.bielkovina_perc as "
                 u"bielkovina_perc1, t.poradie  FROM tab180v1 t, kravy k  where t.krava_id = "
                 u"k.krava_id    and t.datum_kontroly > (select min(tt.datum_kontroly)         "
                 u"from tab180v1 tt where tt.krava_id = k.krava_id); "_s);
        QCOMPARE(priebeh.kroky.size(), 40);
        QCOMPARE(priebeh.kroky.first(), u"1/40 Odstránenie tabuľky tab180v1"_s);
        QCOMPARE(priebeh.kroky.last(), u"40/40 Vytvorenie tabuľky tab18990v1"_s);
        QCOMPARE(priebeh.konce, 1);
        QCOMPARE(m_destination->runs().size(), std::size_t(1));
    }

    void selectionIsLetGoBeforeThePagesGoOut() {
        // A preview waits for the user; meanwhile other reports must be able to run.
        writeProject(u"Tabulky2.rav"_s, projekt9D(u"T"_s, true));
        auto watching = std::make_shared<LockWatchingDestination>(m_db->settings());
        m_tabulky->RvSystemTabulky.setDestination(watching);
        TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(report("9.D"));
        QCOMPARE(watching->freeAtDelivery, std::optional<bool>(true));
    }

    void reportNotYetBuiltIsRefused() {
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(report("7.A")));
    }

    void cleanup() {
        m_tabulky.reset();
        m_connection.reset();
    }

    void cleanupTestCase() {
        QFile::remove(ConfigFile::path());
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<TDataModuleTabulky> m_tabulky;
    std::shared_ptr<PageModelDestination> m_destination;
    StavZostav m_stav;
    ZadaneVstupyZostav m_vstupy;
};

QTEST_MAIN(TestTlacZostavy)
#include "tst_tlaczostavy.moc"
