#include "common/TestDatabase.h"
#include "data/ConfigFile.h"
#include "engine/model/FixedWidthMeasurer.h"
#include "engine/model/PageModelDestination.h"
#include "reports/KatalogZostav.h"
#include "reports/PriecinokZostav.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"
#include "reports/ZadaneVstupyZostav.h"

#include <QFile>
#include <QSettings>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// The pages of two reports of the shipped projects on a small farm written by hand, against
/// page dumps checked once by eye: the cross table of performance classes (13) and the roll of
/// cows at the assessment (15). Text widths are measured at a fixed width per character, so the
/// dumps hold on any machine. TARVELIN_UPDATE_GOLDEN=1 writes the dumps anew.
class TestVzoryZostav final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
        m_db = std::make_unique<TestDatabase>(u"vzoryzostav"_s);
        m_db->loadFixture(QString::fromUtf8(TARVELIN_REPORTS_TEST_DIR "/fixtures/mala_farma.sql"));
        QSettings ini(ConfigFile::path(), QSettings::IniFormat);
        ini.setValue(ConfigFile::aplikacia + u'/' + PriecinokZostav::kluc,
                     QString::fromUtf8(TARVELIN_REPORTS_DIR));
    }

    void strany_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("selection");
        QTest::newRow("13") << u"13"_s << u"401234"_s;
        QTest::newRow("15") << u"15"_s << u"401234"_s;
    }
    void strany() {
        QFETCH(QString, report);
        QFETCH(QString, selection);
        Connection connection(m_db->settings());
        TDataModuleTabulky tabulky(&connection);
        const auto pages = std::make_shared<PageModelDestination>();
        tabulky.RvSystemTabulky.setDestination(pages);
        tabulky.RvSystemTabulky.setMeasurer(std::make_shared<FixedWidthMeasurer>());
        tabulky.RvSystemTabulky.setRunDate(QDate(2024, 2, 1));
        StavZostav stav;
        stav.KodVyberu = selection;
        ZadaneVstupyZostav vstupy;
        TlacZostavy(tabulky, stav, vstupy, u"© Tarvelin"_s).tlac(*KatalogZostav::najdi(report));
        const QString dump = pages->runs().at(0).dump();

        const QString golden =
            QString::fromUtf8(TARVELIN_REPORTS_TEST_DIR "/golden/%1.txt").arg(report);
        if (qEnvironmentVariableIsSet("TARVELIN_UPDATE_GOLDEN")) {
            QFile out(golden);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QVERIFY(out.write(dump.toUtf8()) == dump.toUtf8().size());
        }
        QFile expected(golden);
        QVERIFY2(expected.open(QIODevice::ReadOnly), qPrintable(golden));
        QCOMPARE(dump, QString::fromUtf8(expected.readAll()));
    }

    void cleanupTestCase() {
        QFile::remove(ConfigFile::path());
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestVzoryZostav)
#include "tst_vzoryzostav.moc"
