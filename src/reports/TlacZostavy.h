#pragma once

#include "ZadanieZostavy.h"

#include <QString>
#include <optional>

class PriebehPripravy;
class ReportProject;
class TDataModuleTabulky;
struct PolozkaKatalogu;
struct StavZostav;
class VstupyZostav;

/// Runs a report of the catalogue by the calling protocol: the selection into the parameter
/// row, the report's working tables rebuilt, its queries opened, the project opened,
/// "Copyright" and "Podnadpis" set, the report executed, the project and the queries closed; a
/// report that needs inputs asks for them first. The menu handlers and the command-line runner
/// go through it alike, each with its own source of inputs; where the pages go is the report
/// system's affair.
class TlacZostavy {
public:
    TlacZostavy(TDataModuleTabulky& tabulky, StavZostav& stav, VstupyZostav& vstupy,
                QString copyright);

    /// Asks for the inputs and runs the report; false when the user cancelled a dialog. A
    /// database or engine failure propagates, and the rest of the protocol is skipped. An input
    /// the report refuses throws ChybaVstupu before anything is written or opened.
    bool tlac(const PolozkaKatalogu& polozka);

    /// The report's inputs, asked and checked; nothing when the user cancelled a dialog. Throws
    /// ChybaVstupu for one the report refuses.
    std::optional<ZadanieZostavy> zadanie(const PolozkaKatalogu& polozka);
    /// Runs the report with inputs asked before.
    void tlac(const PolozkaKatalogu& polozka, const ZadanieZostavy& zadanie);

    ReportProject& projekt(const PolozkaKatalogu& polozka) const;
    /// The name of the report the inputs make it run.
    static QString zostava(const PolozkaKatalogu& polozka, const ZadanieZostavy& zadanie);
    /// Who hears the progress of a report's preparation statements; none by default.
    void nastavPriebeh(PriebehPripravy* priebeh) { m_priebeh = priebeh; }

private:
    QString podnadpis(const PolozkaKatalogu& polozka, const ZadanieZostavy& zadanie) const;

    TDataModuleTabulky& m_tabulky;
    StavZostav& m_stav;
    VstupyZostav& m_vstupy;
    QString m_copyright;
    PriebehPripravy* m_priebeh = nullptr;
};
