#pragma once

#include "views/KomponentyRamca.h"
#include "views/StavZoradenia.h"

class DBChart;
class DBEdit;
class DBGrid;
class DBLookupComboBox;
class PageControl;
class QAction;
class QComboBox;
class QToolBar;
class StatusPanelBar;
class ToolBarObdobieKontrol;

/// The card of one cow beside the tree: her record, pedigree, milk controls, the lactation curves
/// of a chosen lactation and her lifetime production with her lactations, which can be sent to
/// a spreadsheet. Nothing typed into it is saved.
class TFrameKrava : public KomponentyRamca {
    Q_OBJECT
public:
    TFrameKrava(TDataModuleHlavny& data, QWidget* parent = nullptr);

    /// The ear number of the cow the card shows.
    QString AktualneUsneCislo;

    /// Stores the ear number and loads the cow into the page in front.
    void ukazVyber(const QString& usneCislo) override;

    void NacitajKravu(const QString& usneCislo);
    void NacitajRodokmen(const QString& usneCislo);
    /// Controls of the last dni days before the last test day; 0 means all controls.
    void NacitajKontroly(const QString& usneCislo, int dni);
    void NacitajLaktacnuKrivku(const QString& usneCislo, int poradie);
    void NacitajProdukciuCUK(const QString& usneCislo);

    PageControl* PageControlKrava;
    QWidget* TabSheetKrava;
    QWidget* TabSheetRodokmen;
    QWidget* TabSheetKontrolaMlieka;
    QWidget* TabSheetLaktacneKrivky;
    QWidget* TabSheetProdukciaCUK;

    DBEdit* DBEditDatumPoslednejKontroly;
    DBLookupComboBox* DBLookupComboBoxPlemennaKniha;

    ToolBarObdobieKontrol* ToolBarKontrolaMlieka;
    DBGrid* DBGridKontrolaMlieka;
    StatusPanelBar* StatusBarKontroly;

    QToolBar* ToolBarLaktacneKrivky;
    QComboBox* ComboBoxPoradieLaktacie;
    DBChart* DBChartLaktacnaKrivkaM;
    DBChart* DBChartLaktacnaKrivkaT;
    DBChart* DBChartLaktacnaKrivkaB;
    StatusPanelBar* StatusBarLaktacneKrivky;

    QToolBar* ToolBarProdukciaCUK;
    QAction* ToolButtonLaktacieExportXLS;
    DBGrid* DBGridCukLaktacie;
    StatusPanelBar* StatusBarLaktacie;

Q_SIGNALS:
    /// A sire of the pedigree was double-clicked: his card is wanted.
    void bykZvoleny(const QString& usneCislo);

private:
    void vytvorStranuKravy();
    void vytvorStranuKontrol();
    void vytvorStranuKriviek();
    void vytvorStranuProdukcie();
    void prepojUdalosti();
    /// The group boxes of the maximum and the average lactation, which two pages show.
    void pridajLaktacieKravy(QLayout* rozlozenie, QWidget* strana, const QString& pripona);
    DBChart* graf(const char* meno, const QString& nazov, double maximum, double krok,
                  const QString& seria, const QString& pole, const QColor& farba);

    /// What each page loads. The cow's record and her curves load only for a selection in the
    /// tree; the other pages also when they are brought to front.
    void nacitajStranu(QWidget* strana, bool vyberVStrome);
    /// The curves of the card's cow in a lactation she has: the box is filled with her
    /// lactations, the order it showed stays where she has it, else her latest is taken.
    void nacitajKrivky();
    void zobrazStranu(QWidget* strana);
    void ComboBoxPoradieLaktacieChange(int index);
    void DataSourceKontrolyDataChange();
    void DataSourceLaktacieDataChange();
    void ToolButtonLaktacieExportXLSClick();

    StavZoradenia m_zoradenieKontrol;
    StavZoradenia m_zoradenieLaktacii;
};
