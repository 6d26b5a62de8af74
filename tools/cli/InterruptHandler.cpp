#include "InterruptHandler.h"

#include "data/EndingSignals.h"

void InterruptHandler::install() {
    EndingSignals::watch([] {
        EndingSignals::stopServersAndExit(
            "\nPrerušené; zastavujem databázový server, ak ho spustil tento príkaz.\n");
    });
}
