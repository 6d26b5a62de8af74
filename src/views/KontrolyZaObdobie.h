#pragma once

#include <QString>
#include <QVariant>

class Query;

/// Opens one of the milk-control queries for the controls of the last days. The days count back
/// from the last test day in the database: the statements as designed count from a date fixed
/// in their text, which on current data lets every period show all controls since that date.
class KontrolyZaObdobie {
public:
    /// Days passed as 0 stand for all controls, read as 5000 days.
    static void otvor(Query& kontroly, const QString& filter, const QVariant& hodnota, int dni);

    /// What the statements' fixed reference date is replaced with.
    static QString poslednyKontrolnyDen();
};
