#include "TlacZostavy.h"

#include "PolozkaKatalogu.h"
#include "PrikazyPripravy.h"
#include "PripravaZostav.h"
#include "StavZostav.h"
#include "TDataModuleTabulky.h"
#include "UlozeneObdobie.h"
#include "VstupyZostav.h"
#include "ZamokVyberu.h"

#include <QDate>

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

QString TlacZostavy::zostava(const PolozkaKatalogu& polozka, const ZadanieZostavy& zadanie) {
    return zadanie.najlepsieKravy ? zadanie.najlepsieKravy->zostava() : polozka.zostava;
}

bool TlacZostavy::tlac(const PolozkaKatalogu& polozka) {
    const std::optional<ZadanieZostavy> zadane = zadanie(polozka);
    if (zadane)
        tlac(polozka, *zadane);
    return zadane.has_value();
}

std::optional<ZadanieZostavy> TlacZostavy::zadanie(const PolozkaKatalogu& polozka) {
    // The dialogs come before the selection's lock is taken: they wait for the user, and
    // meanwhile other reports may run.
    ZadanieZostavy zadanie;
    switch (polozka.priprava) {
    case PolozkaKatalogu::Priprava::PocetDcer:
        zadanie.pocetDcer = PocetDcer::zo(m_vstupy.pocetDcer());
        break;
    case PolozkaKatalogu::Priprava::HraniceMlieka: {
        const auto hranice = m_vstupy.hraniceMlieka();
        if (!hranice)
            return std::nullopt;
        zadanie.hraniceMlieka = HraniceMlieka::zo(hranice->first, hranice->second);
        break;
    }
    case PolozkaKatalogu::Priprava::Obdobie: {
        const std::optional<ObdobieKontrol> obdobie = m_vstupy.obdobie(ObdobieKontrol::navrh(
            UlozeneObdobie::citaj(*m_tabulky.connection()), QDate::currentDate()));
        if (!obdobie)
            return std::nullopt;
        zadanie.obdobie = ObdobieKontrol::zo(obdobie->zaciatok, obdobie->koniec);
        break;
    }
    case PolozkaKatalogu::Priprava::NajlepsieKravy: {
        const std::optional<VolbaNajlepsich> volba = m_vstupy.najlepsieKravy();
        if (!volba)
            return std::nullopt;
        zadanie.najlepsieKravy = NajlepsieKravy::zo(*volba);
        break;
    }
    case PolozkaKatalogu::Priprava::Ziadna:
    case PolozkaKatalogu::Priprava::Jednoducha:
    case PolozkaKatalogu::Priprava::Osobitna:
        break;
    }
    return zadanie;
}

void TlacZostavy::tlac(const PolozkaKatalogu& polozka, const ZadanieZostavy& zadanie) {
    // From the selection written into the parameter row to the last page laid out, the report
    // reads what another report would overwrite; the preview, which waits for the user, comes
    // after the lock is let go.
    const QString praca = u"Zostava "_s + polozka.popis.trimmed();
    ZamokVyberu zamok(*m_tabulky.connection(), praca);
    if (zadanie.obdobie) {
        // A period that did not reach the parameter row stops the report here, rather than let
        // it print the period stored before.
        UlozeneObdobie::zapis(*m_tabulky.ADOCommandParametre, *zadanie.obdobie);
        m_stav.TextObdobia = zadanie.obdobie->text();
    }
    if (zadanie.hraniceMlieka) {
        m_stav.HranicaOd = zadanie.hraniceMlieka->dolnaText;
        m_stav.HranicaDo = zadanie.hraniceMlieka->hornaText;
    }
    if (zadanie.pocetDcer)
        m_stav.ZadanyPocetDcer = zadanie.pocetDcer->pocet;
    PripravaZostav(m_tabulky, m_stav, praca).PripravParametre();
    PrikazyPripravy::posli(*m_tabulky.ADOCommandParametre, polozka.pripravnePrikazy, m_priebeh);

    const std::vector<Query* TDataModuleTabulky::*> dotazy =
        zadanie.najlepsieKravy
            ? std::vector<Query * TDataModuleTabulky::*>{zadanie.najlepsieKravy->dotaz()}
            : polozka.dotazy;
    const QString sql = zadanie.najlepsieKravy ? zadanie.najlepsieKravy->sql() : polozka.sqlDotazu;
    for (Query* TDataModuleTabulky::*clen : dotazy) {
        Query* dotaz = m_tabulky.*clen;
        if (!sql.isEmpty()) {
            dotaz->close();
            dotaz->setSql({sql});
        }
        if (zadanie.hraniceMlieka) {
            dotaz->close();
            dotaz->setParameter(u"pMliekoOd"_s, zadanie.hraniceMlieka->dolna);
            dotaz->setParameter(u"pMliekoDo"_s, zadanie.hraniceMlieka->horna);
        }
        dotaz->open();
    }
    ReportProject& rp = projekt(polozka);
    rp.open();
    rp.setParameter(u"Copyright"_s, m_copyright);
    if (zadanie.najlepsieKravy || polozka.podnadpis)
        rp.setParameter(u"Podnadpis"_s, podnadpis(polozka, zadanie));
    if (zadanie.pocetDcer)
        rp.setParameter(u"PocetDcer"_s, zadanie.pocetDcer->text);
    rp.executeReport(zostava(polozka, zadanie), [&zamok] { zamok.uvolni(); });
    rp.close();
    if (!polozka.dotazyOstavajuOtvorene)
        for (Query* TDataModuleTabulky::*clen : dotazy)
            (m_tabulky.*clen)->close();
}

QString TlacZostavy::podnadpis(const PolozkaKatalogu& polozka,
                               const ZadanieZostavy& zadanie) const {
    if (zadanie.najlepsieKravy)
        return zadanie.najlepsieKravy->podnadpis();
    QString text = polozka.podnadpis.value_or(QString());
    if (zadanie.hraniceMlieka)
        text.replace(u"%1"_s, m_stav.HranicaOd).replace(u"%2"_s, m_stav.HranicaDo);
    if (zadanie.obdobie)
        text.replace(u"%1"_s, m_stav.TextObdobia);
    return text;
}
