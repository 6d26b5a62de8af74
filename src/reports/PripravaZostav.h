#pragma once

#include <QString>
#include <optional>

class Command;
class TDataModuleTabulky;
struct StavZostav;

/// Writes the current selection into the parameter row, through which the database itself
/// limits every report to the enterprise, herd or barn chosen in the tree.
class PripravaZostav {
public:
    /// praca names for the user the work that writes the selection, should it have to wait
    /// for another one (ZamokVyberu); the selection in the tree when none is given.
    PripravaZostav(TDataModuleTabulky& dataModule, StavZostav& stav, QString praca = {});

    /// Stores the selection (or the enterprise, before any) and the number of daughters, then
    /// re-reads the report header.
    void PripravParametre();

    /// Writes the selection (a checked code of an enterprise, herd or barn) into the parameter
    /// row through the command, and the number of daughters when one is given; the caller holds
    /// the selection's lock (ZamokVyberu) until the last read that depends on it.
    static void zapisVyber(Command& parametre, const QString& kodVyberu,
                           std::optional<int> pocetDcer = std::nullopt);

private:
    TDataModuleTabulky& m_dataModule;
    StavZostav& m_stav;
    QString m_praca;
};
