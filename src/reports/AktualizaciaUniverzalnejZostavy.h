#pragma once

#include <QStringList>

class PriebehPripravy;
class TDataModuleTabulky;
struct StavZostav;

/// Rebuilds the universal report's table of cows, UzitKrav, for the current selection: the
/// selection is written into the parameter row, the chain of test days is rebuilt over every
/// lactation in milk (RetazecKontrol), and UzitKrav is made anew from the roll of cows, their
/// dams and the first test days of their lactations. The window then lets the user look at it.
class AktualizaciaUniverzalnejZostavy {
public:
    AktualizaciaUniverzalnejZostavy(TDataModuleTabulky& tabulky, StavZostav& stav);

    /// Who hears the progress of the statements; none by default.
    void nastavPriebeh(PriebehPripravy* priebeh) { m_priebeh = priebeh; }

    /// The first statement that fails stops the rest and throws DatabaseError; what was built
    /// before it stays, and UzitKrav is missing when its own statement failed.
    void aktualizuj();

    /// The 42 statements for the database of that name: the chain's forty, then the drop and the
    /// create of UzitKrav, which names the database its relations are in.
    static QStringList prikazy(const QString& databaza);

private:
    TDataModuleTabulky& m_tabulky;
    StavZostav& m_stav;
    PriebehPripravy* m_priebeh = nullptr;
};
