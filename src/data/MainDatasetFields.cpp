#include "MainDatasetFields.h"

namespace MainDatasetFields {

namespace {

using F = FieldDef;

QString s(const char* text) {
    return QString::fromUtf8(text);
}

/// Breeds and blood shares as every animal view carries them.
QList<FieldDef> plemena() {
    return {F::fixedText(s("plemeno1"), 2), F::decimal(s("krv1"), 5, 1),
            F::fixedText(s("plemeno2"), 2), F::decimal(s("krv2"), 5, 1),
            F::fixedText(s("plemeno3"), 2), F::decimal(s("krv3"), 5, 1),
            F::fixedText(s("plemeno4"), 2), F::decimal(s("krv4"), 5, 1),
            F::fixedText(s("plemeno5"), 2)};
}

} // namespace

QList<FieldDef> zvierata() {
    QList<FieldDef> fields = {F::integer(s("zviera_id")), F::text(s("usnecislo"), 14),
                              F::text(s("meno"), 40), F::date(s("datumnarodenia")),
                              F::text(s("chov_narodenia"), 20)};
    fields += plemena();
    fields += {F::fixedText(s("linia"), 3), F::text(s("register"), 3), F::text(s("otec"), 14),
               F::text(s("matka"), 14), F::text(s("dovod"), 50)};
    return fields;
}

QList<FieldDef> krava() {
    QList<FieldDef> fields = {F::integer(s("zviera_id")),
                              F::integer(s("otec_id")),
                              F::integer(s("matka_id")),
                              F::integer(s("plemeno_id")),
                              F::integer(s("farba_id")),
                              F::integer(s("plemenna_kniha_id")),
                              F::integer(s("plemenny_typ_id")),
                              F::text(s("usnecislo"), 14),
                              F::text(s("meno"), 40),
                              F::smallInt(s("vlastne")),
                              F::date(s("datumnarodenia")),
                              F::date(s("datumumrtia")),
                              F::fixedText(s("pohlavie"), 1),
                              F::smallInt(s("import")),
                              F::smallInt(s("et")),
                              F::text(s("chovatel"), 9),
                              F::text(s("chov_narodenia"), 20)};
    fields += plemena();
    fields += {F::dateTime(s("vlozene")),
               F::dateTime(s("zmenene")),
               F::integer(s("krava_id")),
               F::integer(s("dovod_vyradenia_id")),
               F::smallInt(s("plemenna")),
               F::date(s("datumzaradenia")),
               F::date(s("datumvyradenia")),
               F::date(s("datumposkontroly")),
               F::fixedText(s("skupina"), 2),
               F::fixedText(s("mb"), 1),
               F::fixedText(s("zdravotna_trieda"), 1),
               F::fixedText(s("trieda_uzitkovosti"), 3),
               F::smallInt(s("por_preb_laktacie")),
               F::smallInt(s("por_max_laktacie")),
               F::smallInt(s("pocet_laktacii")),
               F::smallInt(s("pocet_norm_laktacii")),
               F::floating(s("mlieko_max")).shown(s("###0")),
               F::floating(s("tuk_max")).shown(s("##0")),
               F::floating(s("bielkovina_max")).shown(s("##0")),
               F::floating(s("laktoza_max")).shown(s("##0")),
               F::floating(s("mlieko_priem")).shown(s("###0")),
               F::floating(s("tuk_priem_kg")).shown(s("##0")),
               F::floating(s("tuk_priem_perc")).shown(s("#0.00")),
               F::floating(s("bielkovina_priem_kg")).shown(s("##0")),
               F::floating(s("bielkovina_priem_perc")).shown(s("#0.00")),
               F::floating(s("laktoza_priem_kg")).shown(s("##0")),
               F::floating(s("laktoza_priem_perc")).shown(s("#0.00")),
               F::text(s("dovod"), 50),
               F::text(s("otec"), 14),
               F::fixedText(s("linia"), 3),
               F::text(s("register"), 3),
               F::text(s("matka"), 14),
               F::fixedText(s("plemenny_typ"), 2),
               F::fixedText(s("plemenny_typ_skratka"), 2),
               F::text(s("nazov"), 50)};
    return fields;
}

QList<FieldDef> kontrolyMlieka(bool prepocetZobrazeny) {
    QList<FieldDef> fields = {F::integer(s("kontrola_id")),
                              F::text(s("usnecislo"), 14),
                              F::date(s("datum")),
                              F::smallInt(s("poradie_preb_laktacie")),
                              F::fixedText(s("typ"), 1),
                              F::fixedText(s("denna_doba"), 1),
                              F::fixedText(s("interval_kontroly"), 1),
                              F::floating(s("mlieko")).shown(s("####0.00")),
                              F::floating(s("tuk")).shown(s("###0.00")).asReadOnly(),
                              F::floating(s("tuk_perc")).shown(s("#0.00")),
                              F::floating(s("bielkovina")).shown(s("##0.00")).asReadOnly(),
                              F::floating(s("bielkovina_perc")).shown(s("#0.00")),
                              F::floating(s("laktoza")).shown(s("###0.00")).asReadOnly(),
                              F::floating(s("laktoza_perc")).shown(s("#0.00")),
                              F::floating(s("bun_elementy")).shown(s("###0")),
                              F::integer(s("krava_id")),
                              F::text(s("chovatel"), 9),
                              F::fixedText(s("skupina"), 2),
                              F::smallInt(s("prepocet")),
                              F::floating(s("mlieko_prepocitane")),
                              F::floating(s("tuk_prepocitane"))};
    if (prepocetZobrazeny) {
        fields[19] = fields[19].shown(s("####0.00"));
        fields[20] = fields[20].shown(s("###0.00"));
    }
    return fields;
}

QList<FieldDef> laktacie(Laktacie variant) {
    QList<FieldDef> fields = {F::integer(s("laktacia_id")),
                              F::text(s("usnecislo"), 14),
                              F::text(s("meno"), 40),
                              F::text(s("otec"), 14),
                              F::fixedText(s("linia"), 3),
                              F::text(s("register"), 3),
                              F::text(s("matka"), 14),
                              F::smallInt(s("poradie")).shown(s("0")),
                              F::date(s("datumotelenia")),
                              F::text(s("chovatel"), 9),
                              F::text(s("chovatel_lakt"), 9),
                              F::fixedText(s("priebeh_porod"), 1),
                              F::fixedText(s("zmena"), 2),
                              F::date(s("ukoncenie")),
                              F::date(s("ukoncenie_norm_lakt")),
                              F::smallInt(s("medziobdobie")).shown(s("##0")),
                              F::floating(s("hmotnost_kravy")).shown(s("##0")),
                              F::smallInt(s("pocet_dni")).shown(s("##0")),
                              F::smallInt(s("pocet_dni_norm")).shown(s("##0")),
                              F::floating(s("mlieko_celk")).shown(s("####0")),
                              F::floating(s("mlieko_norm")).shown(s("####0")),
                              F::floating(s("tuk_celk")).shown(s("##0.00")),
                              F::floating(s("tuk_norm")).shown(s("##0.00")),
                              F::floating(s("bielkovina_celk")).shown(s("##0.00")),
                              F::floating(s("bielkovina_norm")).shown(s("##0.00")),
                              F::floating(s("laktoza_celk")).shown(s("##0.00")),
                              F::floating(s("laktoza_norm")).shown(s("##0.00")),
                              F::floating(s("index_perzistencie")).shown(s("##0")),
                              F::floating(s("index_laktacie")).shown(s("##0.0")),
                              F::fixedText(s("ustajnenie"), 1)};
    if (variant != Laktacie::Prebiehajuce)
        fields.append(F::fixedText(s("sposob_ku"), 1));
    fields.append(F::smallInt(s("maximalna")));
    if (variant == Laktacie::Kravy) {
        fields[1] = fields[1].asHidden();
        fields += {F::integer(s("krava_id")), F::text(s("usnecislotelata"), 14)};
    }
    return fields;
}

QList<FieldDef> rodokmen() {
    QList<FieldDef> fields = {F::integer(s("zviera_id")), F::text(s("usnecislo"), 14)};
    for (const char* predok :
         {"O", "M", "OO", "MO", "OM", "MM", "OOO", "MOO", "OMO", "MMO", "OOM", "MOM", "OMM", "MMM"})
        fields.append(F::text(s(predok), 14));
    return fields;
}

QList<FieldDef> vyradeneKravy() {
    return {F::integer(s("zviera_id")),   F::text(s("usnecislo"), 14),
            F::date(s("datumnarodenia")), F::date(s("datumzaradenia")),
            F::date(s("datumvyradenia")), F::text(s("dovod_vyradenia"), 50)};
}

QList<FieldDef> uniZostavy() {
    return {F::autoIncrement(s("zostava_id")).titled(s("Id")).asReadOnly(),
            F::text(s("nazov"), 50).titled(s("Názov")), F::text(s("popis"), 200).titled(s("Popis")),
            F::dateTime(s("modifikovana")).titled(s("Modifikácia")),
            F::text(s("sqlvyraz"), 1000).asHidden()};
}

} // namespace MainDatasetFields
