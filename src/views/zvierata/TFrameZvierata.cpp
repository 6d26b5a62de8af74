#include "TFrameZvierata.h"

#include "DotazyZvierat.h"
#include "data/TDataModuleHlavny.h"
#include "views/KontrolyZaObdobie.h"
#include "views/ToolBarObdobieKontrol.h"
#include "views/ZoradPodlaStlpca.h"
#include "views/krava/DotazyKravy.h"
#include "widgets/DBChart.h"
#include "widgets/DBGrid.h"
#include "widgets/GuardedHandler.h"
#include "widgets/PageControl.h"
#include "widgets/StatusPanelBar.h"

#include <QActionGroup>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>
#include <QValueAxis>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int stlpecDovoduVyradenia = 17;
constexpr int stlpecMena = 2;
constexpr int vyskaMriezkyKriviek = 188;
constexpr int vyskaTlacidielZvierat = 27;
constexpr int seriaMlieka = 0;
constexpr int seriaTuku = 1;
constexpr int seriaBielkovin = 2;
// The tree's selection loads the last month of controls into the curves page; bringing the
// page to front, the last year, so that whole lactations can be picked from the grid.
constexpr int dniKriviekPriVybere = 30;
constexpr int dniKriviekPriZobrazeni = 365;

QVBoxLayout* rozlozenieStrany(QWidget* strana) {
    auto* rozlozenie = new QVBoxLayout(strana);
    rozlozenie->setContentsMargins(0, 0, 0, 0);
    rozlozenie->setSpacing(0);
    return rozlozenie;
}

QList<GridColumn> stlpceLaktacii(bool uzavrete) {
    QList<GridColumn> stlpce = {
        {u"laktacia_id"_s, u"Id"_s},
        {u"usnecislo"_s, u"Ušné číslo"_s},
        {u"otec"_s, u"Otec"_s},
        {u"linia"_s, u"O-linia"_s},
        {u"register"_s, u"O-register"_s},
        {u"matka"_s, u"Matka"_s},
        {u"poradie"_s, u"Poradie"_s},
        {u"datumotelenia"_s, u"Dat. otel."_s},
        {u"hmotnost_kravy"_s, u"Hmotnosť"_s},
        {u"pocet_dni"_s, u"Dní"_s},
        {u"medziobdobie"_s, u"Medziobd."_s},
        {u"pocet_dni_norm"_s, u"Dní norm."_s},
        {u"mlieko_celk"_s, u"Mlieko"_s},
        {u"mlieko_norm"_s, u"Mlieko N"_s},
        {u"tuk_celk"_s, u"Tuk"_s},
        {u"tuk_norm"_s, u"Tuk N"_s},
        {u"bielkovina_celk"_s, u"Bielk."_s},
        {u"bielkovina_norm"_s, u"Bielk. N"_s},
        {u"laktoza_celk"_s, u"Lakt."_s},
        {u"laktoza_norm"_s, u"Lakt. N"_s},
        {u"index_perzistencie"_s, u"Idx. perz."_s},
    };
    if (uzavrete)
        stlpce += {{u"index_laktacie"_s, u"idx. lakt."_s}, {u"maximalna"_s, u"Max."_s}};
    return stlpce;
}

} // namespace

TFrameZvierata::TFrameZvierata(TDataModuleHlavny& data, QWidget* parent)
    : KomponentyRamca(data, u"PageControlZvierata"_s, parent) {
    PageControlZvierata = zalozky();
    TabSheetZvierata = PageControlZvierata->addPage(u"TabSheetZvierata"_s, u"&Zvieratá"_s);
    TabSheetKontrolaMlieka =
        PageControlZvierata->addPage(u"TabSheetKontrolaMlieka"_s, u"Kontrola &mlieka"_s);
    TabSheetLaktacneKrivky =
        PageControlZvierata->addPage(u"TabSheetLaktacneKrivky"_s, u"Laktačné krivky"_s);
    TabSheetLaktacie = PageControlZvierata->addPage(u"TabSheetLaktacie"_s, u"Laktácie"_s);
    // Pages of work not done yet; they stay hidden but keep their place among the pages.
    for (const auto& [meno, popis] : {std::pair{u"TabSheetUlohy"_s, u"Úlohy"_s},
                                      {u"TabSheetHlasenia"_s, u"Hlásenia"_s},
                                      {u"TabSheetCentralnaEvidencia"_s, u"Centrálna evidencia"_s},
                                      {u"TabSheetReprodukcia"_s, u"Reprodukcia"_s},
                                      {u"TabSheetZdravie"_s, u"Zdravie"_s},
                                      {u"TabSheetResponderi"_s, u"Respondéry"_s}})
        PageControlZvierata->addPage(meno, popis, false);
    TabSheetPrebiehajuceLaktacie =
        PageControlZvierata->addPage(u"TabSheetPrebiehajuceLaktacie"_s, u"Prebiehajúce lakt."_s);

    vytvorStranuZvierat();
    vytvorStranuKontrol();
    vytvorStranuLaktacnychKriviek();
    vytvorStranyLaktacii();
    prepojUdalosti();
}

void TFrameZvierata::vytvorStranuZvierat() {
    ToolBarZvierata = panelNastrojov(TabSheetZvierata, "ToolBarZvierata");
    auto* zoznamy = new QActionGroup(this);
    ToolButtonZobrazVyradeneKravy =
        prepinac(ToolBarZvierata, zoznamy, "ToolButtonZobrazVyradeneKravy", u"Vyradené kravy"_s,
                 u"V"_s, QColor(0xb0, 0x30, 0x30));
    ToolButtonZobrazKravyvKU = prepinac(ToolBarZvierata, zoznamy, "ToolButtonZobrazKravyvKU",
                                        u"Kravy v KÚ"_s, u"K"_s, QColor(0x2e, 0x8b, 0x3a));
    ToolButtonZobrazKravyvKU->setChecked(true);
    for (QAction* tlacidlo : ToolBarZvierata->actions())
        ToolBarZvierata->widgetForAction(tlacidlo)->setFixedHeight(vyskaTlacidielZvierat);

    DBGridZvierata = mriezka(TabSheetZvierata, "DBGridZvierata", m_data.ADOQueryZvierata,
                             {{u"zviera_id"_s, u"Id"_s, 29},
                              {u"usnecislo"_s, u"Ušné číslo"_s, 107},
                              {u"meno"_s, u"Meno"_s},
                              {u"datumnarodenia"_s, u"Dátum narodenia"_s},
                              {u"plemeno1"_s, u"Plem1"_s},
                              {u"krv1"_s, u"Krv1"_s},
                              {u"plemeno2"_s, u"Plem2"_s},
                              {u"krv2"_s, u"Krv2"_s},
                              {u"plemeno3"_s, u"Plem3"_s},
                              {u"krv3"_s, u"Krv3"_s},
                              {u"plemeno4"_s, u"Plem4"_s},
                              {u"krv4"_s, u"Krv4"_s},
                              {u"plemeno5"_s, u"Plem5"_s},
                              {u"otec"_s, u"Otec"_s},
                              {u"linia"_s, u"O - línia"_s},
                              {u"register"_s, u"O - reg"_s},
                              {u"matka"_s, u"Matka"_s},
                              {u"dovod"_s, u"Dôvod vyradenia"_s}});
    DBGridZvierata->setKeepsSelectionUnfocused(true);
    DBGridZvierata->setColumnHidden(stlpecMena, true);
    DBGridZvierata->setColumnHidden(stlpecDovoduVyradenia, true);
    StatusBarZvierata = stavovyRiadok(TabSheetZvierata, "StatusBarZvierata");

    QVBoxLayout* rozlozenie = rozlozenieStrany(TabSheetZvierata);
    rozlozenie->addWidget(ToolBarZvierata);
    rozlozenie->addWidget(DBGridZvierata);
    rozlozenie->addWidget(StatusBarZvierata);
}

void TFrameZvierata::vytvorStranuKontrol() {
    ToolBarKontrolaMlieka = new ToolBarObdobieKontrol(TabSheetKontrolaMlieka);
    ToolBarKontrolaMlieka->setObjectName(u"ToolBarKontrolaMlieka"_s);
    ToolBarKontrolaMlieka->skryTlacidla();
    DBGridKontrolaMlieka =
        mriezka(TabSheetKontrolaMlieka, "DBGridKontrolaMlieka", m_data.ADOQueryKontrolyMlieka,
                {{u"kontrola_id"_s, u"Id"_s, 26},
                 {u"usnecislo"_s, u"Ušné číslo"_s, 132},
                 {u"datum"_s, u"Dátum kontroly"_s, 93},
                 {u"denna_doba"_s, u"Denná doba"_s},
                 {u"mlieko"_s, u"Mlieko"_s},
                 {u"bun_elementy"_s, u"Bun. elementy"_s},
                 {u"tuk"_s, u"Tuk"_s},
                 {u"tuk_perc"_s, u"Tuk %"_s},
                 {u"bielkovina"_s, u"Bielkovina"_s},
                 {u"bielkovina_perc"_s, u"Bielkovina %"_s},
                 {u"laktoza"_s, u"Laktóza"_s},
                 {u"laktoza_perc"_s, u"Laktóza %"_s}});
    StatusBarKontrolaMlieka = stavovyRiadok(TabSheetKontrolaMlieka, "StatusBarKontrolaMlieka");

    QVBoxLayout* rozlozenie = rozlozenieStrany(TabSheetKontrolaMlieka);
    rozlozenie->addWidget(ToolBarKontrolaMlieka);
    rozlozenie->addWidget(DBGridKontrolaMlieka);
    rozlozenie->addWidget(StatusBarKontrolaMlieka);
}

void TFrameZvierata::vytvorStranuLaktacnychKriviek() {
    // Two rows: the value buttons, then the lactation order under them.
    ToolBarLaktacneKrivky = new QWidget(TabSheetLaktacneKrivky);
    ToolBarLaktacneKrivky->setObjectName(u"ToolBarLaktacneKrivky"_s);
    auto* hodnoty = panelNastrojov(ToolBarLaktacneKrivky, "ToolBarHodnotyKrivky");
    auto* skupina = new QActionGroup(this);
    ToolButtonLaktKrivkyM =
        prepinac(hodnoty, skupina, "ToolButtonLaktKrivkyM", u"Mlieko"_s, u"M"_s, Qt::red);
    ToolButtonLaktKrivkyT =
        prepinac(hodnoty, skupina, "ToolButtonLaktKrivkyT", u"Tuk"_s, u"T"_s, Qt::darkGreen);
    ToolButtonLaktKrivkyB = prepinac(hodnoty, skupina, "ToolButtonLaktKrivkyB", u"Bielkovina"_s,
                                     u"B"_s, QColor(0, 0, 0x80));
    ToolButtonLaktKrivkyM->setChecked(true);
    hodnoty->addSeparator();

    auto* druhyRiadok = new QWidget(ToolBarLaktacneKrivky);
    LabelPoradieLaktacie = new QLabel(u"Poradie laktácie: "_s, druhyRiadok);
    LabelPoradieLaktacie->setObjectName(u"LabelPoradieLaktacie"_s);
    LabelPoradieLaktacie->setMinimumWidth(82);
    ComboBoxPoradieLaktacie = poradiaLaktacie(druhyRiadok, 9);
    ComboBoxPoradieLaktacie->setPlaceholderText(u"Poradie laktácie"_s);
    LabelPoradieLaktacie->setBuddy(ComboBoxPoradieLaktacie);
    auto* poradie = new QHBoxLayout(druhyRiadok);
    poradie->setContentsMargins(0, 0, 0, 2);
    poradie->setSpacing(0);
    poradie->addWidget(LabelPoradieLaktacie);
    poradie->addWidget(ComboBoxPoradieLaktacie);
    poradie->addStretch();
    auto* riadky = new QVBoxLayout(ToolBarLaktacneKrivky);
    riadky->setContentsMargins(0, 0, 0, 0);
    riadky->setSpacing(0);
    riadky->addWidget(hodnoty);
    riadky->addWidget(druhyRiadok);

    SplitterLaktacneKrivky = new QSplitter(Qt::Vertical, TabSheetLaktacneKrivky);
    SplitterLaktacneKrivky->setObjectName(u"SplitterLaktacneKrivky"_s);
    SplitterLaktacneKrivky->setHandleWidth(3);
    SplitterLaktacneKrivky->setChildrenCollapsible(false);
    DBGridLaktacneKrivky =
        mriezka(SplitterLaktacneKrivky, "DBGridLaktacneKrivky", m_data.ADOQueryKontrolyMlieka,
                {{u"kontrola_id"_s, u"Id"_s, 26},
                 {u"usnecislo"_s, u"Ušné číslo"_s, 132},
                 {u"poradie_preb_laktacie"_s, u"Číslo lakt."_s},
                 {u"datum"_s, u"Dátum kontroly"_s, 93},
                 {u"denna_doba"_s, u"Denná doba"_s},
                 {u"mlieko"_s, u"Mlieko"_s},
                 {u"tuk"_s, u"Tuk"_s},
                 {u"tuk_perc"_s, u"Tuk %"_s},
                 {u"bielkovina"_s, u"Bielkovina"_s},
                 {u"bielkovina_perc"_s, u"Bielkovina %"_s},
                 {u"bun_elementy"_s, u"Bun. elementy"_s}});
    DBGridLaktacneKrivky->setKeepsSelectionUnfocused(true);

    DBChartLaktacneKrivky = new DBChart(SplitterLaktacneKrivky);
    DBChartLaktacneKrivky->setObjectName(u"DBChartLaktacneKrivky"_s);
    DBChartLaktacneKrivky->setTitle(u"Laktačná krivka"_s);
    DBChartLaktacneKrivky->setDataset(m_data.ADOQueryLaktacnaKrivka, u"datum"_s);
    DBChartLaktacneKrivky->bottomAxis()->setTitleText(u"Dátum kontroly"_s);
    // The curve's points are labelled as the grid above shows the same controls.
    for (const auto& [nazov, pole, farba] :
         {std::tuple{u"Mlieko"_s, u"mlieko"_s, QColor(Qt::red)},
          {u"Tuk"_s, u"tuk"_s, QColor(Qt::green)},
          {u"Bielkovina"_s, u"bielkovina"_s, QColor(0, 0, 0x80)}})
        DBChartLaktacneKrivky->addSeries(nazov, pole, farba,
                                         vzorPola(m_data.ADOQueryKontrolyMlieka, pole));
    ukazHodnotuKrivky(seriaMlieka, 60, 5, u"Mlieko"_s);

    SplitterLaktacneKrivky->addWidget(DBGridLaktacneKrivky);
    SplitterLaktacneKrivky->addWidget(DBChartLaktacneKrivky);
    SplitterLaktacneKrivky->setStretchFactor(0, 0);
    SplitterLaktacneKrivky->setStretchFactor(1, 1);
    SplitterLaktacneKrivky->setSizes({vyskaMriezkyKriviek, 10 * vyskaMriezkyKriviek});
    StatusBarLaktacneKrivky = stavovyRiadok(TabSheetLaktacneKrivky, "StatusBarLaktacneKrivky");

    QVBoxLayout* rozlozenie = rozlozenieStrany(TabSheetLaktacneKrivky);
    rozlozenie->addWidget(ToolBarLaktacneKrivky);
    rozlozenie->addWidget(SplitterLaktacneKrivky);
    rozlozenie->addWidget(StatusBarLaktacneKrivky);
}

void TFrameZvierata::vytvorStranyLaktacii() {
    const auto strana = [](QWidget* list, QToolBar* panel, DBGrid* mriezka,
                           StatusPanelBar* riadok) {
        QVBoxLayout* rozlozenie = rozlozenieStrany(list);
        rozlozenie->addWidget(panel);
        rozlozenie->addWidget(mriezka);
        rozlozenie->addWidget(riadok);
    };
    ToolBarLaktacie = panelNastrojov(TabSheetLaktacie, "ToolBarLaktacie");
    DBGridLaktacie =
        mriezka(TabSheetLaktacie, "DBGridLaktacie", m_data.ADOQueryLaktacie, stlpceLaktacii(true));
    StatusBarLaktacie = stavovyRiadok(TabSheetLaktacie, "StatusBarLaktacie");
    strana(TabSheetLaktacie, ToolBarLaktacie, DBGridLaktacie, StatusBarLaktacie);

    ToolBarPrebiehajuceLaktacie =
        panelNastrojov(TabSheetPrebiehajuceLaktacie, "ToolBarPrebiehajuceLaktacie");
    DBGridPrebiehajuceLaktacie =
        mriezka(TabSheetPrebiehajuceLaktacie, "DBGridPrebiehajuceLaktacie",
                m_data.ADOQueryPrebiehajuceLaktacie, stlpceLaktacii(false));
    StatusBarPrebiehajuceLaktacie =
        stavovyRiadok(TabSheetPrebiehajuceLaktacie, "StatusBarPrebiehajuceLaktacie");
    strana(TabSheetPrebiehajuceLaktacie, ToolBarPrebiehajuceLaktacie, DBGridPrebiehajuceLaktacie,
           StatusBarPrebiehajuceLaktacie);
}

void TFrameZvierata::prepojUdalosti() {
    connect(PageControlZvierata, &PageControl::pageShown, this,
            guarded(this, &TFrameZvierata::zobrazStranu));
    connect(ToolButtonZobrazVyradeneKravy, &QAction::triggered, this,
            guarded(this, &TFrameZvierata::ToolButtonZobrazVyradeneKravyClick));
    connect(ToolButtonZobrazKravyvKU, &QAction::triggered, this,
            guarded(this, &TFrameZvierata::ToolButtonZobrazKravyvKUClick));
    connect(ToolBarKontrolaMlieka, &ToolBarObdobieKontrol::obdobieZvolene, this,
            guarded([this](int dni) { NacitajKontroly(AktualnyKod, dni); }));
    connect(ToolButtonLaktKrivkyM, &QAction::triggered, this,
            guarded(this, &TFrameZvierata::ToolButtonLaktKrivkyMClick));
    connect(ToolButtonLaktKrivkyT, &QAction::triggered, this,
            guarded(this, &TFrameZvierata::ToolButtonLaktKrivkyTClick));
    connect(ToolButtonLaktKrivkyB, &QAction::triggered, this,
            guarded(this, &TFrameZvierata::ToolButtonLaktKrivkyBClick));
    connect(ComboBoxPoradieLaktacie, &QComboBox::activated, this,
            guarded(this, &TFrameZvierata::ComboBoxPoradieLaktacieChange));

    connect(m_data.ADOQueryZvierata, &Dataset::currentRowChanged, this,
            guarded(this, &TFrameZvierata::DataSourceZvierataDataChange));
    connect(m_data.ADOQueryKontrolyMlieka, &Dataset::currentRowChanged, this,
            guarded(this, &TFrameZvierata::DataSourceKontrolaMliekaDataChange));
    connect(m_data.ADOQueryLaktacie, &Dataset::currentRowChanged, this,
            guarded(this, &TFrameZvierata::DataSourceLaktacieDataChange));
    connect(m_data.ADOQueryPrebiehajuceLaktacie, &Dataset::currentRowChanged, this,
            guarded(this, &TFrameZvierata::DataSourcePrebiehajuceLaktacieDataChange));
    connect(DBGridZvierata, &QAbstractItemView::doubleClicked, this,
            guarded(this, &TFrameZvierata::DBGridZvierataDblClick));

    for (const auto& [mriezka, dotaz, stav] :
         {std::tuple{DBGridZvierata, m_data.ADOQueryZvierata, &m_zoradenieZvierat},
          {DBGridKontrolaMlieka, m_data.ADOQueryKontrolyMlieka, &m_zoradenieKontrol},
          {DBGridLaktacneKrivky, m_data.ADOQueryKontrolyMlieka, &m_zoradenieKriviek},
          {DBGridLaktacie, m_data.ADOQueryLaktacie, &m_zoradenieLaktacii},
          {DBGridPrebiehajuceLaktacie, m_data.ADOQueryPrebiehajuceLaktacie,
           &m_zoradeniePrebiehajucich}})
        pripojZoradenie(this, mriezka, dotaz, stav);
}

void TFrameZvierata::ukazVyber(const QString& kod) {
    AktualnyKod = kod;
    nacitajStranu(stranaVpredu(), dniKriviekPriVybere);
}

void TFrameZvierata::zobrazStranu(QWidget* strana) {
    nacitajStranu(strana, dniKriviekPriZobrazeni);
}

void TFrameZvierata::nacitajStranu(QWidget* strana, int dniKriviek) {
    if (strana == TabSheetZvierata)
        NacitajZvierata(AktualnyKod);
    else if (strana == TabSheetKontrolaMlieka)
        NacitajKontroly(AktualnyKod, 30);
    else if (strana == TabSheetLaktacneKrivky)
        NacitajKontroly(AktualnyKod, dniKriviek);
    else if (strana == TabSheetLaktacie)
        NacitajLaktacie(AktualnyKod);
    else if (strana == TabSheetPrebiehajuceLaktacie)
        NacitajPrebiehajuceLaktacie(AktualnyKod);
}

void TFrameZvierata::NacitajZvierata(const QString& kod) {
    zobrazZoznamZvierat(kod, false);
}

void TFrameZvierata::ToolButtonZobrazVyradeneKravyClick() {
    zobrazZoznamZvierat(AktualnyKod, true);
}

void TFrameZvierata::ToolButtonZobrazKravyvKUClick() {
    zobrazZoznamZvierat(AktualnyKod, false);
}

void TFrameZvierata::zobrazZoznamZvierat(const QString& kod, bool vyradene) {
    DotazyZvierat::otvorZvierata(m_data, kod, vyradene);
    DBGridZvierata->setColumnHidden(stlpecDovoduVyradenia, !vyradene);
    (vyradene ? ToolButtonZobrazVyradeneKravy : ToolButtonZobrazKravyvKU)->setChecked(true);
}

void TFrameZvierata::NacitajKontroly(const QString& kod, int dni) {
    KontrolyZaObdobie::otvor(*m_data.ADOQueryKontrolyMlieka, u"Chov"_s, DotazyZvierat::filter(kod),
                             dni);
    ToolBarKontrolaMlieka->zvyrazniObdobie(dni);
}

void TFrameZvierata::NacitajLaktacie(const QString& kod) {
    DotazyZvierat::otvorLaktacie(m_data, kod);
}

void TFrameZvierata::NacitajPrebiehajuceLaktacie(const QString& kod) {
    DotazyZvierat::otvorPrebiehajuceLaktacie(m_data, kod);
}

void TFrameZvierata::NacitajLaktacnuKrivku(const QString& usneCislo, int poradie) {
    DotazyKravy::otvorLaktacnuKrivku(m_data, usneCislo, poradie);
    DBChartLaktacneKrivky->setTitle(u"Laktačná krivka kravy "_s + usneCislo + u" (laktácia "_s +
                                    QString::number(poradie) + u')');
}

void TFrameZvierata::ToolButtonLaktKrivkyMClick() {
    ukazHodnotuKrivky(seriaMlieka, 60, 5, u"Mlieko"_s);
}

void TFrameZvierata::ToolButtonLaktKrivkyTClick() {
    ukazHodnotuKrivky(seriaTuku, 3, 0.1, u"Tuk"_s);
}

void TFrameZvierata::ToolButtonLaktKrivkyBClick() {
    ukazHodnotuKrivky(seriaBielkovin, 2, 0.1, u"Bielkovina"_s);
}

void TFrameZvierata::ukazHodnotuKrivky(int seria, double maximum, double krok,
                                       const QString& nazov) {
    DBChartLaktacneKrivky->setLeftAxisRange(0, maximum);
    DBChartLaktacneKrivky->setLeftAxisIncrement(krok);
    DBChartLaktacneKrivky->leftAxis()->setTitleText(nazov);
    DBChartLaktacneKrivky->setActiveSeries(seria);
}

QString TFrameZvierata::usneCisloKontroly() const {
    const Query* kontroly = m_data.ADOQueryKontrolyMlieka;
    return kontroly->isOpen() ? kontroly->text(u"usnecislo"_s) : QString();
}

void TFrameZvierata::ComboBoxPoradieLaktacieChange(int index) {
    NacitajLaktacnuKrivku(usneCisloKontroly(), index + 1);
}

void TFrameZvierata::DataSourceZvierataDataChange() {
    StatusBarZvierata->setPanelText(0, u"Počet zvierat: "_s +
                                           QString::number(m_data.ADOQueryZvierata->recordCount()));
}

void TFrameZvierata::DataSourceKontrolaMliekaDataChange() {
    const Query* kontroly = m_data.ADOQueryKontrolyMlieka;
    const QString pocet = u"Počet kontrol: "_s + QString::number(kontroly->recordCount());
    StatusBarKontrolaMlieka->setPanelText(0, pocet);
    StatusBarLaktacneKrivky->setPanelText(0, pocet);
    if (PageControlZvierata->currentWidget() != TabSheetLaktacneKrivky)
        return;

    // The curve follows the current control: its cow and her lactation.
    const int poradie =
        kontroly->isOpen() ? kontroly->value(u"poradie_preb_laktacie"_s).toInt() : 0;
    {
        const QSignalBlocker ticho(ComboBoxPoradieLaktacie);
        ComboBoxPoradieLaktacie->setCurrentIndex(poradie - 1);
    }
    NacitajLaktacnuKrivku(usneCisloKontroly(), poradie);
}

void TFrameZvierata::DataSourceLaktacieDataChange() {
    StatusBarLaktacie->setPanelText(0, u"Počet laktácií: "_s +
                                           QString::number(m_data.ADOQueryLaktacie->recordCount()));
}

void TFrameZvierata::DataSourcePrebiehajuceLaktacieDataChange() {
    StatusBarPrebiehajuceLaktacie->setPanelText(
        0, u"Počet prebiehajúcich laktácií: "_s +
               QString::number(m_data.ADOQueryPrebiehajuceLaktacie->recordCount()));
}

void TFrameZvierata::DBGridZvierataDblClick() {
    const QString usneCislo = m_data.ADOQueryZvierata->text(u"usnecislo"_s);
    DotazyKravy::otvorKravu(m_data, usneCislo);
    DotazyKravy::otvorLaktacie(m_data, usneCislo);
    Q_EMIT kravaOtvorena(usneCislo);
}
