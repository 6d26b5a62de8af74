#pragma once

#include <QString>

struct FieldDef;

/// How the universal report builder presents a column of a source and writes a value typed
/// for it into a condition.
class DruhStlpca {
public:
    /// The "Dátový typ" text: "Znakový", "Celočíselný", "Reálny", "Dátumový", or "Neznámy" for
    /// what the program does not interpret (bits, binary data).
    static QString text(const FieldDef& pole);
    /// The "Veľkosť" number: the bytes one value takes (a text its characters and one more).
    static int velkost(const FieldDef& pole);

    /// The right-hand side of "column operator value" in SQL. A text (and any pattern of LIKE)
    /// becomes a string literal with its apostrophes doubled; a number, typed with a decimal
    /// comma or point, goes in with a point; a date ("2010-01-31" or "31.1.2010"), a date and
    /// time or a time goes in quoted in the database's form. BETWEEN takes two such values
    /// joined by AND. Throws std::invalid_argument with a message for the user when the value
    /// is none of what the column holds.
    static QString hodnota(const FieldDef& pole, const QString& operacia, const QString& hodnota);
};
