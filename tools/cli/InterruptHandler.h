#pragma once

/// SIGINT, SIGTERM and SIGHUP end a command-line tool at once: the private servers the tool
/// started and nobody else uses are stopped first (see EndingSignals), instead of being left
/// running for nobody. The tool then ends with status 1.
class InterruptHandler {
public:
    /// Call first in main().
    static void install();
};
