#include "common/TestDatabase.h"
#include "common/TestHelpers.h"
#include "data/Connection.h"
#include "data/ReportReaderAccount.h"
#include "data/SchemaInstaller.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// The account the universal report reads under: it reads the report's sources that exist,
/// gets the ones created later with the next upgrade, keeps a grant across a rebuilt source, and
/// reads nothing else, neither of its own database nor of another enterprise's on the server.
class TestReaderAccount final : public QObject {
    Q_OBJECT

private:
    static QString citaj(TestDatabase& db, const QString& tabulka) {
        Connection vlastnik(db.settings());
        Connection citatel(ReportReaderAccount::settingsFor(vlastnik));
        return failureOf([&] { citatel.execute(u"SELECT COUNT(*) FROM "_s + tabulka); });
    }
    QString citaj(const QString& tabulka) { return citaj(*m_db, tabulka); }

    void upgrade() {
        Connection vlastnik(m_db->settings());
        SchemaInstaller(vlastnik, QString::fromUtf8(TARVELIN_SQL_DIR)).upgrade();
    }

    static QString heslo(TestDatabase& db) {
        Connection vlastnik(db.settings());
        return ReportReaderAccount::settingsFor(vlastnik).password;
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"readeraccount"_s);
        // Grants outlive a dropped database: those of an earlier run of this test go first.
        m_db->exec(u"DELETE FROM mysql.tables_priv WHERE Db = database() AND User = '%1'"_s.arg(
            ReportReaderAccount::userFor(m_db->settings().database)));
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
        QTest::newRow("its own password") << u"sys_ucet_zostav"_s;
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

    // Two enterprises on one server: each account reads its own herd only, and each
    // installation made a password of its own.
    void anotherDatabaseIsNotRead() {
        TestDatabase druha(u"readeraccount_druha"_s);
        QCOMPARE(citaj(druha, u"uzkravy"_s), QString());
        const QString cudzia = druha.settings().database + u".uzkravy"_s;
        QVERIFY(citaj(cudzia).contains(u"denied"_s));
        QVERIFY(citaj(druha, m_db->settings().database + u".uzkravy"_s).contains(u"denied"_s));
        QVERIFY(heslo(druha) != heslo(*m_db));
        QCOMPARE(heslo(druha).size(), 32);
    }

    // A password changed by a statement of the account itself is put back by the next
    // preparation, and the account's statements are stopped by the server in time.
    void changedPasswordIsPutBack() {
        Connection vlastnik(m_db->settings());
        const ConnectionSettings ucet = ReportReaderAccount::create(vlastnik);
        {
            Connection citatel(ucet);
            citatel.executeDirect(u"SET PASSWORD = PASSWORD('zmenene')"_s);
        }
        QVERIFY(failureOf([&] { Connection(ucet).open(); }).contains(u"Access denied"_s));
        Connection citatel(ReportReaderAccount::create(vlastnik));
        QSqlQuery limit = citatel.execute(u"SELECT @@max_statement_time"_s);
        QVERIFY(limit.next());
        QCOMPARE(limit.value(0).toDouble(), double(ReportReaderAccount::statementSeconds));
    }

    // The account older programs shared between the databases of a server reads this one no
    // more once it is upgraded.
    void sharedAccountLosesItsGrants() {
        const QString stary = u"'tarvelin_zostavy'@'localhost'"_s;
        m_db->exec(u"CREATE USER IF NOT EXISTS "_s + stary + u" IDENTIFIED BY 'stare'"_s);
        const auto zmaz = qScopeGuard([&] { m_db->exec(u"DROP USER IF EXISTS "_s + stary); });
        m_db->exec(u"GRANT SELECT ON uzkravy TO "_s + stary);
        upgrade();
        Connection vlastnik(m_db->settings());
        QSqlQuery prava = vlastnik.execute(u"SHOW GRANTS FOR "_s + stary);
        while (prava.next())
            QVERIFY2(!prava.value(0).toString().contains(m_db->settings().database),
                     qPrintable(prava.value(0).toString()));
    }

    // The password is made at installation; none may stand in the program's sources.
    void noPasswordInTheSources() {
        static const QRegularExpression zadane(u"IDENTIFIED\\s+BY\\s+'[^'\"]+'"_s);
        int subory = 0;
        for (const char* priecinok : {"/src", "/tools", "/sql"}) {
            QDirIterator it(QString::fromUtf8(TARVELIN_SOURCE_DIR) + QLatin1String(priecinok),
                            {u"*.cpp"_s, u"*.h"_s, u"*.sql"_s}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile subor(it.next());
                QVERIFY(subor.open(QIODevice::ReadOnly));
                ++subory;
                QVERIFY2(!zadane.match(QString::fromUtf8(subor.readAll())).hasMatch(),
                         qPrintable(subor.fileName()));
            }
        }
        QVERIFY(subory > 100);
    }

    void cleanupTestCase() { m_db.reset(); }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestReaderAccount)
#include "tst_readeraccount.moc"
