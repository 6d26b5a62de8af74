#include "KodChovatela.h"

#include "data/DatabaseError.h"

#include <QCoreApplication>

bool KodChovatela::jePlatny(const QString& kod) {
    if (kod.size() > 14)
        return false;
    for (const QChar c : kod)
        if (!(c.isDigit() || (c.unicode() < 128 && c.isLetter())))
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
