#include "exchange/ZoradeneKontroly.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Den {
    QString krava;
    int datum;
};

} // namespace

Q_DECLARE_METATYPE(QList<Den>)

class TestZoradeneKontroly : public QObject {
    Q_OBJECT

private slots:
    void istoBezDuplicit_data() {
        QTest::addColumn<QList<Den>>("dni");
        QTest::addColumn<bool>("isto");
        const QString a = u"SK208100010013"_s, b = u"SK208100010152"_s, c = u"SK400000156790"_s;
        QTest::newRow("no test days") << QList<Den>{} << true;
        QTest::newRow("cows together, in ear-number order")
            << QList<Den>{{a, 10}, {a, 40}, {b, 10}, {b, 40}, {c, 10}} << true;
        // Exports write cows in the database's order, which need not be the ear numbers'.
        QTest::newRow("cows together, in another order")
            << QList<Den>{{c, 10}, {c, 40}, {a, 10}, {b, 10}, {b, 40}} << true;
        QTest::newRow("a cow's days out of date order") << QList<Den>{{a, 40}, {a, 10}} << true;
        QTest::newRow("one cow twice on one day") << QList<Den>{{a, 10}, {a, 40}, {a, 10}} << false;
        QTest::newRow("a cow back after another cow, on another day")
            << QList<Den>{{a, 10}, {b, 10}, {a, 40}} << false;
        QTest::newRow("a cow back after another cow, on her day")
            << QList<Den>{{c, 10}, {a, 10}, {c, 10}} << false;
    }

    void istoBezDuplicit() {
        QFETCH(QList<Den>, dni);
        QFETCH(bool, isto);
        ZoradeneKontroly poradie;
        for (const Den& d : dni)
            poradie.kontrola(d.krava, d.datum);
        QCOMPARE(poradie.istoBezDuplicit(), isto);
    }
};

QTEST_APPLESS_MAIN(TestZoradeneKontroly)
#include "tst_zoradenekontroly.moc"
