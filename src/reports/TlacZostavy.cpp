#include "TlacZostavy.h"

#include "PolozkaKatalogu.h"
#include "PripravaZostav.h"
#include "TDataModuleTabulky.h"
#include "ZamokVyberu.h"

#include <stdexcept>

TlacZostavy::TlacZostavy(TDataModuleTabulky& tabulky, StavZostav& stav, QString copyright)
    : m_tabulky(tabulky)
    , m_stav(stav)
    , m_copyright(std::move(copyright)) {}

ReportProject& TlacZostavy::projekt(const PolozkaKatalogu& polozka) const {
    return polozka.projekt == PolozkaKatalogu::Projekt::Tabulky2 ? m_tabulky.RvProjectTabulky2
                                                                 : m_tabulky.RvProjectTabulky;
}

void TlacZostavy::tlac(const PolozkaKatalogu& polozka) {
    if (!polozka.dostupna)
        throw std::logic_error("report not available: " + polozka.kod.toStdString());

    // From the selection written into the parameter row to the last page laid out, the report
    // reads what another report would overwrite; the preview, which waits for the user, comes
    // after the lock is let go.
    ZamokVyberu zamok(*m_tabulky.connection());
    PripravaZostav(m_tabulky, m_stav).PripravParametre();
    for (Query* TDataModuleTabulky::*clen : polozka.dotazy) {
        Query* dotaz = m_tabulky.*clen;
        if (polozka.priprava == PolozkaKatalogu::Priprava::SkupinaPlemien) {
            dotaz->close();
            dotaz->setSql({polozka.sqlSkupiny});
        }
        dotaz->open();
    }
    ReportProject& rp = projekt(polozka);
    rp.open();
    rp.setParameter(QStringLiteral("Copyright"), m_copyright);
    if (polozka.podnadpis)
        rp.setParameter(QStringLiteral("Podnadpis"), *polozka.podnadpis);
    rp.executeReport(polozka.zostava, [&zamok] { zamok.uvolni(); });
    rp.close();
    for (Query* TDataModuleTabulky::*clen : polozka.dotazy)
        (m_tabulky.*clen)->close();
}
