#pragma once

#include <QString>

/// What an import changed in the database, kind by kind: records added, records that were
/// there and changed, records that were there as the file has them.
struct SuhrnImportu {
    struct Pocty {
        qint64 pridane = 0;
        qint64 zmenene = 0;
        qint64 nezmenene = 0;
    };
    Pocty lokality;
    Pocty zvierata;
    Pocty laktacie;
    Pocty kontroly;
    Pocty hodnoty;

    /// Nothing was added or changed: the file held what the database held.
    bool bezZmien() const;
    /// One line for each kind, and a closing sentence.
    QString text() const;
};
