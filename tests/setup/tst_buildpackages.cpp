#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A program's standard output; fails the test when it does not end well within a minute.
QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(5000);
        QTest::qFail(qPrintable(program + u" did not finish"_s), __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll())
                                                            : QString();
}

/// The names of build.sh's packages=(...) list.
QStringList namedPackages() {
    static const QRegularExpression list(u"\\bpackages=\\(([^)]*)\\)"_s);
    const QRegularExpressionMatch found =
        list.match(readText(QString::fromUtf8(TARVELIN_SOURCE_DIR) + u"/build.sh"_s));
    return found.hasMatch()
               ? found.captured(1).split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts)
               : QStringList();
}

/// The package configuration files the configure step read from the system: the *Config.cmake
/// (or *-config.cmake) of every <Name>_DIR entry of the cache that points into /usr.
QMap<QString, QString> packageConfigFiles() {
    static const QRegularExpression entry(u"^(\\w+_DIR):\\w+=(/usr/.*)$"_s,
                                          QRegularExpression::MultilineOption);
    QMap<QString, QString> files;
    const QString cache = readText(QString::fromUtf8(TARVELIN_BINARY_DIR) + u"/CMakeCache.txt"_s);
    for (auto it = entry.globalMatch(cache); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        const QStringList config =
            QDir(found.captured(2).trimmed())
                .entryList({u"*Config.cmake"_s, u"*-config.cmake"_s}, QDir::Files);
        if (!config.isEmpty())
            files.insert(found.captured(1), found.captured(2).trimmed() + u'/' + config.first());
    }
    return files;
}

} // namespace

/// The README's two commands on a fresh Debian machine install only what build.sh names, without
/// recommended packages; every package the configure step found must come with them.
class TestBuildPackages final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPackageTheConfigureStepReadIsInstalledByBuildSh() {
        const QString dpkg = QStandardPaths::findExecutable(u"dpkg"_s);
        const QString aptCache = QStandardPaths::findExecutable(u"apt-cache"_s);
        if (dpkg.isEmpty() || aptCache.isEmpty())
            QSKIP("dpkg or apt-cache is missing: not a Debian system, nothing to check");
        const QStringList named = namedPackages();
        QVERIFY2(!named.isEmpty(), "build.sh has no packages=(...) list");
        const QMap<QString, QString> configs = packageConfigFiles();
        QVERIFY2(!configs.isEmpty(), "CMakeCache.txt names no package configuration in /usr");

        // "qt6-charts-dev:amd64: /usr/lib/.../Qt6ChartsConfig.cmake"
        QMap<QString, QString> owner;
        for (const QString& line :
             output(dpkg, QStringList{u"-S"_s} + configs.values()).split(u'\n')) {
            const qsizetype colon = line.indexOf(u": /"_s);
            if (colon > 0)
                owner.insert(line.mid(colon + 2).trimmed(),
                             line.left(colon).section(u',', 0, 0).section(u':', 0, 0).trimmed());
        }
        // The packages build.sh installs and, without recommends, everything they pull in:
        // the lines of the recursive listing that are not indented dependency lines.
        QSet<QString> installed;
        for (const QString& line :
             output(aptCache, QStringList{u"depends"_s, u"--recurse"_s, u"--no-recommends"_s,
                                          u"--no-suggests"_s, u"--no-conflicts"_s, u"--no-breaks"_s,
                                          u"--no-replaces"_s, u"--no-enhances"_s} +
                                  named)
                 .split(u'\n'))
            if (!line.isEmpty() && !line.front().isSpace())
                installed.insert(line.trimmed().remove(u'<').remove(u'>'));

        QStringList missing;
        for (auto it = configs.cbegin(); it != configs.cend(); ++it) {
            const QString package = owner.value(it.value());
            if (package.isEmpty())
                missing << u"%1: %2 belongs to no package"_s.arg(it.key(), it.value());
            else if (!installed.contains(package))
                missing << u"%1: package %2 (%3)"_s.arg(it.key(), package, it.value());
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(u"build.sh's packages=(...) neither names nor pulls in:\n"_s +
                            missing.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestBuildPackages)
#include "tst_buildpackages.moc"
