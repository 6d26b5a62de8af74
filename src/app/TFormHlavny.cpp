#include "TFormHlavny.h"

#include "MenuBonitacnychZostav.h"
#include "ProgramInstances.h"
#include "StromChovov.h"
#include "TFormOAplikacii.h"
#include "TFrameInfo.h"
#include "TarvelinIcons.h"
#include "VerziaProgramu.h"
#include "ZalohaDatabazy.h"
#include "data/ConfigError.h"
#include "data/ConfigFile.h"
#include "data/PrivateServer.h"
#include "data/TDataModuleHlavny.h"
#include "data/TKuhdVybery.h"
#include "engine/DialogReportFrontEnd.h"
#include "engine/model/ReportProject.h"
#include "reports/DatasetReportDataSet.h"
#include "reports/MakerInfo.h"
#include "reports/PolozkaKatalogu.h"
#include "reports/PriecinokZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"
#include "reports/dialogy/DialogoveVstupyZostav.h"
#include "views/TFrameByk.h"
#include "views/TFrameKrava.h"
#include "views/TFrameZvierata.h"
#include "widgets/DesignFont.h"
#include "widgets/DialogService.h"
#include "widgets/ErrorHandler.h"
#include "widgets/GuardedHandler.h"
#include "widgets/StatusPanelBar.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

/// The working table the cow card reads: every lactation with the heifer calf born at it.
const char* const laktelaStatement =
    "CREATE TABLE laktela (otec varchar(14) NULL, matka varchar(14) NULL)select  l.*, "
    "j.usnecislo as usnecislotelata from jalovice_view j right join  laktacie_view l  on  "
    "l.datumotelenia = j.datumnarodenia                                   and l.krava_id = "
    "j.matka_id ; ";

} // namespace

TFormHlavny::TFormHlavny(ProgramInstances& instances, QWidget* parent)
    : QMainWindow(parent)
    , m_instances(instances) {
    setObjectName(s("FormHlavny"));
    setWindowTitle(s("[KUHD] Tarvelin"));
    setFont(DesignFont::make(s("MS Sans Serif"), 11));
    resize(796, 590);

    m_reportFrontEnd = std::make_unique<DialogReportFrontEnd>();
    m_uniZostava =
        std::make_unique<DatasetReportDataSet>(*m_instances.DataModuleHlavny->ADOQueryUniZostava);
    m_zostavyConnections.publish(s("RvDataSetUniZostava"), m_uniZostava.get());
    RvSystemZostavy.setPreviewMaximized(true);
    RvSystemZostavy.setFrontEnd(m_reportFrontEnd.get());
    RvProjectZostavy = std::make_unique<ReportProject>(
        RvSystemZostavy, m_zostavyConnections, PriecinokZostav::subor(s("TarvelinZostavy.rav")));

    createMenus();
    createToolBar();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createHeader());
    SplitterLavyPravy = new QSplitter(Qt::Horizontal, central);
    SplitterLavyPravy->setObjectName(s("SplitterLavyPravy"));
    SplitterLavyPravy->setChildrenCollapsible(false);
    SplitterLavyPravy->addWidget(createLeftPanel());
    SplitterLavyPravy->addWidget(createFramesArea());
    SplitterLavyPravy->setStretchFactor(1, 1);
    SplitterLavyPravy->setSizes({225, 571});
    layout->addWidget(SplitterLavyPravy, 1);
    setCentralWidget(central);

    StatusBarHlavny = new StatusPanelBar({500, 150, 150}, this);
    StatusBarHlavny->setObjectName(s("StatusBarHlavny"));
    StatusBarHlavny->setPanelText(1, s("Verzia programu:"));
    StatusBarHlavny->setPanelText(2, s("Aktualizácia:"));
    setStatusBar(StatusBarHlavny);

    connectNavigation();
    FormCreate();
}

TFormHlavny::~TFormHlavny() {
    FormDestroy();
}

void TFormHlavny::createMenus() {
    MainMenuHlavny = menuBar();
    MainMenuHlavny->setObjectName(s("MainMenuHlavny"));

    QMenu* subor = MainMenuHlavny->addMenu(s("&Súbor"));
    subor->setObjectName(s("MenuItemSubor"));
    MenuItemPripojitDB = menuItem(subor, "MenuItemPripojitDB", s("Pripojiť databázu"));
    MenuItemOdpojitDB = menuItem(subor, "MenuItemOdpojitDB", s("Odpojiť databázu"));
    subor->addSeparator();
    MenuItemImportDB = menuItem(subor, "MenuItemImportDB", s("Obnova databázy"));
    MenuItemExportDB = menuItem(subor, "MenuItemExportDB", s("Zaloha databázy"));
    subor->addSeparator();
    MenuItemKoniec = menuItem(subor, "MenuItemKoniec", s("&Koniec"));

    QMenu* zobrazit = MainMenuHlavny->addMenu(s("Z&obraziť"));
    zobrazit->setObjectName(s("MenuItemZobrazit"));
    MenuItemStrom = menuItem(zobrazit, "MenuItemStrom", s("&Strom chovov a zvierat"));
    MenuItemNastrojovyPanel = menuItem(zobrazit, "MenuItemNastrojovyPanel", s("Panel s nástrojmi"));
    MenuItemStavovyRiadok = menuItem(zobrazit, "MenuItemStavovyRiadok", s("Stavový riadok"));
    for (QAction* toggle : {MenuItemStrom, MenuItemNastrojovyPanel, MenuItemStavovyRiadok}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    zobrazit->addSeparator();
    MenuItemNastavenia = menuItem(zobrazit, "MenuItemNastavenia", s("Nastavenia"));
    MenuItemNastavenia->setEnabled(false);

    QMenu* zostavy = MainMenuHlavny->addMenu(s("Zos&tavy"));
    zostavy->setObjectName(s("MenuItemZostavy"));
    MenuItemBonitacneZostavy = zostavy->addMenu(s("Bonitačné zostavy"));
    MenuItemBonitacneZostavy->setObjectName(s("MenuItemBonitacneZostavy"));
    MenuBonitacnychZostav::napln(MenuItemBonitacneZostavy,
                                 guarded(this, &TFormHlavny::ZostavaKataloguClick));
    zostavy->addSeparator();
    MenuItemUniverzalnaZostava =
        menuItem(zostavy, "MenuItemUniverzalnaZostava", s("&Univerzálna zostava..."));
    MenuItemAktualizaciaUZ =
        menuItem(zostavy, "MenuItemAktualizaciaUZ", s("Aktualizácia dát pre univerzálnu zostavu"));

    QMenu* vymena = MainMenuHlavny->addMenu(s("Výmena &dát"));
    vymena->setObjectName(s("MenuItemVymenaDat"));
    menuItem(vymena, "MenuItemDataZoUHEV", s("Dáta zo ÚHEV"))->setEnabled(false);
    menuItem(vymena, "MenuItemDataPreUHEV", s("Dáta pre ÚHEV"))->setEnabled(false);

    QMenu* pomoc = MainMenuHlavny->addMenu(s("&Pomoc"));
    pomoc->setObjectName(s("MenuItemPomoc"));
    MenuItemOAplikacii = menuItem(pomoc, "MenuItemOAplikacii", s("O aplikácii"));

    connect(MenuItemPripojitDB, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemPripojitDBClick));
    connect(MenuItemOdpojitDB, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemOdpojitDBClick));
    connect(MenuItemKoniec, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemKoniecClick));
    connect(MenuItemStrom, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemStromClick));
    connect(MenuItemNastrojovyPanel, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemNastrojovyPanelClick));
    connect(MenuItemStavovyRiadok, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemStavovyRiadokClick));
    connect(MenuItemOAplikacii, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemOAplikaciiClick));
}

QAction* TFormHlavny::menuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(s(name));
    return action;
}

void TFormHlavny::createToolBar() {
    ToolBarHlavny = addToolBar(s("Panel s nástrojmi"));
    ToolBarHlavny->setObjectName(s("ToolBarHlavny"));
    ToolBarHlavny->setMovable(false);
    ToolBarHlavny->setFloatable(false);
    ToolBarHlavny->setIconSize(QSize(16, 16));
    ToolBarHlavny->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    ToolButtonPripojDB = toolButton("ToolButtonPripojDB", s("Pripojiť databázu"), s("pripojit"));
    ToolButtonOdpojDB = toolButton("ToolButtonOdpojDB", s("Odpojiť databázu"), s("odpojit"));
    ToolBarHlavny->addSeparator();
    ToolButtonZobrazStrom = toolButton("ToolButtonZobrazStrom", s("Zobraziť strom"), s("strom"));
    ToolButtonZobrazStrom->setCheckable(true);
    ToolButtonZobrazStrom->setChecked(true);
    ToolBarHlavny->addSeparator();
    ToolButton6 = toolButton("ToolButton6", s("Záloha dát"), s("zaloha"));
    ToolButtonAktualizaciaDat =
        toolButton("ToolButtonAktualizaciaDat", s("Aktualizácia dát"), s("aktualizacia"));
    ToolButton8 = toolButton("ToolButton8", s("Nastavenia"), s("nastavenia"));
    // No settings exist yet; a disabled button says so instead of doing nothing.
    ToolButton8->setEnabled(false);
    ToolBarHlavny->addSeparator();
    ToolButtonHlavnyInfo = toolButton("ToolButtonHlavnyInfo", s("O programe"), s("info"));
    ToolBarHlavny->addSeparator();
    ToolButtonExit = toolButton("ToolButtonExit", QString(), s("koniec"));
    ToolButtonExit->setToolTip(s("Koniec"));
    ToolBarHlavny->addSeparator();
    DBLookupComboBoxZostavy = new QComboBox(ToolBarHlavny);
    DBLookupComboBoxZostavy->setObjectName(s("DBLookupComboBoxZostavy"));
    DBLookupComboBoxZostavy->setFixedWidth(209);
    ToolBarHlavny->addWidget(DBLookupComboBoxZostavy);
    ToolButtonZostava = toolButton("ToolButtonZostava", s("Načítaj zostavu"), s("zostava"));

    connect(ToolButtonPripojDB, &QAction::triggered, MenuItemPripojitDB, &QAction::trigger);
    connect(ToolButtonOdpojDB, &QAction::triggered, MenuItemOdpojitDB, &QAction::trigger);
    connect(ToolButtonZobrazStrom, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemStromClick));
    connect(ToolButton6, &QAction::triggered, MenuItemExportDB, &QAction::trigger);
    connect(ToolButtonAktualizaciaDat, &QAction::triggered, MenuItemAktualizaciaUZ,
            &QAction::trigger);
    connect(ToolButtonHlavnyInfo, &QAction::triggered, this,
            guarded(this, &TFormHlavny::ToolButtonHlavnyInfoClick));
    connect(ToolButtonExit, &QAction::triggered, MenuItemKoniec, &QAction::trigger);
}

QAction* TFormHlavny::toolButton(const char* name, const QString& hint, const QString& icon) {
    QAction* action = ToolBarHlavny->addAction(TarvelinIcons::toolbar(icon), hint);
    action->setObjectName(s(name));
    if (QWidget* button = ToolBarHlavny->widgetForAction(action))
        button->setObjectName(s(name));
    return action;
}

QWidget* TFormHlavny::createHeader() {
    PanelHorny = new QFrame(this);
    PanelHorny->setObjectName(s("PanelHorny"));
    PanelHorny->setFixedHeight(20);
    PanelHorny->setFrameShape(QFrame::Panel);
    PanelHorny->setFrameShadow(QFrame::Sunken);
    PanelHorny->setAutoFillBackground(true);
    QPalette palette = PanelHorny->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Dark));
    palette.setColor(QPalette::WindowText, Qt::white);
    PanelHorny->setPalette(palette);
    QFont font = PanelHorny->font();
    font.setBold(true);
    font.setPixelSize(12);
    PanelHorny->setFont(font);

    auto* caption = new QLabel(s(" Tarvelin 2006"), PanelHorny);
    caption->setObjectName(s("LabelPanelHorny"));
    caption->move(2, 2);
    LabelVyber = new QLabel(PanelHorny);
    LabelVyber->setObjectName(s("LabelVyber"));
    LabelVyber->move(232, 3);
    LabelVyber->setMinimumWidth(600);
    LabelVyber->setTextFormat(Qt::PlainText);
    return PanelHorny;
}

QWidget* TFormHlavny::createLeftPanel() {
    PanelLavy = new QWidget(this);
    PanelLavy->setObjectName(s("PanelLavy"));
    auto* layout = new QVBoxLayout(PanelLavy);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    TreeViewZvierata = new QTreeWidget(PanelLavy);
    TreeViewZvierata->setObjectName(s("TreeViewZvierata"));
    TreeViewZvierata->setHeaderHidden(true);
    TreeViewZvierata->setIndentation(19);
    TreeViewZvierata->setIconSize(QSize(16, 16));
    TreeViewZvierata->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(TreeViewZvierata, 1);

    StatusBarStrom = new StatusPanelBar({225}, PanelLavy);
    StatusBarStrom->setObjectName(s("StatusBarStrom"));
    StatusBarStrom->setFixedHeight(19);
    StatusBarStrom->hide();
    layout->addWidget(StatusBarStrom);

    PanelHladaj = new QWidget(PanelLavy);
    PanelHladaj->setObjectName(s("PanelHladaj"));
    PanelHladaj->setFixedHeight(33);
    EditHladaj = new QLineEdit(PanelHladaj);
    EditHladaj->setObjectName(s("EditHladaj"));
    EditHladaj->setGeometry(4, 7, 133, 21);
    EditHladaj->setPlaceholderText(s("Ušné číslo"));
    BitBtnHladaj = new QPushButton(TarvelinIcons::toolbar(s("hladaj")), s("&Hľadaj"), PanelHladaj);
    BitBtnHladaj->setObjectName(s("BitBtnHladaj"));
    BitBtnHladaj->setGeometry(144, 8, 75, 20);
    layout->addWidget(PanelHladaj);
    // The search box and its button are placed for this width; a wide frame on the right must
    // not squeeze the tree below it.
    PanelLavy->setMinimumWidth(225);
    return PanelLavy;
}

QWidget* TFormHlavny::createFramesArea() {
    auto* area = new QWidget(this);
    area->setObjectName(s("PanelRamce"));
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    FrameInfo = new TFrameInfo(area);
    FrameInfo->setObjectName(s("FrameInfo"));
    layout->addWidget(FrameInfo);
    TDataModuleHlavny& data = *m_instances.DataModuleHlavny;
    FrameZvierata = new TFrameZvierata(data, area);
    FrameKrava = new TFrameKrava(data, area);
    FrameByk = new TFrameByk(data, area);
    FrameZvierata->setObjectName(s("FrameZvierata"));
    FrameKrava->setObjectName(s("FrameKrava"));
    FrameByk->setObjectName(s("FrameByk"));
    for (QWidget* frame : {static_cast<QWidget*>(FrameZvierata), static_cast<QWidget*>(FrameKrava),
                           static_cast<QWidget*>(FrameByk)}) {
        frame->hide();
        layout->addWidget(frame);
    }
    return area;
}

void TFormHlavny::connectNavigation() {
    strom = new StromChovov(*this, m_instances);
    connect(TreeViewZvierata, &QTreeWidget::currentItemChanged, this,
            guarded([this](QTreeWidgetItem* vybrany, QTreeWidgetItem* predosly) {
                StromChovov::rozbalJedenUzol(vybrany, predosly);
                strom->TreeViewZvierataChange(vybrany);
            }));
    connect(EditHladaj, &QLineEdit::editingFinished, this,
            guarded(strom, &StromChovov::EditHladajExit));
    connect(EditHladaj, &QLineEdit::returnPressed, this,
            guarded(strom, &StromChovov::BitBtnHladajClick));
    connect(BitBtnHladaj, &QPushButton::clicked, this,
            guarded(strom, &StromChovov::BitBtnHladajClick));
    connect(FrameZvierata, &TFrameZvierata::kravaOtvorena, this,
            guarded([this](const QString& usneCislo) {
                if (QTreeWidgetItem* uzol = StromChovov::NajdiUzol(TreeViewZvierata, usneCislo))
                    TreeViewZvierata->setCurrentItem(uzol);
            }));

    auto* zaloha = new ZalohaDatabazy(
        CestaMySQL, *m_instances.DataModuleHlavny->ADOConnectionTarvelin,
        QFileInfo(PrivateServer::defaultDataFolder()).dir().filePath(s("zalohy")),
        [this] {
            close();
            QCoreApplication::quit();
        },
        this);
    connect(MenuItemExportDB, &QAction::triggered, this,
            guarded(zaloha, &ZalohaDatabazy::MenuItemExportDBClick));
    connect(MenuItemImportDB, &QAction::triggered, this,
            guarded(zaloha, &ZalohaDatabazy::MenuItemImportDBClick));
}

void TFormHlavny::FormCreate() {
    stavZostav.ZadanyPocetDcer = 0;
    try {
        CestaMySQL = ConfigFile::read(ConfigFile::aplikacia, s("MySQLCesta"));
    } catch (const ConfigError& error) {
        DialogService::instance().error(s("Chyba: ") + QString::fromUtf8(error.what()));
    }
}

void TFormHlavny::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    ErrorHandler::run([this] { FormShow(); });
}

void TFormHlavny::FormShow() {
    TDataModuleHlavny& data = *m_instances.DataModuleHlavny;
    Command* parametre = m_instances.DataModuleTabulky->ADOCommandParametre;
    parametre->setCommandText(s("DROP TABLE IF EXISTS laktela;"));
    parametre->execute();
    parametre->setCommandText(s(laktelaStatement));
    parametre->execute();

    data.ADOQueryUniZostavy->open();
    setConnectionMenuState(data.ADOConnectionTarvelin->isOpen());
    FrameZvierata->zobrazPrvuZalozku();
    FrameKrava->zobrazPrvuZalozku();
    FrameByk->zobrazPrvuZalozku();
    showOnlyFrame(FrameInfo);
    KuhdVybery = std::make_unique<TKuhdVybery>(data.ADOConnectionTarvelin);
    stavZostav.KodPodniku = data.ADOQueryParam->text(s("Chovatel")).left(6);
    TextCopyright = MakerInfo::copyrightLine();
    strom->NaplnStrom(stavZostav.KodPodniku);
    FrameInfo->showPage(QCoreApplication::applicationDirPath());
    m_instances.FormOAplikacii->setTexts(s("WTarvelinHD"),
                                         s("Verzia programu: ") + VerziaProgramu::text(),
                                         s("marec 2012"), TextCopyright);

    QString aktualizacia;
    try {
        aktualizacia = ConfigFile::read(ConfigFile::aplikacia, s("AktualizaciaDat"));
    } catch (const ConfigError&) {
        DialogService::instance().error(s("Chyba pri načítaní konfigurácie."));
    }
    StatusBarHlavny->setPanelText(1, s("Verzia programu: ") + VerziaProgramu::text());
    StatusBarHlavny->setPanelText(2, s("Aktualizácia: ") + aktualizacia);
}

void TFormHlavny::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

void TFormHlavny::FormHide() {
    KuhdVybery.reset();
}

void TFormHlavny::FormDestroy() {
    try {
        ConfigFile::write(ConfigFile::aplikacia, s("MySQLCesta"), CestaMySQL);
    } catch (const ConfigError& error) {
        DialogService::instance().error(s("Chyba: ") + QString::fromUtf8(error.what()));
    }
}

void TFormHlavny::setConnectionMenuState(bool connected) {
    MenuItemPripojitDB->setEnabled(!connected);
    MenuItemOdpojitDB->setEnabled(connected);
}

void TFormHlavny::showOnlyFrame(QWidget* frame) {
    const std::array<QWidget*, 4> frames = {FrameInfo, FrameZvierata, FrameKrava, FrameByk};
    for (QWidget* f : frames)
        f->setVisible(f == frame);
}

void TFormHlavny::MenuItemPripojitDBClick() {
    m_instances.DataModuleHlavny->ADOConnectionTarvelin->open();
    setConnectionMenuState(true);
}

void TFormHlavny::MenuItemOdpojitDBClick() {
    m_instances.DataModuleHlavny->ADOConnectionTarvelin->close();
    setConnectionMenuState(false);
}

void TFormHlavny::MenuItemKoniecClick() {
    if (!DialogService::instance().confirm(s("Ukončiť Tarvelin?")))
        return;
    close();
    QCoreApplication::quit();
}

void TFormHlavny::MenuItemStromClick() {
    // Menu item and toolbar button both come here, each having toggled its own check mark, so
    // the panel itself says what the new state is.
    const bool visible = PanelLavy->isHidden();
    PanelLavy->setVisible(visible);
    MenuItemStrom->setChecked(visible);
    ToolButtonZobrazStrom->setChecked(visible);
}

void TFormHlavny::MenuItemNastrojovyPanelClick() {
    // The action toggled its own check mark before this runs; the toolbar follows it.
    ToolBarHlavny->setVisible(MenuItemNastrojovyPanel->isChecked());
}

void TFormHlavny::MenuItemStavovyRiadokClick() {
    StatusBarHlavny->setVisible(MenuItemStavovyRiadok->isChecked());
}

void TFormHlavny::ToolButtonHlavnyInfoClick() {
    showOnlyFrame(FrameInfo);
}

void TFormHlavny::MenuItemOAplikaciiClick() {
    DialogService::instance().showModal(*m_instances.FormOAplikacii);
}

void TFormHlavny::ZostavaKataloguClick(const PolozkaKatalogu& polozka) {
    if (!polozka.dostupna) {
        DialogService::instance().information(
            s("Zostava „%1“ zatiaľ nie je k dispozícii.").arg(polozka.popis.trimmed()));
        return;
    }
    DialogoveVstupyZostav vstupy;
    TlacZostavy(*m_instances.DataModuleTabulky, stavZostav, vstupy, TextCopyright).tlac(polozka);
}

ReportFrontEnd* TFormHlavny::reportFrontEnd() const {
    return m_reportFrontEnd.get();
}
