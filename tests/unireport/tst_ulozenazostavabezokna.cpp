#include "UniZostavaFixture.h"
#include "common/TinyFilesystem.h"
#include "data/Connection.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// Saved universal reports run by the command-line runner, as an office schedules its lists:
/// printed with the viewer's layout, written into a workbook, listed, and refused as the
/// viewer refuses them.
class TestUlozenaZostavaBezOkna final : public QObject {
    Q_OBJECT

private:
    TestDatabase::ToolRun spusti(const QStringList& argumenty) {
        return m_db->runTool(u"tarvelin-report"_s, argumenty);
    }

    static QString vystupProgramu(const QString& program, const QStringList& argumenty) {
        QProcess proces;
        proces.start(program, argumenty);
        proces.waitForFinished(30'000);
        return QString::fromUtf8(proces.readAllStandardOutput());
    }

    QString subor(const QString& meno) const { return m_priecinok.filePath(meno); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_priecinok.isValid());
        m_db = std::make_unique<TestDatabase>(u"ulozenazostavabezokna"_s);
        UniZostavaFixture::vytvor(*m_db);
        m_db->exec(u"UPDATE param SET chovatel = '208123011'"_s);
        UniZostavaFixture::ulozZostavu(*m_db, u"Kravy"_s, u"staršia"_s,
                                       u"SELECT usnecislo FROM uzkravy"_s,
                                       u"2023-01-01 08:00:00"_s);
        UniZostavaFixture::ulozZostavu(
            *m_db, u"Kravy"_s, u"po 3. laktácii"_s,
            u"SELECT usnecislo, meno AS 'Meno kravy', mlieko_max, datumnarodenia FROM uzkravy "
            u"WHERE poradie = 3 ORDER BY mlieko_max DESC"_s,
            u"2024-03-05 14:30:00"_s);
        UniZostavaFixture::ulozZostavu(*m_db, u"Zápis"_s, QString(),
                                       u"UPDATE uzkravy SET mlieko_max = 0"_s,
                                       u"2024-03-05 14:30:00"_s);
    }

    void printsTheLastSavedOfTheName() {
        const QString pdf = subor(u"kravy.pdf"_s);
        const TestDatabase::ToolRun vysledok = spusti({u"--saved"_s, u"Kravy"_s, u"--pdf"_s, pdf});
        QVERIFY2(vysledok.exitCode == 0, qPrintable(vysledok.err));
        QVERIFY2(vysledok.err.contains(u"Zostáv s názvom „Kravy“ je 2"_s),
                 qPrintable(vysledok.err));
        QVERIFY(vysledok.err.contains(u"2 riadky, 1 strana"_s));
        const QString text = vystupProgramu(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        for (const QString& ocakavany :
             {u"Kravy"_s, u"po 3. laktácii"_s, u"Podnik: 208123"_s, u"Meno kravy"_s,
              u"mlieko_max"_s, u"datumnarodenia"_s, u"Lýra"_s, u"a\\b"_s, u"12000"_s})
            QVERIFY2(text.contains(ocakavany), qPrintable(ocakavany + u"\n"_s + text));
        QVERIFY(text.indexOf(u"Lýra"_s) < text.indexOf(u"a\\b"_s));
        QVERIFY(!text.contains(u"Straka"_s));
    }

    void writesRtfAndWorkbook() {
        const QString rtf = subor(u"kravy.rtf"_s);
        QCOMPARE(spusti({u"--saved"_s, u"Kravy"_s, u"--rtf"_s, rtf}).exitCode, 0);
        QFile rtfSubor(rtf);
        QVERIFY(rtfSubor.open(QIODevice::ReadOnly));
        QVERIFY(rtfSubor.readAll().contains("Meno kravy"));

        const QString xlsx = subor(u"kravy.xlsx"_s);
        const TestDatabase::ToolRun vysledok =
            spusti({u"--saved"_s, u"Kravy"_s, u"--xlsx"_s, xlsx});
        QVERIFY2(vysledok.exitCode == 0, qPrintable(vysledok.err));
        const QString harok =
            vystupProgramu(u"unzip"_s, {u"-p"_s, xlsx, u"xl/worksheets/sheet1.xml"_s});
        // Numbers and dates go in as such: 30. 3. 2016 is the spreadsheet's day 42459.
        for (const QString& bunka : {u"Meno kravy"_s, u"Lýra"_s, u"12000"_s, u"42459"_s})
            QVERIFY2(harok.contains(u">"_s + bunka + u"<"_s), qPrintable(bunka + u"\n"_s + harok));
        QVERIFY(vystupProgramu(u"unzip"_s, {u"-p"_s, xlsx, u"xl/workbook.xml"_s})
                    .contains(u"name=\"Kravy\""_s));
    }

    // A workbook that does not fit on the disk is named in a Slovak sentence, without the
    // library's own lines, and the file that stood there stays.
    void workbookOnAFullDisk() {
        TinyFilesystem disk(512 * 1024);
        if (!disk.isValid())
            QSKIP(qPrintable(disk.problem()));
        const QString xlsx = disk.filePath(u"kravy.xlsx"_s);
        {
            QFile predosly(xlsx);
            QVERIFY(predosly.open(QIODevice::WriteOnly));
            predosly.write("predošlý");
        }
        disk.leaveFree(2'000);
        const TestDatabase::ToolRun vysledok =
            spusti({u"--saved"_s, u"Kravy"_s, u"--xlsx"_s, xlsx});
        QCOMPARE(vysledok.exitCode, 1);
        QVERIFY2(vysledok.err.contains(u"Súbor %1 sa nedá zapísať: "_s.arg(xlsx)),
                 qPrintable(vysledok.err));
        QVERIFY2(vysledok.err.contains(u"na disku nie je miesto"_s) ||
                     vysledok.err.contains(u"nie je celý zapísaný"_s),
                 qPrintable(vysledok.err));
        QVERIFY2(!vysledok.err.contains(u"[ERROR]"_s), qPrintable(vysledok.err));
        QFile predosly(xlsx);
        QVERIFY(predosly.open(QIODevice::ReadOnly));
        QCOMPARE(predosly.readAll(), QByteArray("predošlý"));
    }

    void listsTheSavedDefinitions() {
        const TestDatabase::ToolRun vysledok = spusti({u"--list"_s});
        QCOMPARE(vysledok.exitCode, 0);
        QVERIFY(vysledok.out.contains(u"9.D"_s));
        QVERIFY2(vysledok.out.contains(u"Kravy  –  po 3. laktácii"_s), qPrintable(vysledok.out));
        QVERIFY(vysledok.out.contains(u"Zápis"_s));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("sprava");
        const QString pdf = u"/nonexistent-folder/x.pdf"_s;
        QTest::newRow("no such name")
            << QStringList{"--saved", "Niet", "--pdf", pdf} << 1 << "v databáze nie je";
        QTest::newRow("no output") << QStringList{"--saved", "Kravy"} << 2 << "práve jeden výstup";
        QTest::newRow("two outputs") << QStringList{"--saved", "Kravy", "--pdf", pdf, "--xlsx", pdf}
                                     << 2 << "práve jeden výstup";
        QTest::newRow("a code") << QStringList{"--saved", "Kravy", "--code", "208123", "--pdf", pdf}
                                << 2 << "--code";
        QTest::newRow("a report of the catalogue too")
            << QStringList{"9.D", "--saved", "Kravy", "--pdf", pdf} << 2 << "buď zostavu";
        QTest::newRow("workbook of the catalogue")
            << QStringList{"9.D", "--code", "208123", "--xlsx", pdf} << 2 << "--saved";
        QTest::newRow("a statement that writes")
            << QStringList{"--saved", "Zápis", "--pdf", pdf} << 1 << "iba jeden príkaz SELECT";
        QTest::newRow("a folder that is not there")
            << QStringList{"--saved", "Kravy", "--xlsx", u"/nonexistent-folder/x.xlsx"_s} << 1
            << "nonexistent-folder";
    }

    void refusals() {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, sprava);
        const TestDatabase::ToolRun vysledok = spusti(argumenty);
        QCOMPARE(vysledok.exitCode, kod);
        QVERIFY2(vysledok.err.contains(sprava), qPrintable(vysledok.err));
    }

    void cleanupTestCase() { m_db.reset(); }

private:
    QTemporaryDir m_priecinok;
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestUlozenaZostavaBezOkna)
#include "tst_ulozenazostavabezokna.moc"
