#include "data/Connection.h"
#include "data/PrivateServer.h"
#include "data/SchemaInstaller.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Result {
    int exitCode;
    QString err;
    QString out;
};

QString tool(const QString& name) {
    return QCoreApplication::applicationDirPath() + u'/' + name;
}

Result finish(QProcess& process) {
    if (!process.waitForFinished(300'000))
        return {-1, u"timeout"_s, {}};
    const int code = process.exitStatus() == QProcess::CrashExit ? -2 : process.exitCode();
    return {code, QString::fromUtf8(process.readAllStandardError()),
            QString::fromUtf8(process.readAllStandardOutput())};
}

} // namespace

/// tarvelin-db import and export on a private server of their own: what each ends with (0 for
/// the whole job, 2 for a command line or a file it refuses, 1 otherwise), and an import killed
/// while it writes, the tool or the server, that leaves the database as it was.
class TestVymenaNastroj final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;

    QString folder() const { return m_root.filePath(u"data"_s); }
    QString herdFile() const { return m_root.filePath(u"stado.json"_s); }

    QStringList withFolder(const QStringList& arguments) const {
        return QStringList{u"--datadir"_s, folder()} + arguments;
    }

    Result db(const QStringList& arguments) {
        QProcess process;
        process.start(tool(u"tarvelin-db"_s), withFolder(arguments));
        return finish(process);
    }

    /// The program's tables of a database as checksums, and its completion mark, with the server
    /// the data folder has (started if it is not running).
    QStringList state(const QString& database) {
        PrivateServer server(folder());
        server.start();
        ConnectionSettings settings = server.connectionSettings();
        settings.database = database;
        Connection connection(settings);
        SchemaInstaller(connection).requireUsable();
        QStringList sums;
        QSqlQuery checksums = connection.execute(
            u"CHECKSUM TABLE podniky, chovy, mastale, zvierata, kravy, byky, jalovice, "
            u"plemenne_hodnoty, laktacie, prebiehajuce_laktacie, kontroly, param, instalacia"_s);
        while (checksums.next())
            sums << checksums.value(0).toString() + u' ' + checksums.value(1).toString();
        return sums;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_root.isValid());
        Result r = db({u"install"_s, u"--demo"_s, u"200"_s, u"--seed"_s, u"5"_s});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        r = db({u"export"_s, u"--code"_s, u"208123"_s, herdFile()});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        r = db({u"--database"_s, u"prazdna"_s, u"install"_s});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    }

    void exitCodes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("export without a selection")
            << QStringList{u"export"_s, u"f.json"_s} << 2 << u"Príkaz export čaká voľbu --code."_s;
        QTest::newRow("selection of another form")
            << QStringList{u"export"_s, u"--code"_s, u"2081"_s, u"f.json"_s} << 2
            << u"kód podniku (6 číslic), chovu (8) alebo maštale (9)"_s;
        QTest::newRow("selection the database lacks")
            << QStringList{u"export"_s, u"--code"_s, u"999999"_s, u"f.json"_s} << 1
            << u"Podnik, chov ani maštaľ 999999 v databáze nie je."_s;
        QTest::newRow("import of two files")
            << QStringList{u"import"_s, u"a.json"_s, u"b.json"_s} << 2
            << u"Príkaz import čaká jeden súbor."_s;
        QTest::newRow("import of a file that is not there")
            << QStringList{u"--database"_s, u"prazdna"_s, u"import"_s, u"/nonexistent/f.json"_s}
            << 1 << u"Súbor /nonexistent/f.json neexistuje."_s;
    }
    void exitCodes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Result r = db(arguments);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }

    void refusedFileEndsWithTwoAndItsPlace() {
        QFile file(m_root.filePath(u"zly.json"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"animals": {"member": [{"resourceType": "icarAnimalCoreResource",
  "identifier": {"id": "SK123", "scheme": "eu.bovine"}, "specie": "Cattle", "gender": "Male"}]}})");
        file.close();
        const QStringList before = state(u"prazdna"_s);
        const Result r = db({u"--database"_s, u"prazdna"_s, u"import"_s, file.fileName()});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(u"animals[0].identifier.id (riadok 1): ušné číslo „SK123“"_s),
                 qPrintable(r.err));
        QCOMPARE(state(u"prazdna"_s), before);
    }

    void killedImportLeavesTheDatabase_data() {
        QTest::addColumn<bool>("server");
        QTest::addColumn<QString>("step");
        QTest::newRow("the tool killed") << false << u"Zvieratá"_s;
        QTest::newRow("the server killed") << true << u"Kontroly úžitkovosti"_s;
    }
    void killedImportLeavesTheDatabase() {
        QFETCH(bool, server);
        QFETCH(QString, step);
        const QStringList before = state(u"prazdna"_s);
        QProcess import;
        import.setReadChannel(QProcess::StandardError);
        import.start(tool(u"tarvelin-db"_s),
                     withFolder({u"--database"_s, u"prazdna"_s, u"import"_s, herdFile()}));
        QVERIFY(import.waitForStarted());
        // Killed while the import writes inside its transaction.
        QElapsedTimer clock;
        clock.start();
        QByteArray progress;
        while (!QString::fromUtf8(progress).contains(step) &&
               import.state() == QProcess::Running && clock.elapsed() < 240'000)
            if (import.waitForReadyRead(1000))
                progress += import.readAllStandardError();
        QVERIFY2(QString::fromUtf8(progress).contains(step), progress.constData());
        const qint64 victim = server ? PrivateServer(folder()).runningPid() : import.processId();
        QVERIFY(victim > 0);
        QCOMPARE(::kill(pid_t(victim), SIGKILL), 0);
        const Result r = finish(import);
        QCOMPARE(r.exitCode, server ? 1 : -2);
        // The server comes up again with the database as it was, mark and all.
        QCOMPARE(state(u"prazdna"_s), before);
    }

    void wholeImportEndsWithZeroAndItsSummary() {
        Result r = db({u"--database"_s, u"prazdna"_s, u"import"_s, herdFile()});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(u"Import je dokončený."_s), qPrintable(r.out));
        r = db({u"--database"_s, u"prazdna"_s, u"import"_s, herdFile()});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(u"nič sa nezmenilo"_s), qPrintable(r.out));
    }

    void cleanupTestCase() { PrivateServer(folder()).stop(); }
};

QTEST_GUILESS_MAIN(TestVymenaNastroj)
#include "tst_vymenanastroj.moc"
