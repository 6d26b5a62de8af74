#pragma once

#include "HraniceMlieka.h"
#include "VstupyZostav.h"

/// Inputs given before the report runs, as the command-line runner takes them from its options:
/// each is answered as set, an input not set as if the user had confirmed its dialog at once
/// (the number of daughters as if its box was cancelled, which gives its preset).
class ZadaneVstupyZostav : public VstupyZostav {
public:
    void nastavPocetDcer(std::optional<QString> text) { m_pocetDcer = std::move(text); }
    void nastavHraniceMlieka(std::pair<QString, QString> hranice) {
        m_hranice = std::move(hranice);
    }
    void nastavObdobie(std::optional<ObdobieKontrol> obdobie) { m_obdobie = obdobie; }
    void nastavNajlepsieKravy(VolbaNajlepsich volba) { m_najlepsie = std::move(volba); }

    std::optional<QString> pocetDcer() override { return m_pocetDcer; }
    std::optional<std::pair<QString, QString>> hraniceMlieka() override { return m_hranice; }
    std::optional<ObdobieKontrol> obdobie(const ObdobieKontrol& navrh) override {
        return m_obdobie.value_or(navrh);
    }
    std::optional<VolbaNajlepsich> najlepsieKravy() override { return m_najlepsie; }

private:
    std::optional<QString> m_pocetDcer;
    std::pair<QString, QString> m_hranice{HraniceMlieka::predvolenaDolna,
                                          HraniceMlieka::predvolenaHorna};
    std::optional<ObdobieKontrol> m_obdobie;
    VolbaNajlepsich m_najlepsie;
};
