#pragma once

#include "ProgramInstances.h"
#include "data/DatabaseLocation.h"

#include <memory>

class TDataModuleHlavny;
class TDataModuleTabulky;
class TFormHlavny;
class TFormHraniceOdDo;
class TFormOAplikacii;
class TFormZostava;
class TFormParametreTab10;
class TFormParametreTab8;

/// The program's start: the version, the splash screen, the single instances in their fixed
/// order, two more seconds of splash, then the main window's message loop. Owns the instances
/// and destroys them, main window last of the windows, when the loop ends.
class SpustenieProgramu {
public:
    SpustenieProgramu();
    ~SpustenieProgramu();

    /// Runs the whole program; returns the process exit code.
    int spusti();

    /// Everything up to the message loop: returns false when the program must end (the error was
    /// shown).
    bool zacni();
    ProgramInstances& instancie() { return m_instancie; }

    /// How long the splash screen stays after the instances exist; tests shorten it.
    int zdrzanieUvoduMs = 2000;

private:
    /// priebeh hears what the database's preparation is doing (the splash says it).
    void vytvorInstancie(const DatabaseLocation::Progress& priebeh);

    ProgramInstances m_instancie;
    DatabaseLocation m_databaza;
    std::unique_ptr<TDataModuleHlavny> m_dataModuleHlavny;
    std::unique_ptr<TFormHlavny> m_formHlavny;
    std::unique_ptr<TFormOAplikacii> m_formOAplikacii;
    std::unique_ptr<TDataModuleTabulky> m_dataModuleTabulky;
    std::unique_ptr<TFormParametreTab10> m_formParametreTab10;
    std::unique_ptr<TFormZostava> m_formZostava;
    std::unique_ptr<TFormParametreTab8> m_formParametreTab8;
    std::unique_ptr<TFormHraniceOdDo> m_formHraniceOdDo;
};
