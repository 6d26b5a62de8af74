#include "EndingSignals.h"

#include "PrivateServer.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void passOn(int signal) {
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signal);
    // Never blocks: with the pipe full, signals are waiting to be taken anyway.
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &number, 1);
    errno = savedErrno;
}

} // namespace

void EndingSignals::watch(Reaction reaction) {
    // Without the pipe the signals keep their default: the process ends as it always did.
    if (::pipe2(signalPipe, O_CLOEXEC) != 0)
        return;
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    std::thread([reaction = std::move(reaction)] {
        for (;;) {
            unsigned char number = 0;
            const auto got = ::read(signalPipe[0], &number, 1);
            if (got == 1)
                reaction();
            else if (got == 0 || errno != EINTR)
                return;
        }
    }).detach();

    struct sigaction action {};
    action.sa_handler = passOn;
    sigemptyset(&action.sa_mask);
    // Other threads' calls interrupted by the handler go on rather than fail.
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signal, &action, nullptr);
    }
}

void EndingSignals::stopServersAndExit(std::string_view message) {
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, message.data(), message.size());
    PrivateServer::stopServersStartedHere();
    std::_Exit(1);
}
