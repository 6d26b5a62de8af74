#pragma once

class Connection;

/// The checks of an exchange file that need the whole file or the database, run over the
/// records the file left in the session's temporary tables (PrijateUdaje) before anything is
/// written: the same thing twice (an animal, a test day of a cow on one day, a calving...), a
/// reference to an animal or a location that is neither in the file nor in the database, an
/// unknown code of the program's code lists, an event before the animal's birth, a calving,
/// test day or lactation of a male, calvings whose order does not follow their dates, a dry-off
/// before any calving, a sex that differs from the database's.
///
/// The first fault found is thrown as OdmietnutySubor naming its collection, resource, line and
/// field.
class KontrolaPrijatych {
public:
    /// `kontrolyBezDuplicit`: the reading found the test days free of a cow twice on one day.
    static void skontroluj(Connection& connection, bool kontrolyBezDuplicit);
};
