#include "Console.h"

QTextStream& Console::out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& Console::err() {
    static QTextStream stream(stderr);
    return stream;
}
