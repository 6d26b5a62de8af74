#include "TFrameKrava.h"

#include "DotazyKravy.h"
#include "data/TDataModuleHlavny.h"
#include "views/KontrolyZaObdobie.h"
#include "views/SkupinaUdajov.h"
#include "views/StromRodokmena.h"
#include "views/ToolBarObdobieKontrol.h"
#include "views/ZoradPodlaStlpca.h"
#include "views/spreadsheet/ExportujDoExcelu.h"
#include "widgets/DBChart.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/GuardedHandler.h"
#include "widgets/LetterIcon.h"
#include "widgets/PageControl.h"
#include "widgets/StatusPanelBar.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QToolBar>
#include <QVBoxLayout>
#include <QValueAxis>

using namespace Qt::Literals::StringLiterals;

namespace {

QVBoxLayout* rozlozenieStrany(QWidget* strana, int medzera = 0) {
    auto* rozlozenie = new QVBoxLayout(strana);
    rozlozenie->setContentsMargins(medzera, medzera, medzera, 0);
    rozlozenie->setSpacing(medzera);
    return rozlozenie;
}

} // namespace

TFrameKrava::TFrameKrava(TDataModuleHlavny& data, QWidget* parent)
    : KomponentyRamca(data, u"PageControlKrava"_s, parent) {
    PageControlKrava = zalozky();
    TabSheetKrava = PageControlKrava->addPage(u"TabSheetKrava"_s, u"&Krava"_s);
    TabSheetRodokmen = PageControlKrava->addPage(u"TabSheetRodokmen"_s, u"&Rodokmeň"_s);
    TabSheetKontrolaMlieka =
        PageControlKrava->addPage(u"TabSheetKontrolaMlieka"_s, u"&Kontrola mlieka"_s);
    TabSheetLaktacneKrivky =
        PageControlKrava->addPage(u"TabSheetLaktacneKrivky"_s, u"&Laktačné krivky"_s);
    TabSheetProdukciaCUK =
        PageControlKrava->addPage(u"TabSheetProdukciaCUK"_s, u"&Produkcia CUK"_s);
    // Pages of work not done yet; they stay hidden.
    for (const auto& [meno, popis] :
         {std::pair{u"TabSheetIntervaly"_s, u"Intervaly a štatistiky"_s},
          {u"TabSheetPorovnavacieHodnotenia"_s, u"Porovnávacie hodnotenia"_s},
          {u"TabSheetHlasenia"_s, u"Hlásenia"_s},
          {u"TabSheetCentralnaEvidencia"_s, u"Centrálna evidencia"_s},
          {u"TabSheetReprodukcia"_s, u"Reprodukcia"_s}})
        PageControlKrava->addPage(meno, popis, false);

    vytvorStranuKravy();
    auto* rodokmen = new StromRodokmena(m_data.ADOQueryRodokmen, StromRodokmena::kody(),
                                        u" - ušné číslo"_s, TabSheetRodokmen);
    rozlozenieStrany(TabSheetRodokmen, 8)->addWidget(rodokmen, 0, Qt::AlignTop | Qt::AlignLeft);
    connect(rodokmen, &StromRodokmena::otecZvoleny, this, &TFrameKrava::bykZvoleny);
    vytvorStranuKontrol();
    vytvorStranuKriviek();
    vytvorStranuProdukcie();
    prepojUdalosti();
}

void TFrameKrava::vytvorStranuKravy() {
    Query* krava = m_data.ADOQueryKrava;
    QVBoxLayout* rozlozenie = rozlozenieStrany(TabSheetKrava, 4);

    auto* identita = new SkupinaUdajov(u" Krava "_s, krava, 6, TabSheetKrava);
    identita->setObjectName(u"GroupBoxKrava"_s);
    identita->pridajPolia(u"Ušné číslo"_s, {u"usnecislo"_s});
    identita->pridajPolia(u"Meno"_s, {u"meno"_s});
    identita->pridajPolia(u"Dátum narodenia"_s, {u"datumnarodenia"_s});
    identita->pridajPolia(u"Otec - ušné číslo"_s, {u"otec"_s});
    identita->pridajPolia(u"O - Lin Reg"_s, {u"linia"_s, u"register"_s});
    identita->pridajPolia(u"Matka - ušné číslo"_s, {u"matka"_s});
    identita->pridajPolia(u"Farba"_s, {u"nazov"_s});
    identita->pridajPolia(u"Chovateľ"_s, {u"chovatel"_s});
    identita->pridajPolia(u"Chov narodenia"_s, {u"chov_narodenia"_s});
    rozlozenie->addWidget(identita);

    auto* plemeno = new SkupinaUdajov(u" Plemeno "_s, krava, 7, TabSheetKrava);
    plemeno->setObjectName(u"GroupBoxPlemeno"_s);
    for (int i = 1; i <= 4; ++i)
        plemeno->pridajPolia(u"PL%1"_s.arg(i), {u"plemeno%1"_s.arg(i), u"krv%1"_s.arg(i)});
    plemeno->pridajPolia(u"PL5"_s, {u"plemeno5"_s});
    DBLookupComboBoxPlemennaKniha = new DBLookupComboBox(plemeno);
    DBLookupComboBoxPlemennaKniha->setObjectName(u"DBLookupComboBoxPlemennaKniha"_s);
    DBLookupComboBoxPlemennaKniha->setListSource(m_data.ADOTablePlemenneKnihy,
                                                 u"plemenna_kniha_id"_s, u"kod"_s);
    DBLookupComboBoxPlemennaKniha->setDataSource(krava, u"plemenna_kniha_id"_s);
    plemeno->pridaj(u"Plemenná kniha"_s, {DBLookupComboBoxPlemennaKniha});
    plemeno->pridajPolia(u"Plemenný typ"_s, {u"plemenny_typ_skratka"_s});
    rozlozenie->addWidget(plemeno);

    auto* kontrola = new SkupinaUdajov(u" Kontrola úžitkovosti "_s, krava, 7, TabSheetKrava);
    kontrola->setObjectName(u"GroupBoxKontrolaUzitkovosti"_s);
    kontrola->pridajPolia(u"Úžitková trieda"_s, {u"trieda_uzitkovosti"_s});
    kontrola->pridajPolia(u"Dátum zaradenia"_s, {u"datumzaradenia"_s});
    DBEditDatumPoslednejKontroly = kontrola->pridajPolia(
        u"Dátum pos. kon."_s, {u"datumposkontroly"_s}, u"DBEditDatumPoslednejKontroly"_s)[0];
    kontrola->pridajPolia(u"Poradie preb. lakt."_s, {u"por_preb_laktacie"_s});
    kontrola->pridajPolia(u"Počet laktácií"_s, {u"pocet_laktacii"_s});
    kontrola->pridajPolia(u"Počet norm. lakt."_s, {u"pocet_norm_laktacii"_s});
    kontrola->pridajPolia(u"Poradie max. lakt."_s, {u"por_max_laktacie"_s});
    rozlozenie->addWidget(kontrola);

    pridajLaktacieKravy(rozlozenie, TabSheetKrava, {});
    rozlozenie->addStretch();
}

void TFrameKrava::pridajLaktacieKravy(QLayout* rozlozenie, QWidget* strana,
                                      const QString& pripona) {
    Query* krava = m_data.ADOQueryKrava;
    auto* maximalna = new SkupinaUdajov(u" Maximálna laktácia "_s, krava, 7, strana, pripona);
    maximalna->setObjectName(u"GroupBoxMaximalnaLaktacia"_s + pripona);
    maximalna->pridajPolia(u"Mlieko"_s, {u"mlieko_max"_s});
    maximalna->pridajPolia(u"Tuk"_s, {u"tuk_max"_s});
    maximalna->pridajPolia(u"Bielkovina"_s, {u"bielkovina_max"_s});
    maximalna->pridajPolia(u"Laktóza"_s, {u"laktoza_max"_s});
    rozlozenie->addWidget(maximalna);

    auto* priemerna = new SkupinaUdajov(u" Priemerná laktácia "_s, krava, 7, strana, pripona);
    priemerna->setObjectName(u"GroupBoxPriemernaLaktacia"_s + pripona);
    priemerna->pridajPolia(u"Mlieko"_s, {u"mlieko_priem"_s});
    priemerna->pridajPolia(u"Tuk kg"_s, {u"tuk_priem_kg"_s});
    priemerna->pridajPolia(u"Tuk %"_s, {u"tuk_priem_perc"_s});
    priemerna->pridajPolia(u"Bielkovina kg"_s, {u"bielkovina_priem_kg"_s});
    priemerna->pridajPolia(u"Bielkovina %"_s, {u"bielkovina_priem_perc"_s});
    priemerna->pridajPolia(u"Laktóza kg"_s, {u"laktoza_priem_kg"_s});
    priemerna->pridajPolia(u"Laktóza %"_s, {u"laktoza_priem_perc"_s});
    rozlozenie->addWidget(priemerna);
}

void TFrameKrava::vytvorStranuKontrol() {
    // The card's "7" button has no action.
    ToolBarKontrolaMlieka = new ToolBarObdobieKontrol(TabSheetKontrolaMlieka, false);
    ToolBarKontrolaMlieka->setObjectName(u"ToolBarKontrolaMlieka"_s);
    ToolBarKontrolaMlieka->skryTlacidla();
    DBGridKontrolaMlieka =
        mriezka(TabSheetKontrolaMlieka, "DBGridKontrolaMlieka", m_data.ADOQueryKontrolyMliekaKravy,
                {{u"kontrola_id"_s, u"Id"_s},
                 {u"usnecislo"_s, u"Ušné číslo"_s},
                 {u"datum"_s, u"Dátum kotroly"_s},
                 {u"poradie_preb_laktacie"_s, u"Poradie preb. lakt."_s},
                 {u"denna_doba"_s, u"Denná doba"_s},
                 {u"mlieko"_s, u"Mlieko"_s},
                 {u"mlieko_prepocitane"_s, u"Mlieko prep."_s},
                 {u"bun_elementy"_s, u"Bun. elementy"_s},
                 {u"tuk"_s, u"Tuk"_s},
                 {u"tuk_prepocitane"_s, u"Tuk prep."_s},
                 {u"tuk_perc"_s, u"Tuk %"_s},
                 {u"bielkovina"_s, u"Bielkovina"_s},
                 {u"bielkovina_perc"_s, u"Bielkovina %"_s},
                 {u"laktoza"_s, u"Laktóza"_s},
                 {u"laktoza_perc"_s, u"Laktóza %"_s}});
    StatusBarKontroly = stavovyRiadok(TabSheetKontrolaMlieka, "StatusBarKontroly");

    QVBoxLayout* rozlozenie = rozlozenieStrany(TabSheetKontrolaMlieka);
    rozlozenie->addWidget(ToolBarKontrolaMlieka);
    rozlozenie->addWidget(DBGridKontrolaMlieka);
    rozlozenie->addWidget(StatusBarKontroly);
}

DBChart* TFrameKrava::graf(const char* meno, const QString& nazov, double maximum, double krok,
                           const QString& seria, const QString& pole, const QColor& farba) {
    auto* graf = new DBChart(TabSheetLaktacneKrivky);
    graf->setObjectName(QLatin1String(meno));
    graf->setTitle(nazov);
    graf->setDataset(m_data.ADOQueryLaktacnaKrivka, u"datum"_s);
    // Points are labelled as the controls grid shows the same values.
    graf->addSeries(seria, pole, farba, vzorPola(m_data.ADOQueryKontrolyMliekaKravy, pole));
    graf->setLeftAxisRange(0, maximum);
    graf->setLeftAxisIncrement(krok);
    graf->leftAxis()->setTitleText(nazov);
    return graf;
}

void TFrameKrava::vytvorStranuKriviek() {
    ToolBarLaktacneKrivky = panelNastrojov(TabSheetLaktacneKrivky, "ToolBarLaktacneKrivky");
    // Filled with the lactations of the cow the page shows.
    ComboBoxPoradieLaktacie = poradiaLaktacie(ToolBarLaktacneKrivky, 0);
    ComboBoxPoradieLaktacie->setMinimumContentsLength(3);
    ToolBarLaktacneKrivky->addWidget(ComboBoxPoradieLaktacie);
    DBChartLaktacnaKrivkaM =
        graf("DBChartLaktacnaKrivkaM", u"Mlieko"_s, 60, 0, u"Mlieko"_s, u"mlieko"_s, Qt::red);
    DBChartLaktacnaKrivkaT =
        graf("DBChartLaktacnaKrivkaT", u"Tuk"_s, 3, 0.1, u"Tuk"_s, u"tuk"_s, Qt::green);
    DBChartLaktacnaKrivkaB = graf("DBChartLaktacnaKrivkaB", u"Bielkovina"_s, 2, 0.1,
                                  u"Bielkoviny"_s, u"bielkovina"_s, QColor(0, 0, 0x80));
    StatusBarLaktacneKrivky = stavovyRiadok(TabSheetLaktacneKrivky, "StatusBarLaktacneKrivky");

    // Equal stretches share the page's height among the three charts whatever its size.
    QVBoxLayout* rozlozenie = rozlozenieStrany(TabSheetLaktacneKrivky);
    rozlozenie->addWidget(ToolBarLaktacneKrivky);
    for (DBChart* graf : {DBChartLaktacnaKrivkaM, DBChartLaktacnaKrivkaT, DBChartLaktacnaKrivkaB})
        rozlozenie->addWidget(graf, 1);
    rozlozenie->addWidget(StatusBarLaktacneKrivky);
}

void TFrameKrava::vytvorStranuProdukcie() {
    ToolBarProdukciaCUK = panelNastrojov(TabSheetProdukciaCUK, "ToolBarProdukciaCUK");
    ToolButtonLaktacieExportXLS = ToolBarProdukciaCUK->addAction(
        LetterIcon::create(u"XL"_s, QColor(0x1d, 0x6f, 0x42)), u"Export do MS Excel"_s);
    ToolButtonLaktacieExportXLS->setObjectName(u"ToolButtonLaktacieExportXLS"_s);

    QVBoxLayout* rozlozenie = rozlozenieStrany(TabSheetProdukciaCUK);
    rozlozenie->addWidget(ToolBarProdukciaCUK);
    auto* obsah = new QWidget(TabSheetProdukciaCUK);
    QVBoxLayout* skupiny = rozlozenieStrany(obsah, 4);
    auto* celozivotna = new SkupinaUdajov(u" Celoživotná úžitkovosti kravy "_s,
                                          m_data.ADOQueryKrava, 7, obsah, u"Cuk"_s);
    celozivotna->setObjectName(u"GroupBoxCelozivotnaUzitkovost"_s);
    celozivotna->pridajPolia(u"Poradie preb. lakt."_s, {u"por_preb_laktacie"_s});
    celozivotna->pridajPolia(u"Počet laktácií"_s, {u"pocet_laktacii"_s});
    celozivotna->pridajPolia(u"Počet norm. lakt."_s, {u"pocet_norm_laktacii"_s});
    celozivotna->pridajPolia(u"Poradie max. lakt."_s, {u"por_max_laktacie"_s});
    skupiny->addWidget(celozivotna);
    pridajLaktacieKravy(skupiny, obsah, u"Cuk"_s);

    auto* laktacie = new QGroupBox(u" Laktácie "_s, obsah);
    laktacie->setObjectName(u"GroupBoxLaktacie"_s);
    DBGridCukLaktacie = mriezka(laktacie, "DBGridCukLaktacie", m_data.ADOQueryLaktacieKravy,
                                {{u"poradie"_s, u"Poradie"_s},
                                 {u"usnecislotelata"_s, u"Číslo teľaťa"_s},
                                 {u"datumotelenia"_s, u"Dat. otelenia"_s},
                                 {u"priebeh_porod"_s, u"Priebeh porodu"_s},
                                 {u"zmena"_s, u"Zmena"_s},
                                 {u"ukoncenie"_s, u"Ukončenie"_s},
                                 {u"ukoncenie_norm_lakt"_s, u"Ukončenie norm. lakt."_s},
                                 {u"medziobdobie"_s, u"Medzio."_s},
                                 {u"hmotnost_kravy"_s, u"Hmotnosť"_s},
                                 {u"pocet_dni"_s, u"Dní"_s},
                                 {u"pocet_dni_norm"_s, u"Dní N"_s},
                                 {u"mlieko_celk"_s, u"Mlieko"_s},
                                 {u"mlieko_norm"_s, u"Mlieko N"_s},
                                 {u"tuk_celk"_s, u"Tuk"_s},
                                 {u"tuk_norm"_s, u"Tuk N"_s},
                                 {u"bielkovina_celk"_s, u"Bielk."_s},
                                 {u"bielkovina_norm"_s, u"Bielk. N"_s},
                                 {u"laktoza_celk"_s, u"Lakt. "_s},
                                 {u"laktoza_norm"_s, u"Lakt. N"_s},
                                 {u"index_perzistencie"_s, u"Idx. perz."_s},
                                 {u"index_laktacie"_s, u"Idx. lakt."_s},
                                 {u"sposob_ku"_s, u"Spôsob KU"_s}});
    auto* vnutri = new QVBoxLayout(laktacie);
    vnutri->addWidget(DBGridCukLaktacie);
    skupiny->addWidget(laktacie, 1);
    rozlozenie->addWidget(obsah, 1);

    StatusBarLaktacie = stavovyRiadok(TabSheetProdukciaCUK, "StatusBarLaktacie");
    rozlozenie->addWidget(StatusBarLaktacie);
}

void TFrameKrava::prepojUdalosti() {
    connect(PageControlKrava, &PageControl::pageShown, this,
            guarded(this, &TFrameKrava::zobrazStranu));
    connect(ToolBarKontrolaMlieka, &ToolBarObdobieKontrol::obdobieZvolene, this,
            guarded([this](int dni) { NacitajKontroly(AktualneUsneCislo, dni); }));
    connect(ComboBoxPoradieLaktacie, &QComboBox::activated, this,
            guarded(this, &TFrameKrava::ComboBoxPoradieLaktacieChange));
    connect(m_data.ADOQueryKontrolyMliekaKravy, &Dataset::currentRowChanged, this,
            guarded(this, &TFrameKrava::DataSourceKontrolyDataChange));
    connect(m_data.ADOQueryLaktacieKravy, &Dataset::currentRowChanged, this,
            guarded(this, &TFrameKrava::DataSourceLaktacieDataChange));
    connect(ToolButtonLaktacieExportXLS, &QAction::triggered, this,
            guarded(this, &TFrameKrava::ToolButtonLaktacieExportXLSClick));
    for (const auto& [mriezka, dotaz, stav] :
         {std::tuple{DBGridKontrolaMlieka, m_data.ADOQueryKontrolyMliekaKravy, &m_zoradenieKontrol},
          {DBGridCukLaktacie, m_data.ADOQueryLaktacieKravy, &m_zoradenieLaktacii}})
        pripojZoradenie(this, mriezka, dotaz, stav);
}

void TFrameKrava::ukazVyber(const QString& usneCislo) {
    AktualneUsneCislo = usneCislo;
    nacitajStranu(stranaVpredu(), true);
}

void TFrameKrava::zobrazStranu(QWidget* strana) {
    nacitajStranu(strana, false);
}

void TFrameKrava::nacitajStranu(QWidget* strana, bool vyberVStrome) {
    if (strana == TabSheetKrava && vyberVStrome)
        NacitajKravu(AktualneUsneCislo);
    else if (strana == TabSheetRodokmen)
        NacitajRodokmen(AktualneUsneCislo);
    else if (strana == TabSheetKontrolaMlieka)
        NacitajKontroly(AktualneUsneCislo, 0);
    else if (strana == TabSheetLaktacneKrivky)
        nacitajKrivky();
    else if (strana == TabSheetProdukciaCUK)
        NacitajProdukciuCUK(AktualneUsneCislo);
}

void TFrameKrava::nacitajKrivky() {
    // The herd frame charts the same query, so the page loads its own cow whenever it shows.
    const QVariant zobrazene = ComboBoxPoradieLaktacie->currentData();
    const QList<int> poradia = DotazyKravy::poradiaLaktacii(m_data, AktualneUsneCislo);
    int poradie = poradia.isEmpty() ? 0 : poradia.last();
    if (zobrazene.isValid() && poradia.contains(zobrazene.toInt()))
        poradie = zobrazene.toInt();
    {
        const QSignalBlocker ticho(ComboBoxPoradieLaktacie);
        ComboBoxPoradieLaktacie->clear();
        for (const int jedno : poradia)
            ComboBoxPoradieLaktacie->addItem(QString::number(jedno), jedno);
        ComboBoxPoradieLaktacie->setCurrentIndex(int(poradia.indexOf(poradie)));
    }
    NacitajLaktacnuKrivku(AktualneUsneCislo, poradie);
}

void TFrameKrava::NacitajKravu(const QString& usneCislo) {
    // The herdbook list is read once, so that the herdbook box can name the cow's herdbook.
    m_data.ADOTablePlemenneKnihy->open();
    DotazyKravy::otvorKravu(m_data, usneCislo);
}

void TFrameKrava::NacitajRodokmen(const QString& usneCislo) {
    DotazyKravy::otvorRodokmen(m_data, usneCislo);
}

void TFrameKrava::NacitajKontroly(const QString& usneCislo, int dni) {
    KontrolyZaObdobie::otvor(*m_data.ADOQueryKontrolyMliekaKravy, u"UsneCislo"_s, usneCislo, dni);
    ToolBarKontrolaMlieka->zvyrazniObdobie(dni);
}

void TFrameKrava::NacitajLaktacnuKrivku(const QString& usneCislo, int poradie) {
    DotazyKravy::otvorLaktacnuKrivku(m_data, usneCislo, poradie);
    const QString laktacia = u"laktácia "_s + QString::number(poradie) + u')';
    const QString nazov = u"Laktačná krivka kravy "_s + usneCislo;
    DBChartLaktacnaKrivkaM->setTitle(nazov + u" (mlieko, "_s + laktacia);
    DBChartLaktacnaKrivkaT->setTitle(nazov + u" (tuk, "_s + laktacia);
    DBChartLaktacnaKrivkaB->setTitle(nazov + u" (bielkovina, "_s + laktacia);
}

void TFrameKrava::NacitajProdukciuCUK(const QString& usneCislo) {
    NacitajKravu(usneCislo);
    DotazyKravy::otvorLaktacie(m_data, usneCislo);
}

void TFrameKrava::ComboBoxPoradieLaktacieChange(int index) {
    NacitajLaktacnuKrivku(AktualneUsneCislo, ComboBoxPoradieLaktacie->itemData(index).toInt());
}

void TFrameKrava::DataSourceKontrolyDataChange() {
    StatusBarKontroly->setPanelText(
        0, u"Celkový počet kontrol: "_s +
               QString::number(m_data.ADOQueryKontrolyMliekaKravy->recordCount()));
}

void TFrameKrava::DataSourceLaktacieDataChange() {
    StatusBarLaktacie->setPanelText(
        0, u"Celkový počet laktácií: "_s +
               QString::number(m_data.ADOQueryLaktacieKravy->recordCount()));
}

void TFrameKrava::ToolButtonLaktacieExportXLSClick() {
    const Query* krava = m_data.ADOQueryKrava;
    ExportujDoExcelu(*m_data.ADOQueryLaktacieKravy,
                     krava->isOpen() ? krava->text(u"usnecislo"_s) : QString());
}
