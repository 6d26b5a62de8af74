#pragma once

#include <QToolBar>

/// The milk-control toolbar of the herd frame and the cow card: four grouped toggle buttons for
/// the controls of the last 7, 14 or 30 days or all of them, one of them always down. The
/// buttons only report the period chosen; the owning frame decides what it loads.
class ToolBarObdobieKontrol : public QToolBar {
    Q_OBJECT
public:
    /// A card may leave the "7" button without an action.
    explicit ToolBarObdobieKontrol(QWidget* parent = nullptr, bool sAkciouSedemDni = true);

    /// Puts down the button of a period as the loaders pass it: 7, 14 or 30 days, and the
    /// all-controls button for any other number.
    void zvyrazniObdobie(int dni);
    /// Hides the four buttons, so that only the callers of the loaders choose the period.
    void skryTlacidla();

    QAction* ToolButtonKontroly7Dni;
    QAction* ToolButtonKontroly14Dni;
    QAction* ToolButtonKontroly30Dni;
    QAction* ToolButtonKontrolyVsetky;

Q_SIGNALS:
    /// A button was clicked: its number of days, 0 for all controls.
    void obdobieZvolene(int dni);
};
