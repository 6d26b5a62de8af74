#include "common/TestDatabase.h"
#include "common/TestHelpers.h"
#include "data/Connection.h"
#include "data/ReportReaderAccount.h"
#include "data/SchemaInstaller.h"

#include <QSqlQuery>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// The account the universal report reads under: it reads the report's sources that exist,
/// gets the ones created later with the next upgrade, keeps a grant across a rebuilt source, and
/// reads nothing else.
class TestReaderAccount final : public QObject {
    Q_OBJECT

private:
    QString citaj(const QString& tabulka) {
        Connection citatel(ReportReaderAccount::settingsFor(m_db->settings()));
        return failureOf([&] { citatel.execute(u"SELECT COUNT(*) FROM "_s + tabulka); });
    }

    void upgrade() {
        Connection vlastnik(m_db->settings());
        SchemaInstaller(vlastnik, QString::fromUtf8(TARVELIN_SQL_DIR)).upgrade();
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"readeraccount"_s);
        // Grants outlive a dropped database: those of an earlier run of this test go first.
        m_db->exec(u"DELETE FROM mysql.tables_priv WHERE Db = database() AND User = '%1'"_s.arg(
            ReportReaderAccount::user));
        m_db->exec(u"FLUSH PRIVILEGES"_s);
        // Sources the schema may define already make way for the fixtures of this test.
        for (const QString& zdroj : {u"uzkravy"_s, u"uzbyky"_s}) {
            m_db->exec(u"DROP VIEW IF EXISTS "_s + zdroj);
            m_db->exec(u"DROP TABLE IF EXISTS "_s + zdroj);
        }
    }

    void sourceCreatedLaterIsGrantedByTheUpgrade() {
        m_db->exec(u"CREATE TABLE uzkravy (usnecislo VARCHAR(14))"_s);
        // Granted nothing in the database yet, the account may not even enter it.
        QVERIFY(citaj(u"uzkravy"_s).contains(u"Access denied"_s));
        upgrade();
        QCOMPARE(citaj(u"uzkravy"_s), QString());
    }

    void rebuiltSourceKeepsItsGrant() {
        m_db->exec(u"DROP TABLE uzkravy"_s);
        m_db->exec(u"CREATE TABLE uzkravy SELECT 'SK000000000001' AS usnecislo"_s);
        QCOMPARE(citaj(u"uzkravy"_s), QString());
    }

    void nothingElseIsRead_data() {
        QTest::addColumn<QString>("tabulka");
        QTest::newRow("a base table") << u"kravy"_s;
        QTest::newRow("the saved definitions") << u"sys_zostavy"_s;
        QTest::newRow("the parameter row") << u"param"_s;
        QTest::newRow("the server's users") << u"mysql.user"_s;
    }

    void nothingElseIsRead() {
        QFETCH(QString, tabulka);
        const QString sprava = citaj(tabulka);
        QVERIFY2(sprava.contains(u"command denied"_s), qPrintable(sprava));
        // The breeder reads first what the report may read, the server's words come below.
        QVERIFY2(sprava.startsWith(u"Zostava smie čítať len tieto zdroje: uzkravy, uzjalovice, "_s),
                 qPrintable(sprava));
        QVERIFY2(sprava.contains(
                     u"uzitkrav. Tabuľku %1 čítať nesmie.\n\nSpráva servera (chyba 1142): "_s.arg(
                         tabulka.section(u'.', -1))),
                 qPrintable(sprava));
    }

    void cleanupTestCase() { m_db.reset(); }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestReaderAccount)
#include "tst_readeraccount.moc"
