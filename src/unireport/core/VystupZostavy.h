#pragma once

#include "data/Dataset.h"

#include <QString>

class Connection;
class Query;
struct UlozenaZostava;

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

    /// Runs a saved definition for a selection (a code of an enterprise, herd or barn) as the
    /// catalogue's reports run: under the selection's lock, with the selection written into the
    /// parameter row on the owner's connection, so that reports of other selections running
    /// meanwhile change nothing of its rows. A result that grows past `limit` rows is heard by
    /// nadLimitom (Dataset::setRowLimit) before it holds more. When the program gives up the
    /// statement (the limit refused, no answer in time) the owner stops it on the server, which
    /// would otherwise go on with it for nobody. Throws as the other otvor(), and what
    /// nadLimitom throws.
    static void otvor(Query& vystup, const UlozenaZostava& zostava, Connection& vlastnik,
                      const QString& kodVyberu, const Dataset::RowLimit& nadLimitom,
                      std::size_t limit = najviacRiadkov);

    /// The rows a saved definition's result may hold before its reader is asked whether to go on
    /// (the window) or is refused (the runner): a million rows took over a gigabyte.
    static constexpr std::size_t najviacRiadkov = 1'000'000;
};
