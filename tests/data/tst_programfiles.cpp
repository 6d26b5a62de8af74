#include "data/ConfigError.h"
#include "data/ConfigFile.h"
#include "data/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

bool touch(const QString& path, const QByteArray& contents = {}) {
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

/// Where the program finds its own files and its configuration: beside the executable in the
/// build folder, under <prefix>/share/tarvelin and in the user's configuration folder when
/// installed into <prefix>/bin.
class TestProgramFiles final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_root.emplace();
        QVERIFY(m_root->isValid());
        QVERIFY(QDir().mkpath(bin()));
        qputenv("XDG_CONFIG_HOME", m_root->filePath(u"config"_s).toUtf8());
    }

    void findsEachFileBesideTheProgramThenInTheInstallation_data() {
        QTest::addColumn<QStringList>("beside");
        QTest::addColumn<QStringList>("shared");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("installed");
        const QStringList all{u"sql/010_tables.sql"_s, u"reports/Tabulky.rav"_s,
                              u"TarvelinInfo.html"_s};
        QTest::newRow("build folder") << all << QStringList() << "reports"
                                      << "bin/reports" << false;
        QTest::newRow("installed") << QStringList() << all << "reports"
                                   << "share/tarvelin/reports" << true;
        QTest::newRow("installed, a page") << QStringList() << all << "TarvelinInfo.html"
                                           << "share/tarvelin/TarvelinInfo.html" << true;
        // A build folder inside an installation's prefix still reads its own files.
        QTest::newRow("build folder over an installation") << all << all << "sql"
                                                           << "bin/sql" << false;
        QTest::newRow("installed, a file put beside the program")
            << QStringList{u"TarvelinInfo.html"_s} << all << "TarvelinInfo.html"
            << "bin/TarvelinInfo.html" << true;
        // A missing file is looked for where it belongs, so that a message names that place.
        QTest::newRow("installed, missing") << QStringList() << all << "translations"
                                            << "share/tarvelin/translations" << true;
        QTest::newRow("build folder, missing") << all << QStringList() << "translations"
                                               << "bin/translations" << false;
        QTest::newRow("nothing anywhere") << QStringList() << QStringList() << "sql"
                                          << "bin/sql" << false;
    }
    void findsEachFileBesideTheProgramThenInTheInstallation() {
        QFETCH(QStringList, beside);
        QFETCH(QStringList, shared);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QFETCH(bool, installed);
        for (const QString& file : beside)
            QVERIFY(touch(QDir(bin()).filePath(file)));
        for (const QString& file : shared)
            QVERIFY(touch(QDir(share()).filePath(file)));

        const ProgramFiles files(bin());

        QCOMPARE(files.path(name), m_root->filePath(expected));
        QCOMPARE(files.installed(), installed);
    }

    void configurationOfTheBuildFolderLiesBesideTheProgram() {
        QVERIFY(touch(QDir(bin()).filePath(u"sql/010_tables.sql"_s)));
        const ConfigFile program(ProgramFiles(bin()), u"tarvelin"_s);
        QCOMPARE(program.filePath(), m_root->filePath(u"bin/tarvelin.ini"_s));
        QCOMPARE(program.value(ConfigFile::aplikacia, u"Verzia"_s, u"-"_s), u"-"_s);
        QVERIFY2(!QFile::exists(program.filePath()), "reading created the file");

        program.setValue(ConfigFile::aplikacia, u"MySQLCesta"_s, u"/opt/mariadb/bin/"_s);
        QCOMPARE(program.value(ConfigFile::aplikacia, u"MySQLCesta"_s), u"/opt/mariadb/bin/"_s);
        // A tool reads the program's file only when told to.
        QCOMPARE(ConfigFile(ProgramFiles(bin()), u"tarvelin-report"_s).filePath(),
                 m_root->filePath(u"bin/tarvelin-report.ini"_s));
    }

    void installedProgramKeepsEachUsersSettingsOverTheInstallations_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("only the installation's") << "Verzia"
                                                 << "1.0.0";
        QTest::newRow("the user's over the installation's") << "Zostavy"
                                                            << "/srv/zostavy";
        QTest::newRow("only the user's") << "AktualizaciaDat"
                                         << "1.3.2026";
        QTest::newRow("in neither") << "MySQLCesta"
                                    << "predvolená";
    }
    void installedProgramKeepsEachUsersSettingsOverTheInstallations() {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QVERIFY(touch(QDir(share()).filePath(u"sql/010_tables.sql"_s)));
        QVERIFY(touch(QDir(share()).filePath(u"tarvelin.ini"_s),
                      "[Aplikacia]\nVerzia=1.0.0\nZostavy=/usr/share/tarvelin/ine\n"));
        QVERIFY(touch(m_root->filePath(u"config/tarvelin/tarvelin.ini"_s),
                      "[Aplikacia]\nZostavy=/srv/zostavy\nAktualizaciaDat=1.3.2026\n"));

        const ConfigFile program(ProgramFiles(bin()), u"tarvelin"_s);

        QCOMPARE(program.value(ConfigFile::aplikacia, key, u"predvolená"_s), expected);
    }

    void installedProgramWritesTheUsersFileAlone() {
        QVERIFY(touch(QDir(share()).filePath(u"sql/010_tables.sql"_s)));
        const QString installation = QDir(share()).filePath(u"tarvelin.ini"_s);
        const QByteArray installed = "[Aplikacia]\nVerzia=1.0.0\n";
        QVERIFY(touch(installation, installed));
        const ConfigFile program(ProgramFiles(bin()), u"tarvelin"_s);
        const QString own = m_root->filePath(u"config/tarvelin/tarvelin.ini"_s);
        QCOMPARE(program.filePath(), own);
        // The tools share the program's file whatever their names.
        QCOMPARE(ConfigFile(ProgramFiles(bin()), u"tarvelin-report"_s).filePath(), own);

        // The first setting of a new user creates the configuration folder.
        program.setValue(ConfigFile::aplikacia, u"MySQLCesta"_s, QString());

        QVERIFY(QFile::exists(own));
        QCOMPARE(contentsOf(installation), installed);
        QVERIFY(!QFile::exists(QDir(bin()).filePath(u"tarvelin.ini"_s)));
        QCOMPARE(program.value(ConfigFile::aplikacia, u"Verzia"_s), u"1.0.0"_s);
    }

    void unwritableConfigurationIsReported() {
        QVERIFY(touch(QDir(share()).filePath(u"sql/010_tables.sql"_s)));
        // A file where the configuration folder belongs: nobody, root included, can write there.
        QVERIFY(touch(m_root->filePath(u"config/tarvelin"_s)));
        const ConfigFile program(ProgramFiles(bin()), u"tarvelin"_s);
        QVERIFY_THROWS_EXCEPTION(
            ConfigError, program.setValue(ConfigFile::aplikacia, u"MySQLCesta"_s, QString()));
    }

private:
    QString bin() const { return m_root->filePath(u"bin"_s); }
    QString share() const { return m_root->filePath(u"share/tarvelin"_s); }

    std::optional<QTemporaryDir> m_root;
};

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "tst_programfiles.moc"
