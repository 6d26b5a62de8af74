#include "common/TestDatabase.h"
#include "data/BulkInsert.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"

#include <QDate>
#include <QSqlQuery>
#include <QTest>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(BulkInsert::Transfer)

/// Rows reach the table value for value whichever way they travel: as arrays of a statement of
/// one row (MariaDB) or as a statement of many rows (other servers), in full and partial batches.
class TestBulkInsert final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(u"bulkinsert"_s); }

    void everyValueArrives_data() {
        QTest::addColumn<BulkInsert::Transfer>("transfer");
        QTest::addColumn<int>("rowsPerStatement");
        QTest::newRow("arrays, one batch") << BulkInsert::Transfer::Best << 0;
        QTest::newRow("arrays, full and partial batches") << BulkInsert::Transfer::Best << 2;
        QTest::newRow("statements of rows, one batch")
            << BulkInsert::Transfer::StatementOfRows << 0;
        QTest::newRow("statements of rows, full and partial batches")
            << BulkInsert::Transfer::StatementOfRows << 2;
    }
    void everyValueArrives() {
        QFETCH(BulkInsert::Transfer, transfer);
        QFETCH(int, rowsPerStatement);
        Connection connection(m_db->settings());
        tabulka(connection);
        BulkInsert insert(connection, u"hromadne"_s,
                          {u"i"_s, u"t"_s, u"x"_s, u"d"_s, u"prazdny"_s, u"zmes"_s},
                          rowsPerStatement, transfer);
        const int den = int(QDate(2021, 3, 5).toJulianDay());
        insert.row().integer(1).text(u"Ľúbica"_s).number(24.5).date(den).null().integer(7);
        // An empty text stays empty; a null text, a number that is not finite and day 0 are
        // nulls.
        insert.row().integer(2).text(u""_s).number(NAN).date(0).null().text(u"a"_s);
        insert.row().integer(3).text(QString()).number(-0.125).date(den + 1).null().null();
        insert.row()
            .integer(4)
            .text(std::string_view("SK208100010013"))
            .null()
            .null()
            .null()
            .text(u"b"_s);
        insert.row().integer(5).null().number(1e-3).date(den).null().integer(-2);
        insert.finish();
        QCOMPARE(insert.rows(), 5);

        QSqlQuery stored = connection.execute(
            u"SELECT i, IFNULL(t, '~'), IFNULL(x, '~'), IFNULL(d, '~'), IFNULL(prazdny, '~'), "
            u"IFNULL(zmes, '~') FROM hromadne ORDER BY i"_s);
        QStringList rows;
        while (stored.next()) {
            QStringList values;
            for (int c = 0; c < 6; ++c)
                values << stored.value(c).toString();
            rows << values.join(u'|');
        }
        QCOMPARE(rows, QStringList({u"1|Ľúbica|24.5|2021-03-05|~|7"_s, u"2||~|~|~|a"_s,
                                    u"3|~|-0.125|2021-03-06|~|~"_s, u"4|SK208100010013|~|~|~|b"_s,
                                    u"5|~|0.001|2021-03-05|~|-2"_s}));
    }

    void refusedRowNamesTheTable_data() {
        QTest::addColumn<BulkInsert::Transfer>("transfer");
        QTest::newRow("arrays") << BulkInsert::Transfer::Best;
        QTest::newRow("statements of rows") << BulkInsert::Transfer::StatementOfRows;
    }
    void refusedRowNamesTheTable() {
        QFETCH(BulkInsert::Transfer, transfer);
        Connection connection(m_db->settings());
        tabulka(connection);
        BulkInsert insert(connection, u"hromadne"_s, {u"i"_s, u"t"_s}, 0, transfer);
        insert.row().integer(1).text(u"a"_s);
        insert.row().integer(1).text(u"b"_s);
        try {
            insert.finish();
            QFAIL("a key the table holds already was written again");
        } catch (const DatabaseError& error) {
            QVERIFY2(error.message().contains(u"Zápis do tabuľky hromadne"_s),
                     qPrintable(error.message()));
        }
    }

private:
    static void tabulka(Connection& connection) {
        connection.executeDirect(u"DROP TEMPORARY TABLE IF EXISTS hromadne"_s);
        connection.executeDirect(
            u"CREATE TEMPORARY TABLE hromadne (i INT NOT NULL, t VARCHAR(20) NULL, x DOUBLE NULL, "
            u"d DATE NULL, prazdny INT NULL, zmes VARCHAR(10) NULL, PRIMARY KEY (i)) DEFAULT "
            u"CHARSET=utf8mb4 "
            u"COLLATE=utf8mb4_unicode_ci"_s);
    }

    std::unique_ptr<TestDatabase> m_db;
};

QTEST_GUILESS_MAIN(TestBulkInsert)
#include "tst_bulkinsert.moc"
