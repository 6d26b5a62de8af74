#include "common/TestDatabase.h"
#include "data/DatabaseError.h"
#include "data/Query.h"
#include "views/ZoradPodlaStlpca.h"
#include "widgets/DBGrid.h"

#include <QtTest>
#include <memory>

namespace {

const QColor zelena(230, 255, 230);

QList<int> poradieId(const Query& query) {
    QList<int> ids;
    for (int row = 0; row < query.recordCount(); ++row)
        ids << query.value(row, query.fieldIndex("zviera_id")).toInt();
    return ids;
}

QList<int> zelene(const DBGrid& grid) {
    QList<int> columns;
    for (int column = 0; column < grid.model()->columnCount(); ++column)
        if (grid.columnColor(column) == zelena)
            columns << column;
    return columns;
}

} // namespace

/// Sorting a grid by clicks on its column titles, done by the server through one ORDER BY
/// clause at the end of the grid's statement.
class TestZoradPodlaStlpca final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>("zoradpodlastlpca");
        m_connection = std::make_unique<Connection>(m_db->settings());
    }

    void init() {
        m_db->exec("DROP TABLE IF EXISTS poradie_test");
        m_db->exec("CREATE TABLE poradie_test (zviera_id INT, usnecislo VARCHAR(14), "
                   "chovatel VARCHAR(9), vaha INT)");
        // The last cow is of another barn: the filter must hold through every sort.
        m_db->exec("INSERT INTO poradie_test VALUES (1, 'SK000000000002', '101010011', 600),"
                   "(2, 'SK000000000003', '101010011', 550),"
                   "(3, 'SK000000000001', '101010012', 700),"
                   "(4, 'SK000000000000', '201010011', 500)");
        m_query = std::make_unique<Query>(m_connection.get());
        m_query->setSql({"SELECT * FROM poradie_test", "WHERE chovatel LIKE :Chov"});
        m_query->setParameter("Chov", "1%");
        m_grid = std::make_unique<DBGrid>();
        m_grid->setDataset(m_query.get());
        m_stav = {};
    }

    void clicksSortUpDownAndCarryTheDirection() {
        struct Klik {
            int stlpec;
            const char* pole;
            const char* smer;
            QList<int> ids;
        };
        // Columns: 0 zviera_id, 1 usnecislo, 2 chovatel, 3 vaha.
        const QList<Klik> kliky = {{1, "usnecislo", "ASC", {3, 1, 2}},
                                   {1, "usnecislo", "DESC", {2, 1, 3}},
                                   {3, "vaha", "DESC", {3, 1, 2}},
                                   {3, "vaha", "ASC", {2, 1, 3}}};
        m_query->open();
        for (const Klik& klik : kliky) {
            ZoradPodlaStlpca(*m_grid, *m_query, m_stav, klik.stlpec);
            const QString clause = QString(" ORDER BY %1 %2").arg(klik.pole, klik.smer);
            QCOMPARE(m_stav.ZoradenePodla, klik.pole);
            QCOMPARE(m_stav.SmerZoradenia, klik.smer);
            QCOMPARE(m_query->sql(), (QStringList{"SELECT * FROM poradie_test",
                                                  "WHERE chovatel LIKE :Chov", clause}));
            QVERIFY(m_query->isOpen());
            QCOMPARE(poradieId(*m_query), klik.ids);
            QCOMPARE(m_query->currentRow(), 0);
            QCOMPARE(zelene(*m_grid), QList<int>{klik.stlpec});
            QCOMPARE(m_grid->columnColor(0), m_grid->palette().color(QPalette::Base));
        }
    }

    void closedQueryChangesNothing() {
        m_grid->setColumns({{"zviera_id", "Id"}, {"usnecislo", "Ušné číslo"}});
        m_query->open();
        ZoradPodlaStlpca(*m_grid, *m_query, m_stav, 0);
        m_query->close();
        const QStringList sql = m_query->sql();

        ZoradPodlaStlpca(*m_grid, *m_query, m_stav, 1);

        QVERIFY(!m_query->isOpen());
        QCOMPARE(m_query->sql(), sql);
        QCOMPARE(m_stav.ZoradenePodla, "zviera_id");
        QCOMPARE(m_stav.SmerZoradenia, "ASC");
        QCOMPARE(zelene(*m_grid), QList<int>{0});
    }

    void columnWithoutFieldChangesNothing() {
        m_grid->setColumns({{"zviera_id"}, {"dovod"}});
        m_query->open();
        const QStringList sql = m_query->sql();
        ZoradPodlaStlpca(*m_grid, *m_query, m_stav, 1);
        QCOMPARE(m_query->sql(), sql);
        QVERIFY(m_stav.ZoradenePodla.isEmpty() && m_stav.SmerZoradenia.isEmpty());
        QVERIFY(zelene(*m_grid).isEmpty());
    }

    void ownClauseIsCutAndTextTrimmed() {
        // The working-table query of the cow card starts with an empty line.
        m_query->setSql({"", "Select * from poradie_test", "where  chovatel like :Chov"});
        m_query->open();
        ZoradPodlaStlpca(*m_grid, *m_query, m_stav, 3);
        QCOMPARE(m_query->sql(), (QStringList{"", "Select * from poradie_test",
                                              "where  chovatel like :Chov", " ORDER BY vaha ASC"}));
        ZoradPodlaStlpca(*m_grid, *m_query, m_stav, 3);
        QCOMPARE(m_query->sql(),
                 (QStringList{"Select * from poradie_test", "where  chovatel like :Chov",
                              " ORDER BY vaha DESC"}));
        QCOMPARE(poradieId(*m_query), (QList<int>{3, 1, 2}));
    }

    void fieldNamesThatAreNoPlainNamesAreQuoted_data() {
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QString>("clause");
        QTest::newRow("blank and diacritics") << "`Váha kg`"
                                              << " ORDER BY `Váha kg` ASC";
        QTest::newRow("closing quote") << "`v``aha`"
                                       << " ORDER BY `v``aha` ASC";
        QTest::newRow("statement after it") << "`vaha; DROP TABLE poradie_test`"
                                            << " ORDER BY `vaha; DROP TABLE poradie_test` ASC";
    }
    void fieldNamesThatAreNoPlainNamesAreQuoted() {
        QFETCH(QString, alias);
        QFETCH(QString, clause);
        m_query->setSql({"SELECT zviera_id, vaha AS " + alias + " FROM poradie_test",
                         "WHERE chovatel LIKE :Chov"});
        m_query->open();
        ZoradPodlaStlpca(*m_grid, *m_query, m_stav, 1);
        QCOMPARE(m_query->sql().last(), clause);
        QCOMPARE(poradieId(*m_query), (QList<int>{2, 1, 3}));
    }

    void gridsOfOneQueryKeepTheirOwnState() {
        DBGrid druhyGrid;
        druhyGrid.setDataset(m_query.get());
        StavZoradenia druhyStav;
        m_query->open();

        ZoradPodlaStlpca(*m_grid, *m_query, m_stav, 1);
        ZoradPodlaStlpca(druhyGrid, *m_query, druhyStav, 1);

        QCOMPARE(m_stav.SmerZoradenia, "ASC");
        QCOMPARE(druhyStav.SmerZoradenia, "ASC");
        QCOMPARE(m_query->sql().size(), 3);
        ZoradPodlaStlpca(druhyGrid, *m_query, druhyStav, 3);
        QCOMPARE(zelene(*m_grid), QList<int>{1});
        QCOMPARE(zelene(druhyGrid), QList<int>{3});
        QCOMPARE(m_query->sql().last(), " ORDER BY vaha ASC");
    }

    void rejectedStatementLeavesQueryClosed() {
        m_query->open();
        ZoradPodlaStlpca(*m_grid, *m_query, m_stav, 1);
        m_db->exec("DROP TABLE poradie_test");

        QVERIFY_THROWS_EXCEPTION(DatabaseError, ZoradPodlaStlpca(*m_grid, *m_query, m_stav, 3));

        QVERIFY(!m_query->isOpen());
        QCOMPARE(m_query->sql().last(), " ORDER BY vaha ASC");
        QCOMPARE(m_stav.ZoradenePodla, "vaha");
        QCOMPARE(m_grid->columnColor(1), zelena);
        QVERIFY(m_grid->columnColor(3) != zelena);
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<Query> m_query;
    std::unique_ptr<DBGrid> m_grid;
    StavZoradenia m_stav;
};

QTEST_MAIN(TestZoradPodlaStlpca)
#include "tst_ZoradPodlaStlpca.moc"
