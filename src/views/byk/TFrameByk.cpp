#include "TFrameByk.h"

#include "DotazyByka.h"
#include "data/TDataModuleHlavny.h"
#include "views/SkupinaUdajov.h"
#include "views/StromRodokmena.h"
#include "widgets/DBCheckBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/DBRadioGroup.h"
#include "widgets/PageControl.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int sirkaRiadkuKD = 220;

DBLookupComboBox* zoznam(QWidget* rodic, const QString& meno, Dataset* data, const QString& pole,
                         Dataset* polozky, const QString& kluc, const QString& zobrazene) {
    auto* zoznam = new DBLookupComboBox(rodic);
    zoznam->setObjectName(meno);
    zoznam->setListSource(polozky, kluc, zobrazene);
    zoznam->setDataSource(data, pole);
    zoznam->setMinimumWidth(140);
    zoznam->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return zoznam;
}

} // namespace

TFrameByk::TFrameByk(TDataModuleHlavny& data, QWidget* parent)
    : KomponentyRamca(data, u"PageControlByk"_s, parent)
    , ADOQueryByk(DotazyByka::vytvorByka(data, this))
    , ADOQueryRodokmenByka(DotazyByka::vytvorRodokmen(data, this)) {
    PageControlByk = zalozky();
    TabSheetByk = PageControlByk->addPage(u"TabSheetByk"_s, u"&Býk"_s);
    TabSheetRodokmen = PageControlByk->addPage(u"TabSheetRodokmen"_s, u"&Rodokmeň"_s);
    vytvorStranuByka();
    vytvorStranuRodokmena();
}

void TFrameByk::vytvorStranuByka() {
    auto* rozlozenie = new QVBoxLayout(TabSheetByk);
    rozlozenie->setContentsMargins(4, 4, 4, 4);
    rozlozenie->setSpacing(4);

    auto* byk = new SkupinaUdajov(u"Býk"_s, ADOQueryByk, 6, TabSheetByk);
    byk->setObjectName(u"GroupBoxByk"_s);
    byk->pridajPolia(u"Ušné číslo"_s, {u"ANIMALCODE"_s});
    auto* zoznamZvierat = zoznam(byk, u"DBLookupComboBoxAnimalId"_s, ADOQueryByk, u"ANIMAL_ID"_s,
                                 ADOQueryByk, u"ANIMAL_ID"_s, u"ANIMALCODE"_s);
    zoznamZvierat->setEnabled(false);
    byk->pridaj({}, {zoznamZvierat});
    byk->pridajPolia(u"Meno"_s, {u"NAME"_s});
    byk->pridajPolia(u"Línia + register"_s, {u"LINE"_s, u"REGISTER"_s});
    byk->pridajPolia(u"Názov línie býka"_s, {u"LINE_NAME"_s});
    byk->pridajPolia(u"Typ"_s, {u"CATEGORY"_s});
    byk->pridajPolia(u"Česká línia + register"_s, {u"CZECH_LINE"_s, u"CZECH_REGISTER"_s});
    byk->pridajPolia(u"Ev. číslo PK"_s, {u"HERDBOOK_NUMBER"_s});
    byk->pridaj(u"PK"_s, {zoznam(byk, u"DBLookupComboBoxPK"_s, ADOQueryByk, u"HB_ID"_s,
                                 m_data.ADOTablePlemenneKnihy, u"plemenna_kniha_id"_s, u"kod"_s)});
    byk->pridajPolia(u"Dátum nar."_s, {u"BORNDATE"_s});
    byk->pridaj(u"Plemeno"_s, {zoznam(byk, u"DBLookupComboBoxPlemeno"_s, ADOQueryByk, u"RACE_ID"_s,
                                      ADOQueryByk, u"RACE_ID"_s, u"FULLNAME"_s)});
    byk->pridaj(u"Farba"_s, {zoznam(byk, u"DBLookupComboBoxFarba"_s, ADOQueryByk, u"COLOR_ID"_s,
                                    m_data.ADOTableFarby, u"farba_id"_s, u"nazov"_s)});
    byk->pridajPolia(u"O - UC"_s, {u"FATHER"_s});
    byk->pridajPolia(u"O - línia + register"_s, {u"FATHER_LINE"_s, u"FATHER_REGISTER"_s});
    byk->pridajPolia(u"M - UC"_s, {u"MOTHER"_s});
    byk->pridajPolia(u"Užitkový typ"_s, {u"USE"_s});
    const auto zaskrtnutie = [&](const QString& meno, const QString& popis, const QString& pole) {
        auto* pole_ = new DBCheckBox(popis, byk);
        pole_->setObjectName(meno);
        pole_->setDataSource(ADOQueryByk, pole);
        return pole_;
    };
    DBCheckBoxET = zaskrtnutie(u"DBCheckBoxET"_s, u"ET"_s, u"ET"_s);
    DBCheckBoxImport = zaskrtnutie(u"DBCheckBoxImport"_s, u"Import"_s, u"IMPORTED"_s);
    DBCheckBoxZive = zaskrtnutie(u"DBCheckBoxZive"_s, u"Živé"_s, u"LIVE"_s);
    byk->pridaj({}, {DBCheckBoxET, DBCheckBoxImport, DBCheckBoxZive});
    DBRadioGroupZaradenyDo =
        new DBRadioGroup(u"Zaradený do"_s, {{u"INS"_s, u"I"_s}, {u"PPL"_s, u"-"_s}}, 2, byk);
    DBRadioGroupZaradenyDo->setObjectName(u"DBRadioGroupZaradenyDo"_s);
    DBRadioGroupZaradenyDo->setDataSource(ADOQueryByk, u"INSEM"_s);
    byk->pridaj({}, {DBRadioGroupZaradenyDo});
    rozlozenie->addWidget(byk);

    auto* skladba = new SkupinaUdajov(u"Plemenná skladba"_s, ADOQueryByk, 5, TabSheetByk);
    skladba->setObjectName(u"GroupBoxPlemennaSkladba"_s);
    for (int i = 1; i <= 5; ++i)
        skladba->pridajPolia(u"PL%1"_s.arg(i), {u"R%1"_s.arg(i), u"R%1_RATE"_s.arg(i)});
    rozlozenie->addWidget(skladba);

    auto* ine = new SkupinaUdajov(u"Iné"_s, ADOQueryByk, 4, TabSheetByk);
    ine->setObjectName(u"GroupBoxIne"_s);
    ine->pridajPolia(u"Vyradený"_s, {u"DISCARDED"_s});
    ine->pridajPolia(u"Dátum vyradenia"_s, {u"DISCARD_DATE"_s});
    ine->pridajPolia(u"Dátum evidencie"_s, {u"INSERTED"_s});
    ine->pridaj(u"Stav"_s, {zoznam(ine, u"DBLookupComboBoxStav"_s, ADOQueryByk, u"STATUS"_s,
                                   nullptr, u"STATUS_ID"_s, u"DESCRIPTION"_s)});
    rozlozenie->addWidget(ine);

    auto* testy = new SkupinaUdajov(u"Paternita a zdravotné testy"_s, ADOQueryByk, 5, TabSheetByk);
    testy->setObjectName(u"GroupBoxPaternita"_s);
    testy->pridajPolia(u"Krvný rozbor"_s, {u"RESULT"_s});
    testy->pridajPolia(u"Dátum KR"_s, {u"PERFORMED"_s});
    auto* krajina = zoznam(testy, u"DBLookupComboBoxKrajinaKR"_s, ADOQueryByk, u"COUNTRY_ID"_s,
                           nullptr, u"COUNTRY_ID"_s, u"COUNTRYNAME"_s);
    krajina->setEnabled(false);
    testy->pridaj(u"Krajina KR"_s, {krajina});
    testy->pridajPolia(u"ZT"_s, {u"CLASS"_s});
    testy->pridajPolia(u"Plemenárske opatrenia"_s, {u"MEASURES"_s});
    QList<QWidget*> ovladace = {krajina};
    for (DBEdit* edit : testy->findChildren<DBEdit*>())
        ovladace.append(edit);
    for (QWidget* ovladac : ovladace) {
        QPalette farby = ovladac->palette();
        farby.setColor(QPalette::Base, farby.color(QPalette::Button));
        ovladac->setPalette(farby);
    }
    rozlozenie->addWidget(testy);
    rozlozenie->addStretch();
}

void TFrameByk::vytvorStranuRodokmena() {
    QStringList polia;
    // From the ancestor downwards (MO) to the card's names from the animal outwards (FM).
    for (const QString& kod : StromRodokmena::kody()) {
        QString pole;
        for (auto pismeno = kod.crbegin(); pismeno != kod.crend(); ++pismeno)
            pole += *pismeno == u'O' ? u'F' : u'M';
        polia.append(pole);
    }
    auto* rozlozenie = new QVBoxLayout(TabSheetRodokmen);
    rozlozenie->addWidget(
        new StromRodokmena(ADOQueryRodokmenByka, polia, u" - UC"_s, TabSheetRodokmen), 0,
        Qt::AlignTop | Qt::AlignLeft);

    auto* riadky = new QHBoxLayout;
    for (const auto& [nazov, pocet] : {std::pair{u"KDV"_s, 2}, {u"KDD"_s, 2}, {u"KDM"_s, 3}}) {
        Query* riadkySkupiny = DotazyByka::vytvorKontroluDedicnosti(m_data, this, nazov);
        m_kontrolaDedicnosti.append(riadkySkupiny);
        auto* skupina = new SkupinaUdajov(nazov, riadkySkupiny, 1, TabSheetRodokmen, nazov);
        skupina->setObjectName(u"GroupBox"_s + nazov);
        for (int riadok = 1; riadok <= pocet; ++riadok)
            for (DBEdit* edit : skupina->pridajPolia({}, {u"LINE%1"_s.arg(riadok)})) {
                edit->setFrame(false);
                edit->setFixedWidth(sirkaRiadkuKD);
            }
        riadky->addWidget(skupina);
    }
    rozlozenie->addLayout(riadky);
    rozlozenie->addStretch();
}

void TFrameByk::ukazVyber(const QString& usneCislo) {
    NacitajByka(usneCislo);
}

void TFrameByk::NacitajByka(const QString& usneCislo) {
    m_data.ADOTablePlemenneKnihy->open();
    m_data.ADOTableFarby->open();
    DotazyByka::otvor(QList<Query*>{ADOQueryByk, ADOQueryRodokmenByka} + m_kontrolaDedicnosti,
                      usneCislo);
}
