#pragma once

#include "views/KomponentyRamca.h"

class DBRadioGroup;
class PageControl;
class Query;
class QCheckBox;

/// The card of a bull: identity, line, herdbook, breed composition, status, paternity and
/// health tests, and three generations of ancestors. It shows what the database knows of a male
/// animal; the fields it has no data for stay empty. Unlike the other views it reads the
/// animal through queries of its own, as the main data module has none for bulls.
class TFrameByk : public KomponentyRamca {
    Q_OBJECT
public:
    TFrameByk(TDataModuleHlavny& data, QWidget* parent = nullptr);

    /// Loads the bull of this ear number.
    void ukazVyber(const QString& usneCislo) override;
    void NacitajByka(const QString& usneCislo);

    PageControl* PageControlByk;
    QWidget* TabSheetByk;
    QWidget* TabSheetRodokmen;
    Query* ADOQueryByk;
    Query* ADOQueryRodokmenByka;
    QCheckBox* DBCheckBoxET;
    QCheckBox* DBCheckBoxImport;
    QCheckBox* DBCheckBoxZive;
    DBRadioGroup* DBRadioGroupZaradenyDo;

private:
    void vytvorStranuByka();
    void vytvorStranuRodokmena();

    QList<Query*> m_kontrolaDedicnosti;
};
