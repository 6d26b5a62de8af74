#pragma once

#include "VstupyZostav.h"

/// Inputs asked of another source once each and given again to every later report that asks
/// for the same: the book of reports asks for the period once for 10.A, 10.B, 19 and 23, and for
/// the bounds once for 7.AA and 7.BB.
class ZapamataneVstupyZostav : public VstupyZostav {
public:
    explicit ZapamataneVstupyZostav(VstupyZostav& zdroj)
        : m_zdroj(zdroj) {}

    std::optional<QString> pocetDcer() override;
    std::optional<std::pair<QString, QString>> hraniceMlieka() override;
    std::optional<ObdobieKontrol> obdobie(const ObdobieKontrol& navrh) override;
    std::optional<VolbaNajlepsich> najlepsieKravy() override;

private:
    VstupyZostav& m_zdroj;
    std::optional<std::optional<QString>> m_pocetDcer;
    std::optional<std::optional<std::pair<QString, QString>>> m_hranice;
    std::optional<std::optional<ObdobieKontrol>> m_obdobie;
    std::optional<std::optional<VolbaNajlepsich>> m_najlepsie;
};
