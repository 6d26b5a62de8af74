#include "MainDatasetFields.h"

using namespace Qt::Literals::StringLiterals;

namespace MainDatasetFields {

namespace {

using F = FieldDef;

/// Breeds and blood shares as every animal view carries them.
QList<FieldDef> plemena() {
    return {F::fixedText(u"plemeno1"_s, 2), F::decimal(u"krv1"_s, 5, 1),
            F::fixedText(u"plemeno2"_s, 2), F::decimal(u"krv2"_s, 5, 1),
            F::fixedText(u"plemeno3"_s, 2), F::decimal(u"krv3"_s, 5, 1),
            F::fixedText(u"plemeno4"_s, 2), F::decimal(u"krv4"_s, 5, 1),
            F::fixedText(u"plemeno5"_s, 2)};
}

} // namespace

QList<FieldDef> zvierata() {
    QList<FieldDef> fields = {F::integer(u"zviera_id"_s), F::text(u"usnecislo"_s, 14),
                              F::text(u"meno"_s, 40), F::date(u"datumnarodenia"_s),
                              F::text(u"chov_narodenia"_s, 20)};
    fields += plemena();
    fields += {F::fixedText(u"linia"_s, 3), F::text(u"register"_s, 3), F::text(u"otec"_s, 14),
               F::text(u"matka"_s, 14), F::text(u"dovod"_s, 50)};
    return fields;
}

QList<FieldDef> krava() {
    QList<FieldDef> fields = {F::integer(u"zviera_id"_s),
                              F::integer(u"otec_id"_s),
                              F::integer(u"matka_id"_s),
                              F::integer(u"plemeno_id"_s),
                              F::integer(u"farba_id"_s),
                              F::integer(u"plemenna_kniha_id"_s),
                              F::integer(u"plemenny_typ_id"_s),
                              F::text(u"usnecislo"_s, 14),
                              F::text(u"meno"_s, 40),
                              F::smallInt(u"vlastne"_s),
                              F::date(u"datumnarodenia"_s),
                              F::date(u"datumumrtia"_s),
                              F::fixedText(u"pohlavie"_s, 1),
                              F::smallInt(u"import"_s),
                              F::smallInt(u"et"_s),
                              F::text(u"chovatel"_s, 9),
                              F::text(u"chov_narodenia"_s, 20)};
    fields += plemena();
    fields += {F::dateTime(u"vlozene"_s),
               F::dateTime(u"zmenene"_s),
               F::integer(u"krava_id"_s),
               F::integer(u"dovod_vyradenia_id"_s),
               F::smallInt(u"plemenna"_s),
               F::date(u"datumzaradenia"_s),
               F::date(u"datumvyradenia"_s),
               F::date(u"datumposkontroly"_s),
               F::fixedText(u"skupina"_s, 2),
               F::fixedText(u"mb"_s, 1),
               F::fixedText(u"zdravotna_trieda"_s, 1),
               F::fixedText(u"trieda_uzitkovosti"_s, 3),
               F::smallInt(u"por_preb_laktacie"_s),
               F::smallInt(u"por_max_laktacie"_s),
               F::smallInt(u"pocet_laktacii"_s),
               F::smallInt(u"pocet_norm_laktacii"_s),
               F::floating(u"mlieko_max"_s).shown(u"###0"_s),
               F::floating(u"tuk_max"_s).shown(u"##0"_s),
               F::floating(u"bielkovina_max"_s).shown(u"##0"_s),
               F::floating(u"laktoza_max"_s).shown(u"##0"_s),
               F::floating(u"mlieko_priem"_s).shown(u"###0"_s),
               F::floating(u"tuk_priem_kg"_s).shown(u"##0"_s),
               F::floating(u"tuk_priem_perc"_s).shown(u"#0.00"_s),
               F::floating(u"bielkovina_priem_kg"_s).shown(u"##0"_s),
               F::floating(u"bielkovina_priem_perc"_s).shown(u"#0.00"_s),
               F::floating(u"laktoza_priem_kg"_s).shown(u"##0"_s),
               F::floating(u"laktoza_priem_perc"_s).shown(u"#0.00"_s),
               F::text(u"dovod"_s, 50),
               F::text(u"otec"_s, 14),
               F::fixedText(u"linia"_s, 3),
               F::text(u"register"_s, 3),
               F::text(u"matka"_s, 14),
               F::fixedText(u"plemenny_typ"_s, 2),
               F::fixedText(u"plemenny_typ_skratka"_s, 2),
               F::text(u"nazov"_s, 50)};
    return fields;
}

QList<FieldDef> kontrolyMlieka(bool prepocetZobrazeny) {
    QList<FieldDef> fields = {F::integer(u"kontrola_id"_s),
                              F::text(u"usnecislo"_s, 14),
                              F::date(u"datum"_s),
                              F::smallInt(u"poradie_preb_laktacie"_s),
                              F::fixedText(u"typ"_s, 1),
                              F::fixedText(u"denna_doba"_s, 1),
                              F::fixedText(u"interval_kontroly"_s, 1),
                              F::floating(u"mlieko"_s).shown(u"####0.00"_s),
                              F::floating(u"tuk"_s).shown(u"###0.00"_s).asReadOnly(),
                              F::floating(u"tuk_perc"_s).shown(u"#0.00"_s),
                              F::floating(u"bielkovina"_s).shown(u"##0.00"_s).asReadOnly(),
                              F::floating(u"bielkovina_perc"_s).shown(u"#0.00"_s),
                              F::floating(u"laktoza"_s).shown(u"###0.00"_s).asReadOnly(),
                              F::floating(u"laktoza_perc"_s).shown(u"#0.00"_s),
                              F::floating(u"bun_elementy"_s).shown(u"###0"_s),
                              F::integer(u"krava_id"_s),
                              F::text(u"chovatel"_s, 9),
                              F::fixedText(u"skupina"_s, 2),
                              F::smallInt(u"prepocet"_s),
                              F::floating(u"mlieko_prepocitane"_s),
                              F::floating(u"tuk_prepocitane"_s)};
    if (prepocetZobrazeny) {
        fields[19] = fields[19].shown(u"####0.00"_s);
        fields[20] = fields[20].shown(u"###0.00"_s);
    }
    return fields;
}

QList<FieldDef> laktacie(Laktacie variant) {
    QList<FieldDef> fields = {F::integer(u"laktacia_id"_s),
                              F::text(u"usnecislo"_s, 14),
                              F::text(u"meno"_s, 40),
                              F::text(u"otec"_s, 14),
                              F::fixedText(u"linia"_s, 3),
                              F::text(u"register"_s, 3),
                              F::text(u"matka"_s, 14),
                              F::smallInt(u"poradie"_s).shown(u"0"_s),
                              F::date(u"datumotelenia"_s),
                              F::text(u"chovatel"_s, 9),
                              F::text(u"chovatel_lakt"_s, 9),
                              F::fixedText(u"priebeh_porod"_s, 1),
                              F::fixedText(u"zmena"_s, 2),
                              F::date(u"ukoncenie"_s),
                              F::date(u"ukoncenie_norm_lakt"_s),
                              F::smallInt(u"medziobdobie"_s).shown(u"##0"_s),
                              F::floating(u"hmotnost_kravy"_s).shown(u"##0"_s),
                              F::smallInt(u"pocet_dni"_s).shown(u"##0"_s),
                              F::smallInt(u"pocet_dni_norm"_s).shown(u"##0"_s),
                              F::floating(u"mlieko_celk"_s).shown(u"####0"_s),
                              F::floating(u"mlieko_norm"_s).shown(u"####0"_s),
                              F::floating(u"tuk_celk"_s).shown(u"##0.00"_s),
                              F::floating(u"tuk_norm"_s).shown(u"##0.00"_s),
                              F::floating(u"bielkovina_celk"_s).shown(u"##0.00"_s),
                              F::floating(u"bielkovina_norm"_s).shown(u"##0.00"_s),
                              F::floating(u"laktoza_celk"_s).shown(u"##0.00"_s),
                              F::floating(u"laktoza_norm"_s).shown(u"##0.00"_s),
                              F::floating(u"index_perzistencie"_s).shown(u"##0"_s),
                              F::floating(u"index_laktacie"_s).shown(u"##0.0"_s),
                              F::fixedText(u"ustajnenie"_s, 1)};
    if (variant != Laktacie::Prebiehajuce)
        fields.append(F::fixedText(u"sposob_ku"_s, 1));
    fields.append(F::smallInt(u"maximalna"_s));
    if (variant == Laktacie::Kravy) {
        fields[1] = fields[1].asHidden();
        fields += {F::integer(u"krava_id"_s), F::text(u"usnecislotelata"_s, 14)};
    }
    return fields;
}

QList<FieldDef> rodokmen() {
    QList<FieldDef> fields = {F::integer(u"zviera_id"_s), F::text(u"usnecislo"_s, 14)};
    for (const QString& predok :
         {u"O"_s, u"M"_s, u"OO"_s, u"MO"_s, u"OM"_s, u"MM"_s, u"OOO"_s, u"MOO"_s, u"OMO"_s,
          u"MMO"_s, u"OOM"_s, u"MOM"_s, u"OMM"_s, u"MMM"_s})
        fields.append(F::text(predok, 14));
    return fields;
}

QList<FieldDef> vyradeneKravy() {
    return {F::integer(u"zviera_id"_s),   F::text(u"usnecislo"_s, 14),
            F::date(u"datumnarodenia"_s), F::date(u"datumzaradenia"_s),
            F::date(u"datumvyradenia"_s), F::text(u"dovod_vyradenia"_s, 50)};
}

QList<FieldDef> uniZostavy() {
    return {F::autoIncrement(u"zostava_id"_s).titled(u"Id"_s).asReadOnly(),
            F::text(u"nazov"_s, 50).titled(u"Názov"_s), F::text(u"popis"_s, 200).titled(u"Popis"_s),
            F::dateTime(u"modifikovana"_s).titled(u"Modifikácia"_s),
            F::text(u"sqlvyraz"_s, 1000).asHidden()};
}

} // namespace MainDatasetFields
