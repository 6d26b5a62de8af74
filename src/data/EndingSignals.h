#pragma once

#include <functional>
#include <string_view>

/// SIGINT, SIGTERM and SIGHUP (Ctrl+C in the terminal, the end of the desktop session, a closed
/// terminal) would end the process at once and leave the private servers it started running for
/// nobody. Watched, each of them runs a reaction in a thread of its own instead. The signal
/// handler itself only writes to a pipe, and no signal is blocked, so the programs this process
/// starts get the usual handling back when they start.
class EndingSignals {
public:
    using Reaction = std::function<void()>;

    /// Once per process: each signal from now on runs reaction in the watching thread, one after
    /// another. A signal the process was started to ignore (nohup) stays ignored.
    static void watch(Reaction reaction);

    /// Stops the private servers this process started and nobody else uses
    /// (PrivateServer::stopServersStartedHere) and ends the process with status 1, without
    /// waiting for its other threads. message goes to the error stream first.
    [[noreturn]] static void stopServersAndExit(std::string_view message);
};
