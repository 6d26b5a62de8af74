#include "TFormUniverzalnaZostava.h"

#include "TFormZostava.h"
#include "ZoznamPoloziek.h"
#include "core/DotazyUniZostavy.h"
#include "core/DruhStlpca.h"
#include "core/PrikazVyberu.h"
#include "core/VystupZostavy.h"
#include "data/DatabaseError.h"
#include "data/ReportReaderAccount.h"
#include "data/TDataModuleHlavny.h"
#include "widgets/DBGrid.h"
#include "widgets/DialogService.h"
#include "widgets/ErrorHandler.h"
#include "widgets/GuardedHandler.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "widgets/WaitCursor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor farbaAktualnehoStlpca(230, 230, 255);

struct Operacia {
    QString operator_;
    QString popis;
};

const QList<Operacia> operacie = {
    {u"="_s, u"rovná sa"_s},
    {u"<"_s, u"menší ako"_s},
    {u">"_s, u"väčší ako"_s},
    {u"<="_s, u"menší alebo rovný"_s},
    {u">="_s, u"väčší alebo rovný"_s},
    {u"<>"_s, u"nerovná sa"_s},
    {u"BETWEEN"_s, u"hodnota medzi"_s},
    {u"LIKE"_s, u"vyhľadanie čati reťazca"_s},
};

const QStringList spojenia = {QString(), u"AND"_s, u"OR"_s};

/// A component of the window made with its component name.
template <typename T, typename... Args> T* pomenovany(const char* meno, Args&&... args) {
    auto* komponent = new T(std::forward<Args>(args)...);
    komponent->setObjectName(QLatin1String(meno));
    return komponent;
}

QLabel* popis(const QString& text, QWidget* pre, QWidget* rodic) {
    auto* label = new QLabel(text, rodic);
    label->setBuddy(pre);
    return label;
}

} // namespace

const QStringList& TFormUniverzalnaZostava::TypyUdajov() {
    static const QStringList typy = {u"Kravy"_s,
                                     u"Jalovice"_s,
                                     u"Býky"_s,
                                     u"Kontroly"_s,
                                     u"Prebiehajúce laktácie"_s,
                                     u"Laktácie"_s,
                                     u"Močovina"_s,
                                     u"Výsledky kráv TDM"_s,
                                     u"Výsledky býkov v chove"_s,
                                     u"Vyradené kravy"_s,
                                     u"Užitkovosť krav"_s};
    return typy;
}

const QStringList& TFormUniverzalnaZostava::TabulkyUdajov() {
    // The sources the reading account is granted, in the order of the captions.
    return ReportReaderAccount::sources();
}

TFormUniverzalnaZostava::TFormUniverzalnaZostava(TDataModuleHlavny& data, TFormZostava& formZostava,
                                                 QString textCopyright, QString kodPodniku,
                                                 QWidget* parent)
    : QDialog(parent)
    , m_data(data)
    , m_formZostava(formZostava)
    , m_textCopyright(std::move(textCopyright))
    , m_kodPodniku(std::move(kodPodniku)) {
    setObjectName(u"FormUniverzalnaZostava"_s);
    setWindowTitle(u"Univerzálna zostava"_s);

    PageControlUniverzalnaZostava = pomenovany<PageControl>("PageControlUniverzalnaZostava", this);
    TabSheetVyberTypuUdajov = vytvorStranuTypu();
    TabSheetPodmienka = vytvorStranuPodmienky();
    TabSheetVystup = vytvorStranuVystupu();
    TabSheetUlozenie = vytvorStranuUlozenia();

    auto* rozlozenie = new QVBoxLayout(this);
    rozlozenie->setContentsMargins(4, 4, 4, 4);
    rozlozenie->addWidget(PageControlUniverzalnaZostava, 1);
    rozlozenie->addWidget(vytvorTlacidla());
    setFixedSize(862, 606);

    prepoj();
    FormCreate();
}

TFormUniverzalnaZostava::~TFormUniverzalnaZostava() {
    // Focus leaves the edit while the window comes apart; that is no renaming.
    EditNazovStlpca->removeEventFilter(this);
}

QWidget* TFormUniverzalnaZostava::vytvorStranuTypu() {
    QWidget* strana =
        PageControlUniverzalnaZostava->addPage(u"TabSheetVyberTypuUdajov"_s, u"Typ údajov"_s);
    RadioGroupTypUdajov =
        pomenovany<RadioGroup>("RadioGroupTypUdajov", u" Typ údajov "_s, TypyUdajov(), 4, strana);

    QGroupBox* polozky = pomenovany<QGroupBox>("GroupBoxPolozky", u" Položky "_s, strana);
    ListViewStlpce = pomenovany<ZoznamPoloziek>(
        "ListViewStlpce", QStringList{u"Stĺpec"_s, u"Dátový typ"_s, u"Veľkosť"_s}, polozky);
    ListViewVybrate = pomenovany<ZoznamPoloziek>(
        "ListViewVybrate", QStringList{u"Vybratý stĺpec"_s, u"Dátový typ"_s, u"Veľkosť"_s},
        polozky);
    BitBtnPridat = pomenovany<QPushButton>("BitBtnPridat", u"&Pridať >>"_s, polozky);
    BitBtnOdobrat = pomenovany<QPushButton>("BitBtnOdobrat", u"<< &Odobrať"_s, polozky);
    SpeedButtonHore = pomenovany<QToolButton>("SpeedButtonHore", polozky);
    SpeedButtonHore->setArrowType(Qt::UpArrow);
    SpeedButtonHore->setToolTip(u"Posunúť stĺpec hore"_s);
    SpeedButtonDole = pomenovany<QToolButton>("SpeedButtonDole", polozky);
    SpeedButtonDole->setArrowType(Qt::DownArrow);
    SpeedButtonDole->setToolTip(u"Posunúť stĺpec dole"_s);

    auto* tlacidla = new QVBoxLayout;
    tlacidla->addStretch();
    tlacidla->addWidget(BitBtnPridat);
    tlacidla->addWidget(BitBtnOdobrat);
    tlacidla->addSpacing(16);
    auto* sipky = new QHBoxLayout;
    sipky->addStretch();
    sipky->addWidget(SpeedButtonHore);
    sipky->addWidget(SpeedButtonDole);
    sipky->addStretch();
    tlacidla->addLayout(sipky);
    tlacidla->addStretch();
    auto* vnutro = new QHBoxLayout(polozky);
    vnutro->addWidget(ListViewStlpce, 1);
    vnutro->addLayout(tlacidla);
    vnutro->addWidget(ListViewVybrate, 1);

    auto* rozlozenie = new QVBoxLayout(strana);
    rozlozenie->addWidget(RadioGroupTypUdajov);
    rozlozenie->addWidget(polozky, 1);
    return strana;
}

QWidget* TFormUniverzalnaZostava::vytvorStranuPodmienky() {
    QWidget* strana =
        PageControlUniverzalnaZostava->addPage(u"TabSheetPodmienka"_s, u"Podmienka"_s);
    QGroupBox* vytvorenie =
        pomenovany<QGroupBox>("GroupBoxVytvoreniePodmienky", u" Vytvorenie podmienky "_s, strana);
    ListViewStlpcePodmienky = pomenovany<ZoznamPoloziek>(
        "ListViewStlpcePodmienky", QStringList{u"Stĺpec"_s, u"Dátový typ"_s, u"Veľkosť"_s},
        vytvorenie);
    ListViewOperacie = pomenovany<ZoznamPoloziek>(
        "ListViewOperacie", QStringList{u"Operátor"_s, u"Operácia"_s}, vytvorenie);
    for (const Operacia& operacia : operacie)
        ListViewOperacie->pridaj({operacia.operator_, operacia.popis});
    EditHodnota = pomenovany<QLineEdit>("EditHodnota", vytvorenie);
    RadioGroupSpojenie = pomenovany<RadioGroup>(
        "RadioGroupSpojenie", u" Spojenie "_s,
        QStringList{u"bez logického spojenia"_s, u"a súčasne"_s, u"alebo"_s}, 1, vytvorenie);
    RadioGroupSpojenie->setItemIndex(0);
    BitBtnPridatPodmienku =
        pomenovany<QPushButton>("BitBtnPridatPodmienku", u" Pridať"_s, vytvorenie);

    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(popis(u"&Hodnota:"_s, EditHodnota, vytvorenie));
    vpravo->addWidget(EditHodnota);
    vpravo->addWidget(RadioGroupSpojenie);
    vpravo->addWidget(BitBtnPridatPodmienku, 0, Qt::AlignRight);
    vpravo->addStretch();
    auto* vnutro = new QHBoxLayout(vytvorenie);
    vnutro->addWidget(ListViewStlpcePodmienky, 3);
    vnutro->addWidget(ListViewOperacie, 2);
    vnutro->addLayout(vpravo, 2);

    QGroupBox* podmienka = pomenovany<QGroupBox>("GroupBoxPodmienka", u" Podmienka "_s, strana);
    MemoPodmienka = pomenovany<QPlainTextEdit>("MemoPodmienka", podmienka);
    auto* memo = new QVBoxLayout(podmienka);
    memo->addWidget(MemoPodmienka);

    auto* rozlozenie = new QVBoxLayout(strana);
    rozlozenie->addWidget(vytvorenie, 3);
    rozlozenie->addWidget(podmienka, 1);
    return strana;
}

QWidget* TFormUniverzalnaZostava::vytvorStranuVystupu() {
    QWidget* strana = PageControlUniverzalnaZostava->addPage(u"TabSheetVystup"_s, u"Výstup"_s);
    QGroupBox* vystup = pomenovany<QGroupBox>("GroupBoxVystup", u" Výstup "_s, strana);
    DBGridVystup = pomenovany<DBGrid>("DBGridVystup", vystup);
    DBGridVystup->setKeepsSelectionUnfocused(true);
    DBGridVystup->setDataset(m_data.ADOQueryUniZostava);
    auto* mriezka = new QVBoxLayout(vystup);
    mriezka->addWidget(DBGridVystup);

    QGroupBox* vlastnosti =
        pomenovany<QGroupBox>("GroupBoxVlastnostiStlpcov", u" Vlastnosti stĺpcov "_s, strana);
    EditNazovStlpca = pomenovany<QLineEdit>("EditNazovStlpca", vlastnosti);
    ComboBoxTriedenie = pomenovany<QComboBox>("ComboBoxTriedenie", vlastnosti);
    ComboBoxTriedenie->setMinimumContentsLength(20);
    ComboBoxSmer = pomenovany<QComboBox>("ComboBoxSmer", vlastnosti);
    ComboBoxSmer->addItems({u"vzostupne"_s, u"zostupne"_s});
    ComboBoxSmer->setCurrentIndex(-1);
    ComboBoxSmer->setMinimumContentsLength(10);
    auto* riadok = new QHBoxLayout(vlastnosti);
    riadok->addWidget(popis(u"Zobrazovaný &názov stĺpca:"_s, EditNazovStlpca, vlastnosti));
    riadok->addWidget(EditNazovStlpca, 1);
    riadok->addSpacing(12);
    riadok->addWidget(popis(u"&Triedenie podľa:"_s, ComboBoxTriedenie, vlastnosti));
    riadok->addWidget(ComboBoxTriedenie);
    riadok->addSpacing(12);
    riadok->addWidget(popis(u"S&mer:"_s, ComboBoxSmer, vlastnosti));
    riadok->addWidget(ComboBoxSmer);

    auto* rozlozenie = new QVBoxLayout(strana);
    rozlozenie->addWidget(vystup, 1);
    rozlozenie->addWidget(vlastnosti);
    return strana;
}

QWidget* TFormUniverzalnaZostava::vytvorStranuUlozenia() {
    QWidget* strana = PageControlUniverzalnaZostava->addPage(u"TabSheetUlozenie"_s, u"Uloženie"_s);
    QGroupBox* parametre = pomenovany<QGroupBox>("GroupBoxParametreUlozenia",
                                                 u" Parametre pre uloženie zostavy"_s, strana);
    EditNazovVyberu = pomenovany<QLineEdit>("EditNazovVyberu", parametre);
    EditNazovVyberu->setMaxLength(50);
    EditPopisVyberu = pomenovany<QLineEdit>("EditPopisVyberu", parametre);
    EditPopisVyberu->setMaxLength(200);
    BitBtnUlozitVyber = pomenovany<QPushButton>("BitBtnUlozitVyber", u"&Uložiť"_s, parametre);
    auto* mriezka = new QGridLayout(parametre);
    mriezka->addWidget(popis(u"Ná&zov:"_s, EditNazovVyberu, parametre), 0, 0);
    mriezka->addWidget(EditNazovVyberu, 0, 1);
    mriezka->addWidget(popis(u"P&opis:"_s, EditPopisVyberu, parametre), 1, 0);
    mriezka->addWidget(EditPopisVyberu, 1, 1);
    mriezka->addWidget(BitBtnUlozitVyber, 1, 2);
    mriezka->setColumnStretch(1, 1);

    QGroupBox* zostavy =
        pomenovany<QGroupBox>("GroupBoxPouzivatelskeZostavy", u" Používateľské zostavy "_s, strana);
    DBGridVybery = pomenovany<DBGrid>("DBGridVybery", zostavy);
    DBGridVybery->setColumns({{u"zostava_id"_s, u"Id"_s, 40},
                              {u"nazov"_s, u"Názov"_s, 220},
                              {u"popis"_s, u"Popis"_s, 340},
                              {u"modifikovana"_s, u"Modifikácia"_s, 140}});
    DBGridVybery->setDataset(m_data.ADOQueryUniZostavy);
    auto* zoznam = new QVBoxLayout(zostavy);
    zoznam->addWidget(DBGridVybery);

    QGroupBox* vytvorenie = pomenovany<QGroupBox>(
        "GroupBoxVytvorenieVymaz", u"Vytvorenie, alebo výmaz vybranej zostavy"_s, strana);
    BitBtnVytvorenieZostavy =
        pomenovany<QPushButton>("BitBtnVytvorenieZostavy", u"Vytvorenie zostavy"_s, vytvorenie);
    BitBtnVymazanieZostavy =
        pomenovany<QPushButton>("BitBtnVymazanieZostavy", u"Vymazanie zostavy"_s, vytvorenie);
    auto* tlacidla = new QHBoxLayout(vytvorenie);
    tlacidla->addWidget(BitBtnVytvorenieZostavy);
    tlacidla->addWidget(BitBtnVymazanieZostavy);
    tlacidla->addStretch();

    auto* rozlozenie = new QVBoxLayout(strana);
    rozlozenie->addWidget(parametre);
    rozlozenie->addWidget(zostavy, 1);
    rozlozenie->addWidget(vytvorenie);
    return strana;
}

QWidget* TFormUniverzalnaZostava::vytvorTlacidla() {
    PanelTlacidla = pomenovany<QWidget>("PanelTlacidla", this);
    BitBtnSpat = pomenovany<QPushButton>("BitBtnSpat", u"< Späť"_s, PanelTlacidla);
    BitBtnSpat->setEnabled(false);
    BitBtnDalej = pomenovany<QPushButton>("BitBtnDalej", u"Ďalej >"_s, PanelTlacidla);
    BitBtnKoniec = pomenovany<QPushButton>("BitBtnKoniec", u"&Koniec"_s, PanelTlacidla);
    for (QPushButton* tlacidlo : {BitBtnSpat, BitBtnDalej, BitBtnKoniec}) {
        tlacidlo->setAutoDefault(false);
        tlacidlo->setMinimumWidth(90);
    }
    auto* rozlozenie = new QHBoxLayout(PanelTlacidla);
    rozlozenie->setContentsMargins(0, 4, 0, 0);
    rozlozenie->addStretch();
    rozlozenie->addWidget(BitBtnSpat);
    rozlozenie->addWidget(BitBtnDalej);
    rozlozenie->addSpacing(16);
    rozlozenie->addWidget(BitBtnKoniec);
    return PanelTlacidla;
}

void TFormUniverzalnaZostava::prepoj() {
    using Form = TFormUniverzalnaZostava;
    connect(RadioGroupTypUdajov, &RadioGroup::clicked, this,
            guarded(this, &Form::RadioGroupTypUdajovClick));
    connect(BitBtnPridat, &QPushButton::clicked, this, guarded(this, &Form::BitBtnPridatClick));
    connect(ListViewStlpce, &QTableWidget::cellDoubleClicked, this,
            guarded(this, &Form::BitBtnPridatClick));
    connect(BitBtnOdobrat, &QPushButton::clicked, this, guarded(this, &Form::BitBtnOdobratClick));
    connect(ListViewVybrate, &QTableWidget::cellDoubleClicked, this,
            guarded(this, &Form::BitBtnOdobratClick));
    connect(SpeedButtonHore, &QToolButton::clicked, this,
            guarded(this, &Form::SpeedButtonHoreClick));
    connect(SpeedButtonDole, &QToolButton::clicked, this,
            guarded(this, &Form::SpeedButtonDoleClick));
    connect(ListViewVybrate, &QTableWidget::itemSelectionChanged, this,
            guarded(this, &Form::ListViewVybrateChange));
    connect(ListViewVybrate->model(), &QAbstractItemModel::rowsInserted, this,
            guarded(this, &Form::ListViewVybrateChange));
    connect(ListViewVybrate->model(), &QAbstractItemModel::rowsRemoved, this,
            guarded(this, &Form::ListViewVybrateChange));
    connect(BitBtnDalej, &QPushButton::clicked, this, guarded(this, &Form::BitBtnDalejClick));
    connect(BitBtnSpat, &QPushButton::clicked, this, guarded(this, &Form::BitBtnSpatClick));
    connect(BitBtnKoniec, &QPushButton::clicked, this, &QDialog::reject);
    connect(PageControlUniverzalnaZostava, &QTabWidget::currentChanged, this,
            guarded(this, &Form::PageControlUniverzalnaZostavaChange));
    connect(PageControlUniverzalnaZostava, &PageControl::pageShown, this,
            guarded([this](QWidget* strana) {
                if (strana == TabSheetPodmienka)
                    TabSheetPodmienkaShow();
                else if (strana == TabSheetVystup)
                    TabSheetVystupShow();
            }));
    connect(BitBtnPridatPodmienku, &QPushButton::clicked, this,
            guarded(this, &Form::BitBtnPridatPodmienkuClick));
    connect(DBGridVystup, &DBGrid::titleClicked, this,
            guarded(this, &Form::DBGridVystupTitleClick));
    EditNazovStlpca->installEventFilter(this);
    connect(ComboBoxTriedenie, &QComboBox::currentIndexChanged, this,
            guarded(this, &Form::NastavTriedenie));
    connect(ComboBoxSmer, &QComboBox::currentIndexChanged, this,
            guarded(this, &Form::NastavTriedenie));
    connect(BitBtnUlozitVyber, &QPushButton::clicked, this,
            guarded(this, &Form::BitBtnUlozitVyberClick));
    connect(m_data.ADOQueryUniZostavy, &Dataset::currentRowChanged, this,
            guarded(this, &Form::DataSourceZostavyDataCange));
    // A click on the row that is current already chooses it too: with one saved definition
    // there is no other row to move to.
    connect(DBGridVybery, &QAbstractItemView::clicked, this,
            guarded(this, &Form::DataSourceZostavyDataCange));
    connect(BitBtnVytvorenieZostavy, &QPushButton::clicked, this,
            guarded(this, &Form::BitBtnVytvorZostavuOnClick));
    connect(BitBtnVymazanieZostavy, &QPushButton::clicked, this,
            guarded(this, &Form::BitBtnVymazZostavyOnClick));
}

void TFormUniverzalnaZostava::FormCreate() {
    RadioGroupTypUdajov->setItemIndex(0);
}

void TFormUniverzalnaZostava::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_zobrazene || event->spontaneous())
        return;
    m_zobrazene = true;
    ErrorHandler::run([this] { FormShow(); });
}

void TFormUniverzalnaZostava::FormShow() {
    PageControlUniverzalnaZostava->setCurrentIndex(0);
    BitBtnDalej->setEnabled(true);
    BitBtnSpat->setEnabled(false);
    IdVybranejZostavy = 0;
    ObnovZoznamyStlpcov();
}

bool TFormUniverzalnaZostava::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditNazovStlpca) {
        if (event->type() == QEvent::KeyPress) {
            const int kluc = static_cast<QKeyEvent*>(event)->key();
            if (kluc == Qt::Key_Return || kluc == Qt::Key_Enter) {
                ErrorHandler::run([this] { EditNazovStlpcaExit(); });
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Leaving the edit for another control of this window, not the window itself being
            // covered by a message or a menu.
            const Qt::FocusReason dovod = static_cast<QFocusEvent*>(event)->reason();
            if (dovod != Qt::ActiveWindowFocusReason && dovod != Qt::PopupFocusReason)
                ErrorHandler::run([this] { EditNazovStlpcaExit(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormUniverzalnaZostava::RadioGroupTypUdajovClick() {
    ObnovZoznamyStlpcov();
}

QString TFormUniverzalnaZostava::DajTabulku() const {
    const int typ = RadioGroupTypUdajov->itemIndex();
    return typ >= 0 && typ < TabulkyUdajov().size() ? TabulkyUdajov()[typ] : QString();
}

void TFormUniverzalnaZostava::NaplnZoznamStlpcov(const QString& tabulka, ZoznamPoloziek& zoznam) {
    Table& udaje = *m_data.ADOTableUniZostava;
    udaje.close();
    udaje.setTableName(tabulka);
    try {
        udaje.open();
    } catch (const DatabaseError&) {
        // The reading account is told "denied" for a table that is not there at all.
        if (!DotazyUniZostavy::existuje(*m_data.ADOConnectionTarvelin, tabulka))
            throw DatabaseError(u"Tabuľka %1 v databáze neexistuje."_s.arg(tabulka));
        throw;
    }
    for (const FieldDef& pole : udaje.fields())
        zoznam.pridaj(
            {pole.name, DruhStlpca::text(pole), QString::number(DruhStlpca::velkost(pole))});
    zoznam.vyberRiadok(0);
}

void TFormUniverzalnaZostava::ObnovZoznamyStlpcov() {
    ListViewStlpce->vycisti();
    ListViewVybrate->vycisti();
    ListViewStlpcePodmienky->vycisti();
    MemoPodmienka->clear();
    NaplnZoznamStlpcov(DajTabulku(), *ListViewStlpce);
    NaplnZoznamStlpcov(DajTabulku(), *ListViewStlpcePodmienky);
}

void TFormUniverzalnaZostava::BitBtnPridatClick() {
    const int riadok = ListViewStlpce->vybranyRiadok();
    if (riadok < 0)
        return;
    const QString nazov = ListViewStlpce->nazov(riadok);
    if (ListViewVybrate->najdi(nazov) >= 0) {
        DialogService::instance().information(u"Stĺpec "_s + nazov + u" je už vybratý."_s);
        return;
    }
    ListViewVybrate->pridaj(ListViewStlpce->texty(riadok));
}

void TFormUniverzalnaZostava::BitBtnOdobratClick() {
    const int riadok = ListViewVybrate->vybranyRiadok();
    if (riadok >= 0)
        ListViewVybrate->removeRow(riadok);
}

void TFormUniverzalnaZostava::presunVybraty(int kam, int vyber) {
    const int riadok = ListViewVybrate->vybranyRiadok();
    ListViewVybrate->vloz(kam, ListViewVybrate->texty(riadok));
    ListViewVybrate->removeRow(kam <= riadok ? riadok + 1 : riadok);
    ListViewVybrate->vyberRiadok(vyber);
}

void TFormUniverzalnaZostava::SpeedButtonHoreClick() {
    const int riadok = ListViewVybrate->vybranyRiadok();
    if (riadok > 0)
        presunVybraty(riadok - 1, riadok - 1);
}

void TFormUniverzalnaZostava::SpeedButtonDoleClick() {
    const int riadok = ListViewVybrate->vybranyRiadok();
    if (riadok >= 0 && riadok < ListViewVybrate->rowCount() - 1)
        presunVybraty(riadok + 2, riadok + 1);
}

void TFormUniverzalnaZostava::ListViewVybrateChange() {
    const int riadok = ListViewVybrate->vybranyRiadok();
    SpeedButtonHore->setEnabled(riadok > 0);
    SpeedButtonDole->setEnabled(riadok >= 0 && riadok < ListViewVybrate->rowCount() - 1);
}

void TFormUniverzalnaZostava::BitBtnDalejClick() {
    const int strana = PageControlUniverzalnaZostava->currentIndex();
    if (strana == 0 && ListViewVybrate->rowCount() == 0) {
        DialogService::instance().error(u"Neboli vybraté stĺpce pre zostavu."_s);
        return;
    }
    PageControlUniverzalnaZostava->setCurrentIndex(strana + 1);
}

void TFormUniverzalnaZostava::BitBtnSpatClick() {
    PageControlUniverzalnaZostava->setCurrentIndex(PageControlUniverzalnaZostava->currentIndex() -
                                                   1);
}

void TFormUniverzalnaZostava::PageControlUniverzalnaZostavaChange() {
    const int strana = PageControlUniverzalnaZostava->currentIndex();
    BitBtnSpat->setEnabled(strana > 0);
    BitBtnDalej->setEnabled(strana < PageControlUniverzalnaZostava->count() - 1);
}

void TFormUniverzalnaZostava::TabSheetPodmienkaShow() {
    ListViewOperacie->vyberRiadok(0);
}

QString TFormUniverzalnaZostava::DajPodmienku() const {
    return MemoPodmienka->toPlainText();
}

void TFormUniverzalnaZostava::BitBtnPridatPodmienkuClick() {
    const int stlpec = ListViewStlpcePodmienky->vybranyRiadok();
    const int operacia = ListViewOperacie->vybranyRiadok();
    const QString hodnota = EditHodnota->text();
    // Each check overwrites the message of an earlier one, so that one message is shown.
    QString chyba;
    if (hodnota.isEmpty())
        chyba = u"Nezadaná hodnota výrazu."_s;
    if (stlpec < 0)
        chyba = u"Nebol vybratý stĺpec pre výraz."_s;
    if (operacia < 0)
        chyba = u"Nobol vybratý operátor výrazu."_s;
    if (!chyba.isEmpty()) {
        DialogService::instance().error(chyba);
        return;
    }
    const QString nazov = ListViewStlpcePodmienky->nazov(stlpec);
    const QString znak = ListViewOperacie->nazov(operacia);
    const Table& udaje = *m_data.ADOTableUniZostava;
    QString zapis;
    try {
        zapis = DruhStlpca::hodnota(udaje.fields()[udaje.requireField(nazov)], znak, hodnota);
    } catch (const std::invalid_argument& odmietnuta) {
        DialogService::instance().error(QString::fromUtf8(odmietnuta.what()));
        return;
    }
    const QString vyraz = nazov + u' ' + znak + u' ' + zapis;
    const QString spojenie = spojenia.value(RadioGroupSpojenie->itemIndex());
    MemoPodmienka->setPlainText(DajPodmienku() + u' ' + spojenie + u' ' + vyraz);
}

QString TFormUniverzalnaZostava::DajVybrateStlpce() const {
    QStringList stlpce;
    for (int riadok = 0; riadok < ListViewVybrate->rowCount(); ++riadok)
        stlpce << ListViewVybrate->nazov(riadok);
    return stlpce.join(u", "_s);
}

void TFormUniverzalnaZostava::TabSheetVystupShow() {
    ZobrazVystup();
    const QSignalBlocker ticho(ComboBoxTriedenie);
    ComboBoxTriedenie->clear();
    // Each item shows its column's caption in the output and keeps the column's name, which
    // the ORDER BY needs.
    for (int riadok = 0; riadok < ListViewVybrate->rowCount(); ++riadok)
        ComboBoxTriedenie->addItem(ListViewVybrate->nazov(riadok), ListViewVybrate->nazov(riadok));
    ComboBoxTriedenie->setCurrentIndex(-1);
}

QString TFormUniverzalnaZostava::spustiVystup(const QString& prikaz) {
    try {
        VystupZostavy::otvor(*m_data.ADOQueryUniZostava, prikaz);
    } catch (const DatabaseError& chyba) {
        return chyba.message();
    }
    return {};
}

void TFormUniverzalnaZostava::zvyrazniAktualnyStlpec() {
    for (int stlpec = 0; stlpec < DBGridVystup->model()->columnCount(); ++stlpec)
        DBGridVystup->setColumnColor(stlpec,
                                     stlpec == AktualnyStlpec ? farbaAktualnehoStlpca : QColor());
    const QSignalBlocker ticho(EditNazovStlpca);
    EditNazovStlpca->setText(DBGridVystup->fieldName(AktualnyStlpec));
}

void TFormUniverzalnaZostava::ZobrazVystup() {
    const QString stlpce = DajVybrateStlpce();
    if (stlpce.isEmpty())
        return;
    QString chyba;
    {
        const WaitCursor kurzor;
        chyba = spustiVystup(PrikazVyberu::zostav(stlpce, DajTabulku(), DajPodmienku()));
    }
    if (!chyba.isEmpty()) {
        DialogService::instance().error(chyba);
        return;
    }
    AktualnyStlpec = std::max(DBGridVystup->currentIndex().column(), 0);
    zvyrazniAktualnyStlpec();
}

void TFormUniverzalnaZostava::DBGridVystupTitleClick(int stlpec) {
    AktualnyStlpec = stlpec;
    zvyrazniAktualnyStlpec();
}

void TFormUniverzalnaZostava::EditNazovStlpcaExit() {
    PremenujStlpec(EditNazovStlpca->text());
}

void TFormUniverzalnaZostava::PremenujStlpec(const QString& novyNazov) {
    // A message shown meanwhile takes the focus from the edit; that is no second leaving.
    if (m_premenuvam || !m_data.ADOQueryUniZostava->isOpen() ||
        AktualnyStlpec >= DBGridVystup->model()->columnCount())
        return;
    const QScopedValueRollback jedenRaz(m_premenuvam, true);
    QString prikaz;
    try {
        prikaz = PrikazVyberu::premenuj(m_data.ADOQueryUniZostava->sqlText(), AktualnyStlpec,
                                        DBGridVystup->fieldName(AktualnyStlpec), novyNazov);
    } catch (const DatabaseError& chyba) {
        DialogService::instance().error(chyba.message());
        return;
    }
    const QString chyba = spustiVystup(prikaz);
    if (chyba.isEmpty() && AktualnyStlpec < ComboBoxTriedenie->count())
        ComboBoxTriedenie->setItemText(AktualnyStlpec,
                                       novyNazov.isEmpty()
                                           ? ComboBoxTriedenie->itemData(AktualnyStlpec).toString()
                                           : novyNazov);
    ukazVysledok(chyba);
}

void TFormUniverzalnaZostava::NastavTriedenie() {
    if (ComboBoxTriedenie->currentIndex() < 0)
        return;
    const int smer = ComboBoxSmer->currentIndex();
    const QString pripona = smer == 0 ? u" ASC"_s : smer == 1 ? u" DESC"_s : QString();
    // Rows of equal value follow the ear number, where the source has one, so that the list
    // prints the same at every run.
    const QString usneCislo = u"usnecislo"_s;
    const QString kluc = ListViewStlpce->najdi(usneCislo) >= 0 ? usneCislo : QString();
    ukazVysledok(spustiVystup(PrikazVyberu::zorad(m_data.ADOQueryUniZostava->sqlText(),
                                                  ComboBoxTriedenie->currentData().toString(),
                                                  pripona, kluc)));
}

void TFormUniverzalnaZostava::ukazVysledok(const QString& chyba) {
    if (!chyba.isEmpty())
        DialogService::instance().error(chyba);
    else
        zvyrazniAktualnyStlpec();
}

void TFormUniverzalnaZostava::BitBtnUlozitVyberClick() {
    try {
        DotazyUniZostavy::uloz(m_data, EditNazovVyberu->text(), EditPopisVyberu->text(),
                               m_data.ADOQueryUniZostava->sqlText().trimmed());
        DialogService::instance().information(u"Výber bol uložený."_s);
    } catch (const DatabaseError& chyba) {
        DialogService::instance().error(u"Chyba: "_s + chyba.message());
    }
    m_data.ADOQueryUniZostavy->reopen();
}

void TFormUniverzalnaZostava::DataSourceZostavyDataCange() {
    const Query& zostavy = *m_data.ADOQueryUniZostavy;
    IdVybranejZostavy = zostavy.currentRow() < 0 ? 0 : zostavy.value(u"zostava_id"_s).toInt();
}

void TFormUniverzalnaZostava::BitBtnVytvorZostavuOnClick() {
    if (IdVybranejZostavy <= 0)
        return;
    m_formZostava.IdZostavy = IdVybranejZostavy;
    m_formZostava.TextCopyright = m_textCopyright;
    m_formZostava.KodPodniku = m_kodPodniku;
    DialogService::instance().showModal(m_formZostava);
}

void TFormUniverzalnaZostava::BitBtnVymazZostavyOnClick() {
    if (IdVybranejZostavy == 0)
        return;
    const Query& zostavy = *m_data.ADOQueryUniZostavy;
    const QString nazov = zostavy.currentRow() < 0 ? QString() : zostavy.text(u"nazov"_s);
    if (!DialogService::instance().confirm(u"Naozaj zmazať zostavu „%1“?"_s.arg(nazov)))
        return;
    try {
        DotazyUniZostavy::zmaz(m_data, IdVybranejZostavy);
    } catch (const DatabaseError& chyba) {
        DialogService::instance().error(u"Chyba: "_s + chyba.message());
        return;
    }
    DialogService::instance().information(u"Zostava je zmazaná"_s);
    m_data.ADOQueryUniZostavy->reopen();
}
