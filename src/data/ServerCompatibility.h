#pragma once

#include <QString>

class Connection;

/// What the program relies on in a database server that it did not start itself: table names
/// compared without regard to case (the scripts spell one view paramwOK and paramwok) and
/// window functions (MariaDB 10.2, MySQL 8.0). The SQL mode needs no check: every session sets
/// its own (Connection::sqlMode()).
class ServerCompatibility {
public:
    /// Throws DatabaseError naming the setting or version to change when the server cannot run
    /// the program's statements.
    static void require(Connection& connection);

    /// Why a server of this version text and lower_case_table_names cannot serve the program;
    /// empty when it can.
    static QString problem(const QString& version, int lowerCaseTableNames);
};
