#include "ToolBarObdobieKontrol.h"

#include "KomponentyRamca.h"

#include <QActionGroup>

using namespace Qt::Literals::StringLiterals;

ToolBarObdobieKontrol::ToolBarObdobieKontrol(QWidget* parent, bool sAkciouSedemDni)
    : QToolBar(parent) {
    setIconSize(QSize(16, 16));
    setMovable(false);
    auto* skupina = new QActionGroup(this);
    const QColor modra(0x2e, 0x6d, 0xb4);
    ToolButtonKontroly7Dni = KomponentyRamca::prepinac(
        this, skupina, "ToolButtonKontroly7Dni", u"Posledných 7 dní"_s, u"7"_s, modra, u"7"_s);
    ToolButtonKontroly14Dni = KomponentyRamca::prepinac(
        this, skupina, "ToolButtonKontroly14Dni", u"Posledných 14 dní"_s, u"14"_s, modra, u"14"_s);
    ToolButtonKontroly30Dni = KomponentyRamca::prepinac(
        this, skupina, "ToolButtonKontroly30Dni", u"Posledných 30 dní"_s, u"30"_s, modra, u"30"_s);
    ToolButtonKontrolyVsetky = KomponentyRamca::prepinac(this, skupina, "ToolButtonKontrolyVsetky",
                                                         u"Všetky kontroly"_s, u"V"_s, modra);
    ToolButtonKontroly30Dni->setChecked(true);
    for (const auto& [tlacidlo, dni] : {std::pair{ToolButtonKontroly7Dni, 7},
                                        {ToolButtonKontroly14Dni, 14},
                                        {ToolButtonKontroly30Dni, 30},
                                        {ToolButtonKontrolyVsetky, 0}})
        if (dni != 7 || sAkciouSedemDni)
            connect(tlacidlo, &QAction::triggered, this,
                    [this, dni = dni] { Q_EMIT obdobieZvolene(dni); });
}

void ToolBarObdobieKontrol::zvyrazniObdobie(int dni) {
    switch (dni) {
    case 7:
        return ToolButtonKontroly7Dni->setChecked(true);
    case 14:
        return ToolButtonKontroly14Dni->setChecked(true);
    case 30:
        return ToolButtonKontroly30Dni->setChecked(true);
    default:
        return ToolButtonKontrolyVsetky->setChecked(true);
    }
}

void ToolBarObdobieKontrol::skryTlacidla() {
    for (QAction* tlacidlo : actions())
        tlacidlo->setVisible(false);
}
