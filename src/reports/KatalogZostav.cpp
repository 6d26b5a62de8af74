#include "KatalogZostav.h"

#include "TDataModuleTabulky.h"

namespace {

using P = PolozkaKatalogu;
using Dotazy = std::vector<Query * TDataModuleTabulky::*>;

QString s(const char* text) {
    return QString::fromUtf8(text);
}

P podmenu(int uroven, const char* komponent, const char* popis) {
    P p;
    p.uroven = uroven;
    p.komponent = s(komponent);
    p.popis = s(popis);
    return p;
}

P zakazana(int uroven, const char* komponent, const char* popis) {
    P p = podmenu(uroven, komponent, popis);
    p.zakazana = true;
    return p;
}

P zostava(int uroven, const char* komponent, const char* popis, const char* kod,
          P::Priprava priprava, P::Projekt projekt, const char* nazov, Dotazy dotazy,
          std::optional<QString> podnadpis) {
    P p = podmenu(uroven, komponent, popis);
    p.kod = s(kod);
    p.priprava = priprava;
    p.projekt = projekt;
    p.zostava = s(nazov);
    p.dotazy = std::move(dotazy);
    p.podnadpis = std::move(podnadpis);
    return p;
}

P skupinaPlemien(const char* komponent, const char* popis, const char* kod, const char* sql,
                 const char* podnadpis) {
    P p =
        zostava(1, komponent, popis, kod, P::Priprava::SkupinaPlemien, P::Projekt::Tabulky,
                "ReportTabulka5Kravy", {&TDataModuleTabulky::ADOQueryTabulka5kravy}, s(podnadpis));
    p.sqlSkupiny = s(sql);
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
        podmenu(0, "SubMenuItemTab1", "(1) Úžitkovosť kráv po otcoch za normované laktácie"),
        zostava(1, "SubSubMenuItemTab1A", "(1.A) Priemerná úžitkovosť", "1.A",
                P::Priprava::PocetDcer, tabulky, "ReportTabulka1A", {&T::ADOQueryTabulka1A},
                s("(za normované laktácie)")),
        zostava(1, "SubSubMenuItemTab1B", "(1.B) Komparatívna úžitkovosť", "1.B",
                P::Priprava::PocetDcer, tabulky, "ReportTabulka1B", {&T::ADOQueryTabulka1A},
                s("(za normované laktácie)")),
        zostava(0, "SubMenuItemTab2", "(2) Prehľad o zložení stáda žijúcich kráv", "2", jednoducha,
                tabulky, "ReportTabulka2", {&T::ADOQueryTabulka2},
                s("(podľa otcov v ich líniovej príslušnosti)")),
        podmenu(0, "SubMenuItemTab4",
                "(4) Zloženie stáda kráv podľa veku a poradia prebiehajúcej laktácie"),
        zostava(1, "SubSubMenuItemTab4Zostava", "(4.A) Zostava", "4.A", osobitna, tabulky,
                "ReportTabulka4A", {&T::ADOQueryTabulka4A},
                s("(podľa veku a poradia prebiehajúcej laktácie)")),
        zakazana(1, "SubSubMenuItemTab4Graf", "(4.B) Graf"),
        podmenu(0, "SubMenuItemTab5", "(5) Plemenná skladba stáda kráv v KU HD"),
        zostava(1, "SubSubMenuItemTab5Zostava", "5A Tabuľka % žloženia chovu", "5A", jednoducha,
                tabulky, "ReportTabulka5", {&T::ADOQueryTabulka5},
                s("(v kontrole úžitkovosti hovädzieho dobytka)")),
        skupinaPlemien("SubSubMenuItemTab5A1", "5A1 Kravy - slovenské strakaté", "5A1",
                       "SELECT * FROM tab50v3kravy WHERE skupina = 'SS1' or skupina = 'SS3' or "
                       "skupina = 'SS4' ORDER BY usnecislo",
                       "(slovenské strakaté)"),
        skupinaPlemien("SubSubMenuItemTab5A2", "5A2 Kravy - pinzgauské", "5A2",
                       "SELECT * FROM tab50v3kravy WHERE skupina = 'PI1' or skupina = 'PI2' or "
                       "skupina = 'PI3'  or skupina = 'PI4'ORDER BY usnecislo",
                       "(pinzgauské)"),
        skupinaPlemien("SubSubMenuItemTab5A3", "5A3 Kravy - braunvich", "5A3",
                       "SELECT * FROM tab50v3kravy WHERE skupina = 'BR1' or skupina = 'BR2' or "
                       "skupina = 'BR3'  or skupina = 'BR4'ORDER BY usnecislo",
                       "(braunvich)"),
        skupinaPlemien("SubSubMenuItemTab5A4", "5A4 Kravy - mliekové červené", "5A4",
                       "SELECT * FROM tab50v3kravy WHERE skupina = 'HR1' or skupina = 'HR2' or "
                       "skupina = 'HR3'  or skupina = 'HR4'ORDER BY usnecislo",
                       "(mliekové červené)"),
        skupinaPlemien("SubSubMenuItemTab5A5", "5A5 Kravy - mliekové čierne", "5A5",
                       "SELECT * FROM tab50v3kravy WHERE skupina = 'HB1' or skupina = 'HB2' or "
                       "skupina = 'HB3'  or skupina = 'HB4'ORDER BY usnecislo",
                       "(mliekové čierne)"),
        skupinaPlemien("SubSubMenuItemTab5A6", "5A6 Kravy - bez plemenného typu", "5A6",
                       "SELECT * FROM tab50v3kravy WHERE skupina is NULL or skupina = "
                       "'BEZ'ORDER BY usnecislo",
                       "(bez plemenného typu)"),
        podmenu(0, "SubMenuItemTab6",
                "(6) Uzáverka KU HD posledných uzavretých normovaných laktácií"),
        zostava(1, "SubSubMenuItemTab6Zostava", "(6.A) Zostava", "6.A", osobitna, tabulky,
                "ReportTabulka6A",
                {&T::ADOQueryTabulka6A, &T::ADOQueryTabulka6AS, &T::ADOQueryTabulka6ASS},
                std::nullopt),
        zakazana(1, "SubSubMenuItemTab6Graf", "Graf"),
        zakazana(2, "SubSubSubMenuItemTab6GrafM", "(6.B) Podľa mlieka"),
        zakazana(2, "SubSubSubMenuItemTab6GrafT", "(6.C) Podľa tuku"),
        zakazana(2, "SubSubSubMenuItemTab6GrafB", "(6.D) Podľa bielkoviny"),
        podmenu(0, "SubMenuItemTab7", "(7) Štruktúra kráv podľa dojivosti"),
        zostava(1, "SubSubMenuItemTab7A", "(7.A) Za posledné uzatvorené laktácie", "7.A", osobitna,
                tabulky, "ReportTabulka7A", {&T::ADOQueryTabulka7A},
                s("(podľa dojivosti za posledné uzatvorené laktácie)")),
        zostava(1, "SubSubMenuItemTab7B", "(7.B) Za maximalné laktácie", "7.B", jednoducha, tabulky,
                "ReportTabulka7B", {&T::ADOQueryTabulka7B},
                s("(podľa dojivosti za maximálne laktácie)")),
        zostava(1, "SubSubMenuItem7AA", "(7.AA)  Zoznam krav za uzat. laktácie", "7.AA", osobitna,
                tabulky, "ReportTabulka7AA", {&T::ADOQueryTabulka7AA}, prazdny),
        zostava(1, "SubSubMenuItem7BB", "(7.BB) Zoznam krav za max. laktácie", "7.BB", osobitna,
                tabulky, "ReportTabulka7BB", {&T::ADOQueryTabulka7BB}, prazdny),
        zostava(0, "SubMenuItemTab8", "(8) Zoznam najlepších kusov kráv...", "8", osobitna, tabulky,
                "ReportTabulka8A", {&T::ADOQueryTabulka8A}, prazdny),
        podmenu(0, "SubMenuItemTab9", "(9) Rozbor medziobdobia"),
        zostava(1, "SubSubmenuItemTab9A", "(9.A) Súhrny podľa prebiehajúcej laktácie ", "9.A",
                jednoducha, tabulky2, "ReportTabulka9A", {&T::ADOQueryTabulka9A}, prazdny),
        zostava(1, "SubSubmenuItemTab9B", "(9.B) Podľa poradia prebiehajúcej laktácie", "9.B",
                jednoducha, tabulky2, "ReportTabulka9B", {&T::ADOQueryTabulka9A}, prazdny),
        zostava(1, "SubSubmenuItemTab9C", "(9.C) Podľa úžitkovosti za poslednú uzavretú laktáciu",
                "9.C", osobitna, tabulky2, "ReportTabulka9C", {&T::ADOQueryTabulka9c}, prazdny),
        zostava(1, "SubSubmenuItemTab9D", "(9.D) Zoznam kráv s medziobdobím nad 400 dní", "9.D",
                jednoducha, tabulky2, "ReportTabulka9D", {&T::ADOQueryTabulka9d}, prazdny),
        podmenu(0, "SubMenuItemTab10", "(10) Somatické bunky"),
        zostava(1, "SubSubMenuItemTab10A", "(10.A) Podľa úsekov laktácie", "10.A", osobitna,
                tabulky, "ReportTabulka10A", {&T::ADOQueryTabulka10A}, prazdny),
        zostava(1, "SubSubMenuItemTab10B", "(10.B) Podľa mesiacov", "10.B", osobitna, tabulky,
                "ReportTabulka10B", {&T::ADOQueryTabulka10B}, prazdny),
        zakazana(1, "SubSubMenuItemTab10C", "(10.C) Podľa kotrolných odberov za jednotlivé kravy"),
        podmenu(0, "SubMenuItemTab11", "(11) Úžitkovosť kráv po otcoch"),
        podmenu(1, "SubSubMenuItemTab11", "(11.A) Priemerná úžitkovosť žijúcich kráv - dcér"),
        zostava(2, "SubSubSubMenuItemTab11A", " Zostava", "11.A", osobitna, tabulky,
                "ReportTabulka11A", {&T::ADOQueryTabulka11A},
                s("(po jednotlivých otcoch - plem. býkoch za ukončené a prebiehajúce prvé "
                  "laktácie)")),
        zakazana(2, "SubSubSubMenuItemTab11B", " Graf"),
        zakazana(1, "SubSubMenuItemTab11C", "(11.B) Komparatívna úžitkovosť žijúcich kráv"),
        zostava(0, "SubMenuItemTab12", "(12) Zoznam matiek býkov", "12", jednoducha, tabulky,
                "ReportTabulka12", {&T::ADOQueryTabulka12}, prazdny),
        zostava(0, "SubMenuItemTab13", "(13) Tabuľka tried úžitkovosti kráv", "13", jednoducha,
                tabulky, "ReportTabulka13", {&T::ADOQueryTabulka13}, prazdny),
        zostava(0, "SubMenuItemTab15", "(15) Zoznam kráv pri bonitácii", "15", jednoducha, tabulky,
                "ReportTabulka15", {&T::ADOQueryTabulka15}, prazdny),
        zostava(0, "SubMenuItemTab16", "(16) Genetické hodnotenie kráv", "16", jednoducha, tabulky,
                "ReportTabulka16", {&T::ADOQueryTabulka16}, prazdny),
        podmenu(0, "SubMenuItemTab17", "(17) Poradie kráv podľa priemernej dennej dojnosti"),
        zostava(1, "SubSubMenuItemTab17A", "(17.A) Interval 1 - 100 dní", "17.A", osobitna, tabulky,
                "ReportTabulka17", {&T::ADOQueryTabulka17}, prazdny),
        zostava(1, "SubSubMenuItemTab17B", "(17.B) Interval 101 - 200 dní", "17.B", osobitna,
                tabulky, "ReportTabulka17", {&T::ADOQueryTabulka17}, prazdny),
        zostava(1, "SubSubMenuItemTab17C", "(17.C) Interval 201 - 305 dní", "17.C", osobitna,
                tabulky, "ReportTabulka17", {&T::ADOQueryTabulka17}, prazdny),
        zostava(1, "SubSubMenuItemTab17D", "(17.D) Interval nad 305 dní", "17.D", osobitna, tabulky,
                "ReportTabulka17", {&T::ADOQueryTabulka17}, prazdny),
        zostava(0, "SubMenuItemTab18", "(18) Úžitkovosť prvôstok v rôznom veku pri otelení", "18",
                osobitna, tabulky2, "ReportTabulka18",
                {&T::ADOQueryTabulka18, &T::ADOQueryTabulka18p}, prazdny),
        zostava(0, "SubMenuItemTab19", "(19) Močovina", "19", osobitna, tabulky, "ReportTabulka19",
                {&T::ADOQueryTabulka19}, prazdny),
        zostava(0, "SubMenuItemTab21", "(21)  Prehľad o zložení stáda jalovíc", "21", jednoducha,
                tabulky2, "ReportTabulka21", {&T::ADOQueryTabulka21}, prazdny),
        zostava(0, "SubMenuItemTab22", "(22) Plemenná skladba jalovíc v KUHD", "22", jednoducha,
                tabulky2, "ReportTabulka22", {&T::ADOQueryTabulka22}, prazdny),
    };

    // The reports whose relations and layouts exist; the others answer that they are not
    // available yet.
    const QStringList hotove = {s("1.A"), s("1.B"), s("2"),   s("5A"),  s("5A1"),
                                s("5A2"), s("5A3"), s("5A4"), s("5A5"), s("5A6"),
                                s("7.B"), s("9.A"), s("9.B"), s("9.D"), s("12"),
                                s("13"),  s("15"),  s("16"),  s("21"),  s("22")};
    for (P& p : k)
        p.dostupna = hotove.contains(p.kod);
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
