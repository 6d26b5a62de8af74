#include "demo/DemoHerd.h"
#include "laktacie/TestIntervalMethod.h"

#include <QCryptographicHash>
#include <QDate>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList statementsOf(const DemoHerdOptions& options) {
    QStringList statements;
    DemoHerd(options).generate([&](const QString& s) { statements.append(s); });
    return statements;
}

QByteArray fingerprint(const DemoHerdOptions& options) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    DemoHerd(options).generate([&](const QString& s) { hash.addData(s.toUtf8()); });
    return hash.result();
}

QString tableOf(const QString& statement) {
    static const QRegularExpression insert(u"^INSERT INTO (\\w+) "_s);
    return insert.match(statement).captured(1);
}

/// The value rows of one table's INSERT statements, each split into its literal values.
QList<QStringList> rowsOf(const QStringList& statements, const QString& table) {
    QList<QStringList> rows;
    for (const QString& statement : statements) {
        if (tableOf(statement) != table)
            continue;
        const QStringList lines = statement.split(QLatin1Char('\n'));
        for (qsizetype i = 1; i < lines.size(); ++i) {
            QString line = lines[i];
            line.remove(0, 1);
            line.chop(line.endsWith(QLatin1String("),")) ? 2 : 1);
            rows.append(line.split(u", "_s));
        }
    }
    return rows;
}

} // namespace

class TestDemoHerd final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sameOptionsGiveSameStatements() {
        DemoHerdOptions options;
        options.cows = 40;
        options.seed = 7;
        const QByteArray first = fingerprint(options);
        QCOMPARE(fingerprint(options), first);
        options.seed = 8;
        QVERIFY(fingerprint(options) != first);
    }

    void cowsInHerdMatchSize_data() {
        QTest::addColumn<int>("cows");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("a dozen") << 12;
        QTest::newRow("a cooperative") << 300;
    }

    void cowsInHerdMatchSize() {
        QFETCH(int, cows);
        DemoHerdOptions options;
        options.cows = cows;
        int inHerd = 0;
        // dovod_vyradenia_id 1 is the reason code 00: still in the herd.
        for (const QStringList& row : rowsOf(statementsOf(options), u"kravy"_s))
            inHerd += row.value(1) == QLatin1String("1");
        QCOMPARE(inHerd, cows);
    }

    void parentsAndReferencedRowsComeFirst() {
        DemoHerdOptions options;
        options.cows = 150;
        const QStringList statements = statementsOf(options);

        const QMap<QString, QStringList> references{
            {u"chovy"_s, {u"podniky"_s}},
            {u"mastale"_s, {u"chovy"_s}},
            {u"zvierata"_s, {u"mastale"_s}},
            {u"byky"_s, {u"zvierata"_s}},
            {u"kravy"_s, {u"zvierata"_s}},
            {u"jalovice"_s, {u"byky"_s}},
            {u"plemenne_hodnoty"_s, {u"zvierata"_s}},
            {u"laktacie"_s, {u"kravy"_s}},
            {u"prebiehajuce_laktacie"_s, {u"kravy"_s}},
            {u"kontroly"_s, {u"kravy"_s}},
        };
        QMap<QString, qsizetype> first;
        QMap<QString, qsizetype> last;
        for (qsizetype i = 0; i < statements.size(); ++i) {
            const QString table = tableOf(statements[i]);
            if (!first.contains(table))
                first[table] = i;
            last[table] = i;
        }
        for (auto it = references.cbegin(); it != references.cend(); ++it) {
            QVERIFY2(first.contains(it.key()), qPrintable(it.key()));
            for (const QString& parent : it.value())
                QVERIFY2(last.value(parent, -1) < first[it.key()],
                         qPrintable(it.key() + QLatin1String(" before ") + parent));
        }
        QVERIFY(
            statements.last().startsWith(QLatin1String("UPDATE param SET chovatel = '208123000'")));

        // zvierata refers to itself: a sire or dam must have a smaller id than its calf.
        for (const QStringList& row : rowsOf(statements, u"zvierata"_s)) {
            const int id = row.value(0).toInt();
            for (const QString& parent : {row.value(1), row.value(2)})
                QVERIFY2(parent == QLatin1String("NULL") || parent.toInt() < id,
                         qPrintable(row.mid(0, 3).join(QLatin1Char(' '))));
        }
    }

    // What the bonitation reports need to show something in every herd: sires with several
    // daughters (1.A and 1.B), bull dams (12), breeding values (16) and heifers of every age
    // band (21).
    void everyHerdHasWhatTheReportsShow() {
        DemoHerdOptions options;
        options.cows = 300;
        const QStringList statements = statementsOf(options);
        const auto unquoted = [](const QString& value) {
            return value.mid(1, value.size() - 2);
        };
        QMap<QString, QString> barnOf;
        QMap<QString, QDate> birthOf;
        QMap<QString, QString> sireOf;
        for (const QStringList& row : rowsOf(statements, u"zvierata"_s)) {
            barnOf[row[0]] = unquoted(row[15]);
            birthOf[row[0]] = QDate::fromString(unquoted(row[10]), Qt::ISODate);
            sireOf[row[0]] = row[1];
        }
        QSet<QString> evaluated;
        for (const QStringList& row : rowsOf(statements, u"plemenne_hodnoty"_s))
            evaluated.insert(row[0]);

        QMap<QString, int> bullDams;
        QMap<QString, int> daughters;
        for (const QStringList& row : rowsOf(statements, u"kravy"_s)) {
            if (row[1] != QLatin1String("1"))
                continue; // culled
            QVERIFY2(evaluated.contains(row[0]), qPrintable(row[0]));
            const QString herd = barnOf[row[0]].left(8);
            bullDams[herd] += row[7] == QLatin1String("'1'");
            if (sireOf[row[0]] != QLatin1String("NULL"))
                ++daughters[herd + sireOf[row[0]]];
        }
        QCOMPARE(bullDams.size(), 3);
        for (auto it = bullDams.cbegin(); it != bullDams.cend(); ++it)
            QVERIFY2(it.value() > 0, qPrintable(it.key()));
        for (const QString& herd : bullDams.keys()) {
            int sires = 0;
            for (auto it = daughters.cbegin(); it != daughters.cend(); ++it)
                sires += it.key().startsWith(herd) && it.value() >= 5;
            QVERIFY2(sires >= 2, qPrintable(herd));
        }

        QSet<int> bands;
        for (const QStringList& row : rowsOf(statements, u"jalovice"_s)) {
            const QDate birth = birthOf[row[0]];
            int months = (options.until.year() - birth.year()) * 12 + options.until.month() -
                         birth.month() - (options.until.day() < birth.day() ? 1 : 0);
            bands.insert(std::min(months / 6, 4));
        }
        QCOMPARE(bands, (QSet<int>{0, 1, 2, 3, 4}));
    }

    void testIntervalMethod_data() {
        QTest::addColumn<QList<int>>("days");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<double>("yield");
        QTest::newRow("no test") << QList<int>{} << QList<double>{} << 0 << 305 << 0.0;
        QTest::newRow("one test stands for the whole lactation")
            << QList<int>{20} << QList<double>{30} << 0 << 100 << 3000.0;
        QTest::newRow("calving to first, between tests, last to drying off")
            << QList<int>{10, 40} << QList<double>{20, 30} << 0 << 100
            << 10 * 20 + 30 * 25 + 60 * 30.0;
        QTest::newRow("standardised lactation cut inside an interval")
            << QList<int>{300, 330} << QList<double>{10, 16} << 0 << 305 << 300 * 10 + 5 * 10.5;
        QTest::newRow("window of days 200 to 300")
            << QList<int>{100, 300} << QList<double>{20, 10} << 200 << 300 << 100 * 12.5;
    }

    void testIntervalMethod() {
        QFETCH(QList<int>, days);
        QFETCH(QList<double>, values);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(double, yield);
        std::vector<TestIntervalMethod::Point> points;
        for (qsizetype i = 0; i < days.size(); ++i)
            points.push_back({days[i], values[i]});
        QCOMPARE(TestIntervalMethod::integrate(points, from, to), yield);
    }

    // The yield to a day of the lactation: tests on or before it, the last carried to it.
    void yieldToDay_data() {
        QTest::addColumn<QList<int>>("days");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("yield");
        QTest::newRow("no test") << QList<int>{} << QList<double>{} << 100 << 0.0;
        QTest::newRow("last test carried to the day")
            << QList<int>{30, 60, 90} << QList<double>{30, 32, 34} << 100
            << 30 * 30 + 30 * 31 + 30 * 33 + 10 * 34.0;
        QTest::newRow("a test after the day is left out")
            << QList<int>{60, 120} << QList<double>{10, 40} << 100 << 100 * 10.0;
        QTest::newRow("a test on the day")
            << QList<int>{50, 100} << QList<double>{10, 20} << 100 << 50 * 10 + 50 * 15.0;
        QTest::newRow("tested only later: the first test stands for the days")
            << QList<int>{120} << QList<double>{20} << 100 << 2000.0;
    }
    void yieldToDay() {
        QFETCH(QList<int>, days);
        QFETCH(QList<double>, values);
        QFETCH(int, day);
        QFETCH(double, yield);
        std::vector<TestIntervalMethod::Point> points;
        for (qsizetype i = 0; i < days.size(); ++i)
            points.push_back({days[i], values[i]});
        QCOMPARE(TestIntervalMethod::yieldTo(points, day), yield);
    }
};

QTEST_GUILESS_MAIN(TestDemoHerd)
#include "tst_demoherd.moc"
