// Prints what the chain of first-lactation test days costs, on demo enterprises of 500, 1,000,
// 2,000 and 10,000 cows: the forty statements as first written (no index), as the program sends
// them (each table with its index on krava_id), and the same tables computed in one pass with a
// window function that ranks every test day; then report 11.A as a whole (the report runner's
// process from its start to the PDF file) and the universal report's refresh. It checks that
// the three ways give tables of the same rows and measures against the goals: at 10,000 cows
// report 11.A at least 20 times faster than the chain as first written alone, the program's
// chain within 3 times the one-pass computation, 10 times the cows at most 12 times the time,
// and the refresh in seconds. Exits with 1 when a table differs or a goal is missed. Run it
// alone; it installs the demo herds on a server of its own.
#include "DemoDatabase.h"
#include "data/Command.h"
#include "data/Connection.h"
#include "data/PrivateServer.h"
#include "reports/AktualizaciaUniverzalnejZostavy.h"
#include "reports/PrikazyPripravy.h"
#include "reports/RetazecKontrol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

using Laktacie = RetazecKontrol::Laktacie;

constexpr int kLiteralRefreshUpTo = 500;
constexpr int kReportTimeLimitMs = 600'000;

double seconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e9;
}

double send(Connection& connection, const QStringList& statements) {
    Command command(&connection);
    QElapsedTimer timer;
    timer.start();
    PrikazyPripravy::posli(command, statements, nullptr);
    return seconds(timer);
}

/// The chain's tables computed from tab180v1 in one pass: every test day ranked within its cow
/// by date, and the table of step n the test days ranked after n.
QStringList onePass(Laktacie laktacie) {
    const QStringList chain = RetazecKontrol::prikazy(laktacie);
    const QStringList tables = RetazecKontrol::tabulky();
    QStringList statements = {chain[0], chain[1], u"DROP TABLE IF EXISTS retazec_poradie"_s,
                              u"CREATE TABLE retazec_poradie (KEY (krava_id)) SELECT t.*, "
                              u"dense_rank() OVER (PARTITION BY t.krava_id ORDER BY "
                              u"t.datum_kontroly) AS cislo FROM tab180v1 t"_s};
    for (int step = 1; step < tables.size(); ++step) {
        const QString n = QString::number(step);
        const QString first = step == 1 ? u"datumotelenia, Vek1Ot_mes AS vekot, "_s : QString();
        statements << u"DROP TABLE IF EXISTS "_s + tables[step]
                   << u"CREATE TABLE %1 (KEY (krava_id)) SELECT chovatel, krava_id, "
                      u"datum_kontroly AS datum_kontroly%2, lakt_dni AS lakt_dni%2, %3"
                      u"mlieko_prepocitane AS mlieko_prepocitane%2, tuk_perc AS tuk_perc%2, "
                      u"bielkovina_perc AS bielkovina_perc%2%4 FROM retazec_poradie WHERE "
                      u"cislo > %2"_s.arg(tables[step], n, first,
                                          step == 1 ? u", poradie"_s : QString());
    }
    return statements << u"DROP TABLE retazec_poradie"_s;
}

/// The chain's tables as rows: per table its columns, its number of rows and a sum of a
/// checksum of each row's values, which does not depend on the order of the rows.
QStringList contents(Connection& connection) {
    QStringList result;
    for (const QString& table : RetazecKontrol::tabulky()) {
        QSqlQuery columns = connection.execute(
            u"SELECT COLUMN_NAME FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = "
            u"database() AND TABLE_NAME = :Tabulka ORDER BY ORDINAL_POSITION"_s,
            {{u"Tabulka"_s, table}});
        QStringList names;
        while (columns.next())
            names << columns.value(0).toString();
        QSqlQuery rows =
            connection.execute(u"SELECT count(*), coalesce(sum(crc32(concat_ws('|', "_s +
                               names.join(u", "_s) + u"))), 0) FROM "_s + table);
        rows.next();
        result << table + u' ' + names.join(u',') + u' ' + rows.value(0).toString() + u' ' +
                      rows.value(1).toString();
    }
    return result;
}

int chainRows(Connection& connection) {
    QSqlQuery rows = connection.execute(u"SELECT count(*) FROM tab180v1"_s);
    return rows.next() ? rows.value(0).toInt() : 0;
}

/// Report 11.A for the enterprise as a breeder's runner makes it: a process of its own, from its
/// start to the PDF file.
double report11A(const ConnectionSettings& settings, const QString& pdf) {
    QProcess runner;
    runner.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    runner.start(QCoreApplication::applicationDirPath() + u"/tarvelin-report"_s,
                 {u"--socket"_s, settings.socket, u"--user"_s, settings.user, u"--password"_s,
                  settings.password, u"--database"_s, settings.database, u"--code"_s, u"208123"_s,
                  u"11.A"_s, u"--pdf"_s, pdf});
    if (!runner.waitForFinished(kReportTimeLimitMs) || runner.exitCode() != 0) {
        runner.kill();
        runner.waitForFinished(5000);
        std::printf("the report runner failed: %s\n", runner.readAllStandardOutput().constData());
        return -1;
    }
    return seconds(timer);
}

struct Figures {
    int rows = 0;
    double literal = 0;
    double program = 0;
    double onePass = 0;
    double report = 0;
    int refreshRows = 0;
    double refresh = 0;
    double literalRefresh = -1;
    bool same = true;
};

Figures measure(const ConnectionSettings& server, int cows, const QString& folder) {
    const ConnectionSettings settings =
        installDemoDatabase(server, u"tarvelin_retazec_%1"_s.arg(cows), cows);
    Connection connection(settings);
    connection.execute(u"UPDATE param SET chovatel = rpad('208123', 9, '0')"_s);
    Figures f;

    f.literal = send(connection, RetazecKontrol::bezIndexov(Laktacie::Prve));
    f.rows = chainRows(connection);
    const QStringList literal = contents(connection);
    f.program = send(connection, RetazecKontrol::prikazy(Laktacie::Prve));
    const QStringList program = contents(connection);
    f.onePass = send(connection, onePass(Laktacie::Prve));
    const QStringList computed = contents(connection);
    f.same = program == literal && computed == literal;
    if (!f.same)
        std::printf("%d cows: the tables differ\n  as written  %s\n  program     %s\n  one pass "
                    "   %s\n",
                    cows, qPrintable(literal.join(u"; "_s)), qPrintable(program.join(u"; "_s)),
                    qPrintable(computed.join(u"; "_s)));

    f.report = report11A(settings, folder + u"/11A.pdf"_s);

    const QStringList refresh = AktualizaciaUniverzalnejZostavy::prikazy(settings.database);
    f.refresh = send(connection, refresh);
    f.refreshRows = chainRows(connection);
    if (cows <= kLiteralRefreshUpTo) {
        const QStringList mended = contents(connection);
        QStringList asWritten = RetazecKontrol::bezIndexov(Laktacie::Vsetky);
        asWritten << refresh.mid(asWritten.size());
        f.literalRefresh = send(connection, asWritten);
        if (contents(connection) != mended) {
            std::printf("%d cows: the refresh's tables differ\n", cows);
            f.same = false;
        }
    }
    return f;
}

bool goal(bool met, const char* text) {
    std::printf("  %-72s %s\n", text, met ? "met" : "MISSED");
    return met;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    PrivateServer server(folder.path() + u"/db"_s);
    server.start();

    std::map<int, Figures> figures;
    std::printf("cows   test days  as written  program  one pass  11.A whole   refresh (test "
                "days)   refresh as written\n");
    for (int cows : {500, 1000, 2000, 10000}) {
        const Figures f = measure(server.connectionSettings(), cows, folder.path());
        figures[cows] = f;
        std::printf("%6d %8d %9.2f s %6.2f s %7.2f s %9.2f s %8.2f s (%6d) %12s\n", cows, f.rows,
                    f.literal, f.program, f.onePass, f.report, f.refresh, f.refreshRows,
                    f.literalRefresh < 0 ? "-"
                                         : qPrintable(u"%1 s"_s.arg(f.literalRefresh, 0, 'f', 2)));
    }
    server.stop();

    const Figures& large = figures[10000];
    std::printf("at 10,000 cows: chain as written / whole report 11.A %.1f x, program / one pass "
                "%.2f x; 1,000 -> 10,000 cows: program %.1f x, report %.1f x the time\n",
                large.literal / large.report, large.program / large.onePass,
                large.program / figures[1000].program, large.report / figures[1000].report);
    bool ok = true;
    for (const auto& [cows, f] : figures)
        ok = f.same && f.report > 0 && ok;
    ok = goal(ok, "the three ways give the same tables, report 11.A printed") && ok;
    ok = goal(large.literal / large.report >= 20,
              "10,000 cows: report 11.A at least 20 x faster than the chain as written") &&
         ok;
    ok = goal(large.program <= 3 * large.onePass,
              "10,000 cows: program's chain within 3 x the one-pass computation") &&
         ok;
    ok = goal(large.program <= 12 * figures[1000].program,
              "10 x the cows (1,000 -> 10,000): at most 12 x the time of the chain") &&
         ok;
    ok = goal(large.refresh < 60, "10,000 cows: the refresh in seconds, under a minute") && ok;
    return ok ? 0 : 1;
}
