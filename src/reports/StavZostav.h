#pragma once

#include <QString>

/// What the main window keeps between reports: the selection the reports cover and the inputs
/// last entered in the report dialogs.
struct StavZostav {
    QString KodVyberu;  ///< 6 (enterprise), 8 (herd) or 9 characters (barn); empty before a choice
    QString KodPodniku; ///< the enterprise of the parameter row, read at start
    int ZadanyPocetDcer = 0;
    QString TextObdobia;
    QString HranicaOd;
    QString HranicaDo;
};
