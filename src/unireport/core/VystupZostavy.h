#pragma once

#include <QString>

class Query;

/// Runs a statement of the universal report, built by the builder or stored in a definition, in
/// its output query. The statement is free SQL, so it must be one SELECT: a text that does not
/// begin with SELECT is refused here, and the rest is the database's to refuse, since the
/// output query reads through the account that may only read the report's sources and the
/// server prepares a single statement only.
class VystupZostavy {
public:
    /// Throws DatabaseError when the text is empty or does not begin with SELECT.
    static void over(const QString& prikaz);

    /// Closes the query, gives it the statement and opens it, its numbers shown with the decimals
    /// their columns ask for (DesatinyStlpca). Throws DatabaseError with the refusal or the
    /// server's text; the query then stays closed.
    static void otvor(Query& vystup, const QString& prikaz);
};
