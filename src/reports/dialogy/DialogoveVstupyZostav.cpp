#include "DialogoveVstupyZostav.h"

#include "TFormHraniceOdDo.h"
#include "TFormParametreTab10.h"
#include "TFormParametreTab8.h"
#include "widgets/DialogService.h"

using namespace Qt::Literals::StringLiterals;

DialogoveVstupyZostav::DialogoveVstupyZostav(TFormHraniceOdDo& hranice,
                                             TFormParametreTab8& najlepsie,
                                             TFormParametreTab10& obdobie)
    : m_hranice(hranice)
    , m_najlepsie(najlepsie)
    , m_obdobie(obdobie) {}

std::optional<QString> DialogoveVstupyZostav::pocetDcer() {
    return DialogService::instance().inputText(u"Počet dcér"_s, u"Počet dcér pre prehľad: "_s,
                                               u"1"_s);
}

std::optional<std::pair<QString, QString>> DialogoveVstupyZostav::hraniceMlieka() {
    if (DialogService::instance().showModal(m_hranice) != QDialog::Accepted)
        return std::nullopt;
    return m_hranice.hranice();
}

std::optional<ObdobieKontrol> DialogoveVstupyZostav::obdobie(const ObdobieKontrol& navrh) {
    m_obdobie.FormShow(navrh);
    if (DialogService::instance().showModal(m_obdobie) != QDialog::Accepted)
        return std::nullopt;
    return m_obdobie.obdobie();
}

std::optional<VolbaNajlepsich> DialogoveVstupyZostav::najlepsieKravy() {
    if (DialogService::instance().showModal(m_najlepsie) != QDialog::Accepted)
        return std::nullopt;
    return m_najlepsie.volba();
}
