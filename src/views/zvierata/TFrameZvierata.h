#pragma once

#include "views/KomponentyRamca.h"
#include "views/StavZoradenia.h"

class DBChart;
class DBGrid;
class PageControl;
class QAction;
class QComboBox;
class QLabel;
class QSplitter;
class QToolBar;
class StatusPanelBar;
class ToolBarObdobieKontrol;

/// The herd view beside the tree while an enterprise, a herd or a barn is selected: its cows in
/// recording or culled, their milk controls, the lactation curve of one cow, the lactations and
/// the running lactations, each page with a record count. The code filters every list as a
/// prefix of the animals' barn code.
class TFrameZvierata : public KomponentyRamca {
    Q_OBJECT
public:
    TFrameZvierata(TDataModuleHlavny& data, QWidget* parent = nullptr);

    /// The enterprise, herd or barn code whose data the frame shows.
    QString AktualnyKod;

    /// Stores the code and loads it into the page in front.
    void ukazVyber(const QString& kod) override;

    void NacitajZvierata(const QString& kod);
    /// Controls of the last dni days before the last test day; 0 means all controls.
    void NacitajKontroly(const QString& kod, int dni);
    void NacitajLaktacie(const QString& kod);
    void NacitajPrebiehajuceLaktacie(const QString& kod);
    void NacitajLaktacnuKrivku(const QString& usneCislo, int poradie);

    PageControl* PageControlZvierata;
    QWidget* TabSheetZvierata;
    QWidget* TabSheetKontrolaMlieka;
    QWidget* TabSheetLaktacneKrivky;
    QWidget* TabSheetLaktacie;
    QWidget* TabSheetPrebiehajuceLaktacie;

    QToolBar* ToolBarZvierata;
    QAction* ToolButtonZobrazVyradeneKravy;
    QAction* ToolButtonZobrazKravyvKU;
    DBGrid* DBGridZvierata;
    StatusPanelBar* StatusBarZvierata;

    ToolBarObdobieKontrol* ToolBarKontrolaMlieka;
    DBGrid* DBGridKontrolaMlieka;
    StatusPanelBar* StatusBarKontrolaMlieka;

    QWidget* ToolBarLaktacneKrivky;
    QAction* ToolButtonLaktKrivkyM;
    QAction* ToolButtonLaktKrivkyT;
    QAction* ToolButtonLaktKrivkyB;
    QLabel* LabelPoradieLaktacie;
    QComboBox* ComboBoxPoradieLaktacie;
    QSplitter* SplitterLaktacneKrivky;
    DBGrid* DBGridLaktacneKrivky;
    DBChart* DBChartLaktacneKrivky;
    StatusPanelBar* StatusBarLaktacneKrivky;

    QToolBar* ToolBarLaktacie;
    DBGrid* DBGridLaktacie;
    StatusPanelBar* StatusBarLaktacie;

    QToolBar* ToolBarPrebiehajuceLaktacie;
    DBGrid* DBGridPrebiehajuceLaktacie;
    StatusPanelBar* StatusBarPrebiehajuceLaktacie;

Q_SIGNALS:
    /// The double click on an animal has loaded her record and lactations for the cow card.
    void kravaOtvorena(const QString& usneCislo);

private:
    void vytvorStranuZvierat();
    void vytvorStranuKontrol();
    void vytvorStranuLaktacnychKriviek();
    void vytvorStranyLaktacii();
    void prepojUdalosti();

    /// What each page loads: the same lists whether the tree selected a code or the page was
    /// brought to front, but for the curves page's period of controls.
    void nacitajStranu(QWidget* strana, int dniKriviek);
    void zobrazStranu(QWidget* strana);
    void zobrazZoznamZvierat(const QString& kod, bool vyradene);
    void ukazHodnotuKrivky(int seria, double maximum, double krok, const QString& nazov);
    QString usneCisloKontroly() const;

    void ToolButtonZobrazVyradeneKravyClick();
    void ToolButtonZobrazKravyvKUClick();
    void ToolButtonLaktKrivkyMClick();
    void ToolButtonLaktKrivkyTClick();
    void ToolButtonLaktKrivkyBClick();
    void ComboBoxPoradieLaktacieChange(int index);
    void DataSourceZvierataDataChange();
    void DataSourceKontrolaMliekaDataChange();
    void DataSourceLaktacieDataChange();
    void DataSourcePrebiehajuceLaktacieDataChange();
    void DBGridZvierataDblClick();

    StavZoradenia m_zoradenieZvierat;
    StavZoradenia m_zoradenieKontrol;
    StavZoradenia m_zoradenieKriviek;
    StavZoradenia m_zoradenieLaktacii;
    StavZoradenia m_zoradeniePrebiehajucich;
};
