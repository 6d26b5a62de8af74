#pragma once

class Connection;

/// While it lives, the connection's session stores values in the strict SQL mode: a value that
/// does not fit its column (a text too long, a date that is none) fails the statement with the
/// server's text. The program's sessions are otherwise lenient, as the statements of its reports
/// were written for, and a lenient session cuts such a value without a word and reports success.
/// So every write of values the program makes itself (a saved definition, the parameter row, a
/// load) runs inside one. Nested ones share the mode; the last one to go restores the lenient
/// mode.
class StrictWrites {
public:
    /// Throws DatabaseError when the session cannot be switched.
    explicit StrictWrites(Connection& connection);
    ~StrictWrites();
    StrictWrites(const StrictWrites&) = delete;
    StrictWrites& operator=(const StrictWrites&) = delete;

private:
    Connection& m_connection;
};
