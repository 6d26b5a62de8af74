#pragma once

#include <QString>

class QCoreApplication;

/// The program's language wherever Qt itself formats or speaks: dates and numbers as a Slovak
/// breeder writes them, whatever the desktop's language, and Qt's own texts (dialog buttons,
/// the print and file dialogs, context menus, command-line help) in Slovak. The window and
/// every tool install it once, right after creating their application object.
class SlovakLocale {
public:
    /// Makes sk_SK the default locale and installs Qt's Slovak translations from Qt's
    /// translations folder, then the program's own (tarvelin_sk, among the program's files) for
    /// the texts Qt's catalogue lacks. Returns false when Qt's are not installed (the Debian
    /// package qt6-translations-l10n); Qt's texts then stay English.
    static bool install(QCoreApplication& application);

    /// A count with its noun in the Slovak plural: one for 1, twoToFour for 2 to 4, many for
    /// any other count ("1 strana", "3 strany", "5 strán", "0 strán").
    static QString count(int n, const QString& one, const QString& twoToFour, const QString& many);
};
