#include "TFormHlavny.h"

#include "DotazyHlavnehoOkna.h"
#include "MenuBonitacnychZostav.h"
#include "ProgramInstances.h"
#include "TFormOAplikacii.h"
#include "TFrameInfo.h"
#include "VerziaProgramu.h"
#include "app/art/TarvelinIcons.h"
#include "app/backup/ZalohaDatabazy.h"
#include "app/strom/StromChovov.h"
#include "app/vymena/VymenaDat.h"
#include "data/AktualizaciaDat.h"
#include "data/ConfigError.h"
#include "data/ConfigFile.h"
#include "data/Connection.h"
#include "data/PrivateServer.h"
#include "data/ProgramFiles.h"
#include "data/TDataModuleHlavny.h"
#include "data/TKuhdVybery.h"
#include "engine/DialogReportFrontEnd.h"
#include "engine/model/ReportDestination.h"
#include "engine/model/ReportProject.h"
#include "reports/AktualizaciaUniverzalnejZostavy.h"
#include "reports/DatasetReportDataSet.h"
#include "reports/KnihaZostav.h"
#include "reports/MakerInfo.h"
#include "reports/PolozkaKatalogu.h"
#include "reports/PriecinokZostav.h"
#include "reports/PripravaZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/TlacZostavy.h"
#include "reports/ZamokVyberu.h"
#include "reports/dialogy/DialogCakaniaNaVyber.h"
#include "reports/dialogy/DialogPriebehuKnihy.h"
#include "reports/dialogy/DialogPriebehuPripravy.h"
#include "reports/dialogy/DialogoveVstupyZostav.h"
#include "unireport/TFormUniverzalnaZostava.h"
#include "unireport/TFormZostava.h"
#include "views/byk/TFrameByk.h"
#include "views/krava/TFrameKrava.h"
#include "views/zvierata/TFrameZvierata.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/DesignFont.h"
#include "widgets/DialogService.h"
#include "widgets/ErrorHandler.h"
#include "widgets/GuardedHandler.h"
#include "widgets/StatusPanelBar.h"
#include "widgets/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

using namespace Qt::Literals::StringLiterals;

TFormHlavny::TFormHlavny(ProgramInstances& instances, QWidget* parent)
    : QMainWindow(parent)
    , m_instances(instances) {
    setObjectName(u"FormHlavny"_s);
    setWindowTitle(u"[KUHD] Tarvelin"_s);
    setFont(DesignFont::make(u"MS Sans Serif"_s, 11));
    resize(796, 590);

    m_rozhranieZostav = std::make_unique<DialogReportFrontEnd>();
    m_cakanieNaVyber = new DialogCakaniaNaVyber(this);
    ZamokVyberu::nastavCakanie(m_cakanieNaVyber);
    m_uniZostava =
        std::make_unique<DatasetReportDataSet>(*m_instances.DataModuleHlavny->ADOQueryUniZostava);
    m_spojeniaZostav.publish(u"RvDataSetUniZostava"_s, m_uniZostava.get());
    RvSystemZostavy.setPreviewMaximized(true);
    RvSystemZostavy.setFrontEnd(m_rozhranieZostav.get());
    RvProjectZostavy = std::make_unique<ReportProject>(
        RvSystemZostavy, m_spojeniaZostav, PriecinokZostav::subor(u"TarvelinZostavy.rav"_s));

    vytvorMenu();
    vytvorPanelNastrojov();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(vytvorHlavicku());
    SplitterLavyPravy = new QSplitter(Qt::Horizontal, central);
    SplitterLavyPravy->setObjectName(u"SplitterLavyPravy"_s);
    SplitterLavyPravy->setChildrenCollapsible(false);
    SplitterLavyPravy->addWidget(vytvorLavyPanel());
    SplitterLavyPravy->addWidget(vytvorOblastRamcov());
    SplitterLavyPravy->setStretchFactor(1, 1);
    SplitterLavyPravy->setSizes({225, 571});
    layout->addWidget(SplitterLavyPravy, 1);
    setCentralWidget(central);

    StatusBarHlavny = new StatusPanelBar({500, 150, 150}, this);
    StatusBarHlavny->setObjectName(u"StatusBarHlavny"_s);
    StatusBarHlavny->setPanelText(1, u"Verzia programu:"_s);
    StatusBarHlavny->setPanelText(2, u"Aktualizácia:"_s);
    setStatusBar(StatusBarHlavny);

    prepojNavigaciu();
    prepojZalohu();
    prepojVymenuDat();
    FormCreate();
}

TFormHlavny::~TFormHlavny() {
    ZamokVyberu::nastavCakanie(nullptr);
    FormDestroy();
}

void TFormHlavny::vytvorMenu() {
    MainMenuHlavny = menuBar();
    MainMenuHlavny->setObjectName(u"MainMenuHlavny"_s);

    QMenu* subor = MainMenuHlavny->addMenu(u"&Súbor"_s);
    subor->setObjectName(u"MenuItemSubor"_s);
    MenuItemPripojitDB = polozkaMenu(subor, "MenuItemPripojitDB", u"Pripojiť databázu"_s);
    MenuItemOdpojitDB = polozkaMenu(subor, "MenuItemOdpojitDB", u"Odpojiť databázu"_s);
    subor->addSeparator();
    MenuItemImportDB = polozkaMenu(subor, "MenuItemImportDB", u"Obnova databázy"_s);
    MenuItemExportDB = polozkaMenu(subor, "MenuItemExportDB", u"Zaloha databázy"_s);
    subor->addSeparator();
    MenuItemKoniec = polozkaMenu(subor, "MenuItemKoniec", u"&Koniec"_s);

    QMenu* zobrazit = MainMenuHlavny->addMenu(u"Z&obraziť"_s);
    zobrazit->setObjectName(u"MenuItemZobrazit"_s);
    MenuItemStrom = polozkaMenu(zobrazit, "MenuItemStrom", u"&Strom chovov a zvierat"_s);
    MenuItemNastrojovyPanel =
        polozkaMenu(zobrazit, "MenuItemNastrojovyPanel", u"Panel s nástrojmi"_s);
    MenuItemStavovyRiadok = polozkaMenu(zobrazit, "MenuItemStavovyRiadok", u"Stavový riadok"_s);
    for (QAction* toggle : {MenuItemStrom, MenuItemNastrojovyPanel, MenuItemStavovyRiadok}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    zobrazit->addSeparator();
    MenuItemNastavenia = polozkaMenu(zobrazit, "MenuItemNastavenia", u"Nastavenia"_s);
    MenuItemNastavenia->setEnabled(false);

    QMenu* zostavy = MainMenuHlavny->addMenu(u"Zos&tavy"_s);
    zostavy->setObjectName(u"MenuItemZostavy"_s);
    MenuItemBonitacneZostavy = zostavy->addMenu(u"Bonitačné zostavy"_s);
    MenuItemBonitacneZostavy->setObjectName(u"MenuItemBonitacneZostavy"_s);
    MenuBonitacnychZostav::napln(MenuItemBonitacneZostavy,
                                 guarded(this, &TFormHlavny::ZostavaKataloguClick));
    MenuItemKnihaZostav =
        polozkaMenu(zostavy, "MenuItemKnihaZostav", u"Celá &kniha bonitačných zostáv..."_s);
    connect(MenuItemKnihaZostav, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemKnihaZostavClick));
    zostavy->addSeparator();
    MenuItemUniverzalnaZostava =
        polozkaMenu(zostavy, "MenuItemUniverzalnaZostava", u"&Univerzálna zostava..."_s);
    Aktualizciadtpreuniverzlnuzostavu1 = polozkaMenu(zostavy, "Aktualizciadtpreuniverzlnuzostavu1",
                                                     u"Aktualizácia dát pre univerzálnu zostavu"_s);

    QMenu* vymena = MainMenuHlavny->addMenu(u"Výmena &dát"_s);
    vymena->setObjectName(u"MenuItemVymenaDat"_s);
    MenuItemDataZoUHEV = polozkaMenu(vymena, "MenuItemDataZoUHEV", u"Dáta zo ÚHEV..."_s);
    MenuItemDataPreUHEV = polozkaMenu(vymena, "MenuItemDataPreUHEV", u"Dáta pre ÚHEV..."_s);

    QMenu* pomoc = MainMenuHlavny->addMenu(u"&Pomoc"_s);
    pomoc->setObjectName(u"MenuItemPomoc"_s);
    MenuItemOAplikacii = polozkaMenu(pomoc, "MenuItemOAplikacii", u"O aplikácii"_s);

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
    connect(MenuItemUniverzalnaZostava, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemUniverzalnaZostavaClick));
    connect(Aktualizciadtpreuniverzlnuzostavu1, &QAction::triggered, this,
            guarded(this, &TFormHlavny::Aktualizciadtpreuniverzlnuzostavu1Click));
}

QAction* TFormHlavny::polozkaMenu(QMenu* menu, const char* meno, const QString& popis) {
    QAction* polozka = menu->addAction(popis);
    polozka->setObjectName(QLatin1String(meno));
    return polozka;
}

void TFormHlavny::vytvorPanelNastrojov() {
    ToolBarHlavny = addToolBar(u"Panel s nástrojmi"_s);
    ToolBarHlavny->setObjectName(u"ToolBarHlavny"_s);
    ToolBarHlavny->setMovable(false);
    ToolBarHlavny->setFloatable(false);
    ToolBarHlavny->setIconSize(QSize(16, 16));
    ToolBarHlavny->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    ToolButtonPripojDB = tlacidlo("ToolButtonPripojDB", u"Pripojiť databázu"_s, u"pripojit"_s);
    ToolButtonOdpojDB = tlacidlo("ToolButtonOdpojDB", u"Odpojiť databázu"_s, u"odpojit"_s);
    ToolBarHlavny->addSeparator();
    ToolButtonZobrazStrom = tlacidlo("ToolButtonZobrazStrom", u"Zobraziť strom"_s, u"strom"_s);
    ToolButtonZobrazStrom->setCheckable(true);
    ToolButtonZobrazStrom->setChecked(true);
    ToolBarHlavny->addSeparator();
    ToolButton6 = tlacidlo("ToolButton6", u"Záloha dát"_s, u"zaloha"_s);
    ToolButtonAktualizaciaDat =
        tlacidlo("ToolButtonAktualizaciaDat", u"Aktualizácia dát"_s, u"aktualizacia"_s);
    ToolButton8 = tlacidlo("ToolButton8", u"Nastavenia"_s, u"nastavenia"_s);
    // No settings exist yet; a disabled button says so instead of doing nothing.
    ToolButton8->setEnabled(false);
    ToolBarHlavny->addSeparator();
    ToolButtonHlavnyInfo = tlacidlo("ToolButtonHlavnyInfo", u"O programe"_s, u"info"_s);
    ToolBarHlavny->addSeparator();
    ToolButtonExit = tlacidlo("ToolButtonExit", QString(), u"koniec"_s);
    ToolButtonExit->setToolTip(u"Koniec"_s);
    ToolBarHlavny->addSeparator();
    DBLookupComboBoxZostavy = new DBLookupComboBox(ToolBarHlavny);
    DBLookupComboBoxZostavy->setObjectName(u"DBLookupComboBoxZostavy"_s);
    DBLookupComboBoxZostavy->setFixedWidth(209);
    DBLookupComboBoxZostavy->setListSource(m_instances.DataModuleHlavny->ADOQueryUniZostavy,
                                           u"zostava_id"_s, u"nazov"_s);
    ToolBarHlavny->addWidget(DBLookupComboBoxZostavy);
    ToolButtonZostava = tlacidlo("ToolButtonZostava", u"Načítaj zostavu"_s, u"zostava"_s);

    connect(ToolButtonPripojDB, &QAction::triggered, MenuItemPripojitDB, &QAction::trigger);
    connect(ToolButtonOdpojDB, &QAction::triggered, MenuItemOdpojitDB, &QAction::trigger);
    connect(ToolButtonZobrazStrom, &QAction::triggered, this,
            guarded(this, &TFormHlavny::MenuItemStromClick));
    connect(ToolButton6, &QAction::triggered, MenuItemExportDB, &QAction::trigger);
    connect(ToolButtonAktualizaciaDat, &QAction::triggered, Aktualizciadtpreuniverzlnuzostavu1,
            &QAction::trigger);
    connect(ToolButtonHlavnyInfo, &QAction::triggered, this,
            guarded(this, &TFormHlavny::ToolButtonHlavnyInfoClick));
    connect(ToolButtonExit, &QAction::triggered, MenuItemKoniec, &QAction::trigger);
    connect(ToolButtonZostava, &QAction::triggered, this,
            guarded(this, &TFormHlavny::ToolButtonZostavaClick));
}

QAction* TFormHlavny::tlacidlo(const char* meno, const QString& popis, const QString& obrazok) {
    QAction* akcia = ToolBarHlavny->addAction(TarvelinIcons::toolbar(obrazok), popis);
    akcia->setObjectName(QLatin1String(meno));
    if (QWidget* tlacidlo = ToolBarHlavny->widgetForAction(akcia))
        tlacidlo->setObjectName(QLatin1String(meno));
    return akcia;
}

QWidget* TFormHlavny::vytvorHlavicku() {
    PanelHorny = new QFrame(this);
    PanelHorny->setObjectName(u"PanelHorny"_s);
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

    auto* caption = new QLabel(u" Tarvelin 2006"_s, PanelHorny);
    caption->setObjectName(u"LabelPanelHorny"_s);
    caption->move(2, 2);
    LabelVyber = new QLabel(PanelHorny);
    LabelVyber->setObjectName(u"LabelVyber"_s);
    LabelVyber->move(232, 3);
    LabelVyber->setMinimumWidth(600);
    LabelVyber->setTextFormat(Qt::PlainText);
    return PanelHorny;
}

QWidget* TFormHlavny::vytvorLavyPanel() {
    PanelLavy = new QWidget(this);
    PanelLavy->setObjectName(u"PanelLavy"_s);
    auto* layout = new QVBoxLayout(PanelLavy);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    TreeViewZvierata = new QTreeWidget(PanelLavy);
    TreeViewZvierata->setObjectName(u"TreeViewZvierata"_s);
    TreeViewZvierata->setHeaderHidden(true);
    TreeViewZvierata->setIndentation(19);
    TreeViewZvierata->setIconSize(QSize(16, 16));
    TreeViewZvierata->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(TreeViewZvierata, 1);

    StatusBarStrom = new StatusPanelBar({225}, PanelLavy);
    StatusBarStrom->setObjectName(u"StatusBarStrom"_s);
    StatusBarStrom->setFixedHeight(19);
    StatusBarStrom->hide();
    m_priebehStromu = new QProgressBar(StatusBarStrom);
    m_priebehStromu->setObjectName(u"ProgressBarStrom"_s);
    m_priebehStromu->setTextVisible(false);
    StatusBarStrom->addWidget(m_priebehStromu, 1);
    layout->addWidget(StatusBarStrom);

    PanelHladaj = new QWidget(PanelLavy);
    PanelHladaj->setObjectName(u"PanelHladaj"_s);
    PanelHladaj->setFixedHeight(33);
    EditHladaj = new QLineEdit(PanelHladaj);
    EditHladaj->setObjectName(u"EditHladaj"_s);
    EditHladaj->setGeometry(4, 7, 133, 21);
    EditHladaj->setPlaceholderText(u"Ušné číslo"_s);
    BitBtnHladaj = new QPushButton(TarvelinIcons::toolbar(u"hladaj"_s), u"&Hľadaj"_s, PanelHladaj);
    BitBtnHladaj->setObjectName(u"BitBtnHladaj"_s);
    BitBtnHladaj->setGeometry(144, 8, 75, 20);
    layout->addWidget(PanelHladaj);
    // The search box and its button are placed for this width; a wide frame on the right must
    // not squeeze the tree below it.
    PanelLavy->setMinimumWidth(225);
    return PanelLavy;
}

QWidget* TFormHlavny::vytvorOblastRamcov() {
    auto* area = new QWidget(this);
    area->setObjectName(u"PanelRamce"_s);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    FrameInfo = new TFrameInfo(area);
    FrameInfo->setObjectName(u"FrameInfo"_s);
    layout->addWidget(FrameInfo);
    TDataModuleHlavny& data = *m_instances.DataModuleHlavny;
    FrameZvierata = new TFrameZvierata(data, area);
    FrameKrava = new TFrameKrava(data, area);
    FrameByk = new TFrameByk(data, area);
    FrameZvierata->setObjectName(u"FrameZvierata"_s);
    FrameKrava->setObjectName(u"FrameKrava"_s);
    FrameByk->setObjectName(u"FrameByk"_s);
    for (QWidget* frame : {static_cast<QWidget*>(FrameZvierata), static_cast<QWidget*>(FrameKrava),
                           static_cast<QWidget*>(FrameByk)}) {
        frame->hide();
        layout->addWidget(frame);
    }
    return area;
}

void TFormHlavny::prepojNavigaciu() {
    m_strom = new StromChovov(TreeViewZvierata, EditHladaj, BitBtnHladaj,
                              m_instances.DataModuleHlavny->ADOConnectionTarvelin, this);
    m_strom->setObjectName(u"StromChovov"_s);
    connect(m_strom, &StromChovov::budovanieZacate, this,
            guarded(this, &TFormHlavny::budovanieStromuZacate));
    connect(m_strom, &StromChovov::priebehBudovania, this,
            guarded(this, &TFormHlavny::priebehBudovaniaStromu));
    connect(m_strom, &StromChovov::budovanieSkoncene, this,
            guarded(this, &TFormHlavny::budovanieStromuSkoncene));
    connect(m_strom, &StromChovov::vybranyKod, this, guarded(this, &TFormHlavny::vyberKodu));
    connect(m_strom, &StromChovov::vybranaKrava, this, guarded(this, &TFormHlavny::vyberKravy));
    connect(m_strom, &StromChovov::vybranyByk, this, guarded(this, &TFormHlavny::vyberByka));
    connect(m_strom, &StromChovov::hladaneUsneCislo, this,
            [this](const QString& usneCislo) { VybraneUsneCislo = usneCislo; });
    connect(FrameZvierata, &TFrameZvierata::kravaOtvorena, this,
            guarded(this, &TFormHlavny::otvorKravuStada));
    connect(FrameKrava, &TFrameKrava::bykZvoleny, this, guarded([this](const QString& usneCislo) {
                m_strom->vyberOpusteny();
                vyberByka(usneCislo);
            }));
}

void TFormHlavny::prepojZalohu() {
    auto* zaloha = new ZalohaDatabazy(
        CestaMySQL, *m_instances.DataModuleHlavny->ADOConnectionTarvelin,
        QFileInfo(PrivateServer::defaultDataFolder()).dir().filePath(u"zalohy"_s),
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

void TFormHlavny::prepojVymenuDat() {
    Connection& spojenie = *m_instances.DataModuleHlavny->ADOConnectionTarvelin;
    auto* vymena =
        new VymenaDat([&spojenie] { return spojenie.settings(); },
                      // The selection in the tree, or the whole enterprise before one is made.
                      [this] {
                          return m_stavZostav.KodVyberu.isEmpty() ? m_stavZostav.KodPodniku
                                                                  : m_stavZostav.KodVyberu;
                      },
                      [this] { zobrazNoveData(); }, this);
    vymena->setObjectName(u"VymenaDat"_s);
    connect(MenuItemDataZoUHEV, &QAction::triggered, this,
            guarded(vymena, &VymenaDat::MenuItemDataZoUHEVClick));
    connect(MenuItemDataPreUHEV, &QAction::triggered, this,
            guarded(vymena, &VymenaDat::MenuItemDataPreUHEVClick));
}

void TFormHlavny::zobrazNoveData() {
    // As at the start: the cow card's working table, the enterprise the parameter row names
    // (an empty database has just got one) and the tree built anew.
    TDataModuleHlavny& data = *m_instances.DataModuleHlavny;
    DotazyHlavnehoOkna::prebudujLaktela(*m_instances.DataModuleTabulky->ADOCommandParametre);
    data.ADOQueryParam->reopen();
    m_stavZostav.KodPodniku = data.ADOQueryParam->text(u"Chovatel"_s).left(6);
    m_stavZostav.KodVyberu.clear();
    ukazLenRamec(FrameInfo);
    m_strom->NaplnStrom(m_stavZostav.KodPodniku);
    try {
        AktualizaciaDat::zapisImport(QDate::currentDate());
    } catch (const ConfigError& error) {
        DialogService::instance().error(u"Deň importu sa nepodarilo zapísať do konfigurácie: "_s +
                                        QString::fromUtf8(error.what()));
    }
    ukazAktualizaciuDat();
}

void TFormHlavny::FormCreate() {
    m_stavZostav.ZadanyPocetDcer = 0;
    try {
        CestaMySQL = ConfigFile::read(ConfigFile::aplikacia, u"MySQLCesta"_s);
    } catch (const ConfigError& error) {
        DialogService::instance().error(u"Chyba: "_s + QString::fromUtf8(error.what()));
    }
}

void TFormHlavny::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_zobrazene || event->spontaneous())
        return;
    m_zobrazene = true;
    ErrorHandler::run([this] { FormShow(); });
}

void TFormHlavny::FormShow() {
    TDataModuleHlavny& data = *m_instances.DataModuleHlavny;
    {
        // After a load the rebuild takes seconds at a large enterprise, before the window can
        // paint itself: a small window says why the program waits.
        std::unique_ptr<DialogPriebehuPripravy> priebeh;
        DotazyHlavnehoOkna::obnovLaktela(
            *m_instances.DataModuleTabulky->ADOCommandParametre, *data.ADOConnectionTarvelin, [&] {
                priebeh = std::make_unique<DialogPriebehuPripravy>(u"Tarvelin HD"_s, this);
                priebeh->pred(1, 1, u"dáta sa zmenili, zostavujú sa laktácie kráv"_s);
            });
    }

    data.ADOQueryUniZostavy->open();
    nastavStavPripojenia(data.ADOConnectionTarvelin->isOpen());
    FrameZvierata->zobrazPrvuZalozku();
    FrameKrava->zobrazPrvuZalozku();
    FrameByk->zobrazPrvuZalozku();
    ukazLenRamec(FrameInfo);
    KuhdVybery = std::make_unique<TKuhdVybery>(data.ADOConnectionTarvelin);
    m_stavZostav.KodPodniku = data.ADOQueryParam->text(u"Chovatel"_s).left(6);
    TextCopyright = MakerInfo::copyrightLine();
    m_strom->NaplnStrom(m_stavZostav.KodPodniku);
    FrameInfo->zobrazStranku(QFileInfo(ProgramFiles::ofProgram().path(TFrameInfo::stranka)).path());
    m_instances.FormOAplikacii->nastavTexty(u"WTarvelinHD"_s,
                                            u"Verzia programu: "_s + VerziaProgramu::text(),
                                            u"marec 2012"_s, TextCopyright);

    StatusBarHlavny->setPanelText(1, u"Verzia programu: "_s + VerziaProgramu::text());
    ukazAktualizaciuDat();
}

void TFormHlavny::ukazAktualizaciuDat() {
    QString aktualizacia;
    try {
        aktualizacia = ConfigFile::read(ConfigFile::aplikacia, AktualizaciaDat::kluc);
    } catch (const ConfigError&) {
        DialogService::instance().error(u"Chyba pri načítaní konfigurácie."_s);
    }
    // Without an import on record the data are as recent as their latest test day.
    if (aktualizacia.isEmpty())
        aktualizacia =
            AktualizaciaDat::poslednaKontrola(*m_instances.DataModuleHlavny->ADOConnectionTarvelin);
    StatusBarHlavny->setPanelText(2, u"Aktualizácia: "_s + aktualizacia);
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
        ConfigFile::write(ConfigFile::aplikacia, u"MySQLCesta"_s, CestaMySQL);
    } catch (const ConfigError& error) {
        DialogService::instance().error(u"Chyba: "_s + QString::fromUtf8(error.what()));
    }
}

void TFormHlavny::nastavStavPripojenia(bool connected) {
    MenuItemPripojitDB->setEnabled(!connected);
    MenuItemOdpojitDB->setEnabled(connected);
}

void TFormHlavny::ukazLenRamec(QWidget* frame) {
    const std::array<QWidget*, 4> frames = {FrameInfo, FrameZvierata, FrameKrava, FrameByk};
    for (QWidget* f : frames)
        f->setVisible(f == frame);
}

void TFormHlavny::MenuItemPripojitDBClick() {
    m_instances.DataModuleHlavny->ADOConnectionTarvelin->open();
    nastavStavPripojenia(true);
}

void TFormHlavny::MenuItemOdpojitDBClick() {
    m_instances.DataModuleHlavny->ADOConnectionTarvelin->close();
    nastavStavPripojenia(false);
}

void TFormHlavny::MenuItemKoniecClick() {
    if (!DialogService::instance().confirm(u"Ukončiť Tarvelin?"_s))
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
    ukazLenRamec(FrameInfo);
    m_strom->vyberOpusteny();
}

void TFormHlavny::MenuItemOAplikaciiClick() {
    DialogService::instance().showModal(*m_instances.FormOAplikacii);
}

void TFormHlavny::MenuItemUniverzalnaZostavaClick() {
    otvorUniverzalnuZostavu();
}

void TFormHlavny::otvorUniverzalnuZostavu() {
    TDataModuleHlavny& data = *m_instances.DataModuleHlavny;
    std::unique_ptr<TFormUniverzalnaZostava> zostava;
    {
        const WaitCursor kurzor;
        // A source created since the start (the refresh rebuilds one) gets its grant now.
        data.pripravUcetZostav();
        // The builder opens the saved definitions in the viewer, for the tree's selection.
        m_instances.FormZostava->KodVyberu = m_stavZostav.KodVyberu;
        zostava = std::make_unique<TFormUniverzalnaZostava>(
            data, *m_instances.FormZostava, TextCopyright, m_stavZostav.KodPodniku, this);
    }
    DialogService::instance().showModal(*zostava);
}

void TFormHlavny::ToolButtonZostavaClick() {
    const QVariant id = DBLookupComboBoxZostavy->selectedKey();
    if (id.isNull()) {
        DialogService::instance().information(
            m_instances.DataModuleHlavny->ADOQueryUniZostavy->recordCount() == 0
                ? u"Zatiaľ nie je uložená žiadna zostava. Zostavíte a uložíte ju v ponuke "
                  u"Zostavy › Univerzálna zostava..."_s
                : u"Vyberte zostavu v zozname uložených zostáv vľavo od tlačidla „Načítaj "
                  u"zostavu“ a stlačte ho znova."_s);
        return;
    }
    {
        const WaitCursor kurzor;
        m_instances.DataModuleHlavny->pripravUcetZostav();
    }
    TFormZostava& prehliadac = *m_instances.FormZostava;
    prehliadac.IdZostavy = id.toInt();
    prehliadac.TextCopyright = MakerInfo::copyrightLine();
    prehliadac.KodPodniku = m_stavZostav.KodPodniku;
    prehliadac.KodVyberu = m_stavZostav.KodVyberu;
    DialogService::instance().showModal(prehliadac);
}

void TFormHlavny::budovanieStromuZacate(const QString& kod) {
    LabelVyber->setText(u"Výber pre podnik: "_s + kod);
    StatusBarHlavny->setPanelText(0, u"Vyberám dáta pre podnik "_s + kod);
    m_priebehStromu->setRange(0, 0);
    StatusBarStrom->show();
}

void TFormHlavny::priebehBudovaniaStromu(int hotovo, int celkom) {
    m_priebehStromu->setRange(0, celkom);
    m_priebehStromu->setValue(hotovo);
}

void TFormHlavny::budovanieStromuSkoncene(int pocetZvierat) {
    StatusBarStrom->hide();
    StatusBarHlavny->setPanelText(0, u"Počet zvierat: "_s + QString::number(pocetZvierat));
}

void TFormHlavny::vyberKodu(const QString& kod) {
    ukazLenRamec(nullptr);
    m_stavZostav.KodVyberu = kod;
    FrameZvierata->ukazVyber(kod);
    PripravaZostav(*m_instances.DataModuleTabulky, m_stavZostav).PripravParametre();

    const Query* hlavicka = m_instances.DataModuleTabulky->ADOQueryHlavicka;
    QString druh;
    QString nazov;
    switch (kod.size()) {
    case 6:
        druh = u"podnik"_s;
        nazov = hlavicka->text(u"nazov_podniku"_s);
        break;
    case 8:
        druh = u"chov"_s;
        break;
    case 9:
        druh = u"maštaľ"_s;
        nazov = hlavicka->text(u"nazov_mastale"_s);
        break;
    default:
        break;
    }
    LabelVyber->setText(u"Výber pre "_s + druh + u": "_s + kod + u' ' + nazov);
    FrameZvierata->show();
    // The tree counted them when it was built; reading them all again only to count them took
    // as long as loading the frame at an enterprise of 100,000 cows.
    StatusBarHlavny->setPanelText(0, u"Počet zvierat: "_s +
                                         QString::number(m_strom->pocetZvierat(kod)));
}

void TFormHlavny::vyberKravy(const QString& usneCislo) {
    ukazLenRamec(nullptr);
    VybraneUsneCislo = usneCislo;
    FrameKrava->ukazVyber(usneCislo);
    LabelVyber->setText(u"Výber pre kravu: "_s + usneCislo);
    FrameKrava->show();
}

void TFormHlavny::otvorKravuStada(const QString& usneCislo) {
    // A culled cow has no node in the tree; her card is shown all the same.
    if (!m_strom->vyberUzol(usneCislo)) {
        m_strom->vyberOpusteny();
        vyberKravy(usneCislo);
    }
}

void TFormHlavny::vyberByka(const QString& usneCislo) {
    // Rather than leave the right side empty, a male animal shows what the database knows of it.
    ukazLenRamec(nullptr);
    VybraneUsneCislo = usneCislo;
    FrameByk->ukazVyber(usneCislo);
    LabelVyber->setText(u"Výber pre býka: "_s + usneCislo);
    FrameByk->show();
}

void TFormHlavny::ZostavaKataloguClick(const PolozkaKatalogu& polozka) {
    DialogoveVstupyZostav vstupy = dialogoveVstupy();
    DialogPriebehuPripravy priebeh(u"Príprava zostavy "_s + polozka.kod, this);
    TlacZostavy tlac(*m_instances.DataModuleTabulky, m_stavZostav, vstupy, TextCopyright);
    tlac.nastavPriebeh(&priebeh);
    tlac.tlac(polozka);
}

void TFormHlavny::Aktualizciadtpreuniverzlnuzostavu1Click() {
    AktualizaciaUniverzalnejZostavy aktualizacia(*m_instances.DataModuleTabulky, m_stavZostav);
    {
        DialogPriebehuPripravy priebeh(u"Aktualizácia dát pre univerzálnu zostavu"_s, this);
        aktualizacia.nastavPriebeh(&priebeh);
        aktualizacia.aktualizuj();
    }
    otvorUniverzalnuZostavu();
}

void TFormHlavny::MenuItemKnihaZostavClick() {
    TDataModuleTabulky& tabulky = *m_instances.DataModuleTabulky;
    DialogoveVstupyZostav vstupy = dialogoveVstupy();
    KnihaZostav kniha(tabulky, m_stavZostav, vstupy, TextCopyright);
    // Every question first and the destination next, so that the book then comes together
    // without waiting for the user.
    if (!kniha.zadaj())
        return;
    const std::unique_ptr<ReportDestination> ciel =
        m_rozhranieZostav->chooseDestination(tabulky.RvSystemTabulky, u"Bonitačné zostavy"_s);
    if (!ciel)
        return;
    DialogPriebehuKnihy priebeh(this);
    kniha.nastavPriebeh(&priebeh);
    if (const std::optional<PageModel> strany = kniha.tlac())
        ciel->deliver(*strany);
    else
        DialogService::instance().information(u"Kniha bonitačných zostáv bola zrušená: nič sa "
                                              u"nevytlačilo a žiadny súbor sa nezapísal."_s);
}

DialogoveVstupyZostav TFormHlavny::dialogoveVstupy() const {
    return DialogoveVstupyZostav(*m_instances.FormHraniceOdDo, *m_instances.FormParametreTab8,
                                 *m_instances.FormParametreTab10);
}

ReportFrontEnd* TFormHlavny::rozhranieZostav() const {
    return m_rozhranieZostav.get();
}
