#pragma once

class TDataModuleTabulky;
struct StavZostav;

/// Writes the current selection into the parameter row, through which the database itself
/// limits every report to the enterprise, herd or barn chosen in the tree.
class PripravaZostav {
public:
    PripravaZostav(TDataModuleTabulky& dataModule, StavZostav& stav);

    /// Stores the selection (or the enterprise, before any) and the number of daughters, then
    /// re-reads the report header.
    void PripravParametre();

private:
    TDataModuleTabulky& m_dataModule;
    StavZostav& m_stav;
};
