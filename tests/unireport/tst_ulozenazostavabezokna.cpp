#include "UniZostavaFixture.h"
#include "common/TestHelpers.h"
#include "common/TinyFilesystem.h"
#include "data/Connection.h"
#include "data/TDataModuleHlavny.h"
#include "unireport/core/DotazyUniZostavy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>

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

    // All the columns of a source with their display names and a condition run into thousands
    // of characters. A definition cut short at the column's old length printed another list
    // than the one saved, and the save had said it was stored.
    void longDefinitionIsSavedAndPrintedWhole() {
        QString prikaz =
            u"SELECT usnecislo, meno AS 'Meno kravy' FROM uzkravy WHERE mlieko_max > 0"_s;
        const QString podmienka = u" AND mlieko_max > 10000"_s;
        for (int i = 0;; ++i) {
            const QString dalsia = u" AND meno <> 'nikto %1'"_s.arg(i);
            if (prikaz.size() + dalsia.size() + podmienka.size() > 3'000)
                break;
            prikaz += dalsia;
        }
        prikaz += QString(3'000 - prikaz.size() - podmienka.size(), u' ') + podmienka;

        TDataModuleHlavny data(m_db->settings());
        DotazyUniZostavy::uloz(data, u"Dlhá"_s, u"všetky stĺpce"_s, prikaz);
        QCOMPARE(DotazyUniZostavy::podlaNazvu(*data.ADOConnectionTarvelin, u"Dlhá"_s)
                     .constFirst()
                     .SqlVyraz,
                 prikaz);

        const QString pdf = subor(u"dlha.pdf"_s);
        const TestDatabase::ToolRun vysledok = spusti({u"--saved"_s, u"Dlhá"_s, u"--pdf"_s, pdf});
        QVERIFY2(vysledok.exitCode == 0, qPrintable(vysledok.err));
        QVERIFY2(vysledok.err.contains(u"1 riadok"_s), qPrintable(vysledok.err));
        const QString text = vystupProgramu(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
        QVERIFY2(text.contains(u"Lýra"_s) && !text.contains(u"Straka"_s), qPrintable(text));
    }

    // The session is lenient for the reports' statements; the program's own writes are not.
    void valueLongerThanItsColumnIsRefused_data() {
        QTest::addColumn<QString>("nazov");
        QTest::addColumn<QString>("popis");
        QTest::addColumn<QString>("stlpec");
        QTest::newRow("name") << QString(51, u'n') << QString() << u"nazov"_s;
        QTest::newRow("description") << u"Popis"_s << QString(201, u'p') << u"popis"_s;
    }
    void valueLongerThanItsColumnIsRefused() {
        QFETCH(QString, nazov);
        QFETCH(QString, popis);
        QFETCH(QString, stlpec);
        TDataModuleHlavny data(m_db->settings());
        const QString chyba = failureOf(
            [&] { DotazyUniZostavy::uloz(data, nazov, popis, u"SELECT meno FROM uzkravy"_s); });
        QVERIFY2(chyba.contains(stlpec), qPrintable(chyba));
        QVERIFY(
            DotazyUniZostavy::podlaNazvu(*data.ADOConnectionTarvelin, nazov.left(50)).isEmpty());
        // The session goes on in the mode the reports' statements were written for.
        QSqlQuery rezim = data.ADOConnectionTarvelin->execute(u"SELECT @@SESSION.sql_mode"_s);
        QVERIFY(rezim.next());
        QCOMPARE(rezim.value(0).toString(), Connection::sqlMode());
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

    // A workbook is saved as every other file of the program: where something else than a file
    // stands, nothing is written and the thing is left as it was.
    void workbookOntoWhatIsNoFileIsRefused_data() {
        QTest::addColumn<QString>("druh");
        QTest::newRow("device") << u"device"_s;
        QTest::newRow("pipe") << u"pipe"_s;
        QTest::newRow("folder") << u"folder"_s;
    }
    void workbookOntoWhatIsNoFileIsRefused() {
        QFETCH(QString, druh);
        const QString cesta = subor(u"ciel-"_s + druh);
        const QByteArray meno = QFile::encodeName(cesta);
        if (druh == u"device"_s) {
            // The null device's numbers; only root may make a device node.
            if (::mknod(meno.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("making a device node needs root");
        } else if (druh == u"pipe"_s) {
            QCOMPARE(::mkfifo(meno.constData(), 0600), 0);
        } else {
            QVERIFY(QDir().mkpath(cesta));
        }
        struct stat pred {};
        QCOMPARE(::lstat(meno.constData(), &pred), 0);

        const TestDatabase::ToolRun vysledok =
            spusti({u"--saved"_s, u"Kravy"_s, u"--xlsx"_s, cesta});
        QCOMPARE(vysledok.exitCode, 1);
        QVERIFY2(vysledok.err.contains(u"nie je obyčajný súbor"_s), qPrintable(vysledok.err));
        struct stat po {};
        QCOMPARE(::lstat(meno.constData(), &po), 0);
        QCOMPARE(po.st_mode, pred.st_mode);
        QCOMPARE(po.st_rdev, pred.st_rdev);
        QCOMPARE(po.st_ino, pred.st_ino);
        // No draft is left beside it either.
        QCOMPARE(QDir(m_priecinok.path()).entryList({u".ciel-*"_s}, QDir::Hidden | QDir::Files),
                 QStringList());
    }

    // Several offices print the same definition for their own herds at once: each gets the rows
    // of its own selection, as it does when it runs alone.
    void selectionsPrintedAtOnceKeepTheirOwnRows() {
        m_db->exec(u"INSERT IGNORE INTO podniky (podnik, nazov) VALUES ('208123', 'Agro')"_s);
        m_db->exec(u"INSERT IGNORE INTO chovy (chov, podnik, nazov) VALUES "
                   u"('20812301', '208123', 'Dvor'), ('20812302', '208123', 'Lúka')"_s);
        m_db->exec(
            u"INSERT IGNORE INTO mastale (mastal, chov, nazov) VALUES "
            u"('208123011', '20812301', 'Kravín A'), ('208123021', '20812302', 'Kravín B')"_s);
        // Each row reads the parameter row a moment after the one before, as a long report's
        // reads go on after it has begun.
        m_db->exec(u"CREATE OR REPLACE VIEW uzbyky AS SELECT v.usnecislo, (SELECT p.chovatel FROM "
                   u"param p WHERE SLEEP(0.1) = 0 AND v.usnecislo IS NOT NULL) AS vyber "
                   u"FROM uz_vzorka v"_s);
        UniZostavaFixture::ulozZostavu(*m_db, u"Výber"_s, QString(),
                                       u"SELECT usnecislo, vyber FROM uzbyky ORDER BY usnecislo"_s);
        const QStringList kody = {u"208123"_s, u"20812301"_s, u"20812302"_s, u"208123011"_s,
                                  u"208123021"_s};
        const auto beh = [&](const QString& kod, const QString& kedy) {
            return QStringList{u"--saved"_s, u"Výber"_s,  u"--code"_s,
                               kod,          u"--xlsx"_s, subor(kedy + kod + u".xlsx"_s)};
        };
        const auto harok = [&](const QString& kod, const QString& kedy) {
            return vystupProgramu(u"unzip"_s, {u"-p"_s, subor(kedy + kod + u".xlsx"_s),
                                               u"xl/worksheets/sheet1.xml"_s});
        };

        QList<QStringList> spolu;
        for (const QString& kod : kody) {
            const TestDatabase::ToolRun sam = spusti(beh(kod, u"sam-"_s));
            QVERIFY2(sam.exitCode == 0, qPrintable(sam.err));
            QCOMPARE(harok(kod, u"sam-"_s).count(u">"_s + kod.leftJustified(9, u'0') + u"<"_s), 4);
            spolu << beh(kod, u"spolu-"_s);
        }
        const QList<TestDatabase::ToolRun> behy = m_db->runToolsAtOnce(u"tarvelin-report"_s, spolu);
        for (qsizetype i = 0; i < kody.size(); ++i) {
            QVERIFY2(behy[i].exitCode == 0, qPrintable(behy[i].err));
            QCOMPARE(harok(kody[i], u"spolu-"_s), harok(kody[i], u"sam-"_s));
        }
    }

    // A result the runner could not hold is refused before it takes the memory, and the server
    // stops making it.
    void resultOverAMillionRowsIsRefused() {
        UniZostavaFixture::ulozZostavu(
            *m_db, u"Milión"_s, QString(),
            u"SELECT a.pocet FROM uzkravy a, uzkravy b, uzkravy c, uzkravy d, uzkravy e, "
            u"uzkravy f, uzkravy g, uzkravy h, uzkravy i, uzkravy j"_s);
        const QString xlsx = subor(u"milion.xlsx"_s);
        const TestDatabase::ToolRun vysledok =
            spusti({u"--saved"_s, u"Milión"_s, u"--xlsx"_s, xlsx});
        QCOMPARE(vysledok.exitCode, 1);
        QVERIFY2(vysledok.err.contains(u"Zostava „Milión“ má viac ako 1"_s) &&
                     vysledok.err.contains(u"000 riadkov"_s),
                 qPrintable(vysledok.err));
        QVERIFY(!QFile::exists(xlsx));
        Connection spojenie(m_db->settings());
        QSqlQuery bezi =
            spojenie.execute(u"SELECT count(*) FROM information_schema.PROCESSLIST WHERE INFO LIKE "
                             u"'SELECT a.pocet FROM uzkravy a%'"_s);
        QVERIFY(bezi.next());
        QCOMPARE(bezi.value(0).toInt(), 0);
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
        QTest::newRow("a code of five digits")
            << QStringList{"--saved", "Kravy", "--code", "20812", "--pdf", pdf} << 2
            << "Neplatný kód 20812";
        QTest::newRow("a code the database does not know")
            << QStringList{"--saved", "Kravy", "--code", "999999", "--pdf", pdf} << 2
            << "s kódom 999999 v databáze nie je";
        QTest::newRow("a number of daughters")
            << QStringList{"--saved", "Kravy", "--daughters", "2", "--pdf", pdf} << 2
            << "--daughters";
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
