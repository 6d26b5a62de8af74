#include "common/TestDatabase.h"
#include "data/DatabaseError.h"
#include "data/TDataModuleHlavny.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// The main data module against a demo herd: every dataset opens with exactly its declared
/// fields, parameters are bound (never pasted), the connection reopens on demand, and every
/// statement shows in the log.
class TestDataModule final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"datamodule"_s);
        m_db->loadDemo(120, 11);
        m_module = std::make_unique<TDataModuleHlavny>(m_db->settings());
        m_db->exec(u"DROP TABLE IF EXISTS laktela"_s);
        m_db->exec(
            u"CREATE TABLE laktela (otec varchar(14) NULL, matka varchar(14) NULL) select l.*, "
            u"j.usnecislo as usnecislotelata from jalovice_view j right join laktacie_view l on "
            u"l.datumotelenia = j.datumnarodenia and l.krava_id = j.matka_id"_s);
        QSqlQuery any = m_module->ADOConnectionTarvelin->execute(
            u"SELECT usnecislo, chovatel FROM kravy_view ORDER BY usnecislo LIMIT 1"_s);
        QVERIFY(any.next());
        m_cow = any.value(0).toString();
        m_enterprise = any.value(1).toString().left(6);
    }

    void createdOpen() {
        QVERIFY(m_module->ADOConnectionTarvelin->isOpen());
        QVERIFY(m_module->ADOQueryUniZostavy->isOpen());
        QVERIFY(m_module->ADOQueryParam->isOpen());
        QCOMPARE(m_module->ADOQueryParam->recordCount(), 1);
        QCOMPARE(m_module->ADOQueryParam->text(u"Chovatel"_s).left(6), m_enterprise);
        QVERIFY(!m_module->ADOQueryZvierata->isOpen());
    }

    void datasetsOpenWithTheirFields_data() {
        QTest::addColumn<QString>("dataset");
        QTest::addColumn<int>("fieldCount");

        QTest::newRow("animals") << "ADOQueryZvierata" << 19;
        QTest::newRow("cow") << "ADOQueryKrava" << 61;
        QTest::newRow("milk controls") << "ADOQueryKontrolyMlieka" << 21;
        QTest::newRow("lactations") << "ADOQueryLaktacie" << 32;
        QTest::newRow("pedigree") << "ADOQueryRodokmen" << 16;
        QTest::newRow("cow's milk controls") << "ADOQueryKontrolyMliekaKravy" << 21;
        QTest::newRow("running lactations") << "ADOQueryPrebiehajuceLaktacie" << 31;
        QTest::newRow("culled cows") << "ADOQueryVyradeneKravy" << 6;
        QTest::newRow("cow's lactations") << "ADOQueryLaktacieKravy" << 34;
        QTest::newRow("lactation curve") << "ADOQueryLaktacnaKrivka" << -1;
        QTest::newRow("saved reports") << "ADOQueryUniZostavy" << 5;
    }
    void datasetsOpenWithTheirFields() {
        QFETCH(QString, dataset);
        QFETCH(int, fieldCount);
        auto* query = m_module->findChild<Query*>(dataset);
        QVERIFY(query);
        query->close();
        for (const QString& name : query->parameterNames()) {
            if (name == QLatin1String("Chov"))
                query->setParameter(name, m_enterprise + QLatin1Char('%'));
            else if (name == QLatin1String("Dni"))
                query->setParameter(name, 5000);
            else if (name == QLatin1String("Poradie"))
                query->setParameter(name, 1);
            else
                query->setParameter(name, m_cow);
        }
        query->open();
        if (fieldCount >= 0) {
            QCOMPARE(query->fieldCount(), fieldCount);
            for (int i = 0; i < fieldCount; ++i)
                QCOMPARE(query->fields()[i].name, query->declaredFields()[i].name);
        }
        // Culled cows are those of the last 180 days before today, and no report is saved yet.
        if (dataset != QLatin1String("ADOQueryVyradeneKravy") &&
            dataset != QLatin1String("ADOQueryUniZostavy"))
            QVERIFY2(query->recordCount() > 0, qPrintable(dataset));
        query->close();
    }

    void culledCowsShareTheAnimalsFields() {
        Query* zvierata = m_module->ADOQueryZvierata;
        zvierata->close();
        zvierata->setSql({u"SELECT * FROM vyradene_kravy_view WHERE chovatel LIKE :Chov"_s});
        zvierata->setParameter(u"Chov"_s, m_enterprise + QLatin1Char('%'));
        zvierata->open();
        QCOMPARE(zvierata->fieldCount(), 19);
        QVERIFY(zvierata->recordCount() > 0);
        QCOMPARE(zvierata->fields().last().name, u"dovod"_s);
        QVERIFY(!zvierata->value(0, 18).toString().isEmpty());
        zvierata->close();
    }

    void awkwardParameterValues_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("matches");
        QTest::newRow("injection attempt") << "x' OR '1'='1" << false;
        QTest::newRow("quote and percent") << "20'%" << false;
        QTest::newRow("percent alone matches all") << "%" << true;
        QTest::newRow("backslash") << "\\" << false;
    }
    void awkwardParameterValues() {
        QFETCH(QString, code);
        QFETCH(bool, matches);
        Query* zvierata = m_module->ADOQueryZvierata;
        zvierata->close();
        zvierata->setSql({u"SELECT * FROM kravy_view"_s, u"WHERE chovatel LIKE :Chov"_s});
        zvierata->setParameter(u"Chov"_s, code);
        zvierata->open();
        QCOMPARE(zvierata->recordCount() > 0, matches);
        zvierata->close();
    }

    void missingDeclaredFieldNamesItAndTheDataset() {
        Query query(m_module->ADOConnectionTarvelin);
        query.setObjectName(u"ADOQuerySkuska"_s);
        query.setSql({u"SELECT usnecislo FROM kravy_view"_s});
        query.setDeclaredFields(
            {FieldDef::text(u"usnecislo"_s, 14), FieldDef::text(u"dovod"_s, 50)});
        try {
            query.open();
            QFAIL("opening should fail");
        } catch (const DatabaseError& error) {
            QVERIFY(error.message().contains(u"ADOQuerySkuska"_s));
            QVERIFY(error.message().contains(u"'dovod'"_s));
        }
        QVERIFY(!query.isOpen());
    }

    void unknownParameterIsRefused() {
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 m_module->ADOQueryZvierata->setParameter(u"Nic"_s, 1));
    }

    void closedConnectionReopensOnDemand() {
        Connection* connection = m_module->ADOConnectionTarvelin;
        connection->close();
        QVERIFY(!connection->isOpen());
        Query* krava = m_module->ADOQueryKrava;
        krava->close();
        krava->setParameter(u"UsneCislo"_s, m_cow);
        krava->open();
        QVERIFY(connection->isOpen());
        QCOMPARE(krava->text(u"usnecislo"_s), m_cow);
        krava->close();
    }

    void statementLogHasTextAndValues() {
        QSignalSpy spy(m_module->ADOConnectionTarvelin, &Connection::statementSent);
        Query* rodokmen = m_module->ADOQueryRodokmen;
        rodokmen->close();
        rodokmen->setParameter(u"UsneCislo"_s, m_cow);
        rodokmen->open();
        rodokmen->close();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].toString(),
                 u"SELECT * FROM rodokmen_view\nWHERE usnecislo = :UsneCislo"_s);
        const auto parameters = spy[0][1].value<ParameterValues>();
        QCOMPARE(parameters.size(), size_t(1));
        QCOMPARE(parameters[0].first, u"UsneCislo"_s);
        QCOMPARE(parameters[0].second.toString(), m_cow);
    }

    void lactationsOfACowNeedTheWorkingTable() {
        m_db->exec(u"DROP TABLE laktela"_s);
        Query* laktacie = m_module->ADOQueryLaktacieKravy;
        laktacie->close();
        laktacie->setParameter(u"CisloKravy"_s, m_cow);
        try {
            laktacie->open();
            QFAIL("opening should fail without laktela");
        } catch (const DatabaseError& error) {
            QVERIFY2(error.message().contains(u"laktela"_s), qPrintable(error.message()));
        }
    }

    void cleanupTestCase() {
        m_module.reset();
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TDataModuleHlavny> m_module;
    QString m_cow;
    QString m_enterprise;
};

QTEST_GUILESS_MAIN(TestDataModule)
#include "tst_datamodule.moc"
