#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Query;
class TDataModuleTabulky;

/// One item of the catalogue menu of the bonitation reports: a submenu, a disabled item, or a
/// report with what its handler needs (project, report name, queries, subtitle).
struct PolozkaKatalogu {
    /// What a report asks before it runs; a report with working tables rebuilds them after
    /// the selection is written into the parameter row, whatever it asks.
    enum class Priprava {
        Ziadna,         ///< a submenu or a disabled item: no report
        Jednoducha,     ///< asks nothing and rebuilds nothing
        PocetDcer,      ///< asks for the number of daughters, which the parameter row takes
        HraniceMlieka,  ///< asks for the milk bounds, which its query takes as parameters
        Obdobie,        ///< asks for the control period, which the parameter row takes
        NajlepsieKravy, ///< asks for the group size and measure, which make its query and name
        Osobitna        ///< asks nothing and rebuilds working tables
    };
    enum class Projekt { Tabulky, Tabulky2 };

    int uroven = 0; ///< 0 directly under "Bonitačné zostavy"
    QString komponent;
    QString popis;
    bool zakazana = false;
    /// The short code the report runner and the list use ("2", "5A1", "9.D"); empty for a
    /// submenu or a disabled item.
    QString kod;
    Priprava priprava = Priprava::Ziadna;
    Projekt projekt = Projekt::Tabulky;
    QString zostava;
    std::vector<Query * TDataModuleTabulky::*> dotazy;
    /// Not set means the report leaves the parameter as the last report set it. "%1" and "%2"
    /// stand for what the report asked: the milk bounds as typed, or the control period.
    std::optional<QString> podnadpis;
    /// The statement the report's query gets at run time (a breed group's list, an interval of
    /// days in milk); empty to keep the query's own.
    QString sqlDotazu;
    /// The report's queries stay open after it, until the next run of it closes them.
    bool dotazyOstavajuOtvorene = false;
    /// Statements that rebuild the report's working tables, sent in this order after the
    /// selection is written into the parameter row.
    QStringList pripravnePrikazy;

    bool jeZostava() const { return !kod.isEmpty(); }
};
