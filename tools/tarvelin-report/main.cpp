// tarvelin-report: prints a bonitation report of the catalogue for an enterprise, herd or barn
// into a PDF or RTF file without the main window, through the same preparation, statements,
// queries and parameters as the menu. A breeding organisation runs it for many herds in turn.

#include "cli/ConnectionOptions.h"
#include "cli/Console.h"
#include "cli/UsageProblem.h"
#include "data/ConfigFile.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/DatabaseLocation.h"
#include "data/SlovakLocale.h"
#include "demo/DemoHerd.h"
#include "engine/model/FileDestination.h"
#include "engine/model/PageModel.h"
#include "engine/model/ReportError.h"
#include "reports/KatalogZostav.h"
#include "reports/KodChovatela.h"
#include "reports/MakerInfo.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"

#include <QCommandLineParser>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QTextStream>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

struct Options {
    ConnectionOptions connection;
    QCommandLineOption list{u"list"_s, u"Vypíše zostavy katalógu."_s};
    QCommandLineOption code{u"code"_s, u"Kód podniku (6 číslic), chovu (8) alebo maštale (9)."_s,
                            u"KÓD"_s};
    QCommandLineOption daughters{u"daughters"_s, u"Počet dcér pre zostavy 1.A a 1.B."_s, u"N"_s};
    QCommandLineOption period{
        u"period"_s, u"Kontrolné obdobie: --period OD DO (dátumy RRRR-MM-DD alebo D.M.RRRR)."_s,
        u"OD DO"_s};
    QCommandLineOption bounds{u"bounds"_s, u"Hranice mlieka v kg: --bounds OD DO."_s, u"OD DO"_s};
    QCommandLineOption pdf{u"pdf"_s, u"Zapíše zostavu do súboru PDF."_s, u"súbor"_s};
    QCommandLineOption rtf{u"rtf"_s, u"Zapíše zostavu do súboru RTF."_s, u"súbor"_s};
};

/// QCommandLineParser takes one value per option; --period and --bounds take two, so they are
/// joined into one value before parsing.
QStringList joinPairs(QStringList arguments, const Options& options) {
    for (const QCommandLineOption* option : {&options.period, &options.bounds}) {
        const QString name = u"--"_s + option->names().constFirst();
        const qsizetype at = arguments.indexOf(name);
        if (at < 0)
            continue;
        const auto isValue = [&](qsizetype i) {
            return i < arguments.size() && !arguments[i].startsWith(u"--"_s);
        };
        if (!isValue(at + 1) || !isValue(at + 2))
            throw UsageProblem(u"Voľba %1 čaká dve hodnoty: OD DO."_s.arg(name));
        arguments[at] =
            name + QLatin1Char('=') + arguments[at + 1] + QLatin1Char('\n') + arguments[at + 2];
        arguments.remove(at + 1, 2);
    }
    return arguments;
}

QStringList pair(const QCommandLineParser& parser, const QCommandLineOption& option) {
    return parser.value(option).split(QLatin1Char('\n'));
}

QDate date(const QString& text) {
    for (const QString& format : {u"yyyy-MM-dd"_s, u"d.M.yyyy"_s}) {
        const QDate parsed = QDate::fromString(text.trimmed(), format);
        if (parsed.isValid())
            return parsed;
    }
    throw UsageProblem(u"Neplatný dátum %1."_s.arg(text));
}

int listReports() {
    for (const PolozkaKatalogu& polozka : KatalogZostav::polozky()) {
        if (!polozka.jeZostava())
            continue;
        Console::out() << polozka.kod.leftJustified(6) << polozka.popis.trimmed();
        if (!polozka.dostupna)
            Console::out() << u"  (zatiaľ nie je k dispozícii)"_s;
        Console::out() << Qt::endl;
    }
    return Success;
}

/// Counts the pages that reach the file, so that a report the project lacks, which the engine
/// skips without a word, is reported as an error here.
class CountingDestination : public ReportDestination {
public:
    CountingDestination(FileDestination::Format format, const QString& fileName)
        : m_file(format, fileName) {}
    void deliver(const PageModel& pages) override {
        m_file.deliver(pages);
        m_pages = pages.pageCount();
    }
    std::optional<int> pages() const { return m_pages; }

private:
    FileDestination m_file;
    std::optional<int> m_pages;
};

/// The inputs the report dialogs would ask for, as the command line gives them.
void applyInputs(const QCommandLineParser& parser, const Options& options, StavZostav& stav,
                 Connection& connection) {
    if (parser.isSet(options.daughters))
        stav.ZadanyPocetDcer = int(ConnectionOptions::number(parser, options.daughters, 0, 9999));
    if (parser.isSet(options.bounds)) {
        const QStringList bounds = pair(parser, options.bounds);
        for (const QString& bound : bounds) {
            bool ok = false;
            bound.toDouble(&ok);
            if (!ok)
                throw UsageProblem(u"Neplatná hranica mlieka %1."_s.arg(bound));
        }
        stav.HranicaOd = bounds[0];
        stav.HranicaDo = bounds[1];
    }
    if (parser.isSet(options.period)) {
        const QStringList period = pair(parser, options.period);
        const QDate from = date(period[0]);
        const QDate to = date(period[1]);
        if (from > to)
            throw UsageProblem(u"Obdobie sa končí skôr, ako sa začína."_s);
        connection.execute(u"UPDATE param SET kontrolne_obd_od = :od, kontrolne_obd_do = :do"_s,
                           {{u":od"_s, from}, {u":do"_s, to}});
        stav.TextObdobia = QLocale().toString(from, QLocale::ShortFormat) + u" - "_s +
                           QLocale().toString(to, QLocale::ShortFormat);
    }
}

// A mistyped code would give a report of nobody, headed with empty names.
void requireKnownCode(Connection& connection, const QString& code) {
    QSqlQuery known = connection.execute(
        u"SELECT (SELECT count(*) FROM podniky WHERE podnik = :Podnik) + (SELECT "
        u"count(*) FROM chovy WHERE chov = :Chov) + (SELECT count(*) FROM mastale "
        u"WHERE mastal = :Mastal)"_s,
        {{u"Podnik"_s, code}, {u"Chov"_s, code}, {u"Mastal"_s, code}});
    if (!known.next() || known.value(0).toInt() == 0)
        throw UsageProblem(u"Podnik, chov ani maštaľ s kódom %1 v databáze nie je."_s.arg(code));
}

int printReport(const QCommandLineParser& parser, const Options& options) {
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 1)
        throw UsageProblem(u"Zadajte jednu zostavu (zoznam: --list)."_s);
    const PolozkaKatalogu* polozka = KatalogZostav::najdi(arguments.constFirst());
    if (!polozka)
        throw UsageProblem(u"Zostava %1 v katalógu nie je (zoznam: --list)."_s.arg(arguments[0]));
    if (!parser.isSet(options.code))
        throw UsageProblem(u"Chýba voľba --code (podnik, chov alebo maštaľ)."_s);
    const QString code = parser.value(options.code);
    if (!KodChovatela::jePlatny(code) || !QList<qsizetype>{6, 8, 9}.contains(code.size()))
        throw UsageProblem(u"Neplatný kód %1: čaká sa 6, 8 alebo 9 znakov."_s.arg(code));
    if (parser.isSet(options.pdf) == parser.isSet(options.rtf))
        throw UsageProblem(u"Zadajte práve jeden výstup: --pdf alebo --rtf."_s);
    const bool pdf = parser.isSet(options.pdf);
    const QString file =
        QFileInfo(parser.value(pdf ? options.pdf : options.rtf)).absoluteFilePath();
    options.connection.check(parser);
    if (!polozka->dostupna) {
        Console::err() << u"Zostava %1 zatiaľ nie je k dispozícii."_s.arg(polozka->kod) << Qt::endl;
        return Failure;
    }

    // Without connection options the report reads the database the program is configured for.
    std::optional<PrivateServer> server;
    std::optional<DatabaseLocation> location;
    ConnectionSettings settings;
    if (options.connection.given(parser)) {
        settings = options.connection.settings(parser, server);
    } else {
        location.emplace(DatabaseLocation::fromConfig());
        settings = location->prepare(&DemoHerd::generateFirstStart, [](const QString& cinnost) {
            Console::err() << cinnost << Qt::endl;
        });
    }
    // A server started for this report alone is left as it was found: stopped.
    const auto releaseServer = qScopeGuard([&] {
        if (server && server->startedServer())
            server->stop();
        if (location)
            location->release();
    });
    int result = Failure;
    {
        Connection connection(settings);
        requireKnownCode(connection, code);
        TDataModuleTabulky tabulky(&connection);
        StavZostav stav;
        stav.KodVyberu = code;
        stav.KodPodniku = code.left(6);
        applyInputs(parser, options, stav, connection);
        const auto destination = std::make_shared<CountingDestination>(
            pdf ? FileDestination::Format::Pdf : FileDestination::Format::Rtf, file);
        tabulky.RvSystemTabulky.setDestination(destination);
        TlacZostavy tlac(tabulky, stav, MakerInfo::copyrightLine());
        tlac.tlac(*polozka);
        if (destination->pages()) {
            Console::err() << u"Zostava %1: %2 → %3"_s.arg(
                                  polozka->kod,
                                  SlovakLocale::count(*destination->pages(), u"strana"_s,
                                                      u"strany"_s, u"strán"_s),
                                  file)
                           << Qt::endl;
            result = Success;
        } else {
            Console::err() << u"Projekt %1 neobsahuje zostavu %2."_s.arg(
                                  tlac.projekt(*polozka).fileName(), polozka->zostava)
                           << Qt::endl;
        }
    }
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    // Reports are laid out with real fonts but need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"tarvelin-report"_s);
    QCoreApplication::setApplicationVersion(QString::fromUtf8(TARVELIN_VERSION));
    ConfigFile::useFileOf(u"tarvelin"_s);
    // The reports print dates and numbers as the program does, whatever the shell's language,
    // and the command line's help speaks Slovak.
    SlovakLocale::install(application);

    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Vytlačí bonitačnú zostavu programu Tarvelin pre podnik, chov alebo "
        u"maštaľ do súboru PDF alebo RTF."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"zostava"_s, u"Kód zostavy z katalógu, napr. 2, 5A, 9.D."_s);
    parser.addOptions({options.list, options.code, options.daughters, options.period,
                       options.bounds, options.pdf, options.rtf});
    parser.addOptions(options.connection.all());
    try {
        parser.process(joinPairs(application.arguments(), options));
        if (parser.isSet(options.list))
            return listReports();
        return printReport(parser, options);
    } catch (const UsageProblem& problem) {
        Console::err() << problem.message() << Qt::endl
                       << u"Pomoc: tarvelin-report --help"_s << Qt::endl;
        return UsageError;
    } catch (const DatabaseError& error) {
        Console::err() << error.message() << Qt::endl;
    } catch (const ReportError& error) {
        Console::err() << error.message() << Qt::endl;
    } catch (const std::exception& error) {
        Console::err() << QString::fromUtf8(error.what()) << Qt::endl;
    }
    return Failure;
}
