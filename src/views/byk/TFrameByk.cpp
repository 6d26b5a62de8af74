#include "TFrameByk.h"

#include "widgets/DBCheckBox.h"
#include "widgets/DBRadioGroup.h"
#include "widgets/PageControl.h"
#include "views/SkupinaUdajov.h"
#include "views/StromRodokmena.h"
#include "data/TDataModuleHlavny.h"
#include "widgets/DBEdit.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/DesignFont.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int sirkaRiadkuKD = 220;

// The card's field names over the herd database: a bull's own row in zvierata, his row in byky
// (line, herdbook number, insemination), the line's name and his sire's line. The card's
// fields for which the database keeps nothing (Czech line, status, paternity tests) come empty.
const QStringList prikazByka = {
    u"SELECT z.zviera_id AS ANIMAL_ID, z.usnecislo AS ANIMALCODE, z.meno AS NAME,"_s,
    u"  b.linia AS LINE, b.register AS REGISTER, li.nazov AS LINE_NAME,"_s,
    u"  b.hb_cislo AS HERDBOOK_NUMBER, z.plemenna_kniha_id AS HB_ID,"_s,
    u"  z.datumnarodenia AS BORNDATE, z.plemeno_id AS RACE_ID, pl.nazov AS FULLNAME,"_s,
    u"  z.farba_id AS COLOR_ID, o.usnecislo AS FATHER, bo.linia AS FATHER_LINE,"_s,
    u"  bo.register AS FATHER_REGISTER, m.usnecislo AS MOTHER, pt.nazov AS `USE`,"_s,
    u"  z.et AS ET, z.import AS IMPORTED, IF(z.datumumrtia IS NULL, 1, 0) AS LIVE,"_s,
    u"  b.inseminacny AS INSEM,"_s,
    u"  z.plemeno1 AS R1, z.krv1 AS R1_RATE, z.plemeno2 AS R2, z.krv2 AS R2_RATE,"_s,
    u"  z.plemeno3 AS R3, z.krv3 AS R3_RATE, z.plemeno4 AS R4, z.krv4 AS R4_RATE,"_s,
    u"  z.plemeno5 AS R5, z.krv5 AS R5_RATE,"_s,
    u"  CASE WHEN b.byk_id IS NULL THEN NULL WHEN b.datumvyradenia IS NULL THEN 'nie'"_s,
    u"    ELSE 'áno' END AS DISCARDED,"_s,
    u"  b.datumvyradenia AS DISCARD_DATE, z.vlozene AS INSERTED,"_s,
    u"  NULL AS CATEGORY, NULL AS CZECH_LINE, NULL AS CZECH_REGISTER, NULL AS STATUS,"_s,
    u"  NULL AS RESULT, NULL AS PERFORMED, NULL AS COUNTRY_ID, NULL AS CLASS, NULL AS MEASURES"_s,
    u"FROM zvierata z"_s,
    u"  LEFT JOIN byky b ON b.byk_id = z.zviera_id"_s,
    u"  LEFT JOIN linie li ON li.linia_id = b.linia_id"_s,
    u"  LEFT JOIN plemena pl ON pl.plemeno_id = z.plemeno_id"_s,
    u"  LEFT JOIN zvierata o ON o.zviera_id = z.otec_id"_s,
    u"  LEFT JOIN byky bo ON bo.byk_id = z.otec_id"_s,
    u"  LEFT JOIN zvierata m ON m.zviera_id = z.matka_id"_s,
    u"  LEFT JOIN plemenne_typy pt ON pt.plemenny_typ_id = z.plemenny_typ_id"_s,
    u"WHERE z.usnecislo = :UsneCislo"_s,
};

// The card names an ancestor from the animal outwards (FM the father's mother), the pedigree
// view from the ancestor downwards (MO).
const QStringList prikazRodokmena = {
    u"SELECT O AS F, M, OO AS FF, MO AS FM, OM AS MF, MM,"_s,
    u"  OOO AS FFF, MOO AS FFM, OMO AS FMF, MMO AS FMM,"_s,
    u"  OOM AS MFF, MOM AS MFM, OMM AS MMF, MMM"_s,
    u"FROM rodokmen_view"_s,
    u"WHERE usnecislo = :UsneCislo"_s,
};

QList<FieldDef> poliaByka() {
    using F = FieldDef;
    QList<FieldDef> polia = {F::integer(u"ANIMAL_ID"_s),
                             F::text(u"ANIMALCODE"_s, 14),
                             F::text(u"NAME"_s, 40),
                             F::fixedText(u"LINE"_s, 3),
                             F::text(u"REGISTER"_s, 3),
                             F::text(u"LINE_NAME"_s, 50),
                             F::text(u"CATEGORY"_s, 10),
                             F::fixedText(u"CZECH_LINE"_s, 3),
                             F::text(u"CZECH_REGISTER"_s, 3),
                             F::text(u"HERDBOOK_NUMBER"_s, 12),
                             F::integer(u"HB_ID"_s),
                             F::date(u"BORNDATE"_s),
                             F::integer(u"RACE_ID"_s),
                             F::text(u"FULLNAME"_s, 50),
                             F::integer(u"COLOR_ID"_s),
                             F::text(u"FATHER"_s, 14),
                             F::fixedText(u"FATHER_LINE"_s, 3),
                             F::text(u"FATHER_REGISTER"_s, 3),
                             F::text(u"MOTHER"_s, 14),
                             F::text(u"USE"_s, 50),
                             F::smallInt(u"ET"_s),
                             F::smallInt(u"IMPORTED"_s),
                             F::smallInt(u"LIVE"_s),
                             F::fixedText(u"INSEM"_s, 1),
                             F::text(u"DISCARDED"_s, 3),
                             F::date(u"DISCARD_DATE"_s),
                             F::date(u"INSERTED"_s),
                             F::integer(u"STATUS"_s),
                             F::text(u"RESULT"_s, 20),
                             F::date(u"PERFORMED"_s),
                             F::integer(u"COUNTRY_ID"_s),
                             F::fixedText(u"CLASS"_s, 3),
                             F::text(u"MEASURES"_s, 40)};
    for (int i = 1; i <= 5; ++i)
        polia += {F::fixedText(u"R%1"_s.arg(i), 2), F::decimal(u"R%1_RATE"_s.arg(i), 5, 1)};
    return polia;
}

Query* dotaz(TDataModuleHlavny& data, QObject* vlastnik, const QString& meno,
             const QStringList& prikaz, const QList<FieldDef>& polia = {}) {
    auto* dotaz = new Query(data.ADOConnectionTarvelin, vlastnik);
    dotaz->setObjectName(meno);
    dotaz->setSql(prikaz);
    dotaz->setDeclaredFields(polia);
    return dotaz;
}

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
    : QFrame(parent)
    , ADOQueryByk(dotaz(data, this, u"ADOQueryByk"_s, prikazByka, poliaByka()))
    , ADOQueryRodokmenByka(dotaz(data, this, u"ADOQueryRodokmenByka"_s, prikazRodokmena))
    , m_data(data) {
    // The window's design font, for which the designed column widths are made.
    setFont(DesignFont::make(u"MS Sans Serif"_s, 11));
    PageControlByk = new PageControl(this);
    PageControlByk->setObjectName(u"PageControlByk"_s);
    TabSheetByk = PageControlByk->addPage(u"TabSheetByk"_s, u"&Býk"_s);
    TabSheetRodokmen = PageControlByk->addPage(u"TabSheetRodokmen"_s, u"&Rodokmeň"_s);
    vytvorStranuByka();
    vytvorStranuRodokmena();

    auto* rozlozenie = new QVBoxLayout(this);
    rozlozenie->setContentsMargins(0, 0, 0, 0);
    rozlozenie->addWidget(PageControlByk);
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
        auto* skupina = new SkupinaUdajov(nazov, ADOQueryRodokmenByka, 1, TabSheetRodokmen, nazov);
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

void TFrameByk::zobrazPrvuZalozku() {
    PageControlByk->setCurrentIndex(0);
}

void TFrameByk::NacitajByka(const QString& usneCislo) {
    m_data.ADOTablePlemenneKnihy->open();
    m_data.ADOTableFarby->open();
    for (Query* dotaz : {ADOQueryByk, ADOQueryRodokmenByka}) {
        dotaz->close();
        dotaz->setParameter(u"UsneCislo"_s, usneCislo);
        dotaz->open();
    }
}
