#include "GuardedApplication.h"

#include "ErrorHandler.h"

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ErrorHandler::showCurrentException();
        return false;
    }
}
