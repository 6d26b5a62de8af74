// tarvelin-report: prints a bonitation report of the catalogue for an enterprise, herd or barn
// into a PDF or RTF file without the main window, through the same preparation, statements,
// queries and parameters as the menu; or, with --all, every available report as one book with
// a table of contents. A breeding organisation runs it for many herds in turn. It also prints a
// saved universal report, or writes it into a workbook, so that an office can schedule its own
// lists.

#include "CountingDestination.h"
#include "SavedReport.h"
#include "cli/CommandLine.h"
#include "cli/ConnectionOptions.h"
#include "cli/Console.h"
#include "cli/InterruptHandler.h"
#include "cli/UsageProblem.h"
#include "data/ConfigFile.h"
#include "data/Connection.h"
#include "data/DatabaseError.h"
#include "data/DatabaseLocation.h"
#include "data/SchemaInstaller.h"
#include "data/SlovakLocale.h"
#include "demo/DemoHerd.h"
#include "engine/model/ReportError.h"
#include "reports/ChybaVstupu.h"
#include "reports/HraniceMlieka.h"
#include "reports/KatalogZostav.h"
#include "reports/KnihaZostav.h"
#include "reports/KodChovatela.h"
#include "reports/MakerInfo.h"
#include "reports/NajlepsieKravy.h"
#include "reports/ObdobieKontrol.h"
#include "reports/PocetDcer.h"
#include "reports/StavZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"
#include "reports/ZadaneVstupyZostav.h"
#include "views/spreadsheet/SpreadsheetError.h"

#include <QCommandLineParser>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QTextStream>
#include <cmath>
#include <functional>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

struct Options {
    ConnectionOptions connection;
    QCommandLineOption list{u"list"_s, u"Vypíše zostavy katalógu a uložené univerzálne zostavy."_s};
    QCommandLineOption saved{u"saved"_s, u"Uložená univerzálna zostava tohto názvu."_s, u"NÁZOV"_s};
    QCommandLineOption code{u"code"_s, u"Kód podniku (6 číslic), chovu (8) alebo maštale (9)."_s,
                            u"KÓD"_s};
    QCommandLineOption daughters{u"daughters"_s,
                                 u"Počet dcér pre zostavy 1.A a 1.B (predvolený: 1)."_s, u"N"_s};
    QCommandLineOption period{
        u"period"_s, u"Kontrolné obdobie: --period OD DO (dátumy RRRR-MM-DD alebo D.M.RRRR)."_s,
        u"OD DO"_s};
    QCommandLineOption bounds{u"bounds"_s,
                              u"Hranice mlieka v kg pre zostavy 7.AA a 7.BB: --bounds OD DO "
                              u"(predvolené: 7000 10000)."_s,
                              u"OD DO"_s};
    QCommandLineOption group{
        u"group"_s, u"Veľkosť skupiny najlepších kráv pre zostavu 8 (predvolená: 10)."_s, u"N"_s};
    QCommandLineOption order{
        u"order"_s,
        u"Zoradenie zostavy 8, číslo položky zoznamu: 0 celoživotná, 1 priemerná úžitkovosť; na "
        u"max. laktácii 2 kg mlieka, 3 kg tuku, 4 kg bielkovín, 5 kg tuku a bielkovín, 6 % tuku, "
        u"7 % bielkovín, 8 % tuku a bielkovín (predvolené: celoživotná úžitkovosť)."_s,
        u"K"_s};
    QCommandLineOption all{u"all"_s, u"Všetky dostupné zostavy katalógu ako jedna kniha s "
                                     u"obsahom, v poradí ponuky."_s};
    QCommandLineOption pdf{u"pdf"_s, u"Zapíše zostavu do súboru PDF."_s, u"súbor"_s};
    QCommandLineOption rtf{u"rtf"_s, u"Zapíše zostavu do súboru RTF."_s, u"súbor"_s};
    QCommandLineOption xlsx{u"xlsx"_s, u"Zapíše uloženú zostavu do zošita .xlsx (k --saved)."_s,
                            u"súbor"_s};
};

/// QCommandLineParser takes one value per option; --period and --bounds take two, so they are
/// joined into one value before parsing, whether written "--period OD DO" or "--period=OD DO".
QStringList joinPairs(QStringList arguments, const Options& options) {
    for (const QCommandLineOption* option : {&options.period, &options.bounds}) {
        const QString name = u"--"_s + option->names().constFirst();
        const QString joined = name + u'=';
        for (qsizetype at = 0; at < arguments.size(); ++at) {
            if (arguments[at] == u"--"_s)
                break;
            // A value given with "=" is the first of the two.
            const bool withEquals = arguments[at].startsWith(joined);
            if (arguments[at] != name && !withEquals)
                continue;
            const qsizetype values = withEquals ? 1 : 2;
            const auto isValue = [&](qsizetype i) {
                return i < arguments.size() && !arguments[i].startsWith(u"--"_s);
            };
            if ((withEquals && arguments[at].size() == joined.size()) || !isValue(at + 1) ||
                (values == 2 && !isValue(at + 2)))
                throw UsageProblem(u"Voľba %1 čaká dve hodnoty: %1 OD DO."_s.arg(name));
            QStringList pair =
                withEquals ? QStringList{arguments[at].mid(joined.size())} : QStringList{};
            for (qsizetype i = 1; i <= values; ++i)
                pair << arguments[at + i];
            for (const QString& value : std::as_const(pair))
                if (value.contains(u'\n'))
                    throw UsageProblem(u"Neplatná hodnota voľby %1."_s.arg(name));
            arguments[at] = joined + pair.join(u'\n');
            arguments.remove(at + 1, values);
        }
    }
    return arguments;
}

QStringList pair(const QCommandLineParser& parser, const QCommandLineOption& option) {
    const QStringList values = parser.value(option).split(u'\n');
    if (values.size() != 2)
        throw UsageProblem(
            u"Voľba --%1 čaká dve hodnoty: --%1 OD DO."_s.arg(option.names().constFirst()));
    return values;
}

QDate date(const QString& text) {
    for (const QString& format : {u"yyyy-MM-dd"_s, u"d.M.yyyy"_s}) {
        const QDate parsed = QDate::fromString(text.trimmed(), format);
        if (parsed.isValid())
            return parsed;
    }
    throw UsageProblem(u"Neplatný dátum %1."_s.arg(text));
}

/// Runs the work on the database the options name, or else on the one the program is
/// configured for. A server started for the work alone is left as it was found: stopped.
int onDatabase(const QCommandLineParser& parser, const Options& options,
               const std::function<int(const ConnectionSettings&)>& work) {
    // Without connection options the tool reads the database the program is configured for.
    // A server started for this run alone is stopped again unless others came to use it.
    std::optional<PrivateServer> server;
    std::optional<DatabaseLocation> location;
    const auto releaseServer = qScopeGuard([&] {
        try {
            if (server && server->startedServer())
                server->stopUnlessInUse();
            if (location)
                location->release();
        } catch (const DatabaseError& error) {
            Console::err() << error.message() << Qt::endl;
        }
    });
    ConnectionSettings settings;
    if (options.connection.given(parser)) {
        settings = options.connection.settings(parser, server);
        // The configured database is checked by its preparation; another one here. A private
        // database is the program's own and gets the scripts of a newer program, as at the
        // window's start; another server's is its administrator's (tarvelin-db upgrade).
        Connection connection(settings);
        SchemaInstaller installer(connection);
        installer.requireUsable();
        if (server)
            installer.upgrade();
    } else {
        location.emplace(DatabaseLocation::fromConfig());
        settings = location->prepare(&DemoHerd::generateFirstStart, [](const QString& cinnost) {
            Console::err() << cinnost << Qt::endl;
        });
    }
    return work(settings);
}

/// The code of --code, refused before any server is reached when it cannot be one.
QString checkedCode(const QCommandLineParser& parser, const Options& options) {
    const QString code = parser.value(options.code);
    if (!KodChovatela::jePlatny(code) || !QList<qsizetype>{6, 8, 9}.contains(code.size()))
        throw UsageProblem(u"Neplatný kód %1: čaká sa 6, 8 alebo 9 znakov, číslic 0 až 9 "
                           u"alebo písmen bez diakritiky."_s.arg(code));
    return code;
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

int listReports(const QCommandLineParser& parser, const Options& options) {
    for (const PolozkaKatalogu& polozka : KatalogZostav::polozky()) {
        if (!polozka.jeZostava())
            continue;
        Console::out() << polozka.kod.leftJustified(6) << polozka.popis.trimmed() << Qt::endl;
    }
    Console::out() << Qt::endl;
    options.connection.check(parser);
    return onDatabase(parser, options, [](const ConnectionSettings& settings) {
        Connection connection(settings);
        SavedReport::list(connection);
        return Success;
    });
}

int printSaved(const QCommandLineParser& parser, const Options& options) {
    if (!parser.positionalArguments().isEmpty())
        throw UsageProblem(u"Zadajte buď zostavu katalógu, alebo voľbu --saved."_s);
    for (const QCommandLineOption* option :
         {&options.daughters, &options.period, &options.bounds, &options.group, &options.order})
        if (parser.isSet(*option))
            throw UsageProblem(
                u"Voľba --%1 k uloženej zostave nepatrí."_s.arg(option->names().constFirst()));
    const QList<std::pair<const QCommandLineOption*, SavedReport::Output>> outputs = {
        {&options.pdf, SavedReport::Output::Pdf},
        {&options.rtf, SavedReport::Output::Rtf},
        {&options.xlsx, SavedReport::Output::Xlsx}};
    const auto given = std::count_if(outputs.cbegin(), outputs.cend(), [&](const auto& output) {
        return parser.isSet(*output.first);
    });
    if (given != 1)
        throw UsageProblem(u"Zadajte práve jeden výstup: --pdf, --rtf alebo --xlsx."_s);
    const auto chosen = std::find_if(outputs.cbegin(), outputs.cend(), [&](const auto& output) {
        return parser.isSet(*output.first);
    });
    const QString file = QFileInfo(parser.value(*chosen->first)).absoluteFilePath();
    options.connection.check(parser);
    const QString name = parser.value(options.saved);
    const QString code = parser.isSet(options.code) ? checkedCode(parser, options) : QString();
    return onDatabase(parser, options, [&](const ConnectionSettings& settings) {
        if (!code.isEmpty()) {
            Connection connection(settings);
            requireKnownCode(connection, code);
        }
        return SavedReport::run(settings, name, code, chosen->second, file);
    });
}

/// The options that answer a report's dialog, by the dialog they answer.
QList<std::pair<const QCommandLineOption*, PolozkaKatalogu::Priprava>>
dialogOptions(const Options& options) {
    using P = PolozkaKatalogu::Priprava;
    return {{&options.daughters, P::PocetDcer},
            {&options.bounds, P::HraniceMlieka},
            {&options.period, P::Obdobie},
            {&options.group, P::NajlepsieKravy},
            {&options.order, P::NajlepsieKravy}};
}

/// An option answers a dialog the chosen report does not show: it would be silently ignored,
/// and the user would take the report for one made with it.
void refuseInapplicable(const QCommandLineParser& parser, const Options& options,
                        const PolozkaKatalogu& polozka) {
    for (const auto& [option, priprava] : dialogOptions(options)) {
        if (!parser.isSet(*option) || polozka.priprava == priprava)
            continue;
        QStringList zostavy;
        for (const PolozkaKatalogu& ina : KatalogZostav::polozky())
            if (ina.jeZostava() && ina.priprava == priprava)
                zostavy << ina.kod;
        throw UsageProblem(u"Voľba --%1 k zostave %2 nepatrí: patrí k %3 %4 a k --all."_s.arg(
            option->names().constFirst(), polozka.kod,
            zostavy.size() == 1 ? u"zostave"_s : u"zostavám"_s, zostavy.join(u", "_s)));
    }
}

/// The inputs the report dialogs would ask for, as the command line gives them, checked by the
/// reports' own rules before any server is reached; an option not given leaves the dialog's
/// preset.
struct Inputs {
    StavZostav stav;
    ZadaneVstupyZostav vstupy;
};

Inputs readInputs(const QCommandLineParser& parser, const Options& options, const QString& code) {
    Inputs inputs;
    inputs.stav.KodVyberu = code;
    inputs.stav.KodPodniku = code.left(6);
    if (parser.isSet(options.daughters)) {
        const QString daughters = parser.value(options.daughters);
        PocetDcer::zo(daughters);
        inputs.vstupy.nastavPocetDcer(daughters);
    }
    if (parser.isSet(options.bounds)) {
        const QStringList bounds = pair(parser, options.bounds);
        HraniceMlieka::zo(bounds[0], bounds[1]);
        inputs.vstupy.nastavHraniceMlieka({bounds[0], bounds[1]});
    }
    if (parser.isSet(options.period)) {
        const QStringList period = pair(parser, options.period);
        inputs.vstupy.nastavObdobie(ObdobieKontrol::zo(date(period[0]), date(period[1])));
    }
    VolbaNajlepsich best;
    if (parser.isSet(options.group))
        best.velkost = parser.value(options.group);
    if (parser.isSet(options.order)) {
        const int entries = int(NajlepsieKravy::zoradenia().size());
        bool number = false;
        best.zoradenie = parser.value(options.order).toInt(&number);
        if (!number || best.zoradenie < 0 || best.zoradenie >= entries)
            throw UsageProblem(u"Neplatné zoradenie %1: čaká sa číslo položky 0 až %2."_s.arg(
                parser.value(options.order), QString::number(entries - 1)));
    }
    NajlepsieKravy::zo(best);
    inputs.vstupy.nastavNajlepsieKravy(best);
    return inputs;
}

/// Prints the whole book of available reports into the file; returns the number of pages.
int printBook(TDataModuleTabulky& tabulky, Inputs& inputs, FileDestination::Format format,
              const QString& file) {
    KnihaZostav kniha(tabulky, inputs.stav, inputs.vstupy, MakerInfo::copyrightLine());
    // The options answer every input, so nothing is ever cancelled.
    const std::optional<PageModel> pages = kniha.tlac();
    FileDestination(format, file).deliver(pages.value());
    return pages->pageCount();
}

int printReport(const QCommandLineParser& parser, const Options& options) {
    const QStringList arguments = parser.positionalArguments();
    const bool book = parser.isSet(options.all);
    if (arguments.size() != (book ? 0 : 1))
        throw UsageProblem(book ? u"Pri voľbe --all nezadávajte zostavu."_s
                                : u"Zadajte jednu zostavu (zoznam: --list) alebo --all."_s);
    const PolozkaKatalogu* polozka = book ? nullptr : KatalogZostav::najdi(arguments.constFirst());
    if (!book && !polozka)
        throw UsageProblem(u"Zostava %1 v katalógu nie je (zoznam: --list)."_s.arg(arguments[0]));
    if (polozka)
        refuseInapplicable(parser, options, *polozka);
    if (!parser.isSet(options.code))
        throw UsageProblem(u"Chýba voľba --code (podnik, chov alebo maštaľ)."_s);
    const QString code = checkedCode(parser, options);
    if (parser.isSet(options.xlsx))
        throw UsageProblem(u"Voľba --xlsx patrí k uloženej zostave (--saved)."_s);
    if (parser.isSet(options.pdf) == parser.isSet(options.rtf))
        throw UsageProblem(u"Zadajte práve jeden výstup: --pdf alebo --rtf."_s);
    const FileDestination::Format format =
        parser.isSet(options.pdf) ? FileDestination::Format::Pdf : FileDestination::Format::Rtf;
    const QString file =
        QFileInfo(parser.value(format == FileDestination::Format::Pdf ? options.pdf : options.rtf))
            .absoluteFilePath();
    options.connection.check(parser);
    Inputs inputs = readInputs(parser, options, code);

    return onDatabase(parser, options, [&](const ConnectionSettings& settings) {
        Connection connection(settings);
        requireKnownCode(connection, code);
        TDataModuleTabulky tabulky(&connection);
        if (book) {
            const int pages = printBook(tabulky, inputs, format, file);
            Console::err() << u"Kniha zostáv: %1, %2 → %3"_s.arg(
                                  SlovakLocale::count(int(KnihaZostav::zostavy().size()),
                                                      u"zostava"_s, u"zostavy"_s, u"zostáv"_s),
                                  SlovakLocale::count(pages, u"strana"_s, u"strany"_s, u"strán"_s),
                                  file)
                           << Qt::endl;
            return int(Success);
        }
        const auto destination = std::make_shared<CountingDestination>(format, file);
        tabulky.RvSystemTabulky.setDestination(destination);
        TlacZostavy tlac(tabulky, inputs.stav, inputs.vstupy, MakerInfo::copyrightLine());
        tlac.tlac(*polozka);
        if (!destination->pages()) {
            Console::err() << u"Projekt %1 neobsahuje zostavu %2."_s.arg(
                                  tlac.projekt(*polozka).fileName(), polozka->zostava)
                           << Qt::endl;
            return int(Failure);
        }
        Console::err() << u"Zostava %1: %2 → %3"_s.arg(polozka->kod,
                                                       SlovakLocale::count(*destination->pages(),
                                                                           u"strana"_s, u"strany"_s,
                                                                           u"strán"_s),
                                                       file)
                       << Qt::endl;
        return int(Success);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    // Reports are laid out with real fonts but need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    InterruptHandler::install();
    QGuiApplication application(argc, argv);
    CommandLine::useSlovak(application);
    QCoreApplication::setApplicationName(u"tarvelin-report"_s);
    QCoreApplication::setApplicationVersion(QString::fromUtf8(TARVELIN_VERSION));
    ConfigFile::useFileOf(u"tarvelin"_s);
    // The reports print dates and numbers as the program does, whatever the shell's language,
    // and the command line's help speaks Slovak.
    SlovakLocale::install(application);

    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Vytlačí bonitačnú zostavu programu Tarvelin, alebo s voľbou --all všetky ako jednu "
        u"knihu s obsahom, pre podnik, chov alebo maštaľ do súboru PDF alebo RTF; alebo uloženú "
        u"univerzálnu zostavu do súboru PDF, RTF alebo do zošita .xlsx."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"zostava"_s, u"Kód zostavy z katalógu, napr. 2, 5A, 9.D."_s);
    parser.addOptions({options.list, options.all, options.code, options.daughters, options.period,
                       options.bounds, options.group, options.order, options.pdf, options.rtf,
                       options.saved, options.xlsx});
    parser.addOptions(options.connection.all());
    try {
        CommandLine::parse(parser, joinPairs(application.arguments(), options));
        if (parser.isSet(options.list))
            return listReports(parser, options);
        if (parser.isSet(options.saved))
            return printSaved(parser, options);
        return printReport(parser, options);
    } catch (const ChybaVstupu& refused) {
        Console::err() << refused.message() << Qt::endl;
        return UsageError;
    } catch (const UsageProblem& problem) {
        Console::err() << problem.message() << Qt::endl
                       << u"Pomoc: tarvelin-report --help"_s << Qt::endl;
        return UsageError;
    } catch (const DatabaseError& error) {
        Console::err() << error.message() << Qt::endl;
    } catch (const ReportError& error) {
        Console::err() << error.message() << Qt::endl;
    } catch (const SpreadsheetError& error) {
        Console::err() << QString::fromUtf8(error.what()) << Qt::endl;
    } catch (const std::exception& error) {
        Console::err() << QString::fromUtf8(error.what()) << Qt::endl;
    }
    return Failure;
}
