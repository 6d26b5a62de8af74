#include "QuitOnSignal.h"

#include "EndingSignals.h"

#include <QCoreApplication>
#include <condition_variable>
#include <mutex>

struct QuitOnSignal::Ending {
    std::mutex mutex;
    std::condition_variable changed;
    /// The loop has ended: the normal shutdown is under way, with time limits of its own.
    bool loopEnded = false;

    void markLoopEnded() {
        {
            const std::lock_guard guard(mutex);
            loopEnded = true;
        }
        changed.notify_all();
    }
};

QuitOnSignal::QuitOnSignal(std::chrono::milliseconds grace)
    : m_ending(std::make_shared<Ending>()) {
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                     [ending = m_ending] { ending->markLoopEnded(); });
    EndingSignals::watch([ending = m_ending, grace] {
        std::unique_lock lock(ending->mutex);
        if (ending->loopEnded)
            return;
        // Under the lock the application object stays: this object's end, which comes before
        // the application's, waits for the lock. The loop is ended rather than asked to close
        // every window (quit): a window may refuse, or take its closing as a confirmation and
        // go on with a report, and a signal must start nothing.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        if (!ending->changed.wait_for(lock, grace, [&ending] { return ending->loopEnded; }))
            EndingSignals::stopServersAndExit("\nTarvelin neodpovedá; zastavujem databázový "
                                              "server, ak ho spustil, a končím.\n");
    });
}

QuitOnSignal::~QuitOnSignal() {
    m_ending->markLoopEnded();
}
