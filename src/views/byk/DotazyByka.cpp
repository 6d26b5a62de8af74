#include "DotazyByka.h"

#include "data/Query.h"
#include "data/TDataModuleHlavny.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The card's field names over the herd database: a bull's own row in zvierata, his row in byky
// (line, herdbook number, insemination), the line's name and his sire's line. A bull taken out
// of service is no longer a live one. The card's fields for which the database keeps nothing
// (Czech line, status, paternity tests) come empty.
const QStringList prikazByka = {
    u"SELECT z.zviera_id AS ANIMAL_ID, z.usnecislo AS ANIMALCODE, z.meno AS NAME,"_s,
    u"  b.linia AS LINE, b.register AS REGISTER, li.nazov AS LINE_NAME,"_s,
    u"  b.hb_cislo AS HERDBOOK_NUMBER, z.plemenna_kniha_id AS HB_ID,"_s,
    u"  z.datumnarodenia AS BORNDATE, z.plemeno_id AS RACE_ID, pl.nazov AS FULLNAME,"_s,
    u"  z.farba_id AS COLOR_ID, o.usnecislo AS FATHER, bo.linia AS FATHER_LINE,"_s,
    u"  bo.register AS FATHER_REGISTER, m.usnecislo AS MOTHER, pt.nazov AS `USE`,"_s,
    u"  z.et AS ET, z.import AS IMPORTED,"_s,
    u"  IF(z.datumumrtia IS NULL AND b.datumvyradenia IS NULL, 1, 0) AS LIVE,"_s,
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

// The lines of the boxes of the progeny test under the pedigree. KDV gives the bull's breeding
// values for production from his latest evaluation; the database keeps no results for KDD and
// KDM, and a box says so rather than stand empty.
const QString bezHodnoty = u"'bez hodnoty'"_s;

QString hodnota(const QString& stlpec, int desatiny) {
    return u"concat(IF(ph.%1 < 0, '−', '+'), format(abs(ph.%1), %2, 'sk_SK'))"_s.arg(stlpec).arg(
        desatiny);
}

QStringList prikazKontrolyDedicnosti(const QStringList& riadky) {
    QStringList prikaz{u"SELECT"_s};
    for (qsizetype i = 0; i < riadky.size(); ++i)
        prikaz << u"  %1 AS LINE%2%3"_s.arg(riadky[i]).arg(i + 1).arg(
            i + 1 < riadky.size() ? u","_s : QString());
    prikaz << u"FROM zvierata z"_s
           << u"  LEFT JOIN plemenne_hodnoty ph ON ph.zviera_id = z.zviera_id"_s
           << u"WHERE z.usnecislo = :UsneCislo"_s;
    return prikaz;
}

const QStringList prikazKDV = prikazKontrolyDedicnosti({
    u"IF(ph.zviera_id IS NULL, "_s + bezHodnoty + u", concat('mlieko ', "_s +
        hodnota(u"ph_mlieko"_s, 0) + u", ' kg, tuk ', "_s + hodnota(u"ph_tuk_kg"_s, 1) +
        u", ' kg ', "_s + hodnota(u"ph_tuk_perc"_s, 2) + u", ' %'))"_s,
    u"IF(ph.zviera_id IS NULL, NULL, concat('bielkovina ', "_s + hodnota(u"ph_bielkovina_kg"_s, 1) +
        u", ' kg ', "_s + hodnota(u"ph_bielkovina_perc"_s, 2) +
        u", ' %, spoľ. ', ph.spolahlivost, ' %'))"_s,
});
const QStringList prikazBezHodnoty = prikazKontrolyDedicnosti({bezHodnoty, u"NULL"_s, u"NULL"_s});

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

} // namespace

Query* DotazyByka::vytvorByka(TDataModuleHlavny& data, QObject* vlastnik) {
    return dotaz(data, vlastnik, u"ADOQueryByk"_s, prikazByka, poliaByka());
}

Query* DotazyByka::vytvorRodokmen(TDataModuleHlavny& data, QObject* vlastnik) {
    return dotaz(data, vlastnik, u"ADOQueryRodokmenByka"_s, prikazRodokmena);
}

Query* DotazyByka::vytvorKontroluDedicnosti(TDataModuleHlavny& data, QObject* vlastnik,
                                            const QString& skupina) {
    return dotaz(data, vlastnik, u"ADOQuery"_s + skupina,
                 skupina == u"KDV"_s ? prikazKDV : prikazBezHodnoty);
}

void DotazyByka::otvor(const QList<Query*>& dotazy, const QString& usneCislo) {
    for (Query* dotaz : dotazy)
        dotaz->reopen({{u"UsneCislo"_s, usneCislo}});
}
