#include "common/TestDatabase.h"
#include "data/ConfigFile.h"
#include "data/ReportReaderAccount.h"
#include "engine/model/FixedWidthMeasurer.h"
#include "engine/model/PageModelDestination.h"
#include "exchange/ExportVymeny.h"
#include "exchange/ImportVymeny.h"
#include "reports/AktualizaciaUniverzalnejZostavy.h"
#include "reports/KatalogZostav.h"
#include "reports/ObdobieKontrol.h"
#include "reports/PriecinokZostav.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"
#include "reports/ZadaneVstupyZostav.h"

#include <QFile>
#include <QSettings>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kPodnik = u"208123"_s;

/// The pages a report of the catalogue prints for the enterprise, as a text.
QString pages(TestDatabase& db, const PolozkaKatalogu& polozka) {
    Connection connection(db.settings());
    TDataModuleTabulky tabulky(&connection);
    const auto destination = std::make_shared<PageModelDestination>();
    tabulky.RvSystemTabulky.setDestination(destination);
    tabulky.RvSystemTabulky.setMeasurer(std::make_shared<FixedWidthMeasurer>());
    tabulky.RvSystemTabulky.setRunDate(QDate(2026, 12, 1));
    StavZostav stav;
    stav.KodVyberu = kPodnik;
    ZadaneVstupyZostav vstupy;
    vstupy.nastavPocetDcer(u"2"_s);
    vstupy.nastavObdobie(ObdobieKontrol::zo(QDate(2025, 12, 1), QDate(2026, 11, 30)));
    TlacZostavy(tabulky, stav, vstupy, u"© Tarvelin"_s).tlac(polozka);
    return destination->runs().empty() ? QString() : destination->runs().front().dump();
}

/// A source of the universal report, rows sorted, without the ids each database gives its own
/// rows.
QStringList source(TestDatabase& db, const QString& name) {
    Connection connection(db.settings());
    QSqlQuery query = connection.execute(u"SELECT * FROM "_s + name);
    QStringList rows;
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i) {
            const QString column = query.record().fieldName(i).toLower();
            // Averages summed in another order of rows differ in their last bits.
            const QVariant value = query.value(i);
            if (!column.endsWith(u"_id"_s) && column != u"id"_s)
                values << column + u'=' +
                              (value.typeId() == QMetaType::Double
                                   ? QString::number(value.toDouble(), 'g', 12)
                                   : value.toString());
        }
        rows << values.join(u'|');
    }
    rows.sort();
    return rows;
}

} // namespace

/// The round trip: a small demo enterprise exported and imported into an empty database prints
/// the same reports and fills the universal report's sources alike as the demo; so does the demo
/// once its own export has been imported into it, since the import derives what it derives as
/// the demo does.
class TestObehVymeny final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_demo;
    std::unique_ptr<TestDatabase> m_rederived;
    std::unique_ptr<TestDatabase> m_import;
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        QVERIFY(m_dir.isValid());
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        ini.setValue(ConfigFile::aplikacia + u'/' + PriecinokZostav::kluc,
                     QString::fromUtf8(TARVELIN_REPORTS_DIR));
        m_demo = std::make_unique<TestDatabase>(u"obeh_demo"_s);
        m_demo->loadDemo(120, 11);
        const QString file = m_dir.filePath(u"podnik.json"_s);
        {
            Connection connection(m_demo->settings());
            ExportVymeny(connection).exportuj(kPodnik, file);
        }
        m_import = std::make_unique<TestDatabase>(u"obeh_import"_s);
        ImportVymeny(m_import->settings()).importuj(file);
        m_rederived = std::make_unique<TestDatabase>(u"obeh_odvodene"_s);
        m_rederived->loadDemo(120, 11);
        ImportVymeny(m_rederived->settings()).importuj(file);
        // The universal report reads its sources once its data are refreshed.
        for (TestDatabase* db : {m_demo.get(), m_rederived.get(), m_import.get()}) {
            Connection connection(db->settings());
            TDataModuleTabulky tabulky(&connection);
            StavZostav stav;
            stav.KodVyberu = kPodnik;
            AktualizaciaUniverzalnejZostavy(tabulky, stav).aktualizuj();
        }
    }

    void reportsPrintTheSame_data() {
        QTest::addColumn<QString>("kod");
        for (const PolozkaKatalogu& polozka : KatalogZostav::polozky())
            if (polozka.jeZostava() && !polozka.zakazana)
                QTest::newRow(qPrintable(polozka.kod)) << polozka.kod;
    }
    void reportsPrintTheSame() {
        QFETCH(QString, kod);
        const PolozkaKatalogu& polozka = *KatalogZostav::najdi(kod);
        const QString imported = pages(*m_import, polozka);
        QVERIFY(!imported.isEmpty());
        QCOMPARE(imported, pages(*m_demo, polozka));
        QCOMPARE(pages(*m_rederived, polozka), imported);
    }

    void universalReportSourcesHoldTheSame_data() {
        QTest::addColumn<QString>("zdroj");
        for (const QString& zdroj : ReportReaderAccount::sources())
            QTest::newRow(qPrintable(zdroj)) << zdroj;
    }
    void universalReportSourcesHoldTheSame() {
        QFETCH(QString, zdroj);
        const QStringList imported = source(*m_import, zdroj);
        QCOMPARE(imported, source(*m_demo, zdroj));
        QCOMPARE(source(*m_rederived, zdroj), imported);
    }

    void cleanupTestCase() {
        QFile::remove(ConfigFile::path());
        m_demo.reset();
        m_rederived.reset();
        m_import.reset();
    }
};

QTEST_MAIN(TestObehVymeny)
#include "tst_obehvymeny.moc"
