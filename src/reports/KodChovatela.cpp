#include "KodChovatela.h"

#include "data/DatabaseError.h"

#include <QCoreApplication>

bool KodChovatela::jePlatny(const QString& kod) {
    if (kod.size() > 14)
        return false;
    // ASCII only: other scripts' digits (full-width "２", Arabic-Indic) pass isDigit() but match
    // no code in the database.
    for (const QChar c : kod)
        if (!(c.unicode() < 128 && c.isLetterOrNumber()))
            return false;
    return true;
}

const QString& KodChovatela::overeny(const QString& kod) {
    if (!jePlatny(kod))
        throw DatabaseError(QCoreApplication::translate("KodChovatela",
                                                        "Neplatný kód „%1“: kód chovateľa "
                                                        "obsahuje iba číslice a písmená.")
                                .arg(kod));
    return kod;
}
