#include "common/TestDatabase.h"
#include "data/ConfigFile.h"
#include "data/ServerLock.h"
#include "engine/model/PageModel.h"
#include "engine/model/PageModelDestination.h"
#include "engine/model/ReportError.h"
#include "reports/KatalogZostav.h"
#include "reports/PriecinokZostav.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

/// A project with report 9.D reading its own query and, when asked, the query of report 2,
/// which no handler of 9.D opens.
QString projekt9D(const QString& titul, bool ajTabulka2) {
    QString xml = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
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
)");
    const QString otcovia = QStringLiteral(
        R"(<band name="RiadkyOtcov" kind="data" height="5" dataView="Otcovia">
          <dataText name="Otec" width="40" height="5" dataView="Otcovia" field="linia"/>
        </band>)");
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
            QStringLiteral("SELECT IS_FREE_LOCK(:Nazov)"),
            {{QStringLiteral("Nazov"),
              ServerLock::nameFor(QStringLiteral("tarvelin-vyber"), m_settings.database)}});
        freeAtDelivery = free.next() && free.value(0).toInt() == 1;
    }
    std::optional<bool> freeAtDelivery;

private:
    ConnectionSettings m_settings;
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

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(QStringLiteral("tlaczostavy"));
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
        m_stav.KodPodniku = QStringLiteral("208123");
    }

    void printingTwiceReadsTheFileAndSendsTheParametersEachTime() {
        writeProject(QStringLiteral("Tabulky2.rav"), projekt9D(QStringLiteral("Prvý"), false));
        QSignalSpy sent(m_connection.get(), &Connection::statementSent);
        TlacZostavy tlac(*m_tabulky, m_stav, QStringLiteral("(c) Test"));
        tlac.tlac(report("9.D"));
        writeProject(QStringLiteral("Tabulky2.rav"), projekt9D(QStringLiteral("Druhý"), false));
        tlac.tlac(report("9.D"));

        QCOMPARE(m_destination->runs().size(), std::size_t(2));
        QCOMPARE(texts(m_destination->runs()[0], QStringLiteral("TextTitul")),
                 QStringList{QStringLiteral("Prvý  (c) Test 208123000")});
        QCOMPARE(texts(m_destination->runs()[1], QStringLiteral("TextTitul")),
                 QStringList{QStringLiteral("Druhý  (c) Test 208123000")});
        QStringList updates;
        for (const QList<QVariant>& statement : sent)
            if (statement[0].toString().startsWith(QStringLiteral("UPDATE param")))
                updates << statement[0].toString();
        QCOMPARE(updates.size(), 2);
        QCOMPARE(updates[0], QStringLiteral("UPDATE param SET    chovatel = rpad('208123', 9, "
                                            "'0'),    pocet_dcer = 0"));
        QVERIFY(!m_tabulky->RvProjectTabulky2.isOpen());
        QVERIFY(!m_tabulky->ADOQueryTabulka9d->isOpen());
    }

    void rowsComeFromTheSelection() {
        writeProject(QStringLiteral("Tabulky2.rav"), projekt9D(QStringLiteral("T"), false));
        m_stav.KodVyberu = QStringLiteral("20812301");
        TlacZostavy(*m_tabulky, m_stav, {}).tlac(report("9.D"));
        const QStringList cows = texts(m_destination->runs().at(0), QStringLiteral("Krava"));
        QSqlQuery expected = m_connection->execute(
            QStringLiteral("SELECT count(*) FROM tab9d0v1 t WHERE t.medziobdobie > 400"));
        QVERIFY(expected.next());
        QCOMPARE(cows.size(), expected.value(0).toInt());
        QVERIFY(!cows.isEmpty());
        QSqlQuery outside =
            m_connection->execute(QStringLiteral("SELECT count(*) FROM zvierata WHERE chovatel NOT "
                                                 "LIKE '20812301%' AND usnecislo IN ('") +
                                  cows.join(QStringLiteral("','")) + QStringLiteral("')"));
        QVERIFY(outside.next());
        QCOMPARE(outside.value(0).toInt(), 0);
    }

    void closedQueriesAreOpenedForTheRunAndOpenOnesKeepTheirRow() {
        writeProject(QStringLiteral("Tabulky2.rav"), projekt9D(QStringLiteral("T"), true));
        Query* hlavicka = m_tabulky->ADOQueryHlavicka;
        QVERIFY(hlavicka->isOpen());
        TlacZostavy(*m_tabulky, m_stav, {}).tlac(report("9.D"));
        QVERIFY(!texts(m_destination->runs().at(0), QStringLiteral("Otec")).isEmpty());
        QVERIFY(!m_tabulky->ADOQueryTabulka2->isOpen());
        QVERIFY(hlavicka->isOpen());
        QCOMPARE(hlavicka->currentRow(), 0);
    }

    void missingFileOrReport_data() {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("error");
        QTest::newRow("no file") << QString() << QStringLiteral("Tabulky2.rav");
        QTest::newRow("no such report")
            << projekt9D(QStringLiteral("T"), false)
                   .replace(QStringLiteral("ReportTabulka9D"), QStringLiteral("Ina"))
            << QString();
    }
    void missingFileOrReport() {
        QFETCH(QString, xml);
        QFETCH(QString, error);
        QFile::remove(m_folder->filePath(QStringLiteral("Tabulky2.rav")));
        if (!xml.isEmpty())
            writeProject(QStringLiteral("Tabulky2.rav"), xml);
        QString message;
        try {
            TlacZostavy(*m_tabulky, m_stav, {}).tlac(report("9.D"));
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
        QFile::remove(m_folder->filePath(QStringLiteral("Tabulky.rav")));
        QVERIFY(QFile::copy(QStringLiteral(TARVELIN_REPORTS_DIR "/Tabulky.rav"),
                            m_folder->filePath(QStringLiteral("Tabulky.rav"))));
        TlacZostavy(*m_tabulky, m_stav, {}).tlac(report("5A2"));
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
        const QString zijuce = QStringLiteral(
            "FROM zvierata z JOIN kravy k ON k.krava_id = z.zviera_id JOIN dovody_vyradenia d ON "
            "d.dovod_vyradenia_id = k.dovod_vyradenia_id ");
        const QString podSirov = QStringLiteral(
            "LEFT JOIN zvierata o ON o.zviera_id = z.otec_id LEFT JOIN byky b ON b.byk_id = "
            "z.otec_id WHERE d.kod = '00' AND z.chovatel LIKE '%1%' GROUP BY b.linia, "
            "o.usnecislo ORDER BY b.linia IS NULL, b.linia, o.usnecislo IS NULL, o.usnecislo");
        const QString posledneMedziobdobie =
            QStringLiteral("SELECT m FROM (SELECT z.usnecislo, coalesce(pl.medziobdobie, (SELECT "
                           "l.medziobdobie "
                           "FROM laktacie l WHERE l.krava_id = z.zviera_id ORDER BY l.poradie DESC "
                           "LIMIT 1)) AS "
                           "m ") +
            zijuce +
            QStringLiteral("LEFT JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id WHERE "
                           "d.kod = '00' "
                           "AND z.chovatel LIKE '%1%') t WHERE m > 400 ORDER BY usnecislo");

        QTest::newRow("2: cows per sire")
            << "2"
            << "208123"
            << "OtecPocet"
            << QStringLiteral("SELECT count(*) ") + zijuce + podSirov.arg(QStringLiteral("208123"));
        QTest::newRow("2: cows of a herd") << "2"
                                           << "20812302"
                                           << "SuhrnPocet"
                                           << QStringLiteral("SELECT count(*) ") + zijuce +
                                                  QStringLiteral("WHERE d.kod = '00' AND "
                                                                 "z.chovatel LIKE '20812302%'");
        // The herds, then the whole selection, which spans several herds.
        QTest::newRow("5A: cows per herd")
            << "5A"
            << "208123"
            << "ChovPocet"
            << QStringLiteral("SELECT n FROM (SELECT left(z.chovatel, 8) AS ch, count(*) AS n ") +
                   zijuce +
                   QStringLiteral("WHERE d.kod = '00' GROUP BY ch UNION ALL SELECT 'spolu', "
                                  "count(*) ") +
                   zijuce + QStringLiteral("WHERE d.kod = '00') t ORDER BY ch");
        QTest::newRow("9.D: intervals of a barn")
            << "9.D"
            << "208123011"
            << "Medziobdobie" << posledneMedziobdobie.arg(QStringLiteral("208123011"));
        QTest::newRow("9.D: their average")
            << "9.D"
            << "208123"
            << "SuhrnPriemer"
            << QStringLiteral("SELECT round(avg(m)) FROM (") +
                   posledneMedziobdobie.arg(QStringLiteral("208123")) + QStringLiteral(") a");
    }
    void reportsShowTheDatabasesFigures() {
        QFETCH(QString, report);
        QFETCH(QString, selection);
        QFETCH(QString, component);
        QFETCH(QString, sql);
        for (const QString& file :
             {QStringLiteral("Tabulky.rav"), QStringLiteral("Tabulky2.rav")}) {
            QFile::remove(m_folder->filePath(file));
            QVERIFY(QFile::copy(QStringLiteral(TARVELIN_REPORTS_DIR "/") + file,
                                m_folder->filePath(file)));
        }
        m_stav.KodVyberu = selection;
        TlacZostavy(*m_tabulky, m_stav, {}).tlac(*KatalogZostav::najdi(report));

        QStringList expected;
        QSqlQuery query = m_connection->execute(sql);
        while (query.next())
            expected << query.value(0).toString();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(texts(m_destination->runs().at(0), component), expected);
    }

    void selectionIsLetGoBeforeThePagesGoOut() {
        // A preview waits for the user; meanwhile other reports must be able to run.
        writeProject(QStringLiteral("Tabulky2.rav"), projekt9D(QStringLiteral("T"), true));
        auto watching = std::make_shared<LockWatchingDestination>(m_db->settings());
        m_tabulky->RvSystemTabulky.setDestination(watching);
        TlacZostavy(*m_tabulky, m_stav, {}).tlac(report("9.D"));
        QCOMPARE(watching->freeAtDelivery, std::optional<bool>(true));
    }

    void reportNotYetBuiltIsRefused() {
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 TlacZostavy(*m_tabulky, m_stav, {}).tlac(report("7.A")));
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
};

QTEST_MAIN(TestTlacZostavy)
#include "tst_tlaczostavy.moc"
