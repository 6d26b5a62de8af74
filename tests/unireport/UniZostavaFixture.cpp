#include "UniZostavaFixture.h"

#include "data/Connection.h"
#include "data/ReportReaderAccount.h"

#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

void UniZostavaFixture::vytvor(TestDatabase& db) {
    db.exec(u"CREATE TABLE uz_vzorka (usnecislo VARCHAR(14) NOT NULL, meno VARCHAR(40) NULL, "
            u"plemeno CHAR(2) NULL, poradie SMALLINT NULL, mlieko_max INT NULL, pocet BIGINT NULL, "
            u"tuk_perc DOUBLE NULL, krv DECIMAL(5,1) NULL, datumnarodenia DATE NULL, "
            u"vlozene DATETIME NULL, cas TIME NULL, tuk DOUBLE NULL) "
            u"DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci"_s);
    db.exec(u"INSERT INTO uz_vzorka VALUES "
            u"('SK000000000001', 'Straka', 'HB', 1, 9500, 10, 4.25, 87.5, '2010-01-01', "
            u"'2010-02-01 08:30:00', '08:30:00', 400), "
            u"('SK000000000002', 'O''Neil', 'SS', 2, 8800, 20, 3.5, 50.0, '2012-05-06', "
            u"'2012-05-06 00:00:00', '12:00:00', 310), "
            u"('SK000000000003', 'a\\\\b', 'PI', 3, 6000, 30, 4.2, 100.0, '2015-07-08', NULL, "
            u"NULL, 250), "
            u"('SK000000000004', 'Lýra', 'HB', 3, 12000, 40, 3.9, 62.5, '2016-03-30', "
            u"'2020-01-01 10:00:00', '18:45:00', 470)"_s);
    for (const QString& zdroj : ReportReaderAccount::sources()) {
        // A source the schema already defines gives way to the fixture, whatever its kind.
        db.exec(u"DROP VIEW IF EXISTS "_s + zdroj);
        db.exec(u"DROP TABLE IF EXISTS "_s + zdroj);
        db.exec(u"CREATE VIEW "_s + zdroj +
                (zdroj == u"uzkravy"_s
                     ? u" AS SELECT * FROM uz_vzorka"_s
                     : u" AS SELECT '"_s + zdroj + u"' AS zdroj, v.* FROM uz_vzorka v"_s));
    }
    Connection spojenie(db.settings());
    ReportReaderAccount::create(spojenie);
}

int UniZostavaFixture::ulozZostavu(TestDatabase& db, const QString& nazov, const QString& popis,
                                   const QString& prikaz, const QString& cas) {
    Connection spojenie(db.settings());
    spojenie.execute(
        u"INSERT INTO sys_zostavy (nazov, popis, sqlvyraz, modifikovana) VALUES "
        u"(:Nazov, :Popis, :Prikaz, :Cas)"_s,
        {{u"Nazov"_s, nazov}, {u"Popis"_s, popis}, {u"Prikaz"_s, prikaz}, {u"Cas"_s, cas}});
    QSqlQuery id = spojenie.execute(u"SELECT LAST_INSERT_ID()"_s);
    return id.next() ? id.value(0).toInt() : 0;
}
