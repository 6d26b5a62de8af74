#pragma once

#include <chrono>
#include <memory>

/// SIGINT, SIGTERM and SIGHUP end the application's event loop, as closing its main window does,
/// so that the program's normal shutdown releases the private server it started. A loop that has
/// not ended within the grace (a long operation holds the GUI thread) is not waited for: the
/// servers started here are stopped directly and the process ends with status 1.
///
/// Made once, in main(), after the application object and before the loop starts; kept until the
/// program's shutdown is done. From its destruction on, a signal finds the program ending anyway
/// and changes nothing.
class QuitOnSignal {
public:
    explicit QuitOnSignal(std::chrono::milliseconds grace = std::chrono::seconds(3));
    ~QuitOnSignal();
    QuitOnSignal(const QuitOnSignal&) = delete;
    QuitOnSignal& operator=(const QuitOnSignal&) = delete;

private:
    struct Ending;
    std::shared_ptr<Ending> m_ending;
};
