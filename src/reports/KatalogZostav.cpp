#include "KatalogZostav.h"

#include "RetazecKontrol.h"
#include "TDataModuleTabulky.h"

using namespace Qt::Literals::StringLiterals;

namespace {

using P = PolozkaKatalogu;
using Dotazy = std::vector<Query * TDataModuleTabulky::*>;

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

P skupinaPlemien(const QString& komponent, const QString& popis, const QString& kod,
                 const QString& sql, const QString& podnadpis) {
    P p =
        zostava(1, komponent, popis, kod, P::Priprava::SkupinaPlemien, P::Projekt::Tabulky,
                u"ReportTabulka5Kravy"_s, {&TDataModuleTabulky::ADOQueryTabulka5kravy}, podnadpis);
    p.sqlSkupiny = sql;
    return p;
}

std::vector<P> vytvorKatalog() {
    const auto jednoducha = P::Priprava::Jednoducha;
    const auto osobitna = P::Priprava::Osobitna;
    const auto tabulky = P::Projekt::Tabulky;
    const auto tabulky2 = P::Projekt::Tabulky2;
    using T = TDataModuleTabulky;
    const QString prazdny;

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
        zostava(1, u"SubSubMenuItemTab4Zostava"_s, u"(4.A) Zostava"_s, u"4.A"_s, osobitna, tabulky,
                u"ReportTabulka4A"_s, {&T::ADOQueryTabulka4A},
                u"(podľa veku a poradia prebiehajúcej laktácie)"_s),
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
        zostava(1, u"SubSubMenuItemTab6Zostava"_s, u"(6.A) Zostava"_s, u"6.A"_s, osobitna, tabulky,
                u"ReportTabulka6A"_s,
                {&T::ADOQueryTabulka6A, &T::ADOQueryTabulka6AS, &T::ADOQueryTabulka6ASS},
                std::nullopt),
        zakazana(1, u"SubSubMenuItemTab6Graf"_s, u"Graf"_s),
        zakazana(2, u"SubSubSubMenuItemTab6GrafM"_s, u"(6.B) Podľa mlieka"_s),
        zakazana(2, u"SubSubSubMenuItemTab6GrafT"_s, u"(6.C) Podľa tuku"_s),
        zakazana(2, u"SubSubSubMenuItemTab6GrafB"_s, u"(6.D) Podľa bielkoviny"_s),
        podmenu(0, u"SubMenuItemTab7"_s, u"(7) Štruktúra kráv podľa dojivosti"_s),
        zostava(1, u"SubSubMenuItemTab7A"_s, u"(7.A) Za posledné uzatvorené laktácie"_s, u"7.A"_s,
                osobitna, tabulky, u"ReportTabulka7A"_s, {&T::ADOQueryTabulka7A},
                u"(podľa dojivosti za posledné uzatvorené laktácie)"_s),
        zostava(1, u"SubSubMenuItemTab7B"_s, u"(7.B) Za maximalné laktácie"_s, u"7.B"_s, jednoducha,
                tabulky, u"ReportTabulka7B"_s, {&T::ADOQueryTabulka7B},
                u"(podľa dojivosti za maximálne laktácie)"_s),
        zostava(1, u"SubSubMenuItem7AA"_s, u"(7.AA)  Zoznam krav za uzat. laktácie"_s, u"7.AA"_s,
                osobitna, tabulky, u"ReportTabulka7AA"_s, {&T::ADOQueryTabulka7AA}, prazdny),
        zostava(1, u"SubSubMenuItem7BB"_s, u"(7.BB) Zoznam krav za max. laktácie"_s, u"7.BB"_s,
                osobitna, tabulky, u"ReportTabulka7BB"_s, {&T::ADOQueryTabulka7BB}, prazdny),
        zostava(0, u"SubMenuItemTab8"_s, u"(8) Zoznam najlepších kusov kráv..."_s, u"8"_s, osobitna,
                tabulky, u"ReportTabulka8A"_s, {&T::ADOQueryTabulka8A}, prazdny),
        podmenu(0, u"SubMenuItemTab9"_s, u"(9) Rozbor medziobdobia"_s),
        zostava(1, u"SubSubmenuItemTab9A"_s, u"(9.A) Súhrny podľa prebiehajúcej laktácie "_s,
                u"9.A"_s, jednoducha, tabulky2, u"ReportTabulka9A"_s, {&T::ADOQueryTabulka9A},
                prazdny),
        zostava(1, u"SubSubmenuItemTab9B"_s, u"(9.B) Podľa poradia prebiehajúcej laktácie"_s,
                u"9.B"_s, jednoducha, tabulky2, u"ReportTabulka9B"_s, {&T::ADOQueryTabulka9A},
                prazdny),
        zostava(1, u"SubSubmenuItemTab9C"_s,
                u"(9.C) Podľa úžitkovosti za poslednú uzavretú laktáciu"_s, u"9.C"_s, osobitna,
                tabulky2, u"ReportTabulka9C"_s, {&T::ADOQueryTabulka9c}, prazdny),
        zostava(1, u"SubSubmenuItemTab9D"_s, u"(9.D) Zoznam kráv s medziobdobím nad 400 dní"_s,
                u"9.D"_s, jednoducha, tabulky2, u"ReportTabulka9D"_s, {&T::ADOQueryTabulka9d},
                prazdny),
        podmenu(0, u"SubMenuItemTab10"_s, u"(10) Somatické bunky"_s),
        zostava(1, u"SubSubMenuItemTab10A"_s, u"(10.A) Podľa úsekov laktácie"_s, u"10.A"_s,
                osobitna, tabulky, u"ReportTabulka10A"_s, {&T::ADOQueryTabulka10A}, prazdny),
        zostava(1, u"SubSubMenuItemTab10B"_s, u"(10.B) Podľa mesiacov"_s, u"10.B"_s, osobitna,
                tabulky, u"ReportTabulka10B"_s, {&T::ADOQueryTabulka10B}, prazdny),
        zakazana(1, u"SubSubMenuItemTab10C"_s,
                 u"(10.C) Podľa kotrolných odberov za jednotlivé kravy"_s),
        podmenu(0, u"SubMenuItemTab11"_s, u"(11) Úžitkovosť kráv po otcoch"_s),
        podmenu(1, u"SubSubMenuItemTab11"_s, u"(11.A) Priemerná úžitkovosť žijúcich kráv - dcér"_s),
        zostava(2, u"SubSubSubMenuItemTab11A"_s, u" Zostava"_s, u"11.A"_s, osobitna, tabulky,
                u"ReportTabulka11A"_s, {&T::ADOQueryTabulka11A},
                u"(po jednotlivých otcoch - plem. býkoch za ukončené a prebiehajúce prvé "
                u"laktácie)"_s),
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
        zostava(1, u"SubSubMenuItemTab17A"_s, u"(17.A) Interval 1 - 100 dní"_s, u"17.A"_s, osobitna,
                tabulky, u"ReportTabulka17"_s, {&T::ADOQueryTabulka17}, prazdny),
        zostava(1, u"SubSubMenuItemTab17B"_s, u"(17.B) Interval 101 - 200 dní"_s, u"17.B"_s,
                osobitna, tabulky, u"ReportTabulka17"_s, {&T::ADOQueryTabulka17}, prazdny),
        zostava(1, u"SubSubMenuItemTab17C"_s, u"(17.C) Interval 201 - 305 dní"_s, u"17.C"_s,
                osobitna, tabulky, u"ReportTabulka17"_s, {&T::ADOQueryTabulka17}, prazdny),
        zostava(1, u"SubSubMenuItemTab17D"_s, u"(17.D) Interval nad 305 dní"_s, u"17.D"_s, osobitna,
                tabulky, u"ReportTabulka17"_s, {&T::ADOQueryTabulka17}, prazdny),
        zostava(0, u"SubMenuItemTab18"_s, u"(18) Úžitkovosť prvôstok v rôznom veku pri otelení"_s,
                u"18"_s, osobitna, tabulky2, u"ReportTabulka18"_s,
                {&T::ADOQueryTabulka18, &T::ADOQueryTabulka18p}, prazdny),
        zostava(0, u"SubMenuItemTab19"_s, u"(19) Močovina"_s, u"19"_s, osobitna, tabulky,
                u"ReportTabulka19"_s, {&T::ADOQueryTabulka19}, prazdny),
        zostava(0, u"SubMenuItemTab21"_s, u"(21)  Prehľad o zložení stáda jalovíc"_s, u"21"_s,
                jednoducha, tabulky2, u"ReportTabulka21"_s, {&T::ADOQueryTabulka21}, prazdny),
        zostava(0, u"SubMenuItemTab22"_s, u"(22) Plemenná skladba jalovíc v KUHD"_s, u"22"_s,
                jednoducha, tabulky2, u"ReportTabulka22"_s, {&T::ADOQueryTabulka22}, prazdny),
    };

    // The reports whose relations and layouts exist; the others answer that they are not
    // available yet.
    const QStringList hotove = {u"1.A"_s, u"1.B"_s, u"2"_s,   u"5A"_s,  u"5A1"_s,
                                u"5A2"_s, u"5A3"_s, u"5A4"_s, u"5A5"_s, u"5A6"_s,
                                u"7.B"_s, u"9.A"_s, u"9.B"_s, u"9.D"_s, u"12"_s,
                                u"13"_s,  u"15"_s,  u"16"_s,  u"21"_s,  u"22"_s};
    for (P& p : k)
        p.dostupna = hotove.contains(p.kod);
    // Reports 11.A and 18 read their first-calvers' test days one by one from the chain.
    for (P& p : k) {
        if (p.kod == u"11.A"_s || p.kod == u"18"_s) {
            p.pripravnePrikazy = RetazecKontrol::prikazy(RetazecKontrol::Laktacie::Prve);
            p.dostupna = true;
        }
    }
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
