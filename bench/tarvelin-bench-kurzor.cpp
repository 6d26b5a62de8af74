// Prints what the static cursor costs on the whole-enterprise milk controls
// (ADOQueryKontrolyMlieka, every control of 5000 days) beside the database's own command-line
// client reading the same statement: time and peak memory of each, and their ratios, measured in
// one run. Then a grid over the open result: its first paint and a page of scrolling.
//
//   tarvelin-bench-kurzor [--cows N] [--datadir DIR]
//
// --datadir keeps the server's data folder, and the demo database in it, for the next run.
#include "DemoDatabase.h"
#include "data/DatabaseError.h"
#include "data/TDataModuleHlavny.h"
#include "widgets/DBGrid.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <cstdio>
#include <fcntl.h>
#include <malloc.h>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

using namespace Qt::Literals::StringLiterals;

extern char** environ;

namespace {

constexpr int clientTimeLimitSeconds = 600;

double seconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e9;
}

/// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double statusMegabytes(const QByteArray& key) {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

/// Memory as one step of the run finds it: freed memory goes back to the system first, and the
/// peak starts again from what is resident now.
double resetMemoryFigures() {
    malloc_trim(0);
    QFile clear(u"/proc/self/clear_refs"_s);
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        std::fprintf(stderr, "peak memory cannot be reset; peaks include earlier steps\n");
    return statusMegabytes("VmRSS");
}

struct Figures {
    double seconds;
    double peakMegabytes;
};

/// Runs the client with the statement and waits for it, within a time limit; its output goes
/// nowhere, as the cursor's rows stay in memory.
std::optional<Figures> runClient(const ConnectionSettings& settings, const QString& sql) {
    QString program = QStandardPaths::findExecutable(u"mariadb"_s);
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(u"mysql"_s);
    if (program.isEmpty()) {
        std::fprintf(stderr, "the mariadb client is not installed\n");
        return std::nullopt;
    }
    const QList<QByteArray> arguments = {program.toLocal8Bit(),
                                         "--no-defaults",
                                         "--batch",
                                         "--socket=" + settings.socket.toLocal8Bit(),
                                         "--user=" + settings.user.toUtf8(),
                                         "--password=" + settings.password.toUtf8(),
                                         "--default-character-set=utf8mb4",
                                         settings.database.toUtf8(),
                                         "-e",
                                         sql.toUtf8()};
    std::vector<char*> argv;
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "the client cannot be started\n");
        return std::nullopt;
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (timer.elapsed() > clientTimeLimitSeconds * 1000) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            std::fprintf(stderr, "the client did not finish within %d s\n", clientTimeLimitSeconds);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const double elapsed = seconds(timer);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the client failed\n");
        return std::nullopt;
    }
    return Figures{elapsed, double(usage.ru_maxrss) / 1024};
}

struct OpenFigures {
    Figures figures;
    double residentMegabytes;
    int rows;
};

OpenFigures openMeasured(Dataset& dataset) {
    const double before = resetMemoryFigures();
    QElapsedTimer timer;
    timer.start();
    dataset.open();
    const double elapsed = seconds(timer);
    return {{elapsed, statusMegabytes("VmHWM") - before},
            statusMegabytes("VmRSS") - before,
            dataset.recordCount()};
}

/// What the driver alone costs: a forward-only query whose every value is read once and dropped.
Figures driverAlone(Connection& connection, const QString& sql, const ParameterValues& values,
                    int* rows) {
    const double before = resetMemoryFigures();
    QElapsedTimer timer;
    timer.start();
    QSqlQuery query = connection.execute(sql, values);
    const int columns = query.record().count();
    *rows = 0;
    while (query.next()) {
        for (int c = 0; c < columns; ++c)
            query.value(c);
        ++*rows;
    }
    return {seconds(timer), statusMegabytes("VmHWM") - before};
}

void printRatio(const char* what, const Figures& mine, const Figures& client) {
    std::printf("  %-44s %6.2f s (%.2fx)  peak +%6.0f MB (%.2fx)\n", what, mine.seconds,
                mine.seconds / client.seconds, mine.peakMegabytes,
                mine.peakMegabytes / client.peakMegabytes);
}

void measureGrid(Dataset& dataset) {
    DBGrid grid;
    grid.resize(1200, 800);
    QElapsedTimer timer;
    timer.start();
    grid.setDataset(&dataset);
    grid.show();
    grid.grab();
    const double firstPaint = seconds(timer);

    constexpr int pages = 200;
    QScrollBar* bar = grid.verticalScrollBar();
    timer.restart();
    for (int page = 1; page <= pages; ++page) {
        bar->setValue(bar->maximum() / pages * page);
        grid.grab();
    }
    const double scrolling = seconds(timer) / pages;
    std::printf("grid over %d rows: first rows shown %.0f ms, one page of scrolling %.1f ms\n",
                dataset.recordCount(), firstPaint * 1000, scrolling * 1000);
}

int measure(const ConnectionSettings& server, int cows) {
    const ConnectionSettings settings = keptDemoDatabase(server, cows);
    TDataModuleHlavny data(settings);
    Query* kontroly = data.ADOQueryKontrolyMlieka;
    const QString podnik = data.ADOQueryParam->text(u"chovatel"_s).left(6);
    if (!QRegularExpression(u"^[0-9]{6}$"_s).match(podnik).hasMatch())
        throw DatabaseError(u"Neočakávaný kód podniku '%1'."_s.arg(podnik));
    kontroly->setParameter(u"Chov"_s, podnik + u'%');
    kontroly->setParameter(u"Dni"_s, 5000);
    // The client gets the same statement with the values written in; they are the bench's own.
    const QString literal = kontroly->sqlText()
                                .replace(u":Chov"_s, u"'%1%'"_s.arg(podnik))
                                .replace(u":Dni"_s, u"5000"_s);

    std::printf("%s, %d cows, whole enterprise %s, 5000 days\n", qPrintable(kontroly->objectName()),
                cows, qPrintable(podnik));
    std::fflush(stdout);
    const std::optional<Figures> client = runClient(settings, literal);
    if (!client)
        return 1;
    const OpenFigures bound = openMeasured(*kontroly);
    std::printf("  %-44s %6.2f s           peak  %6.0f MB\n", "mariadb client", client->seconds,
                client->peakMegabytes);
    printRatio("dataset open, parameters bound", bound.figures, *client);
    std::printf("  %-44s %d rows x %d fields, resident +%.0f MB\n", "", bound.rows,
                kontroly->fieldCount(), bound.residentMegabytes);
    std::fflush(stdout);
    measureGrid(*kontroly);
    kontroly->close();

    int rows = 0;
    printRatio("Qt driver alone, forward-only, values read",
               driverAlone(*data.ADOConnectionTarvelin, kontroly->sqlText(),
                           {{u"Chov"_s, podnik + u'%'}, {u"Dni"_s, 5000}}, &rows),
               *client);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption cowsOption(u"cows"_s, u"Size of the demo herd."_s, u"N"_s, u"10000"_s);
    parser.addOption(cowsOption);
    const char* usage = "Použitie: tarvelin-bench-kurzor [--cows N] [--datadir PRIEČINOK]";
    return runOnBenchmarkServer(parser, usage, [&](const ConnectionSettings& server) {
        bool valid = false;
        const int cows = parser.value(cowsOption).toInt(&valid);
        if (!valid || cows < 1) {
            std::fprintf(stderr, "%s\n", usage);
            return 2;
        }
        return measure(server, cows);
    });
}
