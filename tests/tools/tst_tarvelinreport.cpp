#include "common/TestDatabase.h"
#include "common/TinyFilesystem.h"
#include "data/SchemaInstaller.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

/// The command-line report runner as a breeding organisation scripts it: exit codes, messages,
/// and files whose text shows the report of the chosen herd.
class TestTarvelinReport final : public QObject {
    Q_OBJECT

private:
    struct Result {
        int exitCode;
        QString err;
        QString out;
    };

    void start(QProcess& process, const QStringList& arguments) {
        const ConnectionSettings settings = m_db->settings();
        process.start(QCoreApplication::applicationDirPath() + u"/tarvelin-report"_s,
                      QStringList{u"--socket"_s, settings.socket, u"--user"_s, settings.user,
                                  u"--password"_s, settings.password, u"--database"_s,
                                  settings.database} +
                          arguments);
    }

    static Result finish(QProcess& process) {
        if (!process.waitForFinished(120'000))
            return {-1, u"timeout"_s, {}};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()),
                QString::fromUtf8(process.readAllStandardOutput())};
    }

    Result run(const QStringList& arguments) {
        QProcess process;
        start(process, arguments);
        return finish(process);
    }

    QVariant paramValue(const QString& column) {
        Connection connection(m_db->settings());
        QSqlQuery row = connection.execute(u"SELECT %1 FROM param"_s.arg(column));
        return row.next() ? row.value(0) : QVariant();
    }

    /// One field of what pdfinfo tells of a file, e.g. "Title".
    static QString pdfInfo(const QString& file, const QString& field) {
        QProcess pdfinfo;
        pdfinfo.start(u"pdfinfo"_s, {file});
        pdfinfo.waitForFinished();
        for (const QString& line : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split(u'\n'))
            if (line.startsWith(field + u':'))
                return line.mid(field.size() + 1).trimmed();
        return {};
    }

    static QString pdfText(const QString& file) {
        QProcess pdftotext;
        pdftotext.start(u"pdftotext"_s, {u"-layout"_s, file, u"-"_s});
        pdftotext.waitForFinished();
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"tarvelinreport"_s);
        m_db->loadDemo(80, 7);
        QVERIFY(m_dir.isValid());
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString pdf = u"/nonexistent-folder/x.pdf"_s;
        QTest::newRow("unknown report")
            << QStringList{"99", "--code", "208123", "--pdf", pdf} << 2 << "v katalógu nie je";
        QTest::newRow("no code") << QStringList{"9.D", "--pdf", pdf} << 2 << "--code";
        QTest::newRow("code with a quote")
            << QStringList{"9.D", "--code", "2081'3", "--pdf", pdf} << 2 << "Neplatný kód";
        QTest::newRow("code of 7 digits")
            << QStringList{"9.D", "--code", "2081230", "--pdf", pdf} << 2 << "Neplatný kód";
        QTest::newRow("two outputs")
            << QStringList{"9.D", "--code", "208123", "--pdf", pdf, "--rtf", pdf} << 2
            << "práve jeden výstup";
        QTest::newRow("bounds without a second value")
            << QStringList{"9.D", "--code", "208123", "--pdf", pdf, "--bounds", "5000"} << 2
            << "dve hodnoty";
        QTest::newRow("period backwards")
            << QStringList{"10.A", "--code",   "208123",     "--pdf",
                           pdf,    "--period", "2026-06-30", "1.1.2026"}
            << 2 << "skôr";
        QTest::newRow("period of no date")
            << QStringList{"10.A", "--code",   "208123",     "--pdf",
                           pdf,    "--period", "2026-02-30", "2026-03-01"}
            << 2 << "Neplatný dátum 2026-02-30";
        QTest::newRow("code of no enterprise")
            << QStringList{"9.D", "--code", "999999", "--pdf", pdf} << 2 << "s kódom 999999";
        QTest::newRow("daughters not a number")
            << QStringList{"1.A", "--code", "208123", "--pdf", pdf, "--daughters", "x"} << 2
            << "Nesprávna hodnota počtu dcér.";
        QTest::newRow("daughters negative")
            << QStringList{"1.B", "--code", "208123", "--pdf", pdf, "--daughters", "-3"} << 2
            << "Nesprávna hodnota počtu dcér.";
        QTest::newRow("group of no number")
            << QStringList{"8", "--code", "208123", "--pdf", pdf, "--group", "veľa"} << 2
            << "Nesprávna hodnota veľkosti skupiny!";
        QTest::newRow("group of none")
            << QStringList{"8", "--code", "208123", "--pdf", pdf, "--group", "0"} << 2
            << "kladné celé číslo";
        QTest::newRow("order out of the list")
            << QStringList{"8", "--code", "208123", "--pdf", pdf, "--order", "9"} << 2
            << "Neplatné zoradenie 9: čaká sa číslo položky 0 až 8.";
        QTest::newRow("order of no number")
            << QStringList{"8", "--code", "208123", "--pdf", pdf, "--order", "tuk"} << 2
            << "Neplatné zoradenie tuk";
        QTest::newRow("book and a report")
            << QStringList{"9.D", "--all", "--code", "208123", "--pdf", pdf} << 2
            << "Pri voľbe --all nezadávajte zostavu.";
        QTest::newRow("bounds of a comma too many")
            << QStringList{"7.AA", "--code", "208123", "--pdf", pdf, "--bounds", "7,0,0", "9000"}
            << 2 << "Neplatná hranica mlieka 7,0,0";
        QTest::newRow("unwritable file")
            << QStringList{"9.D", "--code", "208123", "--pdf", pdf} << 1 << "x.pdf";
        QTest::newRow("output onto a folder")
            << QStringList{"9.D", "--code", "208123", "--pdf", m_dir.path()} << 1
            << "nie je obyčajný súbor";
        // The "=" form once made the runner read past the pair's end.
        QTest::newRow("period with = and one date")
            << QStringList{"9.D", "--code", "208123", "--pdf", pdf, "--period=2026-01-01"} << 2
            << "dve hodnoty";
        QTest::newRow("bounds with = and one value")
            << QStringList{"9.D", "--code", "208123", "--pdf", pdf, "--bounds=5"} << 2
            << "dve hodnoty";
        QTest::newRow("bounds reversed")
            << QStringList{"7.AA", "--code", "208123", "--pdf", pdf, "--bounds", "6000", "5000"}
            << 2 << "vyššia";
        QTest::newRow("bounds negative")
            << QStringList{"7.AA", "--code", "208123", "--pdf", pdf, "--bounds", "-5", "5000"} << 2
            << "nezáporné";
        QTest::newRow("bounds of no number")
            << QStringList{"7.AA", "--code", "208123", "--pdf", pdf, "--bounds", "0", "veľa"} << 2
            << "Neplatná hranica mlieka veľa";
        QTest::newRow("bounds infinite")
            << QStringList{"7.AA", "--code", "208123", "--pdf", pdf, "--bounds", "0", "inf"} << 2
            << "Neplatná hranica mlieka inf";
        QTest::newRow("code of full-width digits")
            << QStringList{"9.D", "--code", "２０８１２３", "--pdf", pdf} << 2 << "Neplatný kód";
        QTest::newRow("unknown option")
            << QStringList{"9.D", "--kod", "208123", "--pdf", pdf} << 2 << "Neznáma voľba „kod“";
        QTest::newRow("option without its value")
            << QStringList{"9.D", "--pdf", pdf, "--code"} << 2 << "chýba hodnota";
        QTest::newRow("value to a switch") << QStringList{"--list=ano"} << 2 << "nečaká hodnotu";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Result result = run(arguments);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
    }

    // An option that answers a dialog the report does not show is refused, not ignored; the
    // book takes them all.
    void inapplicableOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("period for 9.D")
            << QStringList{"9.D", "--period", "2026-01-01", "2026-06-30"}
            << "Voľba --period k zostave 9.D nepatrí: patrí k zostavám 10.A, 10.B, 19";
        QTest::newRow("bounds for 2") << QStringList{"2", "--bounds", "7000", "9000"}
                                      << "Voľba --bounds k zostave 2 nepatrí: patrí k zostavám "
                                         "7.AA, 7.BB a k --all.";
        QTest::newRow("daughters for 8")
            << QStringList{"8", "--daughters", "3"} << "Voľba --daughters k zostave 8 nepatrí";
        QTest::newRow("group for 7.AA")
            << QStringList{"7.AA", "--group", "5"}
            << "Voľba --group k zostave 7.AA nepatrí: patrí k zostave 8 a k --all.";
        QTest::newRow("order for 1.A")
            << QStringList{"1.A", "--order", "2"} << "Voľba --order k zostave 1.A nepatrí";
        QTest::newRow("group for a saved report")
            << QStringList{"--saved", "Najlepšie", "--group", "5"}
            << "Voľba --group k uloženej zostave nepatrí.";
    }
    void inapplicableOptions() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QStringList vsetky = arguments;
        if (!arguments.contains(u"--saved"_s))
            vsetky << u"--code"_s << u"208123"_s;
        const Result result = run(vsetky << u"--pdf"_s << m_dir.filePath(u"nepatri.pdf"_s));
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(!QFile::exists(m_dir.filePath(u"nepatri.pdf"_s)));
    }

    void listNamesEveryReport() {
        const Result result = run({u"--list"_s});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains(u"9.D   (9.D) Zoznam kráv s medziobdobím"_s));
        QVERIFY(result.out.contains(u"18    (18) Úžitkovosť prvôstok"_s));
    }

    void pdfOfAHerdNamesItsCows() {
        const QString file = m_dir.filePath(u"9d.pdf"_s);
        const Result result = run({u"9.D"_s, u"--code"_s, u"20812302"_s, u"--pdf"_s, file});
        QCOMPARE(result.exitCode, 0);
        // The file's title is the title the report prints; the message counts its pages.
        const QString title = pdfInfo(file, u"Title"_s);
        QCOMPARE(title, u"(9.D) Zoznam kráv s medziobdobím nad 400 dní"_s);
        const int pages = pdfInfo(file, u"Pages"_s).toInt();
        QVERIFY(pages > 0);
        const QString counted = pages == 1  ? u"1 strana"_s
                                : pages < 5 ? u"%1 strany"_s.arg(pages)
                                            : u"%1 strán"_s.arg(pages);
        QVERIFY2(result.err.contains(u"Zostava 9.D: %1 → %2\n"_s.arg(counted, file)),
                 qPrintable(result.err));
        const QString text = pdfText(file);
        QVERIFY(text.contains(u"(9.D)"_s));

        Connection connection(m_db->settings());
        QSqlQuery cows = connection.execute(
            u"SELECT z.usnecislo, z.chovatel FROM zvierata z JOIN kravy k ON k.krava_id = "
            u"z.zviera_id JOIN dovody_vyradenia d ON d.dovod_vyradenia_id = k.dovod_vyradenia_id "
            u"JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id WHERE d.kod = '00' AND "
            u"pl.medziobdobie > 400"_s);
        int inHerd = 0;
        while (cows.next()) {
            const bool herd = cows.value(1).toString().startsWith(u"20812302"_s);
            inHerd += herd;
            QCOMPARE(text.contains(cows.value(0).toString()), herd);
        }
        QVERIFY(inHerd > 0);
    }

    // The number of daughters reaches the report as typed.
    void daughtersArePrintedAsTyped() {
        const QString file = m_dir.filePath(u"1a.pdf"_s);
        const Result result =
            run({u"1.A"_s, u"--code"_s, u"208123"_s, u"--daughters"_s, u"002"_s, u"--pdf"_s, file});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(pdfText(file).contains(u"Najmenší počet dcér otca s normovanou laktáciou: 002"_s));
    }

    void rtfIsWritten() {
        const QString file = m_dir.filePath(u"2.rtf"_s);
        const Result result = run({u"2"_s, u"--code"_s, u"208123"_s, u"--rtf"_s, file});
        QCOMPARE(result.exitCode, 0);
        QFile rtf(file);
        QVERIFY(rtf.open(QIODevice::ReadOnly));
        QVERIFY(rtf.readAll().startsWith("{\\rtf1"));
    }

    void periodIsStored_data() {
        QTest::addColumn<QStringList>("period");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::newRow("two values") << QStringList{"--period", "2026-01-01", "30.6.2026"}
                                    << QDate(2026, 1, 1) << QDate(2026, 6, 30);
        QTest::newRow("with =") << QStringList{"--period=2026-02-01", "2026-03-31"}
                                << QDate(2026, 2, 1) << QDate(2026, 3, 31);
    }
    void periodIsStored() {
        QFETCH(QStringList, period);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        const Result result = run(QStringList{u"10.B"_s, u"--code"_s, u"208123"_s, u"--pdf"_s,
                                              m_dir.filePath(u"obdobie.pdf"_s)} +
                                  period);
        QCOMPARE(result.exitCode, 0);
        // The period is shared with the program's window, which shows it next time.
        QCOMPARE(paramValue(u"kontrolne_obd_od"_s).toDate(), from);
        QCOMPARE(paramValue(u"kontrolne_obd_do"_s).toDate(), to);
    }

    // The inputs of the dialogs as options: each reaches its report, and the report's subtitle
    // and rows show it.
    void reportsWithInputs_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("bounds with a decimal comma")
            << QStringList{"7.AA", "--bounds", "7000,5", "10000"}
            << QStringList{"( od  7000,5  do  10000 kg mlieka )"};
        QTest::newRow("bounds preset")
            << QStringList{"7.BB"} << QStringList{"( od  7000  do  10000 kg mlieka )"};
        QTest::newRow("best cows") << QStringList{"8", "--group", "25", "--order", "6"}
                                   << QStringList{"(podľa výšky produkcie % tuku, skupina 25 "
                                                  "kusov kráv)",
                                                  "25"};
        QTest::newRow("period") << QStringList{"10.A", "--period", "2026-01-01", "2026-06-30"}
                                << QStringList{"(za kontrolné obdobie 1. 1. 2026 - 30. 6. 2026 "
                                               "podľa úsekov laktácie)"};
        QTest::newRow("interval") << QStringList{"17.C"}
                                  << QStringList{"(interval od 201 do 305 dní)"};
    }
    void reportsWithInputs() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, printed);
        const QString file = m_dir.filePath(u"vstupy.pdf"_s);
        const Result result =
            run(arguments + QStringList{u"--code"_s, u"208123"_s, u"--pdf"_s, file});
        QCOMPARE(result.exitCode, 0);
        const QString text = pdfText(file).simplified();
        for (const QString& expected : printed)
            QVERIFY2(text.contains(QString(expected).simplified()), qPrintable(text.left(600)));
    }

    // The whole book of a herd in one file: a contents page, then every available report.
    void bookOfAHerd() {
        const QString file = m_dir.filePath(u"kniha.pdf"_s);
        const Result result = run({u"--all"_s, u"--code"_s, u"20812302"_s, u"--daughters"_s, u"2"_s,
                                   u"--group"_s, u"5"_s, u"--pdf"_s, file});
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.err.contains(u"Kniha zostáv: "_s), qPrintable(result.err));
        const QString text = pdfText(file);
        QVERIFY(text.startsWith(u"Bonitačné zostavy – obsah"_s) ||
                text.contains(u"Bonitačné zostavy – obsah"_s));
        for (const char* title : {"(1.A)", "(6.A)", "(7.AA)", "(9.C)", "(10.B)", "(22)"})
            QVERIFY2(text.contains(QString::fromUtf8(title)), title);
        QVERIFY(text.contains(u"skupina 5 kusov kráv"_s));
        QVERIFY(text.contains(u"Najmenší počet dcér otca s normovanou laktáciou: 2"_s));
        QProcess info;
        info.start(u"pdfinfo"_s, {file});
        info.waitForFinished();
        const QString pages = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(result.err.contains(pages.section(u"Pages:"_s, 1).trimmed().section(u'\n', 0, 0) +
                                     u" strán"_s),
                 qPrintable(result.err + pages));
    }

    void parallelReportsKeepTheirSelections() {
        // Every report writes its selection into the one parameter row; run at once, each must
        // still print its own.
        const QStringList codes{"208123",    "20812301",  "20812302",  "20812303",
                                "208123011", "208123021", "208123031", "208123032"};
        const QStringList reports{"2", "5A", "9.D"};
        QHash<QString, QString> serial;
        for (const QString& report : reports)
            for (const QString& code : codes) {
                const QString file = m_dir.filePath(u"s-%1-%2.pdf"_s.arg(report, code));
                QCOMPARE(run({report, u"--code"_s, code, u"--pdf"_s, file}).exitCode, 0);
                serial.insert(report + code, pdfText(file));
            }
        QVERIFY(serial.value(u"5A208123"_s) != serial.value(u"5A208123011"_s));

        constexpr int rounds = 2;
        std::vector<std::unique_ptr<QProcess>> processes;
        QStringList runs;
        for (int round = 0; round < rounds; ++round)
            for (const QString& report : reports)
                for (const QString& code : codes) {
                    const QString file =
                        m_dir.filePath(u"p%1-%2-%3.pdf"_s.arg(round).arg(report, code));
                    processes.push_back(std::make_unique<QProcess>());
                    start(*processes.back(), {report, u"--code"_s, code, u"--pdf"_s, file});
                    runs << report + code + u'|' + file;
                }
        QStringList wrong;
        for (qsizetype i = 0; i < runs.size(); ++i) {
            const Result result = finish(*processes[std::size_t(i)]);
            QVERIFY2(result.exitCode == 0, qPrintable(result.err));
            const QString key = runs[i].section(u'|', 0, 0);
            if (pdfText(runs[i].section(u'|', 1)) != serial.value(key))
                wrong << key;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u' ')));
    }

    void fullDiskIsNoSuccess_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("PDF") << "--pdf";
        QTest::newRow("RTF") << "--rtf";
    }
    void fullDiskIsNoSuccess() {
        QFETCH(QString, option);
        TinyFilesystem disk(512 * 1024);
        if (!disk.isValid())
            QSKIP(qPrintable(disk.problem()));
        const QString file = disk.filePath(u"zostava"_s);
        {
            QFile earlier(file);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("predošlá");
        }
        disk.leaveFree(10'000);
        const Result result = run({u"2"_s, u"--code"_s, u"208123"_s, option, file});
        QCOMPARE(result.exitCode, 1);
        // The system's reason, in Slovak where the system has the translation.
        QVERIFY2(result.err.contains(file) &&
                     (result.err.contains(u"No space"_s) || result.err.contains(u"voľné miesto"_s)),
                 qPrintable(result.err));
        QVERIFY(!result.err.contains(u"→"_s));
        QFile earlier(file);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("predošlá"));
    }

    void unfinishedDatabaseIsRefused() {
        // What a load interrupted before its end leaves: no mark, and the parameter row as the
        // schema made it.
        m_db->exec(u"DROP TABLE "_s + SchemaInstaller::completionMark);
        m_db->exec(u"CREATE TABLE param_povodny SELECT * FROM param"_s);
        m_db->exec(u"UPDATE param SET chovatel = '000000000'"_s);
        const Result result =
            run({u"9.D"_s, u"--code"_s, u"208123"_s, u"--pdf"_s, m_dir.filePath(u"x.pdf"_s)});
        m_db->exec(u"UPDATE param, param_povodny SET param.chovatel = param_povodny.chovatel"_s);
        m_db->exec(u"DROP TABLE param_povodny"_s);
        m_db->exec(u"CREATE TABLE %1 (dokoncena DATETIME NOT NULL)"_s.arg(
            SchemaInstaller::completionMark));
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(u"tarvelin-db install --replace"_s), qPrintable(result.err));
        QVERIFY(!QFile::exists(m_dir.filePath(u"x.pdf"_s)));
    }

    void cleanupTestCase() { m_db.reset(); }

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestTarvelinReport)
#include "tst_tarvelinreport.moc"
