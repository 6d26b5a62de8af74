#pragma once

#include <QIcon>
#include <QImage>

/// The program's 16 × 16 icons, painted by the program itself (sharp at any screen scale).
class TarvelinIcons {
public:
    /// Toolbar and button icons by name: "pripojit" (green check mark), "odpojit" (red minus),
    /// "strom" (orange down arrow), "zaloha" (yellow hazard sign), "aktualizacia" (globe with
    /// arrows), "nastavenia" (cogs), "info" (blue "i" bubble), "koniec" (red no-entry sign),
    /// "zostava" (document), "hladaj" (magnifying glass). An unknown name gives a null icon.
    static QIcon toolbar(const QString& name);
    /// The tree's images by index: 0 a person, 1 a farm building, 2 a cow on green grass,
    /// 3 an animal on blue ground, 4 two cogs. An index out of range gives a null icon.
    static QIcon tree(int index);
    /// One of the tree's images drawn anew at size × size pixels, sharp also at sizes between
    /// the icon's; a null image for an index out of range.
    static QImage treeImage(int index, int size);
};
