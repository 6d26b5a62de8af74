#include "CommandLine.h"

#include "UsageProblem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Qt's Slovak translation leaves the parser's texts in English.
class ParserTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        static const QHash<QString, QString> texts = {
            {u"Unknown option '%1'."_s, u"Neznáma voľba „%1“."_s},
            {u"Unknown options: %1."_s, u"Neznáme voľby: %1."_s},
            {u"Missing value after '%1'."_s, u"Voľbe „%1“ chýba hodnota."_s},
            {u"Unexpected value after '%1'."_s, u"Voľba „%1“ nečaká hodnotu."_s},
            {u"Usage: %1"_s, u"Použitie: %1"_s},
            {u"[options]"_s, u"[voľby]"_s},
            {u"Options:"_s, u"Voľby:"_s},
            {u"Arguments:"_s, u"Argumenty:"_s},
            {u"Displays help on commandline options."_s, u"Vypíše pomoc k voľbám."_s},
            {u"Displays help including Qt specific options."_s,
             u"Vypíše pomoc aj s voľbami knižnice Qt."_s},
            {u"Displays version information."_s, u"Vypíše verziu."_s},
        };
        if (qstrcmp(context, "QCommandLineParser") != 0)
            return {};
        return texts.value(QString::fromUtf8(sourceText));
    }
};

} // namespace

void CommandLine::useSlovak(QCoreApplication& application) {
    static ParserTexts texts;
    application.installTranslator(&texts);
}

void CommandLine::parse(QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.parse(arguments))
        throw UsageProblem(parser.errorText());
    if (parser.isSet(u"help"_s) || parser.isSet(u"help-all"_s))
        parser.showHelp(0);
    if (parser.isSet(u"version"_s))
        parser.showVersion();
}
