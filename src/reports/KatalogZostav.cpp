#include "KatalogZostav.h"

#include "RetazecKontrol.h"
#include "TDataModuleTabulky.h"

using namespace Qt::Literals::StringLiterals;

namespace {

using P = PolozkaKatalogu;
using Dotazy = std::vector<Query * TDataModuleTabulky::*>;

// The statements that rebuild the working tables, sent as they stand: the server compares
// table names without regard to case, so a drop may spell its table otherwise than the create.

// Report 4.A: the cows in milk by age.
const QStringList prikazy4A = {
    u"DROP TABLE IF EXISTS tab40v1;"_s,
    u"CREATE TABLE tab40v1 AS SELECT  p.chovatel, z.usnecislo, z.datumnarodenia,    "
    u"current_date, (Year(current_date) - year(z.datumnarodenia)) as VekR1,    "
    u"datediff(current_date , z.datumnarodenia) as Vek_Dni,    (datediff(current_date , "
    u"z.datumnarodenia))/365 as  Vek_roky,    truncate((datediff(current_date , "
    u"z.datumnarodenia))/365,0) as  VekR,    pl.poradie  FROM    prebiehajuce_laktacie pl, "
    u"kravy k, dovody_vyradenia d,    zvierata z, paramwOK p  WHERE    k.dovod_vyradenia_id = "
    u"d.dovod_vyradenia_id and d.kod = 00    and z.zviera_id = k.krava_id and pl.krava_id = "
    u"k.krava_id     and z.datumnarodenia is not  null     and (substring(z.chovatel,1,1) = "
    u"p.kraj or  p.kraj = 0)    and  (substring(z.chovatel,2,2) = p.okres or  p.okres = "
    u"00)     and (substring(z.chovatel,4,3) = p.podnik or  p.podnik = 000)     and  "
    u"(substring(z.chovatel,7,2) = p.chov or  p.chov = 00)     and (substring(z.chovatel,9,1) "
    u"= p.mastal or  p.mastal = 0) ORDER BY  VekR, pl.poradie;"_s};

// Report 6.A: the last closed lactations.
const QStringList prikazy6A = {
    u"DROP TABLE IF EXISTS tab60v1;"_s,
    u"create table tab60v1  AS  SELECT substring(z.chovatel,1,1)as kraj, p.chovatel, "
    u"l.zmena,    l.pocet_dni, l.pocet_dni_norm, l.mlieko_celk,    l.mlieko_norm, l.tuk_norm, "
    u"l.bielkovina_norm, z.datumnarodenia,    l.datumotelenia, l.medziobdobie, l.poradie  "
    u"FROM    laktacie l, kravy k, dovody_vyradenia d, zvierata z, paramwOK p WHERE   "
    u"k.dovod_vyradenia_id = d.dovod_vyradenia_id     AND d.kod = 00    AND z.zviera_id = "
    u"k.krava_id    AND l.krava_id = k.krava_id    AND l.poradie = (SELECT max(ll.poradie) "
    u"FROM laktacie ll WHERE ll.krava_id = k.krava_id)    AND (substring(z.chovatel,1,1) = "
    u"p.kraj or  p.kraj = 0)    AND (substring(z.chovatel,2,2) = p.okres or  p.okres = 00)    "
    u"AND (substring(z.chovatel,4,3) = p.podnik or  p.podnik = 000)    AND "
    u"(substring(z.chovatel,7,2) = p.chov or  p.chov = 00)    AND (substring(z.chovatel,9,1) "
    u"= p.mastal or  p.mastal = 0) ORDER BY l.poradie; "_s};

// Report 9.C: the last closed lactations that are not the first.
const QStringList prikazy9C = {
    u"DROP TABLE IF EXISTS tab9B0v1;"_s,
    u"create table tab9b0v1 SELECT  p.chovatel, z.usnecislo, l.medziobdobie, l.poradie, "
    u"l.zmena,      l.pocet_dni, l.mlieko_celk, l.pocet_dni_norm, l.mlieko_norm  from "
    u"laktacie l, kravy k, dovody_vyradenia d, zvierata z,paramwOK p where "
    u"(substring(z.chovatel,1,1) = p.kraj or  p.kraj = 0)     and  (substring(z.chovatel,2,2) "
    u"= p.okres or  p.okres = 00)     and  (substring(z.chovatel,4,3) = p.podnik or  p.podnik "
    u"= 000)     and  (substring(z.chovatel,7,2) = p.chov or  p.chov = 00)     and  "
    u"(substring(z.chovatel,9,1) = p.mastal or  p.mastal = 0)     and  k.dovod_vyradenia_id = "
    u"d.dovod_vyradenia_id      and d.kod = 00 and z.zviera_id = k.krava_id      and "
    u"l.krava_id = k.krava_id     and  l.poradie = (select max(ll.poradie)     from laktacie "
    u"ll where ll.krava_id = k.krava_id and l.poradie > 01) order by l.poradie, "
    u"l.medziobdobie; "_s};

// Reports 17.A to 17.D: the lactations in milk.
const QStringList prikazy17 = {
    u"DROP TABLE IF EXISTS tab170v0;"_s,
    u"CREATE TABLE tab170v0 SELECT  z.otec_id, z.usnecislo, p.chovatel, pl.poradie, "
    u"pl.pocet_dni,    pl. mlieko_celk, pl. tuk_celk, pl.bielkovina_celk,      "
    u"pl.mlieko_celk/pl.pocet_dni as Priem_mlieko,    pl.tuk_celk/pl.mlieko_celk * 100 as "
    u"Perc_tuk,    pl.bielkovina_celk/pl.mlieko_celk * 100 from   kravy k, zvierata z, "
    u"dovody_vyradenia d, prebiehajuce_laktacie pl,    paramwOK p where z.zviera_id = "
    u"k.krava_id    and k.dovod_vyradenia_id = d.dovod_vyradenia_id    and d.kod = 00 and "
    u"k.krava_id = pl.krava_id    and (substring(z.chovatel,1,1) = p.kraj or  p.kraj = 0)    "
    u"and (substring(z.chovatel,2,2) = p.okres or  p.okres = 00)    and "
    u"(substring(z.chovatel,4,3) = p.podnik or  p.podnik = 000)    and "
    u"(substring(z.chovatel,7,2) = p.chov or  p.chov = 00)    and (substring(z.chovatel,9,1) "
    u"= p.mastal or  p.mastal = 0);"_s};

// Reports 7.A and 7.AA: the last closed lactations.
const QStringList prikazy7A = {
    u"DROP TABLE IF EXISTS tab7A0v1;"_s,
    u"create table tab7a0v1  SELECT  p.chovatel, z.usnecislo, l.zmena,  l.mlieko_norm, "
    u"l.mlieko_celk, l.poradie  from laktacie l, kravy k, dovody_vyradenia d, zvierata z, "
    u"paramwOK p where (substring(z.chovatel,1,1) = p.kraj or  p.kraj = 0)    and  "
    u"(substring(z.chovatel,2,2) = p.okres or  p.okres = 00)    and  "
    u"(substring(z.chovatel,4,3) = p.podnik or  p.podnik = 000)    and  "
    u"(substring(z.chovatel,7,2) = p.chov or  p.chov = 00)    and  (substring(z.chovatel,9,1) "
    u"= p.mastal or  p.mastal = 0)    and  k.dovod_vyradenia_id = d.dovod_vyradenia_id    "
    u"and  d.kod = 00 and z.zviera_id = k.krava_id     and  l.krava_id = k.krava_id     and  "
    u"l.poradie  = (select max(ll.poradie) from laktacie ll                        where "
    u"ll.krava_id = k.krava_id)  order by l.poradie; "_s};

// Report 8: the maximum lactations and the sires' lines and registers. A cow without a
// sire, or with one the table of bulls lacks, is kept once with no line or register.
const QStringList prikazy8 = {
    u"DROP TABLE IF EXISTS tab80v0;"_s,
    u"create table tab80v0 SELECT  z.otec_id, z.usnecislo, p.chovatel, k.por_preb_laktacie, "
    u"k.por_max_laktacie , l.medziobdobie, l.index_laktacie, l.poradie, k.mlieko_max, "
    u"k.tuk_max, k.bielkovina_max, (k.tuk_max + k.bielkovina_max) as tuk_bielk_max, "
    u"(k.tuk_max/k.mlieko_max)*100 as tuk_perc, (k.bielkovina_max/k.mlieko_max)*100 as "
    u"bielkovina_perc, ((k.tuk_max + k.bielkovina_max)/k.mlieko_max)*100 as tuk_bielk_perc, "
    u"k.trieda_uzitkovosti, z.plemeno1, z.krv1, z.plemeno2, z.krv2, z.plemeno3, z.krv3, "
    u"z.plemeno4, z.krv4 from  laktacie l, kravy k, zvierata z, dovody_vyradenia d, paramwOK "
    u"p where z.zviera_id = k.krava_id and k.dovod_vyradenia_id = d.dovod_vyradenia_id       "
    u"and d.kod = 00 and k.krava_id = l.krava_id and l.poradie = k.por_max_laktacie       and "
    u"(substring(z.chovatel,1,1) = p.kraj or  p.kraj = 0)       and "
    u"(substring(z.chovatel,2,2) = p.okres or  p.okres = 00)       and "
    u"(substring(z.chovatel,4,3) = p.podnik or  p.podnik = 000)       and "
    u"(substring(z.chovatel,7,2) = p.chov or  p.chov = 00)       and "
    u"(substring(z.chovatel,9,1) = p.mastal or  p.mastal = 0) "_s,
    u"DROP TABLE IF EXISTS tab80v1; "_s,
    u"create table tab80v1 SELECT  t.*, b.linia_id, b.register from  tab80v0 t left join byky "
    u"b  on  (t.otec_id = b.byk_id) "_s};

// Report 10.A: the test days of the period, with a somatic cell count and all of them. A test
// belongs to the calving before it: a test of the period that came before the current lactation
// counts its days from the calving of its own lactation. The cow's closed lactations are found
// by her key whatever the statistics of a freshly loaded table say.
const QString oteleniePredKontrolou =
    u"(case when pl.datumotelenia <= ko.datum then pl.datumotelenia else (select "
    u"max(l.datumotelenia) from laktacie l force index (uk_laktacie_krava) where l.krava_id = "
    u"ko.krava_id and l.datumotelenia <= ko.datum) end)"_s;
const QStringList prikazy10A = {
    u"DROP table if exists tab100v1;"_s,
    u"CREATE TABLE tab100v1 select z.zviera_id as zviera_id,  p.chovatel as chovatel,    "
    u"z.usnecislo as usnecislo, %1 as datumotelenia,    ko.datum as "
    u"datum_kontroly, date_format(ko.datum,'%Y%m') as Rokmes,    date_format(ko.datum,'%Y') "
    u"as Rok_kontr, date_format(ko.datum,'%b') as Mes_kontr,    "
    u"datediff(ko.datum,%1)  as laktdni,    ko.bun_elementy as bun_elementy, "
    u"ko.poradie_preb_laktacie as porlak from prebiehajuce_laktacie pl, kravy k, "
    u"dovody_vyradenia d, zvierata z,    kontroly ko, paramwOK p where  k.dovod_vyradenia_id "
    u"= d.dovod_vyradenia_id    and d.kod  = 0    and z.zviera_id = k.krava_id    and "
    u"pl.krava_id =k.krava_id    and ko.krava_id = z.zviera_id    and (ko.bun_elementy > 0 "
    u")    and (substring(z.chovatel,1,1) = p.kraj or  p.kraj = 0)    and "
    u"(substring(z.chovatel,2,2) = p.okres or  p.okres = 00)    and "
    u"(substring(z.chovatel,4,3) = p.podnik or  p.podnik = 000)    and "
    u"(substring(z.chovatel,7,2) = p.chov or  p.chov = 00)    and (substring(z.chovatel,9,1) "
    u"= p.mastal or  p.mastal = 0)     and (ko.datum between p.kontrolne_obd_od and "
    u"p.kontrolne_obd_do) order by z.usnecislo, ko.datum;"_s.arg(oteleniePredKontrolou),
    u"DROP table if exists tab100v2;"_s,
    u"CREATE TABLE tab100v2  select z.zviera_id as zviera_id,  p.chovatel as chovatel,     "
    u"z.usnecislo as usnecislo, %1 as datumotelenia,     ko.datum as "
    u"datum_kontroly, date_format(ko.datum,'%Y%m') as Rokmes,     "
    u"datediff(ko.datum,%1)  as laktdni from prebiehajuce_laktacie pl, kravy k, "
    u"dovody_vyradenia d, zvierata z,      kontroly ko, paramwOK p where k.dovod_vyradenia_id "
    u"= d.dovod_vyradenia_id and d.kod  = 0        and z.zviera_id = k.krava_id and "
    u"pl.krava_id =k.krava_id        and ko.krava_id = z.zviera_id         and  "
    u"(substring(z.chovatel,1,1) = p.kraj or  p.kraj = 0)        and  "
    u"(substring(z.chovatel,2,2) = p.okres or  p.okres = 00)        and  "
    u"(substring(z.chovatel,4,3) = p.podnik or  p.podnik = 000)        and  "
    u"(substring(z.chovatel,7,2) = p.chov or  p.chov = 00)        and  "
    u"(substring(z.chovatel,9,1) = p.mastal or  p.mastal = 0)        and  (ko.datum between "
    u"p.kontrolne_obd_od and p.kontrolne_obd_do) order by z.usnecislo, ko.datum; "_s.arg(
        oteleniePredKontrolou)};

// Report 23: the tests of the period with their lactations, read by each of its sections.
const QStringList prikazy23 = {u"DROP TABLE IF EXISTS tab230v1;"_s,
                               u"CREATE TABLE tab230v1 AS SELECT * FROM tab23kontroly;"_s};

P podmenu(int uroven, const QString& komponent, const QString& popis) {
    P p;
    p.uroven = uroven;
    p.komponent = komponent;
    p.popis = popis;
    return p;
}

P zakazana(int uroven, const QString& komponent, const QString& popis) {
    P p = podmenu(uroven, komponent, popis);
    p.zakazana = true;
    return p;
}

P zostava(int uroven, const QString& komponent, const QString& popis, const QString& kod,
          P::Priprava priprava, P::Projekt projekt, const QString& nazov, Dotazy dotazy,
          std::optional<QString> podnadpis) {
    P p = podmenu(uroven, komponent, popis);
    p.kod = kod;
    p.priprava = priprava;
    p.projekt = projekt;
    p.zostava = nazov;
    p.dotazy = std::move(dotazy);
    p.podnadpis = std::move(podnadpis);
    return p;
}

P sPrikazmi(P p, const QStringList& prikazy) {
    p.pripravnePrikazy = prikazy;
    return p;
}

P skupinaPlemien(const QString& komponent, const QString& popis, const QString& kod,
                 const QString& sql, const QString& podnadpis) {
    P p =
        zostava(1, komponent, popis, kod, P::Priprava::Jednoducha, P::Projekt::Tabulky,
                u"ReportTabulka5Kravy"_s, {&TDataModuleTabulky::ADOQueryTabulka5kravy}, podnadpis);
    p.sqlDotazu = sql;
    return p;
}

// One interval of days in milk of table 17: its query is left open, as the next of these
// reports finds it.
P interval17(const QString& komponent, const QString& popis, const QString& kod, const QString& sql,
             const QString& podnadpis) {
    P p = zostava(1, komponent, popis, kod, P::Priprava::Osobitna, P::Projekt::Tabulky,
                  u"ReportTabulka17"_s, {&TDataModuleTabulky::ADOQueryTabulka17}, podnadpis);
    p.pripravnePrikazy = prikazy17;
    p.sqlDotazu = sql;
    p.dotazyOstavajuOtvorene = true;
    return p;
}

std::vector<P> vytvorKatalog() {
    // Reports 11.A and 18 read their first-calvers' test days one by one from the chain.
    const QStringList retazecPrvych = RetazecKontrol::prikazy(RetazecKontrol::Laktacie::Prve);
    const auto jednoducha = P::Priprava::Jednoducha;
    const auto osobitna = P::Priprava::Osobitna;
    const auto obdobie = P::Priprava::Obdobie;
    const auto tabulky = P::Projekt::Tabulky;
    const auto tabulky2 = P::Projekt::Tabulky2;
    using T = TDataModuleTabulky;
    const QString prazdny;
    const QString hraniceMlieka = u"( od  %1  do  %2 kg mlieka )"_s;
    // The query, report and subtitle of report 8 come from the choice made in its dialog; its
    // queries stay open after it.
    P najlepsieKravy =
        sPrikazmi(zostava(0, u"SubMenuItemTab8"_s, u"(8) Zoznam najlepších kusov kráv..."_s, u"8"_s,
                          P::Priprava::NajlepsieKravy, tabulky, u"ReportTabulka8A"_s,
                          {&T::ADOQueryTabulka8A}, std::nullopt),
                  prikazy8);
    najlepsieKravy.dotazyOstavajuOtvorene = true;

    std::vector<P> k = {
        podmenu(0, u"SubMenuItemTab1"_s, u"(1) Úžitkovosť kráv po otcoch za normované laktácie"_s),
        zostava(1, u"SubSubMenuItemTab1A"_s, u"(1.A) Priemerná úžitkovosť"_s, u"1.A"_s,
                P::Priprava::PocetDcer, tabulky, u"ReportTabulka1A"_s, {&T::ADOQueryTabulka1A},
                u"(za normované laktácie)"_s),
        zostava(1, u"SubSubMenuItemTab1B"_s, u"(1.B) Komparatívna úžitkovosť"_s, u"1.B"_s,
                P::Priprava::PocetDcer, tabulky, u"ReportTabulka1B"_s, {&T::ADOQueryTabulka1A},
                u"(za normované laktácie)"_s),
        zostava(0, u"SubMenuItemTab2"_s, u"(2) Prehľad o zložení stáda žijúcich kráv"_s, u"2"_s,
                jednoducha, tabulky, u"ReportTabulka2"_s, {&T::ADOQueryTabulka2},
                u"(podľa otcov v ich líniovej príslušnosti)"_s),
        podmenu(0, u"SubMenuItemTab4"_s,
                u"(4) Zloženie stáda kráv podľa veku a poradia prebiehajúcej laktácie"_s),
        sPrikazmi(zostava(1, u"SubSubMenuItemTab4Zostava"_s, u"(4.A) Zostava"_s, u"4.A"_s, osobitna,
                          tabulky, u"ReportTabulka4A"_s, {&T::ADOQueryTabulka4A},
                          u"(podľa veku a poradia prebiehajúcej laktácie)"_s),
                  prikazy4A),
        zakazana(1, u"SubSubMenuItemTab4Graf"_s, u"(4.B) Graf"_s),
        podmenu(0, u"SubMenuItemTab5"_s, u"(5) Plemenná skladba stáda kráv v KU HD"_s),
        zostava(1, u"SubSubMenuItemTab5Zostava"_s, u"5A Tabuľka % žloženia chovu"_s, u"5A"_s,
                jednoducha, tabulky, u"ReportTabulka5"_s, {&T::ADOQueryTabulka5},
                u"(v kontrole úžitkovosti hovädzieho dobytka)"_s),
        skupinaPlemien(u"SubSubMenuItemTab5A1"_s, u"5A1 Kravy - slovenské strakaté"_s, u"5A1"_s,
                       u"SELECT * FROM tab50v3kravy WHERE skupina = 'SS1' or skupina = 'SS3' or "
                       u"skupina = 'SS4' ORDER BY usnecislo"_s,
                       u"(slovenské strakaté)"_s),
        skupinaPlemien(u"SubSubMenuItemTab5A2"_s, u"5A2 Kravy - pinzgauské"_s, u"5A2"_s,
                       u"SELECT * FROM tab50v3kravy WHERE skupina = 'PI1' or skupina = 'PI2' or "
                       u"skupina = 'PI3'  or skupina = 'PI4'ORDER BY usnecislo"_s,
                       u"(pinzgauské)"_s),
        skupinaPlemien(u"SubSubMenuItemTab5A3"_s, u"5A3 Kravy - braunvich"_s, u"5A3"_s,
                       u"SELECT * FROM tab50v3kravy WHERE skupina = 'BR1' or skupina = 'BR2' or "
                       u"skupina = 'BR3'  or skupina = 'BR4'ORDER BY usnecislo"_s,
                       u"(braunvich)"_s),
        skupinaPlemien(u"SubSubMenuItemTab5A4"_s, u"5A4 Kravy - mliekové červené"_s, u"5A4"_s,
                       u"SELECT * FROM tab50v3kravy WHERE skupina = 'HR1' or skupina = 'HR2' or "
                       u"skupina = 'HR3'  or skupina = 'HR4'ORDER BY usnecislo"_s,
                       u"(mliekové červené)"_s),
        skupinaPlemien(u"SubSubMenuItemTab5A5"_s, u"5A5 Kravy - mliekové čierne"_s, u"5A5"_s,
                       u"SELECT * FROM tab50v3kravy WHERE skupina = 'HB1' or skupina = 'HB2' or "
                       u"skupina = 'HB3'  or skupina = 'HB4'ORDER BY usnecislo"_s,
                       u"(mliekové čierne)"_s),
        skupinaPlemien(u"SubSubMenuItemTab5A6"_s, u"5A6 Kravy - bez plemenného typu"_s, u"5A6"_s,
                       u"SELECT * FROM tab50v3kravy WHERE skupina is NULL or skupina = "
                       u"'BEZ'ORDER BY usnecislo"_s,
                       u"(bez plemenného typu)"_s),
        podmenu(0, u"SubMenuItemTab6"_s,
                u"(6) Uzáverka KU HD posledných uzavretých normovaných laktácií"_s),
        sPrikazmi(zostava(1, u"SubSubMenuItemTab6Zostava"_s, u"(6.A) Zostava"_s, u"6.A"_s, osobitna,
                          tabulky, u"ReportTabulka6A"_s,
                          {&T::ADOQueryTabulka6A, &T::ADOQueryTabulka6AS, &T::ADOQueryTabulka6ASS},
                          std::nullopt),
                  prikazy6A),
        zakazana(1, u"SubSubMenuItemTab6Graf"_s, u"Graf"_s),
        zakazana(2, u"SubSubSubMenuItemTab6GrafM"_s, u"(6.B) Podľa mlieka"_s),
        zakazana(2, u"SubSubSubMenuItemTab6GrafT"_s, u"(6.C) Podľa tuku"_s),
        zakazana(2, u"SubSubSubMenuItemTab6GrafB"_s, u"(6.D) Podľa bielkoviny"_s),
        podmenu(0, u"SubMenuItemTab7"_s, u"(7) Štruktúra kráv podľa dojivosti"_s),
        sPrikazmi(zostava(1, u"SubSubMenuItemTab7A"_s, u"(7.A) Za posledné uzatvorené laktácie"_s,
                          u"7.A"_s, osobitna, tabulky, u"ReportTabulka7A"_s,
                          {&T::ADOQueryTabulka7A},
                          u"(podľa dojivosti za posledné uzatvorené laktácie)"_s),
                  prikazy7A),
        zostava(1, u"SubSubMenuItemTab7B"_s, u"(7.B) Za maximalné laktácie"_s, u"7.B"_s, jednoducha,
                tabulky, u"ReportTabulka7B"_s, {&T::ADOQueryTabulka7B},
                u"(podľa dojivosti za maximálne laktácie)"_s),
        sPrikazmi(zostava(1, u"SubSubMenuItem7AA"_s, u"(7.AA)  Zoznam krav za uzat. laktácie"_s,
                          u"7.AA"_s, P::Priprava::HraniceMlieka, tabulky, u"ReportTabulka7AA"_s,
                          {&T::ADOQueryTabulka7AA}, hraniceMlieka),
                  prikazy7A),
        zostava(1, u"SubSubMenuItem7BB"_s, u"(7.BB) Zoznam krav za max. laktácie"_s, u"7.BB"_s,
                P::Priprava::HraniceMlieka, tabulky, u"ReportTabulka7BB"_s,
                {&T::ADOQueryTabulka7BB}, hraniceMlieka),
        najlepsieKravy,
        podmenu(0, u"SubMenuItemTab9"_s, u"(9) Rozbor medziobdobia"_s),
        zostava(1, u"SubSubmenuItemTab9A"_s, u"(9.A) Súhrny podľa prebiehajúcej laktácie "_s,
                u"9.A"_s, jednoducha, tabulky2, u"ReportTabulka9A"_s, {&T::ADOQueryTabulka9A},
                prazdny),
        zostava(1, u"SubSubmenuItemTab9B"_s, u"(9.B) Podľa poradia prebiehajúcej laktácie"_s,
                u"9.B"_s, jednoducha, tabulky2, u"ReportTabulka9B"_s, {&T::ADOQueryTabulka9A},
                prazdny),
        sPrikazmi(zostava(1, u"SubSubmenuItemTab9C"_s,
                          u"(9.C) Podľa úžitkovosti za poslednú uzavretú laktáciu"_s, u"9.C"_s,
                          osobitna, tabulky2, u"ReportTabulka9C"_s, {&T::ADOQueryTabulka9c},
                          prazdny),
                  prikazy9C),
        zostava(1, u"SubSubmenuItemTab9D"_s, u"(9.D) Zoznam kráv s medziobdobím nad 400 dní"_s,
                u"9.D"_s, jednoducha, tabulky2, u"ReportTabulka9D"_s, {&T::ADOQueryTabulka9d},
                prazdny),
        podmenu(0, u"SubMenuItemTab10"_s, u"(10) Somatické bunky"_s),
        sPrikazmi(zostava(1, u"SubSubMenuItemTab10A"_s, u"(10.A) Podľa úsekov laktácie"_s,
                          u"10.A"_s, obdobie, tabulky, u"ReportTabulka10A"_s,
                          {&T::ADOQueryTabulka10A},
                          u"(za kontrolné obdobie %1 podľa úsekov laktácie)"_s),
                  prikazy10A),
        zostava(1, u"SubSubMenuItemTab10B"_s, u"(10.B) Podľa mesiacov"_s, u"10.B"_s, obdobie,
                tabulky, u"ReportTabulka10B"_s, {&T::ADOQueryTabulka10B}, u"(za obdobie %1 )"_s),
        zakazana(1, u"SubSubMenuItemTab10C"_s,
                 u"(10.C) Podľa kotrolných odberov za jednotlivé kravy"_s),
        podmenu(0, u"SubMenuItemTab11"_s, u"(11) Úžitkovosť kráv po otcoch"_s),
        podmenu(1, u"SubSubMenuItemTab11"_s, u"(11.A) Priemerná úžitkovosť žijúcich kráv - dcér"_s),
        sPrikazmi(zostava(2, u"SubSubSubMenuItemTab11A"_s, u" Zostava"_s, u"11.A"_s, osobitna,
                          tabulky, u"ReportTabulka11A"_s, {&T::ADOQueryTabulka11A},
                          u"(po jednotlivých otcoch - plem. býkoch za ukončené a prebiehajúce "
                          u"prvé laktácie)"_s),
                  retazecPrvych),
        zakazana(2, u"SubSubSubMenuItemTab11B"_s, u" Graf"_s),
        zakazana(1, u"SubSubMenuItemTab11C"_s, u"(11.B) Komparatívna úžitkovosť žijúcich kráv"_s),
        zostava(0, u"SubMenuItemTab12"_s, u"(12) Zoznam matiek býkov"_s, u"12"_s, jednoducha,
                tabulky, u"ReportTabulka12"_s, {&T::ADOQueryTabulka12}, prazdny),
        zostava(0, u"SubMenuItemTab13"_s, u"(13) Tabuľka tried úžitkovosti kráv"_s, u"13"_s,
                jednoducha, tabulky, u"ReportTabulka13"_s, {&T::ADOQueryTabulka13}, prazdny),
        zostava(0, u"SubMenuItemTab15"_s, u"(15) Zoznam kráv pri bonitácii"_s, u"15"_s, jednoducha,
                tabulky, u"ReportTabulka15"_s, {&T::ADOQueryTabulka15}, prazdny),
        zostava(0, u"SubMenuItemTab16"_s, u"(16) Genetické hodnotenie kráv"_s, u"16"_s, jednoducha,
                tabulky, u"ReportTabulka16"_s, {&T::ADOQueryTabulka16}, prazdny),
        podmenu(0, u"SubMenuItemTab17"_s, u"(17) Poradie kráv podľa priemernej dennej dojnosti"_s),
        interval17(u"SubSubMenuItemTab17A"_s, u"(17.A) Interval 1 - 100 dní"_s, u"17.A"_s,
                   u"SELECT * FROM tab170v1 WHERE pocet_dni BETWEEN 1 AND 100 ORDER BY "
                   u"priem_mlieko DESC, usnecislo"_s,
                   u"(interval od 1 do 100 dní)"_s),
        interval17(u"SubSubMenuItemTab17B"_s, u"(17.B) Interval 101 - 200 dní"_s, u"17.B"_s,
                   u"SELECT * FROM tab170v1 WHERE pocet_dni BETWEEN 101 AND 200 ORDER BY "
                   u"priem_mlieko DESC, usnecislo"_s,
                   u"(interval od 101 do 200 dní)"_s),
        interval17(u"SubSubMenuItemTab17C"_s, u"(17.C) Interval 201 - 305 dní"_s, u"17.C"_s,
                   u"SELECT * FROM tab170v1 WHERE pocet_dni BETWEEN 201 AND 305 ORDER BY "
                   u"priem_mlieko DESC, usnecislo"_s,
                   u"(interval od 201 do 305 dní)"_s),
        interval17(u"SubSubMenuItemTab17D"_s, u"(17.D) Interval nad 305 dní"_s, u"17.D"_s,
                   u"SELECT * FROM tab170v1 WHERE pocet_dni > 305 ORDER BY priem_mlieko DESC, "
                   u"usnecislo"_s,
                   u"(interval nad 305 dní)"_s),
        sPrikazmi(zostava(0, u"SubMenuItemTab18"_s,
                          u"(18) Úžitkovosť prvôstok v rôznom veku pri otelení"_s, u"18"_s,
                          osobitna, tabulky2, u"ReportTabulka18"_s,
                          {&T::ADOQueryTabulka18, &T::ADOQueryTabulka18p}, prazdny),
                  retazecPrvych),
        zostava(0, u"SubMenuItemTab19"_s, u"(19) Močovina"_s, u"19"_s, obdobie, tabulky,
                u"ReportTabulka19"_s, {&T::ADOQueryTabulka19}, prazdny),
        zostava(0, u"SubMenuItemTab21"_s, u"(21)  Prehľad o zložení stáda jalovíc"_s, u"21"_s,
                jednoducha, tabulky2, u"ReportTabulka21"_s, {&T::ADOQueryTabulka21}, prazdny),
        zostava(0, u"SubMenuItemTab22"_s, u"(22) Plemenná skladba jalovíc v KUHD"_s, u"22"_s,
                jednoducha, tabulky2, u"ReportTabulka22"_s, {&T::ADOQueryTabulka22}, prazdny),
        sPrikazmi(zostava(0, u"SubMenuItemTab23"_s, u"(23) Zdravie stáda a kŕmenie"_s, u"23"_s,
                          obdobie, tabulky2, u"ReportTabulka23"_s,
                          {&T::ADOQueryTabulka23Vemeno, &T::ADOQueryTabulka23Ketoza,
                           &T::ADOQueryTabulka23Riziko, &T::ADOQueryTabulka23Mocovina,
                           &T::ADOQueryTabulka23Krivky},
                          u"(za kontrolné obdobie %1)"_s),
                  prikazy23),
    };

    return k;
}

} // namespace

const std::vector<PolozkaKatalogu>& KatalogZostav::polozky() {
    static const std::vector<PolozkaKatalogu> katalog = vytvorKatalog();
    return katalog;
}

const PolozkaKatalogu* KatalogZostav::najdi(const QString& kod) {
    for (const PolozkaKatalogu& p : polozky())
        if (p.jeZostava() && p.kod.compare(kod, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}
