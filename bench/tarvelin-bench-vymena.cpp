// Prints the figures of the herd's exchange files at 1,000 and 10,000 cows: the export's time
// and file size, the import into an empty database against the demo install of the same herd,
// the same file imported again, and the peak memory of the importing tool, which reads the file
// as a stream. Exits with 1 when the 10,000-cow import takes more than 1.5 times the demo install
// or its memory grows with the file by more than a tenth. Run it alone; the figures that matter
// are the ratios of one run.
#include "DemoDatabase.h"
#include "data/Connection.h"
#include "data/PrivateServer.h"
#include "data/SchemaInstaller.h"
#include "exchange/ExportVymeny.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

using namespace Qt::Literals::StringLiterals;

extern char** environ;

namespace {

double seconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e9;
}

struct Run {
    int exitCode = -1;
    double seconds = 0;
    long peakKb = 0;
};

/// The high-water mark of a running process's memory, 0 once it is gone.
long peakKbOf(pid_t pid) {
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

/// A tool of the build run to its end, with its own peak memory. The rusage that wait4 reports
/// will not do: a child that posix_spawn starts shares this program's memory until it runs the
/// tool, and the kernel keeps that high-water mark, so the figure was this program's memory
/// whenever it was the larger. The tool's own mark is read while it runs instead; it can miss
/// only what the last few milliseconds before its end add.
Run runTool(const QString& program, const QStringList& arguments) {
    std::vector<QByteArray> bytes{program.toLocal8Bit()};
    for (const QString& argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    Run run;
    QElapsedTimer timer;
    timer.start();
    // What the tool says goes nowhere: the figures are this program's output.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return run;
    int status = 0;
    for (;;) {
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            break;
        if (ended < 0)
            return run;
        run.peakKb = std::max(run.peakKb, peakKbOf(pid));
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    run.seconds = seconds(timer);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    PrivateServer server(folder.path() + u"/db"_s);
    server.start();
    const ConnectionSettings login = server.connectionSettings();
    const QString tool = QCoreApplication::applicationDirPath() + u"/tarvelin-db"_s;

    bool met = true;
    long peak1000 = 0;
    for (int cows : {1000, 10000}) {
        QElapsedTimer timer;
        timer.start();
        const ConnectionSettings demo =
            installDemoDatabase(login, u"tarvelin_bench_demo_%1"_s.arg(cows), cows);
        const double install = seconds(timer);

        const QString file = folder.filePath(u"podnik_%1.json"_s.arg(cows));
        timer.restart();
        ExportVymeny::Vysledok exported;
        {
            Connection connection(demo);
            exported = ExportVymeny(connection).exportuj(u"208123"_s, file);
        }
        const double exportTime = seconds(timer);

        ConnectionSettings empty = login;
        empty.database = u"tarvelin_bench_import_%1"_s.arg(cows);
        timer.restart();
        {
            Connection connection(empty);
            SchemaInstaller(connection).install(SchemaInstaller::IfExists::Replace);
        }
        const double schema = seconds(timer);

        const QStringList importArguments{
            u"--socket"_s,  login.socket,    u"--user"_s,    login.user,  u"--password"_s,
            login.password, u"--database"_s, empty.database, u"import"_s, file};
        const Run import = runTool(tool, importArguments);
        // A breeder's next file of the herd repeats most of the last one: the same file again is
        // the case where nothing is new.
        const Run again = import.exitCode == 0 ? runTool(tool, importArguments) : Run{};
        if (import.exitCode != 0 || again.exitCode != 0) {
            std::printf("import of %d cows failed (exit %d, again %d)\n", cows, import.exitCode,
                        again.exitCode);
            return 1;
        }
        const double ratio = import.seconds / install;
        std::printf("%5d cows: demo install %.1f s (schema alone %.1f s); export %.1f s, %.1f MB "
                    "(%lld animals, %lld lactations, %lld test days)\n",
                    cows, install, schema, exportTime, double(exported.bajtov) / 1e6,
                    exported.zvierat, exported.laktacii, exported.kontrol);
        std::printf("%5d cows: import %.1f s = %.2f x demo install (schema + import %.2f x); "
                    "peak memory of the import %.1f MB\n",
                    cows, import.seconds, ratio, (schema + import.seconds) / install,
                    double(import.peakKb) / 1024);
        std::printf("%5d cows: the same file again %.1f s (nothing to change)\n", cows,
                    again.seconds);
        if (cows == 1000)
            peak1000 = import.peakKb;
        if (cows == 10000) {
            const double growth = double(import.peakKb) / double(peak1000);
            std::printf("peak memory 10,000 / 1,000 cows: %.2f x for a %.1f x larger file\n",
                        growth,
                        double(QFileInfo(file).size()) /
                            double(QFileInfo(folder.filePath(u"podnik_1000.json"_s)).size()));
            if (ratio > 1.5) {
                std::printf("MISSED: the 10,000-cow import takes more than 1.5 x the demo "
                            "install\n");
                met = false;
            }
            if (growth > 1.1) {
                std::printf("MISSED: the import's memory grows with the file\n");
                met = false;
            }
        }
        std::fflush(stdout);
    }
    server.stop();
    return met ? 0 : 1;
}
