#pragma once

#include <QStringList>

class QCommandLineParser;
class QCoreApplication;

/// A tool's command line read with Slovak messages. Qt's parser reports its own errors in
/// English and ends the tool with status 1; here each is a UsageProblem (status 2, like every
/// other command line the tool cannot act on), and --help and --version print and end the tool.
class CommandLine {
public:
    /// Gives the parser's own messages and help headings in Slovak.
    static void useSlovak(QCoreApplication& application);
    /// Throws UsageProblem for an unknown option or a missing or unexpected value.
    static void parse(QCommandLineParser& parser, const QStringList& arguments);
};
