#pragma once

#include <QTextStream>

/// The standard streams of a command-line tool as text streams: results go to out(), progress
/// and messages to err(), so that results can be piped.
class Console {
public:
    static QTextStream& out();
    static QTextStream& err();
};
