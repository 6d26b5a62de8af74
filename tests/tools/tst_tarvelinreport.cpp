#include "common/TestDatabase.h"

#include <QCoreApplication>
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

    Result run(const QStringList& arguments) {
        const ConnectionSettings settings = m_db->settings();
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + u"/tarvelin-report"_s,
                      arguments + QStringList{u"--socket"_s, settings.socket, u"--user"_s,
                                              settings.user, u"--password"_s, settings.password,
                                              u"--database"_s, settings.database});
        if (!process.waitForFinished(120'000))
            return {-1, u"timeout"_s, {}};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()),
                QString::fromUtf8(process.readAllStandardOutput())};
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
            << QStringList{"9.D", "--code",   "208123",     "--pdf",
                           pdf,   "--period", "2026-06-30", "1.1.2026"}
            << 2 << "skôr";
        QTest::newRow("period of no date")
            << QStringList{"9.D", "--code",   "208123",     "--pdf",
                           pdf,   "--period", "2026-02-30", "2026-03-01"}
            << 2 << "Neplatný dátum 2026-02-30";
        QTest::newRow("code of no enterprise")
            << QStringList{"9.D", "--code", "999999", "--pdf", pdf} << 2 << "s kódom 999999";
        QTest::newRow("not built yet") << QStringList{"7.A", "--code", "208123", "--pdf", pdf} << 1
                                       << "zatiaľ nie je k dispozícii";
        QTest::newRow("unwritable file")
            << QStringList{"9.D", "--code", "208123", "--pdf", pdf} << 1 << "x.pdf";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Result result = run(arguments);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
    }

    void listNamesEveryReport() {
        const Result result = run({u"--list"_s});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains(u"9.D   (9.D) Zoznam kráv s medziobdobím"_s));
        QVERIFY(result.out.contains(u"zatiaľ nie je k dispozícii"_s));
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

    void rtfIsWritten() {
        const QString file = m_dir.filePath(u"2.rtf"_s);
        const Result result = run({u"2"_s, u"--code"_s, u"208123"_s, u"--rtf"_s, file});
        QCOMPARE(result.exitCode, 0);
        QFile rtf(file);
        QVERIFY(rtf.open(QIODevice::ReadOnly));
        QVERIFY(rtf.readAll().startsWith("{\\rtf1"));
    }

    void cleanupTestCase() { m_db.reset(); }

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestTarvelinReport)
#include "tst_tarvelinreport.moc"
