#pragma once

struct PolozkaKatalogu;

/// Hears how the book of reports comes together, report by report, and may stop it: the window
/// names the report being prepared in a progress dialog with a button to cancel.
class PriebehKnihy {
public:
    virtual ~PriebehKnihy() = default;

    /// Before report poradie (counted from 1) of pocet is prepared; false stops the book there.
    virtual bool pred(int poradie, int pocet, const PolozkaKatalogu& polozka) = 0;
    /// After the last report, also when one failed or the book was stopped.
    virtual void koniec() = 0;
};
