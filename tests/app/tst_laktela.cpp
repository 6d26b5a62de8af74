#include "app/DotazyHlavnehoOkna.h"
#include "common/RozdielLaktela.h"
#include "common/TestDatabase.h"
#include "data/Command.h"
#include "data/Connection.h"
#include "data/SchemaInstaller.h"
#include "data/VerziaUdajov.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// The working table laktela as the main window's start leaves it: what its statement makes of
/// the data as they are, rebuilt only when they changed.
class TestLaktela final : public QObject {
    Q_OBJECT

private:
    qint64 number(const QString& sql) {
        QSqlQuery q = m_spojenie->execute(sql);
        return q.next() ? q.value(0).toLongLong() : -1;
    }
    qint64 difference() { return rozdielLaktela(*m_spojenie); }
    /// Runs the check as the window's start does; whether it sent the rebuild, which must be
    /// what it says it did.
    bool start() {
        QSignalSpy sent(m_spojenie.get(), &Connection::statementSent);
        const bool rebuilt = DotazyHlavnehoOkna::obnovLaktela(*m_prikaz, *m_spojenie);
        bool dropped = false;
        for (const QList<QVariant>& statement : sent)
            dropped =
                dropped || statement[0].toString().startsWith(u"DROP TABLE IF EXISTS laktela"_s);
        m_nesuhlasi = m_nesuhlasi || dropped != rebuilt;
        return dropped;
    }
    qint64 someLactation() { return number(u"SELECT min(laktacia_id) FROM laktacie"_s); }
    QString changeOfALactation() {
        return u"UPDATE laktacie SET mlieko_celk = mlieko_celk + 1 WHERE laktacia_id = %1"_s.arg(
            someLactation());
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"laktela"_s);
        m_db->loadDemo(40, 2);
        m_spojenie = std::make_unique<Connection>(m_db->settings());
        m_prikaz = std::make_unique<Command>(m_spojenie.get());
    }

    void cleanup() { QVERIFY2(!m_nesuhlasi, "the check said otherwise than it sent"); }

    void firstStartAfterALoadBuildsIt() {
        QVERIFY(start());
        QVERIFY(number(u"SELECT count(*) FROM laktela"_s) > 0);
        QCOMPARE(difference(), 0);
        QVERIFY(!start());
    }

    void rebuiltOnlyWhenItsSourcesChanged_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("rebuilt");
        QTest::newRow("nothing") << u"nothing"_s << false;
        QTest::newRow("a load") << u"load"_s << true;
        QTest::newRow("an import") << u"import"_s << true;
        QTest::newRow("an upgrade with a new script") << u"upgrade"_s << true;
        QTest::newRow("laktela dropped") << u"dropped"_s << true;
        QTest::newRow("built by another statement") << u"statement"_s << true;
        // One that writes without saying so is not noticed: every writer must raise the
        // version.
        QTest::newRow("a write that does not raise the version") << u"silent"_s << false;
    }
    void rebuiltOnlyWhenItsSourcesChanged() {
        QFETCH(QString, change);
        QFETCH(bool, rebuilt);
        start();
        QTemporaryDir skripty;
        if (change == u"load"_s) {
            SchemaInstaller(*m_spojenie, QString::fromUtf8(TARVELIN_SQL_DIR))
                .load([this](const SchemaInstaller::StatementSink& sink) {
                    sink(changeOfALactation());
                });
        } else if (change == u"import"_s) {
            // What an import does: its rows, then the raise, in one transaction.
            m_spojenie->beginTransaction();
            m_spojenie->executeDirect(changeOfALactation());
            VerziaUdajov::zvys(*m_spojenie);
            m_spojenie->commit();
        } else if (change == u"upgrade"_s) {
            const QDir sql(QString::fromUtf8(TARVELIN_SQL_DIR));
            for (const QString& skript : sql.entryList({u"*.sql"_s}))
                QVERIFY(QFile::copy(sql.filePath(skript), skripty.filePath(skript)));
            QFile novy(skripty.filePath(u"999_test.sql"_s));
            QVERIFY(novy.open(QIODevice::WriteOnly));
            novy.write(changeOfALactation().toUtf8() + ";\n");
            novy.close();
            QCOMPARE(SchemaInstaller(*m_spojenie, skripty.path()).upgrade(),
                     QStringList{u"999_test.sql"_s});
        } else if (change == u"dropped"_s) {
            m_spojenie->executeDirect(u"DROP TABLE laktela"_s);
        } else if (change == u"statement"_s) {
            m_spojenie->executeDirect(u"UPDATE verzia_udajov SET laktela_prikaz = 'iny'"_s);
        } else if (change == u"silent"_s) {
            m_spojenie->executeDirect(changeOfALactation());
        }
        QCOMPARE(start(), rebuilt);
        if (change == u"silent"_s)
            QCOMPARE(difference(), 2);
        else
            QCOMPARE(difference(), 0);
        QVERIFY(!start());
    }

    void databaseWithoutAVersionRebuildsAtEveryStart() {
        start();
        m_spojenie->executeDirect(u"RENAME TABLE verzia_udajov TO verzia_udajov_mimo"_s);
        VerziaUdajov::zvys(*m_spojenie);
        QVERIFY(start());
        QCOMPARE(difference(), 0);
        QVERIFY(start());
        m_spojenie->executeDirect(u"RENAME TABLE verzia_udajov_mimo TO verzia_udajov"_s);
    }

    void cleanupTestCase() {
        m_prikaz.reset();
        m_spojenie.reset();
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<Connection> m_spojenie;
    std::unique_ptr<Command> m_prikaz;
    bool m_nesuhlasi = false;
};

QTEST_MAIN(TestLaktela)
#include "tst_laktela.moc"
