#include "MenuBonitacnychZostav.h"

#include "reports/KatalogZostav.h"

#include <QAction>
#include <QMenu>
#include <vector>

void MenuBonitacnychZostav::napln(QMenu* menu, const Handler& handler) {
    const std::vector<PolozkaKatalogu>& polozky = KatalogZostav::polozky();
    // The open submenu of each level; an item goes into the one of its level.
    std::vector<QMenu*> urovne{menu};
    for (std::size_t i = 0; i < polozky.size(); ++i) {
        const PolozkaKatalogu& polozka = polozky[i];
        urovne.resize(polozka.uroven + 1);
        QMenu* rodic = urovne.back();
        const bool maPodmenu = i + 1 < polozky.size() && polozky[i + 1].uroven > polozka.uroven;
        if (maPodmenu) {
            QMenu* podmenu = rodic->addMenu(polozka.popis);
            podmenu->setObjectName(polozka.komponent);
            podmenu->menuAction()->setObjectName(polozka.komponent);
            podmenu->setEnabled(!polozka.zakazana);
            urovne.push_back(podmenu);
            continue;
        }
        QAction* akcia = rodic->addAction(polozka.popis);
        akcia->setObjectName(polozka.komponent);
        akcia->setEnabled(!polozka.zakazana);
        if (polozka.jeZostava())
            QObject::connect(akcia, &QAction::triggered, akcia,
                             [handler, &polozka] { handler(polozka); });
    }
}
