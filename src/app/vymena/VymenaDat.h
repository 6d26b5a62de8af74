#pragma once

#include "data/ConnectionSettings.h"
#include "widgets/DialogService.h"

#include <QObject>
#include <functional>

class QWidget;

/// The main window's menu "Výmena dát": a herd's data in from an exchange file ("Dáta zo
/// ÚHEV...") and the selection's out into one ("Dáta pre ÚHEV..."). The import shows what the
/// file holds and asks before it writes; both show their progress with a button that stops them
/// before anything is written, and end with what they did.
class VymenaDat : public QObject {
    Q_OBJECT
public:
    /// `pripojenie` gives the login of the program's database; `vyber` the code of the
    /// selection to export (enterprise, herd or barn); `poImporte` runs after a successful
    /// import, so that the window shows the imported herd.
    VymenaDat(std::function<ConnectionSettings()> pripojenie, std::function<QString()> vyber,
              std::function<void()> poImporte, QWidget* okno);

    void MenuItemDataZoUHEVClick();
    void MenuItemDataPreUHEVClick();

    const FileDialogRequest OpenDialogVymena;
    const FileDialogRequest SaveDialogVymena;

private:
    std::function<ConnectionSettings()> m_pripojenie;
    std::function<QString()> m_vyber;
    std::function<void()> m_poImporte;
    QWidget* m_okno;
};
