#pragma once

#include "ZadanieZostavy.h"
#include "ZapamataneVstupyZostav.h"
#include "engine/model/PageModel.h"

#include <QString>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

class PriebehKnihy;
class TDataModuleTabulky;
struct PolozkaKatalogu;
struct StavZostav;

/// The whole book of bonitation reports of one selection: every available report of the
/// catalogue in menu order, each run by the same protocol as from the menu, bound behind a
/// table of contents that names each report and the page of the book it starts on. An
/// assessment technician prints a herd's book in one step.
class KnihaZostav {
public:
    KnihaZostav(TDataModuleTabulky& tabulky, StavZostav& stav, VstupyZostav& vstupy,
                QString copyright);

    /// The reports of the book.
    static std::vector<const PolozkaKatalogu*> zostavy();

    /// Asks for every report's inputs before any runs, each input once; false when the user
    /// cancelled a dialog. Throws ChybaVstupu for one a report refuses.
    bool zadaj();
    /// Who hears the progress and may stop it; none by default.
    void nastavPriebeh(PriebehKnihy* priebeh) { m_priebeh = priebeh; }
    /// Runs the reports (asking the inputs first unless zadaj() did) and binds their pages;
    /// nothing when the user cancelled. Throws ReportError when a project lacks a report, and
    /// whatever a report's run throws.
    std::optional<PageModel> tlac();

    /// The layout of the table of contents in the first project, and the connection of its rows.
    static inline const QString zostavaObsahu = u"ReportObsahKnihy"_s;
    static inline const QString spojenieObsahu = u"RvDataSetObsahKnihy"_s;

private:
    /// Lays out the contents of the chapters, starting them after as many pages as it takes.
    PageModel obsah(const std::vector<PageModel>& kapitoly) const;

    TDataModuleTabulky& m_tabulky;
    StavZostav& m_stav;
    ZapamataneVstupyZostav m_vstupy;
    QString m_copyright;
    PriebehKnihy* m_priebeh = nullptr;
    std::optional<std::vector<ZadanieZostavy>> m_zadania;
};
