#include "data/DisplayFormat.h"
#include "data/FieldDef.h"
#include "data/Query.h"

#include <QDate>
#include <QLocale>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestDisplayFormat final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(u"sk_SK"_s)); }

    void numbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");

        QTest::newRow("two decimals") << 3.14159 << "##0.00"
                                      << "3,14";
        QTest::newRow("required leading zero") << 0.5 << "##0.00"
                                               << "0,50";
        QTest::newRow("whole kilograms") << 8800.4 << "###0"
                                         << "8800";
        QTest::newRow("more digits than the pattern") << 123456.0 << "###0"
                                                      << "123456";
        QTest::newRow("percent") << 3.9 << "#0.00"
                                 << "3,90";
        QTest::newRow("half rounds away from zero") << 0.125 << "#0.00"
                                                    << "0,13";
        QTest::newRow("negative half away from zero") << -0.125 << "#0.00"
                                                      << "-0,13";
        // Halves that a double holds a hair below their decimal value.
        QTest::newRow("0,55 as a double") << 0.55 << "0.0"
                                          << "0,6";
        double elevenShares = 0;
        for (int i = 0; i < 11; ++i)
            elevenShares += 100.0 / 2000;
        QTest::newRow("eleven shares of 0,05 summed") << elevenShares << "0.0"
                                                      << "0,6";
        QTest::newRow("1,005 to two decimals") << 1.005 << "0.00"
                                               << "1,01";
        QTest::newRow("6,45 to one decimal") << 129 * 100.0 / 2000 << "0.0"
                                             << "6,5";
        QTest::newRow("negative that rounds to zero") << -0.001 << "#0.00"
                                                      << "0,00";
        QTest::newRow("lactation order") << 2.0 << "0"
                                         << "2";
        QTest::newRow("index with one decimal") << 104.25 << "##0.0"
                                                << "104,3";
        QTest::newRow("no pattern keeps the digits") << 3.5 << ""
                                                     << "3,5";
        QTest::newRow("no pattern, no grouping") << 10200.0 << ""
                                                 << "10200";
        QTest::newRow("optional digits only") << 0.0 << "###"
                                              << "0";
    }
    void numbers() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(DisplayFormat::formatNumber(value, pattern), expected);
    }

    void fieldsByKind() {
        QCOMPARE(DisplayFormat::text(QVariant(), FieldDef::floating("mlieko").shown("####0")),
                 QString());
        QCOMPARE(DisplayFormat::text(QDate(2026, 3, 5), FieldDef::date("datum")),
                 QLocale().toString(QDate(2026, 3, 5), QLocale::ShortFormat));
        QCOMPARE(DisplayFormat::text(7, FieldDef::smallInt("poradie")), u"7"_s);
        QCOMPARE(DisplayFormat::text(75.0, FieldDef::decimal("krv1", 5, 1)), u"75"_s);
        QCOMPARE(DisplayFormat::text(u"SS"_s, FieldDef::fixedText("plemeno1", 2)), u"SS"_s);
    }

    void placeholders_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("names");

        QTest::newRow("two, in order")
            << "WHERE a LIKE :Chov AND b = :UsneCislo" << QStringList{"Chov", "UsneCislo"};
        QTest::newRow("repeated once") << ":Dni + :Dni" << QStringList{"Dni"};
        QTest::newRow("inside quotes is text")
            << "WHERE a = ':Nie' AND b = :Ano" << QStringList{"Ano"};
        QTest::newRow("escaped quote") << R"(WHERE a = 'x\':y' AND b = :B)" << QStringList{"B"};
        QTest::newRow("time literal and cast") << "SELECT '10:30', a::int" << QStringList{};
        QTest::newRow("interval parameter")
            << "date_sub('2006-03-30', interval :Dni day) <= datum" << QStringList{"Dni"};
    }
    void placeholders() {
        QFETCH(QString, sql);
        QFETCH(QStringList, names);
        QCOMPARE(Query::placeholders(sql), names);
    }
};

QTEST_GUILESS_MAIN(TestDisplayFormat)
#include "tst_displayformat.moc"
