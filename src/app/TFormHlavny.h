#pragma once

#include "engine/model/ReportConnections.h"
#include "engine/model/ReportSystem.h"
#include "reports/StavZostav.h"

#include <QMainWindow>
#include <memory>

class DialogCakaniaNaVyber;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QToolBar;
class QTreeWidget;
class DBLookupComboBox;
class AktualizaciaUniverzalnejZostavy;
class DatasetReportDataSet;
class DialogoveVstupyZostav;
class DialogReportFrontEnd;
class ReportFrontEnd;
class ReportProject;
class StatusPanelBar;
class StromChovov;
class TFrameByk;
class TFrameInfo;
class TFrameKrava;
class TFrameZvierata;
class TKuhdVybery;
struct PolozkaKatalogu;
struct ProgramInstances;

/// The program's shell: menus, toolbar, the header naming the selection, the herd tree on the
/// left, one of four frames on the right and the status bar. It keeps the state the commands
/// share (selection, enterprise code, remembered client folder, report inputs) and wires the
/// tree's selections to the frames. Its components are found by their object names.
class TFormHlavny : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormHlavny(ProgramInstances& instances, QWidget* parent = nullptr);
    ~TFormHlavny() override;

    const StavZostav& stavZostav() const { return m_stavZostav; }
    const QString& vybraneUsneCislo() const { return VybraneUsneCislo; }
    TKuhdVybery* kuhdVybery() const { return KuhdVybery.get(); }
    /// The setup dialog, status window and preview every report run of the program goes
    /// through.
    ReportFrontEnd* rozhranieZostav() const;
    /// The project the saved universal reports print through.
    ReportProject& projektZostavy() const { return *RvProjectZostavy; }
    /// Opens a new universal report builder modally, as "&Univerzálna zostava..." does; the
    /// refresh of its data ends with it.
    void otvorUniverzalnuZostavu();
    /// Writes the date of the data into the status bar: the day of the last import, else the
    /// latest test day; an import calls it once it has recorded its day.
    void ukazAktualizaciuDat();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormHide();
    void FormDestroy();

    void MenuItemPripojitDBClick();
    void MenuItemOdpojitDBClick();
    void MenuItemKoniecClick();
    void MenuItemStromClick();
    void MenuItemNastrojovyPanelClick();
    void MenuItemStavovyRiadokClick();
    void ToolButtonHlavnyInfoClick();
    void MenuItemOAplikaciiClick();
    void MenuItemUniverzalnaZostavaClick();
    void ToolButtonZostavaClick();
    /// The handler of every report item of "Bonitačné zostavy".
    void ZostavaKataloguClick(const PolozkaKatalogu& polozka);
    void Aktualizciadtpreuniverzlnuzostavu1Click();
    /// Prints every available report of the selection as one book.
    void MenuItemKnihaZostavClick();
    /// The report inputs asked in the program's parameter dialogs.
    DialogoveVstupyZostav dialogoveVstupy() const;

    // What a selection in the tree shows.
    void vyberKodu(const QString& kod);
    void vyberKravy(const QString& usneCislo);
    void vyberByka(const QString& usneCislo);
    /// The herd frame's double click on an animal: her node when the tree holds her.
    void otvorKravuStada(const QString& usneCislo);
    void budovanieStromuZacate(const QString& kod);
    void priebehBudovaniaStromu(int hotovo, int celkom);
    void budovanieStromuSkoncene(int pocetZvierat);

    void vytvorMenu();
    void vytvorPanelNastrojov();
    QWidget* vytvorHlavicku();
    QWidget* vytvorLavyPanel();
    QWidget* vytvorOblastRamcov();
    void prepojNavigaciu();
    void prepojZalohu();
    QAction* polozkaMenu(QMenu* menu, const char* meno, const QString& popis);
    QAction* tlacidlo(const char* meno, const QString& popis, const QString& obrazok);
    void nastavStavPripojenia(bool pripojene);
    /// Shows one of the four frames and hides the others; nullptr hides them all.
    void ukazLenRamec(QWidget* ramec);

    ProgramInstances& m_instances;
    StavZostav m_stavZostav;
    QString CestaMySQL;
    QString VybraneUsneCislo;
    QString TextCopyright;
    std::unique_ptr<TKuhdVybery> KuhdVybery;
    std::unique_ptr<DialogReportFrontEnd> m_rozhranieZostav;
    /// Shown while a work of this window waits for the selection another one holds.
    DialogCakaniaNaVyber* m_cakanieNaVyber;
    std::unique_ptr<DatasetReportDataSet> m_uniZostava;
    ReportConnections m_spojeniaZostav;
    bool m_zobrazene = false;

    QMenuBar* MainMenuHlavny = nullptr;
    QAction* MenuItemPripojitDB = nullptr;
    QAction* MenuItemOdpojitDB = nullptr;
    QAction* MenuItemImportDB = nullptr;
    QAction* MenuItemExportDB = nullptr;
    QAction* MenuItemKoniec = nullptr;
    QAction* MenuItemStrom = nullptr;
    QAction* MenuItemNastrojovyPanel = nullptr;
    QAction* MenuItemStavovyRiadok = nullptr;
    QAction* MenuItemNastavenia = nullptr;
    QMenu* MenuItemBonitacneZostavy = nullptr;
    QAction* MenuItemKnihaZostav = nullptr;
    /// The saved-report viewer prints through these; the preview opens maximised.
    ReportSystem RvSystemZostavy;
    std::unique_ptr<ReportProject> RvProjectZostavy;
    QAction* MenuItemUniverzalnaZostava = nullptr;
    QAction* Aktualizciadtpreuniverzlnuzostavu1 = nullptr;
    QAction* MenuItemOAplikacii = nullptr;

    QToolBar* ToolBarHlavny = nullptr;
    QAction* ToolButtonPripojDB = nullptr;
    QAction* ToolButtonOdpojDB = nullptr;
    QAction* ToolButtonZobrazStrom = nullptr;
    QAction* ToolButton6 = nullptr;
    QAction* ToolButtonAktualizaciaDat = nullptr;
    QAction* ToolButton8 = nullptr;
    QAction* ToolButtonHlavnyInfo = nullptr;
    QAction* ToolButtonExit = nullptr;
    DBLookupComboBox* DBLookupComboBoxZostavy = nullptr;
    QAction* ToolButtonZostava = nullptr;

    QFrame* PanelHorny = nullptr;
    QLabel* LabelVyber = nullptr;
    QSplitter* SplitterLavyPravy = nullptr;
    QWidget* PanelLavy = nullptr;
    QTreeWidget* TreeViewZvierata = nullptr;
    StatusPanelBar* StatusBarStrom = nullptr;
    QProgressBar* m_priebehStromu = nullptr;
    QWidget* PanelHladaj = nullptr;
    QLineEdit* EditHladaj = nullptr;
    QPushButton* BitBtnHladaj = nullptr;
    StromChovov* m_strom = nullptr;

    TFrameInfo* FrameInfo = nullptr;
    TFrameZvierata* FrameZvierata = nullptr;
    TFrameKrava* FrameKrava = nullptr;
    TFrameByk* FrameByk = nullptr;

    StatusPanelBar* StatusBarHlavny = nullptr;
};
