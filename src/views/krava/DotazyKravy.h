#pragma once

#include <QList>
#include <QString>

class TDataModuleHlavny;

/// Re-opens the main data module's queries of one cow for her ear number. The herd frame and the
/// cow card both load them: the herd frame's double click prepares the cow card this way.
class DotazyKravy {
public:
    static void otvorKravu(TDataModuleHlavny& data, const QString& usneCislo);
    static void otvorRodokmen(TDataModuleHlavny& data, const QString& usneCislo);
    static void otvorLaktacie(TDataModuleHlavny& data, const QString& usneCislo);
    /// The test days of one lactation, which both views chart.
    static void otvorLaktacnuKrivku(TDataModuleHlavny& data, const QString& usneCislo, int poradie);
    /// The orders of the cow's lactations, closed and running, in ascending order.
    static QList<int> poradiaLaktacii(TDataModuleHlavny& data, const QString& usneCislo);
};
