#include "TlacZostavy.h"

#include "PolozkaKatalogu.h"
#include "PripravaZostav.h"
#include "TDataModuleTabulky.h"

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

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
    rp.setParameter(u"Copyright"_s, m_copyright);
    if (polozka.podnadpis)
        rp.setParameter(u"Podnadpis"_s, *polozka.podnadpis);
    rp.executeReport(polozka.zostava);
    rp.close();
    for (Query* TDataModuleTabulky::*clen : polozka.dotazy)
        (m_tabulky.*clen)->close();
}
