#pragma once

#include <QApplication>

/// The application object of the program. The last line of defence of the default error
/// handler: an exception that escapes an event handler not entered through the guard is shown
/// here and ends the delivery of that one event.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
