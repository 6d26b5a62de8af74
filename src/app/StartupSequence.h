#pragma once

#include "data/DatabaseLocation.h"
#include "ProgramInstances.h"

#include <memory>

class TDataModuleHlavny;
class TDataModuleTabulky;
class TFormHlavny;
class TFormOAplikacii;

/// The program's start: the version, the splash screen, the single instances in their fixed
/// order, two more seconds of splash, then the main window's message loop. Owns the instances
/// and destroys them, main window last of the windows, when the loop ends.
class StartupSequence {
public:
    StartupSequence();
    ~StartupSequence();

    /// Runs the whole program; returns the process exit code.
    int run();

    /// Steps 1 to 6: returns false when the program must end (the error was shown).
    bool start();
    ProgramInstances& instances() { return m_instances; }

    /// How long the splash screen stays after the instances exist; tests shorten it.
    int splashHoldMs = 2000;

private:
    void createInstances();

    ProgramInstances m_instances;
    DatabaseLocation m_database;
    std::unique_ptr<TDataModuleHlavny> m_dataModuleHlavny;
    std::unique_ptr<TFormHlavny> m_formHlavny;
    std::unique_ptr<TFormOAplikacii> m_formOAplikacii;
    std::unique_ptr<TDataModuleTabulky> m_dataModuleTabulky;
};
