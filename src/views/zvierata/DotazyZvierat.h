#pragma once

#include <QString>

class TDataModuleHlavny;

/// Re-opens the main data module's queries of the herd frame for an enterprise, herd or barn
/// code, which filters every list as a prefix of the animals' barn code.
class DotazyZvierat {
public:
    /// The cows in performance recording, or the culled cows. A new statement also drops the
    /// order a title click appended to the old one.
    static void otvorZvierata(TDataModuleHlavny& data, const QString& kod, bool vyradene);
    static void otvorLaktacie(TDataModuleHlavny& data, const QString& kod);
    static void otvorPrebiehajuceLaktacie(TDataModuleHlavny& data, const QString& kod);
    /// The parameter value of a code's LIKE filter.
    static QString filter(const QString& kod);
};
