#pragma once

#include "reports/VstupyZostav.h"

class TFormHraniceOdDo;
class TFormParametreTab10;
class TFormParametreTab8;

/// The report inputs as the main window asks for them: in the program's parameter dialogs and
/// input box, shown through the dialog service, so that tests answer them through a scripted
/// service.
class DialogoveVstupyZostav : public VstupyZostav {
public:
    DialogoveVstupyZostav(TFormHraniceOdDo& hranice, TFormParametreTab8& najlepsie,
                          TFormParametreTab10& obdobie);

    /// The input box "Počet dcér", preset to "1".
    std::optional<QString> pocetDcer() override;
    /// The bounds dialog; nothing when it was left with Zrušiť or Escape.
    std::optional<std::pair<QString, QString>> hraniceMlieka() override;
    std::optional<ObdobieKontrol> obdobie(const ObdobieKontrol& navrh) override;
    std::optional<VolbaNajlepsich> najlepsieKravy() override;

private:
    TFormHraniceOdDo& m_hranice;
    TFormParametreTab8& m_najlepsie;
    TFormParametreTab10& m_obdobie;
};
