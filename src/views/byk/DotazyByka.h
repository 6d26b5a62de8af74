#pragma once

#include <QList>

class Query;
class QObject;
class TDataModuleHlavny;
class QString;

/// The statements of the bull card. The main data module has no queries for bulls, so the card
/// owns queries of its own on the program's connection: the bull's record, his ancestors and,
/// one for each box, the lines of his progeny test (KDV, KDD, KDM).
class DotazyByka {
public:
    static Query* vytvorByka(TDataModuleHlavny& data, QObject* vlastnik);
    static Query* vytvorRodokmen(TDataModuleHlavny& data, QObject* vlastnik);
    /// The lines LINE1 to LINE3 of one box, named by its caption.
    static Query* vytvorKontroluDedicnosti(TDataModuleHlavny& data, QObject* vlastnik,
                                           const QString& skupina);
    /// Re-opens the queries for a bull's ear number.
    static void otvor(const QList<Query*>& dotazy, const QString& usneCislo);
};
