#include "exchange/ChybaVymeny.h"
#include "exchange/CitanieVymeny.h"
#include "exchange/SubezneCitanie.h"
#include "exchange/ZaznamyVymeny.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Takes only locations, checking each comes on the thread that reads.
class Zberac : public PrijemcaZaznamov {
public:
    std::function<void()> poZazname;
    QStringList kody;
    bool cudziVlakno = false;

    void lokalita(const ZaznamLokality& z) override {
        cudziVlakno =
            cudziVlakno || QThread::currentThread() != QCoreApplication::instance()->thread();
        kody << z.kod;
        if (poZazname)
            poZazname();
    }
    void zviera(const ZaznamZvierata&) override {}
    void narodenie(const ZaznamNarodenia&) override {}
    void prichod(const ZaznamPrichodu&) override {}
    void odchod(const ZaznamOdchodu&) override {}
    void otelenie(const ZaznamOtelenia&) override {}
    void zasusenie(const ZaznamZasusenia&) override {}
    void kontrola(const ZaznamKontroly&) override {}
    void laktacia(const ZaznamLaktacie&) override {}
    void hodnoty(const ZaznamHodnot&) override {}
};

int dnes() {
    return int(QDate::currentDate().toJulianDay());
}

} // namespace

// Far more records than the batches that may wait between the threads, so the reading thread
// runs ahead and blocks, and more than a megabyte, so progress is reported.
class TestSubezneCitanie : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    static constexpr int kLokality = 20000;

    QString subor(const QString& nazov, const QString& posledny) {
        const QString cesta = m_dir.filePath(nazov);
        QFile f(cesta);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write the fixture");
        f.write("{\"locations\": {\"member\": [\n");
        for (int i = 0; i < kLokality; ++i)
            f.write(
                u"{\"resourceType\": \"icarLocationResource\", \"identifier\": {\"id\": \"%1\", "
                u"\"scheme\": \"sk.chovatel\"}, \"name\": \"Farma %2\"},\n"_s.arg(400000 + i)
                    .arg(i)
                    .toUtf8());
        f.write(posledny.toUtf8());
        f.write("\n]}}\n");
        return cesta;
    }

private slots:
    void everyRecordInOrderOnTheCallingThread() {
        const QString cesta =
            subor(u"cele.json"_s, u"{\"resourceType\": \"icarLocationResource\", \"identifier\": "
                                  u"{\"id\": \"499999\", \"scheme\": \"sk.chovatel\"}}"_s);
        Zberac zberac;
        int hlasenia = 0;
        bool priebehVoVlakne = false;
        SubezneCitanie(zberac, dnes()).citaj(cesta, [&](qint64, qint64) {
            ++hlasenia;
            priebehVoVlakne = priebehVoVlakne ||
                              QThread::currentThread() != QCoreApplication::instance()->thread();
        });
        QCOMPARE(zberac.kody.size(), kLokality + 1);
        QCOMPARE(zberac.kody.first(), u"400000"_s);
        QCOMPARE(zberac.kody[12345], u"412345"_s);
        QCOMPARE(zberac.kody.last(), u"499999"_s);
        QVERIFY(!zberac.cudziVlakno);
        QVERIFY(hlasenia > 0);
        QVERIFY(!priebehVoVlakne);
    }

    // The refusal comes as the plain reading gives it, after the records before it.
    void refusalAsThePlainReadingGivesIt() {
        const QString cesta = subor(
            u"zly.json"_s, u"{\"resourceType\": \"icarLocationResource\", \"name\": \"X\"}"_s);
        Zberac obycajny;
        QString ocakavana;
        try {
            CitanieVymeny(obycajny, dnes()).citaj(cesta);
            QFAIL("the plain reading took the file");
        } catch (const OdmietnutySubor& chyba) {
            ocakavana = chyba.message();
        }
        Zberac zberac;
        try {
            SubezneCitanie(zberac, dnes()).citaj(cesta);
            QFAIL("the file was taken");
        } catch (const OdmietnutySubor& chyba) {
            QCOMPARE(chyba.message(), ocakavana);
        }
        QCOMPARE(zberac.kody, obycajny.kody);
    }

    // A receiver or a progress that gives up (a database error, the user's cancel) stops the
    // reading thread, also one waiting for room in the queue, and its exception comes out.
    void stopFromTheCallingThread_data() {
        QTest::addColumn<bool>("zPriebehu");
        QTest::newRow("receiver") << false;
        QTest::newRow("progress") << true;
    }
    void stopFromTheCallingThread() {
        QFETCH(bool, zPriebehu);
        const QString cesta =
            subor(u"zastav.json"_s, u"{\"resourceType\": \"icarLocationResource\", "
                                    u"\"identifier\": {\"id\": \"499999\", "
                                    u"\"scheme\": \"sk.chovatel\"}}"_s);
        Zberac zberac;
        const auto zrus = [] {
            throw ZrusenaVymena(u"Import je zrušený."_s);
        };
        if (!zPriebehu)
            zberac.poZazname = zrus;
        try {
            SubezneCitanie(zberac, dnes()).citaj(cesta, [&](qint64, qint64) {
                if (zPriebehu)
                    zrus();
            });
            QFAIL("the reading went on");
        } catch (const ZrusenaVymena&) {
        }
        QVERIFY(zberac.kody.size() < kLokality);
    }
};

QTEST_GUILESS_MAIN(TestSubezneCitanie)
#include "tst_subeznecitanie.moc"
