#include "common/TestDatabase.h"
#include "data/ConfigFile.h"
#include "data/DatabaseError.h"
#include "engine/model/FontMetricsMeasurer.h"
#include "engine/model/PageBook.h"
#include "engine/model/PageModel.h"
#include "engine/model/PageModelDestination.h"
#include "engine/model/ReportError.h"
#include "reports/AktualizaciaUniverzalnejZostavy.h"
#include "reports/ChybaVstupu.h"
#include "reports/KatalogZostav.h"
#include "reports/KnihaZostav.h"
#include "reports/NajlepsieKravy.h"
#include "reports/ObdobieKontrol.h"
#include "reports/PolozkaKatalogu.h"
#include "reports/PriebehKnihy.h"
#include "reports/PriebehPripravy.h"
#include "reports/PriecinokZostav.h"
#include "reports/PrikazyPripravy.h"
#include "reports/RetazecKontrol.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"
#include "reports/UlozeneObdobie.h"
#include "reports/ZadaneVstupyZostav.h"
#include "reports/ZamokVyberu.h"

#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Pairs of texts printed on one line with less than a millimetre of paper between them, which
/// a reader takes for one ("10SK208100011064"): each text's ink as wide as the engine measures
/// it, placed in its box by its alignment.
QStringList dotykajuceSa(const ReportPage& strana, const TextMeasurer& meradlo) {
    constexpr double milimeter = 72 / 25.4;
    struct Atrament {
        const PagePrimitive* text;
        double od;
        double po;
    };
    std::vector<Atrament> atramenty;
    for (const PagePrimitive& p : strana.primitives) {
        if (p.kind != PagePrimitive::Kind::Text || p.text.trimmed().isEmpty())
            continue;
        const double sirka = std::min(meradlo.width(p.text, p.font), p.rect.width());
        const double od = p.alignment & Qt::AlignRight     ? p.rect.right() - sirka
                          : p.alignment & Qt::AlignHCenter ? p.rect.center().x() - sirka / 2
                                                           : p.rect.left();
        atramenty.push_back({&p, od, od + sirka});
    }
    QStringList dvojice;
    for (size_t i = 0; i < atramenty.size(); ++i)
        for (size_t j = i + 1; j < atramenty.size(); ++j) {
            const Atrament& a = atramenty[i];
            const Atrament& b = atramenty[j];
            const QRectF& ra = a.text->rect;
            const QRectF& rb = b.text->rect;
            const double spolocne =
                std::min(ra.bottom(), rb.bottom()) - std::max(ra.top(), rb.top());
            if (spolocne <= std::min(ra.height(), rb.height()) / 2)
                continue;
            if (a.po + milimeter > b.od && b.po + milimeter > a.od)
                dvojice << a.text->component + u'=' + a.text->text + u" | "_s + b.text->component +
                               u'=' + b.text->text;
        }
    return dvojice;
}

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

/// A statement the connection sent, with its bound values.
struct Prikaz {
    QString sql;
    ParameterValues parametre;
};

struct Zaznam : QList<Prikaz> {
    QStringList texty() const {
        QStringList texty;
        for (const Prikaz& prikaz : *this)
            texty << prikaz.sql;
        return texty;
    }
};

QVariant hodnota(const ParameterValues& parametre, const QString& meno) {
    for (const auto& [kluc, hodnota] : parametre)
        if (kluc == meno)
            return hodnota;
    return {};
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
        QSqlQuery free = other.execute(u"SELECT IS_FREE_LOCK(:Nazov)"_s,
                                       {{u"Nazov"_s, ZamokVyberu::nazov(other)}});
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
        // Every cow carries the longest name the demo herd gives, which the lists must print whole.
        m_db->exec(u"UPDATE zvierata SET meno = 'Sedmokráska' WHERE pohlavie = '2'"_s);
        // A barn of the enterprise that has no animals.
        m_db->exec(u"INSERT INTO mastale (mastal, chov, nazov) VALUES ('%1', '20812301', "
                   u"'Prázdna maštaľ')"_s.arg(prazdna));
        m_folder = std::make_unique<QTemporaryDir>();
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        ini.setValue(ConfigFile::aplikacia + QLatin1Char('/') + PriecinokZostav::kluc,
                     m_folder->path());
    }

    void init() {
        m_connection = std::make_unique<Connection>(m_db->settings());
        m_tabulky = std::make_unique<TDataModuleTabulky>(m_connection.get());
        m_log.clear();
        connect(m_connection.get(), &Connection::statementSent, this,
                [this](const QString& sql, const ParameterValues& parametre) {
                    // The selection's lock has tests of its own; these follow the report.
                    if (!sql.contains(u"_LOCK("_s))
                        m_log.append({sql, parametre});
                });
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
        QCOMPARE(m_tabulky->ADOQueryTabulka5kravy->sqlText(), report("5A2").sqlDotazu);
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
    // a lost one. Two texts of one line closer than a millimetre read as one. Every report of the
    // catalogue, for the enterprise and for a barn.
    void reportsPrintTheirTextsWhole_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("selection");
        for (const PolozkaKatalogu& polozka : KatalogZostav::polozky()) {
            if (!polozka.jeZostava())
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
        QStringList touching;
        int rows = 0;
        const FontMetricsMeasurer measurer;
        for (const ReportPage& page : m_destination->runs().at(0).pages()) {
            for (const PagePrimitive& primitive : page.primitives) {
                if (primitive.text.contains(QChar(0x2026)))
                    cut << primitive.component + QLatin1Char('=') + primitive.text;
                rows += primitive.kind == PagePrimitive::Kind::Text;
            }
            touching << dotykajuceSa(page, measurer);
        }
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", "_s)));
        touching.removeDuplicates();
        QVERIFY2(touching.isEmpty(), qPrintable(touching.mid(0, 5).join(u"; "_s)));
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
        QCOMPARE(
            priebeh.kroky.first(),
            u"1/%1 Odstránenie starých údajov: pracovná tabuľka tab_skuska"_s.arg(prikazy.size()));
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
        QCOMPARE(priebeh.kroky.first(),
                 u"1/40 Odstránenie starých údajov: 1. kontrola prvých laktácií"_s);
        QCOMPARE(priebeh.kroky.last(), u"40/40 20. kontrola prvých laktácií"_s);
        QCOMPARE(priebeh.konce, 1);
        QCOMPARE(m_destination->runs().size(), std::size_t(1));
    }

    // The progress says what each step makes, not which table.
    void popisyKrokov_data() {
        QTest::addColumn<QStringList>("prikazy");
        QTest::addColumn<int>("krok");
        QTest::addColumn<QString>("popis");
        const QStringList obnova = AktualizaciaUniverzalnejZostavy::prikazy(u"wtarvelinhd"_s);
        const QStringList prvostky = KatalogZostav::najdi(u"11.A"_s)->pripravnePrikazy;
        QTest::newRow("refresh, drop") << obnova << 11
                                       << u"Odstránenie starých údajov: 6. kontrola prebiehajúcich "
                                          u"laktácií"_s;
        QTest::newRow("refresh, create")
            << obnova << 12 << u"6. kontrola prebiehajúcich laktácií"_s;
        QTest::newRow("refresh, the table of cows")
            << obnova << 42 << u"Užitkovosť kráv pre univerzálnu zostavu"_s;
        QTest::newRow("first-calvers") << prvostky << 12 << u"6. kontrola prvých laktácií"_s;
        QTest::newRow("7.A") << KatalogZostav::najdi(u"7.A"_s)->pripravnePrikazy << 2
                             << u"Posledné uzavreté laktácie žijúcich kráv"_s;
    }
    void popisyKrokov() {
        QFETCH(QStringList, prikazy);
        QFETCH(int, krok);
        QFETCH(QString, popis);
        const QStringList popisy = PrikazyPripravy::popisy(prikazy);
        QCOMPARE(popisy.size(), prikazy.size());
        QCOMPARE(popisy[krok - 1], popis);
    }

    void selectionIsLetGoBeforeThePagesGoOut() {
        // A preview waits for the user; meanwhile other reports must be able to run.
        writeProject(u"Tabulky2.rav"_s, projekt9D(u"T"_s, true));
        auto watching = std::make_shared<LockWatchingDestination>(m_db->settings());
        m_tabulky->RvSystemTabulky.setDestination(watching);
        TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(report("9.D"));
        QCOMPARE(watching->freeAtDelivery, std::optional<bool>(true));
    }

    // Each report's working tables are rebuilt by its statements as they stand, right after the
    // selection is written and right before its queries read them; a drop may spell its table
    // with capitals. A cow without a sire keeps one row in report 8, with no line or register.
    void workingTableStatements_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("zaciatky");
        const QStringList stoSedemdesiat = {u"DROP TABLE IF EXISTS tab170v0;"_s,
                                            u"CREATE TABLE tab170v0 SELECT  z.otec_id, "_s};
        const QStringList sedemA = {u"DROP TABLE IF EXISTS tab7A0v1;"_s,
                                    u"create table tab7a0v1  SELECT  p.chovatel, "_s};
        QTest::newRow("4.A") << "4.A"
                             << QStringList{u"DROP TABLE IF EXISTS tab40v1;"_s,
                                            u"CREATE TABLE tab40v1 AS SELECT  p.chovatel, "_s};
        QTest::newRow("6.A") << "6.A"
                             << QStringList{u"DROP TABLE IF EXISTS tab60v1;"_s,
                                            u"create table tab60v1  AS  SELECT substring("_s};
        QTest::newRow("7.A") << "7.A" << sedemA;
        QTest::newRow("7.AA") << "7.AA" << sedemA;
        QTest::newRow("7.BB") << "7.BB" << QStringList{};
        QTest::newRow("8") << "8"
                           << QStringList{u"DROP TABLE IF EXISTS tab80v0;"_s,
                                          u"create table tab80v0 SELECT  z.otec_id, "_s,
                                          u"DROP TABLE IF EXISTS tab80v1; "_s,
                                          u"create table tab80v1 SELECT  t.*, b.linia_id, "
                                          u"b.register from  tab80v0 t left join byky b  on  "
                                          u"(t.otec_id = b.byk_id) "_s};
        QTest::newRow("9.C") << "9.C"
                             << QStringList{u"DROP TABLE IF EXISTS tab9B0v1;"_s,
                                            u"create table tab9b0v1 SELECT  p.chovatel, "_s};
        QTest::newRow("10.A") << "10.A"
                              << QStringList{u"DROP table if exists tab100v1;"_s,
                                             u"CREATE TABLE tab100v1 select z.zviera_id "_s,
                                             u"DROP table if exists tab100v2;"_s,
                                             u"CREATE TABLE tab100v2  select z.zviera_id "_s};
        QTest::newRow("10.B") << "10.B" << QStringList{};
        QTest::newRow("17.A") << "17.A" << stoSedemdesiat;
        QTest::newRow("17.D") << "17.D" << stoSedemdesiat;
        QTest::newRow("19") << "19" << QStringList{};
    }
    void workingTableStatements() {
        QFETCH(QString, report);
        QFETCH(QStringList, zaciatky);
        copyShippedProjects();
        const PolozkaKatalogu& polozka = *KatalogZostav::najdi(report);
        QVERIFY(TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(polozka));
        const QStringList texty = m_log.texty();
        // The selection written and the report header read again.
        const qsizetype vyber = texty.indexOf(u"SELECT * FROM paramwok"_s,
                                              texty.indexOf(u"UPDATE param SET    chovatel = "
                                                            u"rpad('208123', 9, '0'),    "
                                                            u"pocet_dcer = 0"_s));
        QVERIFY(vyber >= 0);
        // The working tables come after the selection and before anything reads them.
        QCOMPARE(texty.mid(vyber + 1, polozka.pripravnePrikazy.size()), polozka.pripravnePrikazy);
        QCOMPARE(polozka.pripravnePrikazy.size(), zaciatky.size());
        for (qsizetype i = 0; i < zaciatky.size(); ++i)
            QVERIFY2(polozka.pripravnePrikazy[i].startsWith(zaciatky[i]), qPrintable(zaciatky[i]));
        const qsizetype potom = vyber + 1 + polozka.pripravnePrikazy.size();
        QVERIFY(texty.value(potom).startsWith(u"SELECT"_s, Qt::CaseInsensitive));
        QCOMPARE(m_destination->runs().size(), std::size_t(1));
    }

    // The bounds of 7.AA and 7.BB: numbers of kilograms, a decimal comma welcome, bound to the
    // query as numbers, printed in the subtitle as typed; anything else is refused before the
    // database hears of the report.
    void hraniceMlieka_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("od");
        QTest::addColumn<QString>("po");
        QTest::addColumn<double>("dolna");
        QTest::addColumn<double>("horna");
        QTest::addColumn<QString>("chyba");
        QTest::newRow("presets") << "7.AA"
                                 << "7000"
                                 << "10000" << 7000.0 << 10000.0 << QString();
        QTest::newRow("decimal comma, spaced thousands")
            << "7.BB"
            << "7000,5"
            << "9 500" << 7000.5 << 9500.0 << QString();
        QTest::newRow("decimal point") << "7.AA"
                                       << "8000.25"
                                       << "8000.25" << 8000.25 << 8000.25 << QString();
        QTest::newRow("not a number") << "7.AA"
                                      << "veľa"
                                      << "10000" << 0.0 << 0.0 << "Neplatná hranica mlieka veľa";
        QTest::newRow("a number with a text")
            << "7.BB"
            << "7000"
            << "10000kg" << 0.0 << 0.0 << "Neplatná hranica mlieka 10000kg";
        QTest::newRow("empty") << "7.AA"
                               << ""
                               << "10000" << 0.0 << 0.0 << "Chýba hranica mlieka";
        QTest::newRow("negative") << "7.BB"
                                  << "-100"
                                  << "10000" << 0.0 << 0.0 << "nezáporné";
        QTest::newRow("reversed") << "7.AA"
                                  << "9000"
                                  << "8000" << 0.0 << 0.0
                                  << "Dolná hranica mlieka je vyššia ako horná.";
    }
    void hraniceMlieka() {
        QFETCH(QString, report);
        QFETCH(QString, od);
        QFETCH(QString, po);
        QFETCH(double, dolna);
        QFETCH(double, horna);
        QFETCH(QString, chyba);
        copyShippedProjects();
        m_vstupy.nastavHraniceMlieka({od, po});
        TlacZostavy tlac(*m_tabulky, m_stav, m_vstupy, {});
        if (!chyba.isEmpty()) {
            QString sprava;
            try {
                tlac.tlac(*KatalogZostav::najdi(report));
            } catch (const ChybaVstupu& odmietnute) {
                sprava = odmietnute.message();
            }
            QVERIFY2(sprava.contains(chyba), qPrintable(sprava));
            QVERIFY(m_log.isEmpty());
            QVERIFY(m_destination->runs().empty());
            return;
        }
        QVERIFY(tlac.tlac(*KatalogZostav::najdi(report)));
        const auto zoznam = std::find_if(m_log.cbegin(), m_log.cend(), [](const Prikaz& p) {
            return p.sql.contains(u":pMliekoOd"_s);
        });
        QVERIFY(zoznam != m_log.cend());
        const QVariant odV = hodnota(zoznam->parametre, u"pMliekoOd"_s);
        const QVariant doV = hodnota(zoznam->parametre, u"pMliekoDo"_s);
        QCOMPARE(odV.typeId(), QMetaType::Double);
        QCOMPARE(odV.toDouble(), dolna);
        QCOMPARE(doV.toDouble(), horna);
        QCOMPARE(m_stav.HranicaOd, od);
        QCOMPARE(m_stav.HranicaDo, po);
        QCOMPARE(texts(m_destination->runs().at(0), u"Podnadpis"_s).value(0),
                 u"( od  %1  do  %2 kg mlieka )"_s.arg(od, po));
        // Every cow listed lies within the bounds, both included.
        QSqlQuery pocet =
            m_connection->execute(u"SELECT count(*) FROM %1 WHERE mlieko BETWEEN :Od AND :Do"_s.arg(
                                      report == u"7.AA"_s ? u"tab7a0v1celml2"_s : u"tab7b0v1"_s),
                                  {{u"Od"_s, dolna}, {u"Do"_s, horna}});
        QVERIFY(pocet.next());
        QCOMPARE(texts(m_destination->runs().at(0), u"Cislo"_s).size(), pocet.value(0).toInt());
    }

    // The period of 10.A, 10.B and 19: proposed from the parameter row, written there with its
    // days bound, printed in the subtitle; a cancelled dialog writes and prints nothing.
    void obdobie_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<bool>("zrusene");
        QTest::addColumn<QString>("podnadpis");
        QTest::newRow("10.A") << "10.A" << false
                              << "(za kontrolné obdobie 1. 3. 2026 - 31. 3. 2026 podľa úsekov "
                                 "laktácie)";
        QTest::newRow("10.B") << "10.B" << false << "(za obdobie 1. 3. 2026 - 31. 3. 2026 )";
        QTest::newRow("19") << "19" << false << "";
        QTest::newRow("10.B cancelled") << "10.B" << true << "";
    }
    void obdobie() {
        QFETCH(QString, report);
        QFETCH(bool, zrusene);
        QFETCH(QString, podnadpis);
        copyShippedProjects();
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        const ObdobieKontrol ulozene{QDate(2025, 12, 1), QDate(2026, 11, 30)};
        UlozeneObdobie::zapis(*m_tabulky->ADOCommandParametre, ulozene);
        m_log.clear();
        struct Vstupy : ZadaneVstupyZostav {
            bool zrusene = false;
            std::optional<ObdobieKontrol> navrh;
            std::optional<ObdobieKontrol> obdobie(const ObdobieKontrol& n) override {
                navrh = n;
                return zrusene
                           ? std::nullopt
                           : std::optional(ObdobieKontrol{QDate(2026, 3, 1), QDate(2026, 3, 31)});
            }
        } vstupy;
        vstupy.zrusene = zrusene;
        const bool vytlacene =
            TlacZostavy(*m_tabulky, m_stav, vstupy, {}).tlac(*KatalogZostav::najdi(report));
        QCOMPARE(vstupy.navrh, std::optional(ulozene));
        QCOMPARE(vytlacene, !zrusene);
        if (zrusene) {
            // Only the stored period was read for the proposal.
            QCOMPARE(m_log.texty(),
                     QStringList{u"SELECT kontrolne_obd_od, kontrolne_obd_do FROM param"_s});
            QVERIFY(m_destination->runs().empty());
            QCOMPARE(UlozeneObdobie::citaj(*m_connection), std::optional(ulozene));
            return;
        }
        // The period goes first, with its days bound, then the selection.
        QVERIFY(m_log.size() > 2);
        QCOMPARE(m_log.at(1).sql, u"UPDATE param SET     kontrolne_obd_od = :ObdobieOd,   "
                                  u"kontrolne_obd_do = :ObdobieDo"_s);
        QCOMPARE(hodnota(m_log.at(1).parametre, u"ObdobieOd"_s).toDate(), QDate(2026, 3, 1));
        QVERIFY(m_log.at(2).sql.startsWith(u"UPDATE param SET    chovatel"_s));
        QCOMPARE(UlozeneObdobie::citaj(*m_connection),
                 std::optional(ObdobieKontrol{QDate(2026, 3, 1), QDate(2026, 3, 31)}));
        QCOMPARE(m_stav.TextObdobia, u"1. 3. 2026 - 31. 3. 2026"_s);
        QCOMPARE(texts(m_destination->runs().at(0), u"Podnadpis"_s).value(0), podnadpis);
    }

    void obdobieBezUlozenehoNavrhujeRokDoDnes_data() {
        QTest::addColumn<QDate>("dnes");
        QTest::addColumn<QDate>("zaciatok");
        QTest::newRow("an ordinary day") << QDate(2026, 6, 15) << QDate(2025, 6, 15);
        QTest::newRow("29 February") << QDate(2028, 2, 29) << QDate(2027, 2, 28);
        QTest::newRow("1 March after a leap day") << QDate(2029, 3, 1) << QDate(2028, 3, 1);
    }
    void obdobieBezUlozenehoNavrhujeRokDoDnes() {
        QFETCH(QDate, dnes);
        QFETCH(QDate, zaciatok);
        QCOMPARE(ObdobieKontrol::navrh(std::nullopt, dnes), (ObdobieKontrol{zaciatok, dnes}));
    }

    // A period the parameter row does not take stops the report: it would print the period
    // stored before under the new one's name.
    void obdobieKtoreSaNezapisaloZastaviZostavu() {
        copyShippedProjects();
        const ObdobieKontrol ulozene{QDate(2025, 12, 1), QDate(2026, 11, 30)};
        UlozeneObdobie::zapis(*m_tabulky->ADOCommandParametre, ulozene);
        m_db->exec(u"ALTER TABLE param ADD CONSTRAINT ck_skuska CHECK (kontrolne_obd_do < "
                   u"'2030-01-01')"_s);
        const auto vrat =
            qScopeGuard([this] { m_db->exec(u"ALTER TABLE param DROP CONSTRAINT ck_skuska"_s); });
        m_stav.TextObdobia = u"predošlé"_s;
        m_vstupy.nastavObdobie(ObdobieKontrol{QDate(2031, 1, 1), QDate(2031, 2, 1)});
        QVERIFY_THROWS_EXCEPTION(
            DatabaseError,
            TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(*KatalogZostav::najdi("10.B")));
        QVERIFY(m_destination->runs().empty());
        QCOMPARE(m_stav.TextObdobia, u"predošlé"_s);
        QCOMPARE(UlozeneObdobie::citaj(*m_connection), std::optional(ulozene));
    }

    // Report 8 as its dialog makes it: the group size goes into LIMIT only as a positive whole
    // number; the measure picks the view, the report and the subtitle.
    void najlepsieKravy_data() {
        QTest::addColumn<QString>("velkost");
        QTest::addColumn<int>("zoradenie");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("zostava");
        QTest::addColumn<QString>("podnadpis");
        QTest::newRow("at once")
            << "10" << -1 << "SELECT * FROM tab82v1 ORDER BY mlieko_kg_cel DESC, usnecislo LIMIT 10"
            << "ReportTabulka8A"
            << "(podľa celoživotnej úžitkovosti, skupina 10 kusov kráv)";
        QTest::newRow("average")
            << "5" << 1 << "SELECT * FROM tab82v1 ORDER BY mlieko_priem DESC, usnecislo LIMIT 5"
            << "ReportTabulka8A"
            << "(podľa priemernej úžitkovosti, skupina 5 kusov kráv)";
        QTest::newRow("fat %") << "25" << 6
                               << "SELECT * FROM tab81v1 ORDER BY tuk_perc DESC, usnecislo LIMIT 25"
                               << "ReportTabulka8B"
                               << "(podľa výšky produkcie % tuku, skupina 25 kusov kráv)";
        QTest::newRow("too large, yet printed")
            << "1500" << 8
            << "SELECT * FROM tab81v1 ORDER BY tuk_bielk_perc DESC, usnecislo LIMIT 1500"
            << "ReportTabulka8B"
            << "(podľa výšky produkcie % tuku + bielkoviny, skupina 1500 kusov kráv)";
        QTest::newRow("leading zeros")
            << "007" << 2 << "SELECT * FROM tab81v1 ORDER BY mlieko_max DESC, usnecislo LIMIT 7"
            << "ReportTabulka8B"
            << "(podľa výšky produkcie kg mlieka, skupina 007 kusov kráv)";
        for (const char* zla : {"0", "-5", "abc", "", "2.5", "10; DROP TABLE param"})
            QTest::newRow(zla) << zla << 0 << QString() << QString() << QString();
    }
    void najlepsieKravy() {
        QFETCH(QString, velkost);
        QFETCH(int, zoradenie);
        QFETCH(QString, sql);
        QFETCH(QString, zostava);
        QFETCH(QString, podnadpis);
        copyShippedProjects();
        m_vstupy.nastavNajlepsieKravy({velkost, zoradenie});
        TlacZostavy tlac(*m_tabulky, m_stav, m_vstupy, {});
        const PolozkaKatalogu& osem = *KatalogZostav::najdi("8");
        if (sql.isEmpty()) {
            QString sprava;
            try {
                tlac.tlac(osem);
            } catch (const ChybaVstupu& odmietnute) {
                sprava = odmietnute.message();
            }
            QVERIFY2(sprava.startsWith(NajlepsieKravy::nespravna), qPrintable(sprava));
            QVERIFY(sprava.contains(u"kladné celé číslo"_s));
            QVERIFY(m_log.isEmpty());
            return;
        }
        QVERIFY(tlac.tlac(osem));
        Query* dotaz = zostava == u"ReportTabulka8A"_s ? m_tabulky->ADOQueryTabulka8A
                                                       : m_tabulky->ADOQuerytabulka8B;
        QCOMPARE(dotaz->sqlText(), sql);
        // Left open for the next print, which closes it before it replaces the statement.
        QVERIFY(dotaz->isOpen());
        QVERIFY(m_log.texty().contains(sql));
        const PageModel& strany = m_destination->runs().at(0);
        QCOMPARE(texts(strany, u"Podnadpis"_s).value(0), podnadpis);
        QCOMPARE(texts(strany, u"Cislo"_s).size(), dotaz->recordCount());
        QVERIFY(dotaz->recordCount() > 0);
        QCOMPARE(TlacZostavy::zostava(osem, *tlac.zadanie(osem)), zostava);
    }

    // Cows of equal fat percentage rank by their ear number, so that two prints give the same
    // pages. Half the herd is given the same maximum lactation for the ties.
    void najlepsieKravyPriRovnostiPodlaUsnehoCisla() {
        copyShippedProjects();
        m_db->exec(
            u"CREATE TABLE kravy_povodne AS SELECT krava_id, mlieko_max, tuk_max FROM kravy"_s);
        const auto obnov = qScopeGuard([this] {
            m_db->exec(u"UPDATE kravy k JOIN kravy_povodne p ON p.krava_id = k.krava_id SET "
                       u"k.mlieko_max = p.mlieko_max, k.tuk_max = p.tuk_max"_s);
            m_db->exec(u"DROP TABLE kravy_povodne"_s);
        });
        m_db->exec(u"UPDATE kravy SET mlieko_max = 8000, tuk_max = 320 WHERE krava_id % 2 = 0"_s);
        m_vstupy.nastavNajlepsieKravy({u"1000"_s, 6});
        TlacZostavy tlac(*m_tabulky, m_stav, m_vstupy, {});
        const PolozkaKatalogu& osem = *KatalogZostav::najdi("8");
        QVERIFY(tlac.tlac(osem));
        Query* dotaz = m_tabulky->ADOQuerytabulka8B;
        int rovnosti = 0;
        for (int i = 1; i < dotaz->recordCount(); ++i) {
            dotaz->setCurrentRow(i - 1);
            const double predtym = dotaz->value(u"tuk_perc"_s).toDouble();
            const QString predCislo = dotaz->value(u"usnecislo"_s).toString();
            dotaz->setCurrentRow(i);
            const double teraz = dotaz->value(u"tuk_perc"_s).toDouble();
            const QString cislo = dotaz->value(u"usnecislo"_s).toString();
            QVERIFY(teraz <= predtym);
            if (teraz == predtym) {
                ++rovnosti;
                QVERIFY2(predCislo < cislo, qPrintable(predCislo + u" / "_s + cislo));
            }
        }
        QVERIFY(rovnosti > 0);
        QVERIFY(tlac.tlac(osem));
        QCOMPARE(texts(m_destination->runs().at(1), u"Cislo"_s),
                 texts(m_destination->runs().at(0), u"Cislo"_s));
    }

    void velkostSkupinyPriKazdejZmene_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stav");
        using S = NajlepsieKravy::StavVelkosti;
        QTest::newRow("10") << "10" << int(S::Dobra);
        QTest::newRow("1000") << "1000" << int(S::Dobra);
        QTest::newRow("1001") << "1001" << int(S::PrilisVelka);
        QTest::newRow("emptied") << "" << int(S::Nespravna);
        QTest::newRow("a letter") << "1x" << int(S::Nespravna);
        // A negative whole number passes the check as typed, but is refused when printed.
        QTest::newRow("-5") << "-5" << int(S::Dobra);
    }
    void velkostSkupinyPriKazdejZmene() {
        QFETCH(QString, text);
        QFETCH(int, stav);
        QCOMPARE(int(NajlepsieKravy::posud(text)), stav);
    }

    // What the book cancels, and what a cancelled dialog of report 8 leaves: nothing sent.
    void najlepsieKravyZrusene() {
        struct Vstupy : ZadaneVstupyZostav {
            std::optional<VolbaNajlepsich> najlepsieKravy() override { return std::nullopt; }
        } vstupy;
        QVERIFY(!TlacZostavy(*m_tabulky, m_stav, vstupy, {}).tlac(*KatalogZostav::najdi("8")));
        QVERIFY(m_log.isEmpty());
        QVERIFY(m_destination->runs().empty());
    }

    // Table 17 keeps its query open with the last interval's statement until the next of its
    // reports replaces it.
    void interval17ZostavaOtvoreny() {
        copyShippedProjects();
        TlacZostavy tlac(*m_tabulky, m_stav, m_vstupy, {});
        tlac.tlac(*KatalogZostav::najdi("17.A"));
        Query* dotaz = m_tabulky->ADOQueryTabulka17;
        QVERIFY(dotaz->isOpen());
        QCOMPARE(dotaz->sqlText(), KatalogZostav::najdi("17.A")->sqlDotazu);
        tlac.tlac(*KatalogZostav::najdi("17.D"));
        QCOMPARE(dotaz->sqlText(), KatalogZostav::najdi("17.D")->sqlDotazu);
        QVERIFY(dotaz->recordCount() > 0);
        for (int i = 0; i < dotaz->recordCount(); ++i) {
            dotaz->setCurrentRow(i);
            QVERIFY(dotaz->value(u"pocet_dni"_s).toInt() > 305);
        }
    }

    // A barn without cows gives empty working tables and reports of no rows, not an error.
    void prazdnaMastal_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<int>("pocetStran");
        // Report 23 prints its bands of urea and of days in milk, with the curves' chart, also
        // without a cow: the chart comes on a second page.
        for (const PolozkaKatalogu& polozka : KatalogZostav::polozky())
            if (polozka.jeZostava())
                QTest::newRow(qPrintable(polozka.kod))
                    << polozka.kod << (polozka.kod == u"23"_s ? 2 : 1);
    }
    void prazdnaMastal() {
        QFETCH(QString, report);
        QFETCH(int, pocetStran);
        copyShippedProjects();
        m_stav.KodVyberu = prazdna;
        QVERIFY(TlacZostavy(*m_tabulky, m_stav, m_vstupy, {}).tlac(*KatalogZostav::najdi(report)));
        const PageModel& strany = m_destination->runs().at(0);
        QCOMPARE(strany.pageCount(), pocetStran);
        QVERIFY(!texts(strany, u"Titul"_s).isEmpty());
    }

    // The whole book: every available report in menu order behind a table of contents that
    // names each with the page it starts on, every page numbered in the book; the inputs asked
    // once each before the first report runs.
    void knihaZostav() {
        copyShippedProjects();
        struct Vstupy : ZadaneVstupyZostav {
            QStringList otazky;
            std::optional<QString> pocetDcer() override {
                otazky << u"dcéry"_s;
                return u"2"_s;
            }
            std::optional<std::pair<QString, QString>> hraniceMlieka() override {
                otazky << u"hranice"_s;
                return ZadaneVstupyZostav::hraniceMlieka();
            }
            std::optional<ObdobieKontrol> obdobie(const ObdobieKontrol& navrh) override {
                otazky << u"obdobie"_s;
                return navrh;
            }
        } vstupy;
        struct Priebeh : PriebehKnihy {
            QStringList zostavy;
            int konce = 0;
            bool pred(int poradie, int pocet, const PolozkaKatalogu& polozka) override {
                zostavy << u"%1/%2 %3"_s.arg(poradie).arg(pocet).arg(polozka.kod);
                return true;
            }
            void koniec() override { ++konce; }
        } priebeh;
        KnihaZostav kniha(*m_tabulky, m_stav, vstupy, u"© Test"_s);
        QVERIFY(kniha.zadaj());
        QCOMPARE(vstupy.otazky, (QStringList{u"dcéry"_s, u"hranice"_s, u"obdobie"_s}));
        QVERIFY(m_log.texty().filter(u"DROP TABLE"_s, Qt::CaseInsensitive).isEmpty());
        kniha.nastavPriebeh(&priebeh);
        const std::optional<PageModel> strany = kniha.tlac();
        QVERIFY(strany);
        QCOMPARE(vstupy.otazky.size(), 3);

        const std::vector<const PolozkaKatalogu*> zostavy = KnihaZostav::zostavy();
        QCOMPARE(priebeh.zostavy.size(), qsizetype(zostavy.size()));
        QCOMPARE(priebeh.zostavy.first(), u"1/%1 1.A"_s.arg(zostavy.size()));
        QCOMPARE(priebeh.konce, 1);
        // The pages of the runs follow the contents in menu order; the report system keeps its
        // own destination.
        QCOMPARE(m_destination->runs().size(), std::size_t(0));
        const QStringList kody = texts(*strany, u"Kod"_s);
        const QStringList zaciatky = texts(*strany, u"Zaciatok"_s);
        const QStringList pocty = texts(*strany, u"Strany"_s);
        QCOMPARE(kody.size(), qsizetype(zostavy.size()));
        int strana = int(strany->pageCount());
        for (qsizetype i = kody.size(); i-- > 0;) {
            QCOMPARE(kody[i], zostavy[std::size_t(i)]->kod);
            strana -= pocty[i].toInt();
            QCOMPARE(zaciatky[i].toInt(), strana + 1);
            // The report's own first page, titled and numbered 1 of its pages.
            const ReportPage& prva = strany->pages()[std::size_t(strana)];
            const auto cislo = std::find_if(
                prva.primitives.cbegin(), prva.primitives.cend(),
                [](const PagePrimitive& p) { return p.component == u"CisloStrany"_s; });
            QVERIFY(cislo != prva.primitives.cend());
            QVERIFY2(cislo->text.startsWith(u"Strana 1 z "_s), qPrintable(cislo->text));
        }
        QCOMPARE(texts(*strany, u"Nazov"_s).value(3),
                 u"Zloženie stáda kráv podľa veku a poradia prebiehajúcej laktácie"_s);
        QCOMPARE(texts(*strany, u"Nazov"_s).value(0),
                 u"Úžitkovosť kráv po otcoch za normované laktácie: Priemerná úžitkovosť"_s);
        QStringList cisla;
        for (int i = 1; i <= strany->pageCount(); ++i)
            cisla << u"– %1 –"_s.arg(i);
        QCOMPARE(texts(*strany, PageBook::numberComponent), cisla);
    }

    void knihaZostavZastavena() {
        copyShippedProjects();
        struct Priebeh : PriebehKnihy {
            int konce = 0;
            bool pred(int poradie, int, const PolozkaKatalogu&) override { return poradie < 3; }
            void koniec() override { ++konce; }
        } priebeh;
        KnihaZostav kniha(*m_tabulky, m_stav, m_vstupy, {});
        kniha.nastavPriebeh(&priebeh);
        QVERIFY(!kniha.tlac());
        QCOMPARE(priebeh.konce, 1);
        // Two reports ran; the third never began.
        const QStringList texty = m_log.texty();
        QCOMPARE(texty.filter(u"UPDATE param SET    chovatel"_s).size(), 2);
        QVERIFY(m_tabulky->RvSystemTabulky.destination() == m_destination);
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
    Zaznam m_log;
    static inline const QString prazdna = u"208123019"_s;
};

QTEST_MAIN(TestTlacZostavy)
#include "tst_tlaczostavy.moc"
