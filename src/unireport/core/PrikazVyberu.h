#pragma once

#include <QString>

/// The SELECT statement the universal report builder composes and edits: the plain statement
/// from the chosen columns, a column's display name given as an alias in the select list, and
/// one ORDER BY clause at the end.
class PrikazVyberu {
public:
    /// "SELECT " + columns + " FROM " + table, and " WHERE " + the condition exactly as written
    /// when it holds more than blanks.
    static QString zostav(const QString& stlpce, const QString& tabulka, const QString& podmienka);

    /// Gives the column at this index of the select list, shown under the title nazov (its
    /// alias, else its name), the alias novyNazov in place of any it had. Throws DatabaseError
    /// when the select list has no such column, as in a hand-written "SELECT *".
    static QString premenuj(const QString& prikaz, int stlpec, const QString& nazov,
                            const QString& novyNazov);

    /// Replaces everything from " ORDER BY" on by " ORDER BY " + the column + the direction
    /// (" ASC", " DESC" or nothing), and + ", " + kluc when a key is given that is not the
    /// column itself: rows of equal value then come in the key's order, the same at every run.
    static QString zorad(const QString& prikaz, const QString& stlpec, const QString& smer,
                         const QString& kluc = {});

    /// A text as an SQL string literal: in apostrophes, with apostrophes and backslashes inside
    /// doubled, so that it reads back exactly as given.
    static QString retazec(const QString& text);
};
