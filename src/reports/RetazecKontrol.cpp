#include "RetazecKontrol.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

// Statement 2 up to the condition on the lactation: the controls of the living cows of the
// selection with the lactation they are in.
const QString kontrolyVyberu =
    u"create table tab180v1 SELECT p.chovatel, k. krava_id, ko.datum  as datum_kontroly,   "
    u"datediff(ko.datum,pl.datumotelenia)as lakt_dni,  pl.datumotelenia,   "
    u"round((datediff(pl.datumotelenia, z.datumnarodenia))/30.42) as Vek1Ot_mes,   "
    u"ko.mlieko_prepocitane, ko.tuk_perc, ko.bielkovina_perc,   ko.poradie_preb_laktacie, "
    u"pl.poradie  FROM  kontroly ko, kravy k, dovody_vyradenia d, zvierata z,   "
    u"prebiehajuce_laktacie pl, paramwok p where (substring(z.chovatel,1,1) = p.kraj or  "
    u"p.kraj = 0)    and  (substring(z.chovatel,2,2) = p.okres or  p.okres = 00)    and  "
    u"(substring(z.chovatel,4,3) = p.podnik or  p.podnik = 000)    and  "
    u"(substring(z.chovatel,7,2) = p.chov or  p.chov = 00)    and  (substring(z.chovatel,9,1) "
    u"= p.mastal or  p.mastal = 0)    and  z.zviera_id = k.krava_id    and  "
    u"k.dovod_vyradenia_id = d.dovod_vyradenia_id and d.kod = 00    and  k.krava_id = ko. "
    u"krava_id and k.krava_id = pl.krava_id"_s;

} // namespace

QStringList RetazecKontrol::bezIndexov(Laktacie laktacie) {
    return {
        u"DROP table if exists tab180v1; "_s,
        kontrolyVyberu + (laktacie == Laktacie::Prve ? u"    and pl.poradie = 1; "_s : u" ; "_s),
        u"DROP table if exists tab182v1 ; "_s,
        u"create table tab182v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly as "
        u"datum_kontroly1,    t.lakt_dni as lakt_dni1,  t.datumotelenia, t.Vek1Ot_mes as vekot,    "
        u"t.mlieko_prepocitane as mlieko_prepocitane1 , t.tuk_perc as tuk_perc1,    "
        u"t.bielkovina_perc as bielkovina_perc1, t.poradie  FROM tab180v1 t, kravy k  where "
        u"t.krava_id = k.krava_id    and t.datum_kontroly > (select min(tt.datum_kontroly)         "
        u"from tab180v1 tt where tt.krava_id = k.krava_id); "_s,
        u"DROP table if exists tab183v1 ; "_s,
        u"create table tab183v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly1 as "
        u"datum_kontroly2,    t.lakt_dni1 as lakt_dni2, t.mlieko_prepocitane1 as "
        u"mlieko_prepocitane2 ,    t.tuk_perc1 as tuk_perc2, t.bielkovina_perc1 as "
        u"bielkovina_perc2  FROM tab182v1 t, kravy k where t.krava_id = k.krava_id     and "
        u"t.datum_kontroly1 > (select min(tt.datum_kontroly1)         from tab182v1 tt where "
        u"tt.krava_id = k.krava_id) ; "_s,
        u"DROP table if exists tab184v1 ; "_s,
        u"create table tab184v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly2 as "
        u"datum_kontroly3,    t.lakt_dni2 as lakt_dni3, t.mlieko_prepocitane2 as "
        u"mlieko_prepocitane3 ,    t.tuk_perc2 as tuk_perc3, t.bielkovina_perc2 as "
        u"bielkovina_perc3 FROM tab183v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly2 > (select min(tt.datum_kontroly2)        from tab183v1 tt where "
        u"tt.krava_id = k.krava_id) ; "_s,
        u"DROP table if exists tab185v1 ; "_s,
        u"create table tab185v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly3 as "
        u"datum_kontroly4,    t.lakt_dni3 as lakt_dni4, t.mlieko_prepocitane3 as "
        u"mlieko_prepocitane4 ,    t.tuk_perc3 as tuk_perc4, t.bielkovina_perc3 as "
        u"bielkovina_perc4 FROM tab184v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly3 > (select min(tt.datum_kontroly3)        from tab184v1 tt where "
        u"tt.krava_id = k.krava_id) ; "_s,
        u"DROP table if exists tab186v1 ; "_s,
        u"create table tab186v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly4 as "
        u"datum_kontroly5,    t.lakt_dni4 as lakt_dni5, t.mlieko_prepocitane4 as "
        u"mlieko_prepocitane5 ,    t.tuk_perc4 as tuk_perc5, t.bielkovina_perc4 as "
        u"bielkovina_perc5 FROM tab185v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly4 > (select min(tt.datum_kontroly4)          from tab185v1 tt where "
        u"tt.krava_id = k.krava_id) ; "_s,
        u"DROP table if exists tab187v1 ; "_s,
        u"create table tab187v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly5 as "
        u"datum_kontroly6,    t.lakt_dni5 as lakt_dni6, t.mlieko_prepocitane5 as "
        u"mlieko_prepocitane6 ,    t.tuk_perc5 as tuk_perc6, t.bielkovina_perc5 as "
        u"bielkovina_perc6 FROM tab186v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly5 > (select min(tt.datum_kontroly5)          from tab186v1 tt where "
        u"tt.krava_id = k.krava_id)  ; "_s,
        u"DROP table if exists tab188v1 ; "_s,
        u"create table tab188v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly6 as "
        u"datum_kontroly7, t.lakt_dni6 as lakt_dni7, t.mlieko_prepocitane6 as mlieko_prepocitane7 "
        u", t.tuk_perc6 as tuk_perc7, t.bielkovina_perc6 as bielkovina_perc7 FROM tab187v1 t, "
        u"kravy k where t.krava_id = k.krava_id    and t.datum_kontroly6 > (select "
        u"min(tt.datum_kontroly6)          from tab187v1 tt where tt.krava_id = k.krava_id) ; "_s,
        u"DROP table if exists tab189v1 ; "_s,
        u"create table tab189v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly7 as "
        u"datum_kontroly8, t.lakt_dni7 as lakt_dni8, t.mlieko_prepocitane7 as mlieko_prepocitane8 "
        u", t.tuk_perc7 as tuk_perc8, t.bielkovina_perc7 as bielkovina_perc8 FROM tab188v1 t, "
        u"kravy k where t.krava_id = k.krava_id    and t.datum_kontroly7 > (select "
        u"min(tt.datum_kontroly7)          from tab188v1 tt where tt.krava_id = k.krava_id); "_s,
        u"DROP table if exists tab1890v1 ; "_s,
        u"create table tab1890v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly8 as "
        u"datum_kontroly9, t.lakt_dni8 as lakt_dni9, t.mlieko_prepocitane8 as mlieko_prepocitane9 "
        u", t.tuk_perc8 as tuk_perc9, t.bielkovina_perc8 as bielkovina_perc9 FROM tab189v1 t, "
        u"kravy k where t.krava_id = k.krava_id    and t.datum_kontroly8 > (select "
        u"min(tt.datum_kontroly8)          from tab189v1 tt where tt.krava_id = k.krava_id) ; "_s,
        u"DROP table if exists tab1891v1 ; "_s,
        u"create table tab1891v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly9 as "
        u"datum_kontroly10, t.lakt_dni9 as lakt_dni10, t.mlieko_prepocitane9 as "
        u"mlieko_prepocitane10 , t.tuk_perc9 as tuk_perc10, t.bielkovina_perc9 as "
        u"bielkovina_perc10 FROM tab1890v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly9 > (select min(tt.datum_kontroly9)          from tab1890v1 tt where "
        u"tt.krava_id = k.krava_id) ; "_s,
        u"DROP table if exists tab1892v1 ; "_s,
        u"create table tab1892v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly10 as "
        u"datum_kontroly11, t.lakt_dni10 as lakt_dni11, t.mlieko_prepocitane10 as "
        u"mlieko_prepocitane11 , t.tuk_perc10 as tuk_perc11, t.bielkovina_perc10 as "
        u"bielkovina_perc11 FROM tab1891v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly10 > (select min(tt.datum_kontroly10)          from tab1891v1 tt where "
        u"tt.krava_id = k.krava_id); "_s,
        u"DROP table if exists tab1893v1 ; "_s,
        u"create table tab1893v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly11 as "
        u"datum_kontroly12, t.lakt_dni11 as lakt_dni12, t.mlieko_prepocitane11 as "
        u"mlieko_prepocitane12 , t.tuk_perc11 as tuk_perc12, t.bielkovina_perc11 as "
        u"bielkovina_perc12 FROM tab1892v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly11 > (select min(tt.datum_kontroly11)          from tab1892v1 tt where "
        u"tt.krava_id = k.krava_id); "_s,
        u"DROP table if exists tab1894v1 ; "_s,
        u"create table tab1894v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly12 as "
        u"datum_kontroly13, t.lakt_dni12 as lakt_dni13, t.mlieko_prepocitane12 as "
        u"mlieko_prepocitane13 , t.tuk_perc12 as tuk_perc13, t.bielkovina_perc12 as "
        u"bielkovina_perc13 FROM tab1893v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly12 > (select min(tt.datum_kontroly12)          from tab1893v1 tt where "
        u"tt.krava_id = k.krava_id); "_s,
        u"DROP table if exists tab1895v1 ; "_s,
        u"create table tab1895v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly13 as "
        u"datum_kontroly14, t.lakt_dni13 as lakt_dni14, t.mlieko_prepocitane13 as "
        u"mlieko_prepocitane14 , t.tuk_perc13 as tuk_perc14, t.bielkovina_perc13 as "
        u"bielkovina_perc14 FROM tab1894v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly13 > (select min(tt.datum_kontroly13)          from tab1894v1 tt where "
        u"tt.krava_id = k.krava_id); "_s,
        u"DROP table if exists tab1896v1 ; "_s,
        u"create table tab1896v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly14 as "
        u"datum_kontroly15, t.lakt_dni14 as lakt_dni15, t.mlieko_prepocitane14 as "
        u"mlieko_prepocitane15 , t.tuk_perc14 as tuk_perc15, t.bielkovina_perc14 as "
        u"bielkovina_perc15 FROM tab1895v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly14 > (select min(tt.datum_kontroly14)          from tab1895v1 tt where "
        u"tt.krava_id = k.krava_id); "_s,
        u"DROP table if exists tab1897v1 ; "_s,
        u"create table tab1897v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly15 as "
        u"datum_kontroly16, t.lakt_dni15 as lakt_dni16, t.mlieko_prepocitane15 as "
        u"mlieko_prepocitane16 , t.tuk_perc15 as tuk_perc16, t.bielkovina_perc15 as "
        u"bielkovina_perc16 FROM tab1896v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly15 > (select min(tt.datum_kontroly15)          from tab1896v1 tt where "
        u"tt.krava_id = k.krava_id); "_s,
        u"DROP table if exists tab1898v1 ; "_s,
        u"create table tab1898v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly16 as "
        u"datum_kontroly17, t.lakt_dni16 as lakt_dni17, t.mlieko_prepocitane16 as "
        u"mlieko_prepocitane17 , t.tuk_perc16 as tuk_perc17, t.bielkovina_perc16 as "
        u"bielkovina_perc17 FROM tab1897v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly16 > (select min(tt.datum_kontroly16)          from tab1897v1 tt where "
        u"tt.krava_id = k.krava_id); "_s,
        u"DROP table if exists tab1899v1 ; "_s,
        u"create table tab1899v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly17 as "
        u"datum_kontroly18, t.lakt_dni17 as lakt_dni18, t.mlieko_prepocitane17 as "
        u"mlieko_prepocitane18 , t.tuk_perc17 as tuk_perc18, t.bielkovina_perc17 as "
        u"bielkovina_perc18 FROM tab1898v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly17 > (select min(tt.datum_kontroly17)          from tab1898v1 tt where "
        u"tt.krava_id = k.krava_id); "_s,
        u"DROP table if exists tab18990v1 ; "_s,
        u"create table tab18990v1 SELECT  t.chovatel, t. krava_id, t.datum_kontroly18 as "
        u"datum_kontroly19, t.lakt_dni18 as lakt_dni19, t.mlieko_prepocitane18 as "
        u"mlieko_prepocitane19 , t.tuk_perc18 as tuk_perc19, t.bielkovina_perc18 as "
        u"bielkovina_perc19 FROM tab1899v1 t, kravy k where t.krava_id = k.krava_id    and "
        u"t.datum_kontroly18 > (select min(tt.datum_kontroly18)          from tab1899v1 tt where "
        u"tt.krava_id = k.krava_id); "_s,
    };
}

QStringList RetazecKontrol::prikazy(Laktacie laktacie) {
    static const QRegularExpression vytvor(u"^(create table \\w+) "_s);
    QStringList texty = bezIndexov(laktacie);
    for (QString& prikaz : texty)
        prikaz.replace(vytvor, u"\\1 (KEY (krava_id)) "_s);
    return texty;
}

QStringList RetazecKontrol::tabulky() {
    QStringList t{u"tab180v1"_s};
    for (int krok = 2; krok <= 9; ++krok)
        t << u"tab18%1v1"_s.arg(krok);
    for (int krok = 0; krok <= 9; ++krok)
        t << u"tab189%1v1"_s.arg(krok);
    t << u"tab18990v1"_s;
    return t;
}
