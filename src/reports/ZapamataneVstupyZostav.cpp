#include "ZapamataneVstupyZostav.h"

std::optional<QString> ZapamataneVstupyZostav::pocetDcer() {
    if (!m_pocetDcer)
        m_pocetDcer = m_zdroj.pocetDcer();
    return *m_pocetDcer;
}

std::optional<std::pair<QString, QString>> ZapamataneVstupyZostav::hraniceMlieka() {
    if (!m_hranice)
        m_hranice = m_zdroj.hraniceMlieka();
    return *m_hranice;
}

std::optional<ObdobieKontrol> ZapamataneVstupyZostav::obdobie(const ObdobieKontrol& navrh) {
    if (!m_obdobie)
        m_obdobie = m_zdroj.obdobie(navrh);
    return *m_obdobie;
}

std::optional<VolbaNajlepsich> ZapamataneVstupyZostav::najlepsieKravy() {
    if (!m_najlepsie)
        m_najlepsie = m_zdroj.najlepsieKravy();
    return *m_najlepsie;
}
