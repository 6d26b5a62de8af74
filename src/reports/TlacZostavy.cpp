#include "TlacZostavy.h"

#include "PocetDcer.h"
#include "PolozkaKatalogu.h"
#include "PrikazyPripravy.h"
#include "PripravaZostav.h"
#include "StavZostav.h"
#include "TDataModuleTabulky.h"
#include "VstupyZostav.h"
#include "ZamokVyberu.h"

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

TlacZostavy::TlacZostavy(TDataModuleTabulky& tabulky, StavZostav& stav, VstupyZostav& vstupy,
                         QString copyright)
    : m_tabulky(tabulky)
    , m_stav(stav)
    , m_vstupy(vstupy)
    , m_copyright(std::move(copyright)) {}

ReportProject& TlacZostavy::projekt(const PolozkaKatalogu& polozka) const {
    return polozka.projekt == PolozkaKatalogu::Projekt::Tabulky2 ? m_tabulky.RvProjectTabulky2
                                                                 : m_tabulky.RvProjectTabulky;
}

void TlacZostavy::tlac(const PolozkaKatalogu& polozka) {
    if (!polozka.dostupna)
        throw std::logic_error("report not available: " + polozka.kod.toStdString());

    std::optional<QString> pocetDcer;
    if (polozka.priprava == PolozkaKatalogu::Priprava::PocetDcer) {
        const PocetDcer zadany = PocetDcer::zo(m_vstupy.pocetDcer());
        m_stav.ZadanyPocetDcer = zadany.pocet;
        pocetDcer = zadany.text;
    }
    // From the selection written into the parameter row to the last page laid out, the report
    // reads what another report would overwrite; the preview, which waits for the user, comes
    // after the lock is let go.
    ZamokVyberu zamok(*m_tabulky.connection());
    PripravaZostav(m_tabulky, m_stav).PripravParametre();
    PrikazyPripravy::posli(*m_tabulky.ADOCommandParametre, polozka.pripravnePrikazy, m_priebeh);
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
    if (pocetDcer)
        rp.setParameter(u"PocetDcer"_s, *pocetDcer);
    rp.executeReport(polozka.zostava, [&zamok] { zamok.uvolni(); });
    rp.close();
    for (Query* TDataModuleTabulky::*clen : polozka.dotazy)
        (m_tabulky.*clen)->close();
}
