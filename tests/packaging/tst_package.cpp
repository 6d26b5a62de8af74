#include "app/art/ProgramIcon.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <optional>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString sourceDir = QString::fromUtf8(TARVELIN_SOURCE_DIR);
const QString binaryDir = QString::fromUtf8(TARVELIN_BINARY_DIR);
const QString version = QString::fromUtf8(TARVELIN_VERSION);

struct Finished {
    bool ended = false; ///< ended by itself within its time, not killed
    int exitCode = -1;
    QString out;
    QString err;

    QString describe() const {
        return u"exit %1\n%2\n%3"_s.arg(ended ? QString::number(exitCode) : u"-"_s, out, err);
    }
};

/// Runs a program to its end, or kills it after the given seconds: nothing here waits without a
/// limit.
Finished run(const QString& program, const QStringList& arguments, int seconds,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Finished result;
    if (!process.waitForStarted(10'000)) {
        result.err = program + u": "_s + process.errorString();
        return result;
    }
    if (!process.waitForFinished(seconds * 1000)) {
        process.kill();
        process.waitForFinished(5000);
        result.err = u"%1 did not end within %2 s"_s.arg(program).arg(seconds);
        return result;
    }
    result.ended = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err += QString::fromUtf8(process.readAllStandardError());
    return result;
}

bool succeeded(const Finished& finished) {
    return finished.ended && finished.exitCode == 0;
}

QString tool(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString desktopId() {
    return QDir(sourceDir + u"/packaging"_s)
        .entryInfoList({u"*.desktop"_s}, QDir::Files)
        .value(0)
        .completeBaseName();
}

/// The options a tool's --help names ("--code", "-h"...).
QSet<QString> helpOptions(const QString& program) {
    static const QRegularExpression option(u"(?:^|[\\s,])(--?[a-z][a-z-]*)"_s);
    QSet<QString> options;
    const Finished help = run(program, {u"--help"_s}, 60);
    for (const QString& line : help.out.split(u'\n')) {
        // Options are listed first on their lines; the descriptions name others too.
        if (!line.startsWith(u"  -"_s))
            continue;
        for (auto it = option.globalMatch(line.section(u"  "_s, 1, 1)); it.hasNext();)
            options << it.next().captured(1);
    }
    return options;
}

} // namespace

/// The Debian package built from this build: what it holds, that its desktop entry, metadata,
/// manual pages and completion are sound, and, where the test may change the machine, that
/// the installed programs run and that removing the package leaves no file of it.
class TestPackage final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (tool(u"dpkg-deb"_s).isEmpty() || tool(u"dpkg-shlibdeps"_s).isEmpty())
            QSKIP("dpkg-deb or dpkg-shlibdeps is missing: no Debian package can be built here "
                  "(./build.sh installs dpkg-dev)");
        QVERIFY(m_work.isValid());
        const Finished built =
            run(QString::fromUtf8(TARVELIN_CPACK),
                {u"--config"_s, binaryDir + u"/CPackConfig.cmake"_s, u"-B"_s, m_work.path()}, 900);
        QVERIFY2(succeeded(built), qPrintable(built.describe()));
        const Finished architecture = run(u"dpkg"_s, {u"--print-architecture"_s}, 60);
        QVERIFY(succeeded(architecture));
        m_deb = m_work.filePath(u"tarvelin_%1_%2.deb"_s.arg(version, architecture.out.trimmed()));
        QVERIFY2(QFile::exists(m_deb), qPrintable(m_deb + u" was not built:\n"_s + built.out));

        const Finished listed = run(u"dpkg-deb"_s, {u"--contents"_s, m_deb}, 60);
        QVERIFY(succeeded(listed));
        // "-rw-r--r-- root/root 2725 2026-12-11 00:14 ./usr/share/tarvelin/TarvelinInfo.html"
        for (const QString& line : listed.out.split(u'\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(u'-'))
                m_files << line.section(u' ', -1).mid(2);
        }
        m_root = m_work.filePath(u"root"_s);
        QVERIFY(succeeded(run(u"dpkg-deb"_s, {u"--extract"_s, m_deb, m_root}, 60)));
    }

    void holdsTheProgramItsFilesAndWhatTheDesktopNeeds() {
        QSet<QString> expected{u"usr/bin/tarvelin"_s,
                               u"usr/bin/tarvelin-db"_s,
                               u"usr/bin/tarvelin-report"_s,
                               u"usr/share/tarvelin/TarvelinInfo.html"_s,
                               u"usr/share/tarvelin/tarvelin.ini"_s,
                               u"usr/share/tarvelin/translations/tarvelin_sk.qm"_s,
                               u"usr/share/applications/%1.desktop"_s.arg(desktopId()),
                               u"usr/share/metainfo/%1.metainfo.xml"_s.arg(desktopId()),
                               u"usr/share/icons/hicolor/scalable/apps/tarvelin.svg"_s,
                               u"usr/share/bash-completion/completions/tarvelin-db"_s,
                               u"usr/share/bash-completion/completions/tarvelin-report"_s,
                               u"usr/share/doc/tarvelin/copyright"_s,
                               u"usr/share/doc/tarvelin/changelog.gz"_s};
        for (const QString& page : {u"tarvelin"_s, u"tarvelin-db"_s, u"tarvelin-report"_s})
            expected << u"usr/share/man/man1/%1.1.gz"_s.arg(page);
        for (const int size : ProgramIcon::Sizes)
            expected << u"usr/share/icons/hicolor/%1x%1/apps/tarvelin.png"_s.arg(size);
        for (const QString& script : QDir(sourceDir + u"/sql"_s).entryList({u"*.sql"_s}))
            expected << u"usr/share/tarvelin/sql/"_s + script;
        for (const QString& project : QDir(sourceDir + u"/reports"_s).entryList({u"*.rav"_s}))
            expected << u"usr/share/tarvelin/reports/"_s + project;

        const QSet<QString> missing = expected - m_files;
        const QSet<QString> unexpected = m_files - expected;
        QVERIFY2(missing.isEmpty(), qPrintable(u"missing: "_s + missing.values().join(u", "_s)));
        QVERIFY2(unexpected.isEmpty(),
                 qPrintable(u"unexpected: "_s + unexpected.values().join(u", "_s)));
    }

    void controlFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("name") << "Package"
                              << "^tarvelin$";
        QTest::newRow("version of the program")
            << "Version" << u"^%1$"_s.arg(QRegularExpression::escape(version));
        // Libraries from the binaries, and what the program loads or runs at run time.
        for (const char* package : {"libqt6widgets6", "libqt6charts6", "libmariadb3",
                                    "libxlsxwriter\\d+", "libqt6sql6-mysql", "mariadb-server-core",
                                    "mariadb-client", "qt6-translations-l10n", "fonts-dejavu-core"})
            QTest::addRow("depends on %s", package)
                << "Depends" << u"(^|, )%1( |,|$)"_s.arg(QString::fromLatin1(package));
        QTest::newRow("description") << "Description"
                                     << "dairy herds\\n .+";
    }
    void controlFields() {
        QFETCH(QString, field);
        QFETCH(QString, pattern);
        const Finished value = run(u"dpkg-deb"_s, {u"--field"_s, m_deb, field}, 60);
        QVERIFY(succeeded(value));
        QVERIFY2(QRegularExpression(pattern).match(value.out.trimmed()).hasMatch(),
                 qPrintable(field + u": "_s + value.out));
    }

    void desktopEntryAndMetadataValidate() {
        const QString validator = tool(u"desktop-file-validate"_s);
        const QString appstream = tool(u"appstreamcli"_s);
        if (validator.isEmpty() || appstream.isEmpty())
            QSKIP("desktop-file-validate or appstreamcli is missing (./build.sh installs "
                  "desktop-file-utils and appstream)");
        const QString entry = m_root + u"/usr/share/applications/%1.desktop"_s.arg(desktopId());
        const Finished desktop = run(validator, {entry}, 60);
        QVERIFY2(succeeded(desktop) && desktop.out.isEmpty(), qPrintable(desktop.describe()));

        const QString metainfo = m_root + u"/usr/share/metainfo/%1.metainfo.xml"_s.arg(desktopId());
        const Finished valid = run(appstream, {u"validate"_s, u"--no-net"_s, metainfo}, 120);
        QVERIFY2(succeeded(valid), qPrintable(valid.describe()));
        QVERIFY2(readText(metainfo).contains(u"<release version=\"%1\""_s.arg(version)),
                 "the metadata's release is not the program's version");
    }

    void manualPages_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("program");
        QTest::newRow("tarvelin") << "tarvelin" << QString();
        QTest::newRow("tarvelin-db") << "tarvelin-db" << binaryDir + u"/tarvelin-db"_s;
        QTest::newRow("tarvelin-report") << "tarvelin-report" << binaryDir + u"/tarvelin-report"_s;
    }
    void manualPages() {
        QFETCH(QString, page);
        QFETCH(QString, program);
        if (tool(u"man"_s).isEmpty() || tool(u"lexgrog"_s).isEmpty())
            QSKIP("man-db is missing");
        const QString file = m_root + u"/usr/share/man/man1/%1.1.gz"_s.arg(page);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"MANWIDTH"_s, u"100"_s);
        environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
        const Finished shown =
            run(u"man"_s, {u"--warnings"_s, u"-E"_s, u"UTF-8"_s, u"-l"_s, file}, 60, environment);
        QVERIFY2(succeeded(shown) && shown.err.trimmed().isEmpty(), qPrintable(shown.describe()));
        // apropos and whatis find the page by its name line.
        const Finished whatis = run(u"lexgrog"_s, {file}, 60);
        QVERIFY2(succeeded(whatis) && whatis.out.contains(page + u" - "_s),
                 qPrintable(whatis.describe()));

        if (program.isEmpty())
            return;
        const QSet<QString> options = helpOptions(program);
        QVERIFY(options.contains(u"--help"_s));
        QStringList undocumented;
        for (const QString& option : options) {
            if (!shown.out.contains(option))
                undocumented << option;
        }
        QVERIFY2(undocumented.isEmpty(),
                 qPrintable(u"options not in the page: "_s + undocumented.join(u", "_s)));
    }

    void bashCompletion_data() {
        QTest::addColumn<QString>("completion");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("notOffered");
        QTest::newRow("report codes")
            << "tarvelin-report" << QStringList{u"tarvelin-report"_s, u"9"_s}
            << QStringList{u"9.A"_s, u"9.D"_s} << QStringList{u"10.A"_s};
        QTest::newRow("report codes after options")
            << "tarvelin-report"
            << QStringList{u"tarvelin-report"_s, u"--code"_s, u"208123"_s, u"1"_s}
            << QStringList{u"1.A"_s, u"10.A"_s, u"17.D"_s} << QStringList{u"2"_s};
        QTest::newRow("options from the tool's help")
            << "tarvelin-report" << QStringList{u"tarvelin-report"_s, u"--p"_s}
            << QStringList{u"--pdf"_s, u"--period"_s, u"--port"_s, u"--password"_s}
            << QStringList{u"--code"_s};
        QTest::newRow("order of report 8")
            << "tarvelin-report" << QStringList{u"tarvelin-report"_s, u"8"_s, u"--order"_s, u""_s}
            << QStringList{u"0"_s, u"8"_s} << QStringList{u"9"_s};
        QTest::newRow("nothing for a code")
            << "tarvelin-report" << QStringList{u"tarvelin-report"_s, u"--code"_s, u""_s}
            << QStringList() << QStringList{u"9.D"_s};
        QTest::newRow("second value of a period")
            << "tarvelin-report"
            << QStringList{u"tarvelin-report"_s, u"10.A"_s, u"--period"_s, u"2026-01-01"_s, u""_s}
            << QStringList() << QStringList{u"10.A"_s};
        QTest::newRow("commands") << "tarvelin-db" << QStringList{u"tarvelin-db"_s, u"st"_s}
                                  << QStringList{u"start"_s, u"stop"_s, u"status"_s}
                                  << QStringList{u"install"_s};
        QTest::newRow("tool options") << "tarvelin-db" << QStringList{u"tarvelin-db"_s, u"--de"_s}
                                      << QStringList{u"--demo"_s} << QStringList{u"--datadir"_s};
    }
    void bashCompletion() {
        QFETCH(QString, completion);
        QFETCH(QStringList, words);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, notOffered);
        const QString framework = u"/usr/share/bash-completion/bash_completion"_s;
        if (!QFile::exists(framework))
            QSKIP("bash-completion is missing (./build.sh installs it)");
        // The completion's function called as bash calls it on Tab after the last word, with the
        // build's tools on the PATH for the options their help lists.
        const QString script =
            u". %1\n"
            u". \"$1\"\n"
            u"shift\n"
            u"COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1))\n"
            u"COMP_LINE=\"$*\"; COMP_POINT=${#COMP_LINE}\n"
            u"_%2 \"$1\" \"${COMP_WORDS[COMP_CWORD]}\" \"${COMP_WORDS[COMP_CWORD - 1]}\"\n"
            u"printf '%s\\n' \"${COMPREPLY[@]}\"\n"_s.arg(framework,
                                                          QString(completion).replace(u'-', u'_'));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"PATH"_s, binaryDir + u':' + environment.value(u"PATH"_s));
        const Finished completed =
            run(u"bash"_s,
                QStringList{u"-c"_s, script, u"bash"_s,
                            m_root + u"/usr/share/bash-completion/completions/"_s + completion} +
                    words,
                60, environment);
        QVERIFY2(succeeded(completed), qPrintable(completed.describe()));
        const QStringList reply = completed.out.split(u'\n', Qt::SkipEmptyParts);
        for (const QString& word : offered)
            QVERIFY2(reply.contains(word), qPrintable(word + u" not in: "_s + reply.join(u' ')));
        for (const QString& word : notOffered)
            QVERIFY2(!reply.contains(word), qPrintable(word + u" in: "_s + reply.join(u' ')));
    }

    void lintianFindsNoErrors() {
        const QString lintian = tool(u"lintian"_s);
        if (lintian.isEmpty())
            QSKIP("lintian is missing (./build.sh installs it)");
        const Finished checked = run(lintian, {u"--no-tag-display-limit"_s, m_deb}, 600);
        QVERIFY2(checked.ended, qPrintable(checked.describe()));
        QStringList errors;
        for (const QString& line : checked.out.split(u'\n')) {
            if (line.startsWith(u"E: "_s))
                errors << line;
            else if (line.startsWith(u"W: "_s))
                qInfo().noquote() << line;
        }
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    }

    void installedProgramsRunAndRemovalLeavesNoFile() {
        if (::geteuid() != 0)
            QSKIP("not root: the package is built and checked, but not installed");
        const QString aptGet = tool(u"apt-get"_s);
        if (aptGet.isEmpty())
            QSKIP("no apt-get: the package is built and checked, but not installed");
        // Runs of this test in other build folders of the machine take their turns.
        QLockFile turn(QDir::tempPath() + u"/tarvelin-package-test.lock"_s);
        turn.setStaleLockTime(0);
        QVERIFY2(turn.tryLock(30 * 60 * 1000), "another run of this test holds the package");
        const auto installed = [] {
            return run(u"dpkg-query"_s, {u"-W"_s, u"-f=${db:Status-Status}"_s, u"tarvelin"_s}, 60)
                       .out == u"installed"_s;
        };
        if (installed())
            QSKIP("a tarvelin package is installed on this machine; the test leaves it alone");

        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcessEnvironment user = QProcessEnvironment::systemEnvironment();
        for (const QString& name : user.keys()) {
            if (name.startsWith(u"XDG_"_s) || name.startsWith(u"TARVELIN_"_s) ||
                name.startsWith(u"QT_"_s))
                user.remove(name);
        }
        user.insert(u"HOME"_s, home.path());
        const QString dataFolder = home.filePath(u".local/share/tarvelin/mariadb"_s);
        QProcessEnvironment apt = QProcessEnvironment::systemEnvironment();
        apt.insert(u"DEBIAN_FRONTEND"_s, u"noninteractive"_s);
        const QStringList aptOptions{u"-y"_s, u"-q"_s, u"-o"_s, u"DPkg::Lock::Timeout=300"_s};

        std::optional<QProcess> window;
        // Whatever fails, the machine is left as it was found: no window, no server, no package.
        const auto restore = qScopeGuard([&] {
            if (window && window->state() != QProcess::NotRunning) {
                window->kill();
                window->waitForFinished(10'000);
            }
            if (QFile::exists(u"/usr/bin/tarvelin-db"_s))
                run(u"/usr/bin/tarvelin-db"_s, {u"--datadir"_s, dataFolder, u"stop"_s}, 120, user);
            if (installed())
                run(aptGet, aptOptions + QStringList{u"remove"_s, u"tarvelin"_s}, 600, apt);
        });

        const Finished installing =
            run(aptGet, aptOptions + QStringList{u"install"_s, u"--no-install-recommends"_s, m_deb},
                900, apt);
        QVERIFY2(succeeded(installing) && installed(), qPrintable(installing.describe()));

        // A new user's first start: the private server and the demo herd from /usr/share.
        const Finished listed = run(u"/usr/bin/tarvelin-report"_s, {u"--list"_s}, 600, user);
        QVERIFY2(succeeded(listed) && listed.out.contains(u"9.D"_s), qPrintable(listed.describe()));
        const QString pdf = home.filePath(u"9d.pdf"_s);
        const Finished printed =
            run(u"/usr/bin/tarvelin-report"_s,
                {u"9.D"_s, u"--code"_s, u"208123"_s, u"--pdf"_s, pdf}, 600, user);
        QVERIFY2(succeeded(printed) && QFileInfo(pdf).size() > 0, qPrintable(printed.describe()));
        // The runner stopped the server it started.
        const Finished status = run(u"/usr/bin/tarvelin-db"_s, {u"status"_s}, 120, user);
        QVERIFY2(status.ended && status.exitCode == 3 && status.out.contains(dataFolder),
                 qPrintable(status.describe()));

        // The window reaches its main window when it rebuilds its working table on showing.
        QProcessEnvironment screenless = user;
        screenless.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        const QString log = home.filePath(u"sql.log"_s);
        screenless.insert(u"TARVELIN_SQL_LOG"_s, log);
        window.emplace();
        window->setProcessEnvironment(screenless);
        window->start(u"/usr/bin/tarvelin"_s, QStringList());
        QVERIFY2(window->waitForStarted(10'000), qPrintable(window->errorString()));
        QElapsedTimer waited;
        waited.start();
        while (!readText(log).contains(u"DROP TABLE IF EXISTS laktela"_s) &&
               window->state() == QProcess::Running && waited.elapsed() < 300'000)
            window->waitForFinished(500);
        QVERIFY2(window->state() == QProcess::Running,
                 qPrintable(u"the window ended: "_s + window->readAllStandardError()));
        QVERIFY2(readText(log).contains(u"DROP TABLE IF EXISTS laktela"_s),
                 "the main window was not shown within 5 minutes");
        window->terminate();
        if (!window->waitForFinished(30'000)) {
            window->kill();
            window->waitForFinished(10'000);
        }
        const Finished stopped = run(u"/usr/bin/tarvelin-db"_s, {u"stop"_s}, 120, user);
        QVERIFY2(succeeded(stopped), qPrintable(stopped.describe()));

        const Finished removing =
            run(aptGet, aptOptions + QStringList{u"remove"_s, u"tarvelin"_s}, 600, apt);
        QVERIFY2(succeeded(removing) && !installed(), qPrintable(removing.describe()));
        QStringList left;
        for (const QString& file : std::as_const(m_files)) {
            if (QFileInfo::exists(u'/' + file))
                left << u'/' + file;
        }
        QVERIFY2(left.isEmpty(), qPrintable(u"left behind: "_s + left.join(u", "_s)));
        QVERIFY2(!QFileInfo::exists(u"/usr/share/tarvelin"_s), "/usr/share/tarvelin is left");
        // The user's data are the user's.
        QVERIFY(QFileInfo(dataFolder).isDir());
    }

private:
    QTemporaryDir m_work;
    QString m_deb;
    QString m_root;
    QSet<QString> m_files;
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
