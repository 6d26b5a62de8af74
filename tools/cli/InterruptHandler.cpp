#include "InterruptHandler.h"

#include "data/PrivateServer.h"

#include <csignal>
#include <cstdlib>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace {

sigset_t endingSignals() {
    sigset_t ending;
    sigemptyset(&ending);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&ending, signal);
    return ending;
}

} // namespace

void InterruptHandler::install() {
    const sigset_t ending = endingSignals();
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    std::thread([ending] {
        int received = 0;
        while (sigwait(&ending, &received) != 0) {
        }
        static const char message[] = "\nPrerušené; zastavujem databázový server, ak ho "
                                      "spustil tento príkaz.\n";
        [[maybe_unused]] const auto written = ::write(STDERR_FILENO, message, sizeof message - 1);
        PrivateServer::stopServersStartedHere();
        std::_Exit(1);
    }).detach();
}
