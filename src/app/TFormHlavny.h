#pragma once

#include "engine/model/ReportConnections.h"
#include "engine/model/ReportSystem.h"
#include "reports/StavZostav.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QComboBox;
class StatusPanelBar;
class TFrameInfo;
class TFrameZvierata;
class TFrameKrava;
class TFrameByk;
class StromChovov;
class TKuhdVybery;
class DatasetReportDataSet;
class DialogReportFrontEnd;
class ReportFrontEnd;
class ReportProject;
struct PolozkaKatalogu;
struct ProgramInstances;

/// The program's shell: menus, toolbar, the header naming the selection, the herd tree on the
/// left, one of four frames on the right and the status bar. It keeps the state the commands
/// share (selection, enterprise code, remembered client folder, report inputs).
class TFormHlavny : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormHlavny(ProgramInstances& instances, QWidget* parent = nullptr);
    ~TFormHlavny() override;

    // State shared by the commands.
    QString CestaMySQL;
    QString VybraneUsneCislo;
    QString TextCopyright;
    StavZostav stavZostav; ///< selection and report inputs

    TKuhdVybery* kuhdVybery() const { return KuhdVybery.get(); }
    /// The setup dialog, status window and preview every report run of the program goes
    /// through.
    ReportFrontEnd* reportFrontEnd() const;
    /// Shows one of the four frames and hides the others; nullptr hides them all.
    void showOnlyFrame(QWidget* frame);

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
    /// The handler of every report item of "Bonitačné zostavy".
    void ZostavaKataloguClick(const PolozkaKatalogu& polozka);

    void connectNavigation();
    void createMenus();
    void createToolBar();
    QWidget* createHeader();
    QWidget* createLeftPanel();
    QWidget* createFramesArea();
    QAction* menuItem(QMenu* menu, const char* name, const QString& caption);
    QAction* toolButton(const char* name, const QString& hint, const QString& icon);
    void setConnectionMenuState(bool connected);

    ProgramInstances& m_instances;
    std::unique_ptr<TKuhdVybery> KuhdVybery;
    std::unique_ptr<DialogReportFrontEnd> m_reportFrontEnd;
    std::unique_ptr<DatasetReportDataSet> m_uniZostava;
    ReportConnections m_zostavyConnections;
    bool m_shown = false;

public:
    // Components, named as the tests and the other commands find them.
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
    /// The saved-report viewer prints through these; the preview opens maximised.
    ReportSystem RvSystemZostavy;
    std::unique_ptr<ReportProject> RvProjectZostavy;
    QAction* MenuItemUniverzalnaZostava = nullptr;
    QAction* MenuItemAktualizaciaUZ = nullptr;
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
    QComboBox* DBLookupComboBoxZostavy = nullptr;
    QAction* ToolButtonZostava = nullptr;

    QFrame* PanelHorny = nullptr;
    QLabel* LabelVyber = nullptr;
    QSplitter* SplitterLavyPravy = nullptr;
    QWidget* PanelLavy = nullptr;
    QTreeWidget* TreeViewZvierata = nullptr;
    StatusPanelBar* StatusBarStrom = nullptr;
    QWidget* PanelHladaj = nullptr;
    QLineEdit* EditHladaj = nullptr;
    QPushButton* BitBtnHladaj = nullptr;

    TFrameInfo* FrameInfo = nullptr;
    TFrameZvierata* FrameZvierata = nullptr;
    TFrameKrava* FrameKrava = nullptr;
    TFrameByk* FrameByk = nullptr;
    StromChovov* strom = nullptr;

    StatusPanelBar* StatusBarHlavny = nullptr;
};
