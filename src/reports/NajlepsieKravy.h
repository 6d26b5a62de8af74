#pragma once

#include <QString>
#include <vector>

using namespace Qt::Literals::StringLiterals;

class Query;
class TDataModuleTabulky;

/// What report 8 lists: the best cows, as many as the group size, ranked by one of nine
/// measures; an index out of the list of measures (as when the user typed a text of their own
/// into it) ranks by lifetime milk, and the subtitle says so.
struct VolbaNajlepsich {
    QString velkost = u"10"_s; ///< the group size as typed
    int zoradenie = -1;        ///< index into NajlepsieKravy::zoradenia()
};

/// The best-cows report as a choice makes it: its query, statement, report and subtitle.
class NajlepsieKravy {
public:
    /// One measure cows can be ranked by, as the dialog's list offers it.
    struct Zoradenie {
        QString polozka;  ///< the entry of the list
        QString stlpec;   ///< the column ranked by, highest first
        QString opis;     ///< the measure's name in the subtitle
        bool maxLaktacia; ///< a figure of the maximum lactation (report 8B), else a lifetime one
    };
    static const std::vector<Zoradenie>& zoradenia();

    /// How a group size stands, as the dialog checks it on every change: a whole number above
    /// 1000 is too large, yet may be printed; a text that is no whole number is not a size.
    enum class StavVelkosti { Dobra, PrilisVelka, Nespravna };
    static StavVelkosti posud(const QString& velkost);
    static inline const QString prilisVelka = u"Príliš veľká hodnota veľkosti skupiny!"_s;
    static inline const QString nespravna = u"Nesprávna hodnota veľkosti skupiny!"_s;

    /// Throws ChybaVstupu for a group size that is not a positive whole number: the database
    /// would take any number as a limit, a text as an error and a negative one as none.
    static NajlepsieKravy zo(const VolbaNajlepsich& volba);

    Query* TDataModuleTabulky::*dotaz() const;
    QString sql() const;
    QString zostava() const;
    QString podnadpis() const;

private:
    NajlepsieKravy(const VolbaNajlepsich& volba, int pocet);
    const Zoradenie& zoradenie() const;

    VolbaNajlepsich m_volba;
    int m_pocet;
};
