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
    /// How a report is prepared before its queries open.
    enum class Priprava {
        Ziadna,         ///< a submenu or a disabled item: no report
        Jednoducha,     ///< only the selection is written to the parameter row
        SkupinaPlemien, ///< the breed-group lists: the query's text is set per group
        PocetDcer,      ///< asks for the number of daughters first
        Osobitna        ///< rebuilds working tables or asks for parameters first
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
    /// Not set means the report leaves the parameter as the last report set it.
    std::optional<QString> podnadpis;
    /// The statement of a breed-group list.
    QString sqlSkupiny;
    /// Statements that rebuild the report's working tables, sent in this order after the
    /// selection is written into the parameter row.
    QStringList pripravnePrikazy;
    /// False while the report's preparation and layout are still to be built.
    bool dostupna = false;

    bool jeZostava() const { return !kod.isEmpty(); }
};
