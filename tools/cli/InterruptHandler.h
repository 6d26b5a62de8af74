#pragma once

/// SIGINT, SIGTERM and SIGHUP end a command-line tool through a thread of their own, which first
/// stops the private servers the tool started and nobody else uses
/// (PrivateServer::stopServersStartedHere), instead of leaving them running for nobody. The tool
/// then ends with status 1.
class InterruptHandler {
public:
    /// Call first in main(), before any other thread exists: the signals are blocked in this
    /// thread and in every thread started later, and the handler's thread waits for them.
    static void install();
};
