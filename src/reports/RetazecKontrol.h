#pragma once

#include <QStringList>

/// The chain of working tables that lays out each cow's test days one by one: tab180v1 holds
/// the controls of the cows of the selection, and each of the nineteen tables after it keeps what
/// the one before holds but each cow's earliest control date. The earliest row of a cow in the
/// table of step n is therefore her (n + 1)-th control; the views of reports 11.A and 18 and of
/// the universal report's data read them so.
///
/// Each step compares every row with the earliest date of its cow in the table before. Without
/// an index that comparison reads the whole table for every row, and a large herd waits minutes;
/// the program's statements therefore give every table of the chain an index on krava_id in its
/// CREATE. Columns, rows and names stay as they were.
class RetazecKontrol {
public:
    enum class Laktacie {
        Prve,  ///< only cows whose lactation in milk is their first (reports 11.A and 18)
        Vsetky ///< every lactation in milk (the universal report's data)
    };

    /// The forty statements as the program sends them, in their order.
    static QStringList prikazy(Laktacie laktacie);
    /// The same statements without the indexes, as they were first written; the benchmark sets
    /// them against the program's.
    static QStringList bezIndexov(Laktacie laktacie);
    /// The twenty working tables in the order the chain builds them.
    static QStringList tabulky();
};
