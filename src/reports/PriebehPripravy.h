#pragma once

#include <QString>

/// Hears how the preparation of a report goes, statement by statement, so that a long chain of
/// working tables shows its progress: the window in a progress dialog that it repaints between
/// statements, the runner not at all.
class PriebehPripravy {
public:
    virtual ~PriebehPripravy() = default;

    /// Before statement krok (counted from 1) of pocet is sent; popis says what it makes.
    virtual void pred(int krok, int pocet, const QString& popis) = 0;
    /// After the last statement, also when one failed.
    virtual void koniec() = 0;
};
