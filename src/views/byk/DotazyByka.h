#pragma once

class Query;
class QObject;
class TDataModuleHlavny;
class QString;

/// The statements of the bull card. The main data module has no queries for bulls, so the card
/// owns two of its own on the program's connection: the bull's record and his ancestors.
class DotazyByka {
public:
    static Query* vytvorByka(TDataModuleHlavny& data, QObject* vlastnik);
    static Query* vytvorRodokmen(TDataModuleHlavny& data, QObject* vlastnik);
    /// Re-opens both for a bull's ear number.
    static void otvor(Query* byk, Query* rodokmen, const QString& usneCislo);
};
