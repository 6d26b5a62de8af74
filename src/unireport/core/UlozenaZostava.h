#pragma once

#include <QString>

class Dataset;

/// A definition of the universal report as stored in sys_zostavy: a name, a description, the
/// moment of saving and the SELECT statement.
struct UlozenaZostava {
    int id = 0;
    QString Nazov;
    QString Popis;
    QString Modifikovana; ///< as a user reads it: the date, and the time when there is one
    QString SqlVyraz;

    /// The current row of a dataset over sys_zostavy; empty texts when it has no row.
    static UlozenaZostava zRiadku(const Dataset& data);
};
