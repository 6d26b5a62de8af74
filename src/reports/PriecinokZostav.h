#pragma once

#include <QString>

using namespace Qt::Literals::StringLiterals;

/// Where the report project files live: the program's folder "reports" (beside it in the build,
/// in the installation's share folder when installed), unless the configuration file's key
/// "Zostavy" of section "Aplikacia" names another one (a breeding organisation keeps its own
/// layouts on a shared drive).
class PriecinokZostav {
public:
    static QString cesta();
    /// The full name of a project file in that folder.
    static QString subor(const QString& meno);

    static inline const QString kluc = u"Zostavy"_s;
};
