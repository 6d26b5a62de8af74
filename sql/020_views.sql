-- Views the program browses. Each one carries every field that a dataset reading it declares;
-- names of the sire and dam are their ear numbers (otec, matka), the sire's line and register
-- come from his row in byky.

-- Every cow in recording, culled or not, with her sire, dam, colour, breeding type and the
-- culling reason (dovod, its code dovod_kod). The cow card reads it, also for a culled cow.
CREATE VIEW kravy_viewf AS
SELECT
    z.zviera_id, z.otec_id, z.matka_id, z.plemeno_id, z.farba_id, z.plemenna_kniha_id,
    z.plemenny_typ_id, z.usnecislo, z.meno, z.vlastne, z.datumnarodenia, z.datumumrtia,
    z.pohlavie, z.import, z.et, z.chovatel, z.chov_narodenia,
    z.plemeno1, z.krv1, z.plemeno2, z.krv2, z.plemeno3, z.krv3, z.plemeno4, z.krv4,
    z.plemeno5, z.krv5, z.vlozene, z.zmenene,
    k.krava_id, k.dovod_vyradenia_id, k.plemenna, k.datumzaradenia, k.datumvyradenia,
    k.datumposkontroly, k.skupina, k.mb, k.zdravotna_trieda, k.trieda_uzitkovosti,
    k.por_preb_laktacie, k.por_max_laktacie, k.pocet_laktacii, k.pocet_norm_laktacii,
    k.mlieko_max, k.tuk_max, k.bielkovina_max, k.laktoza_max,
    k.mlieko_priem, k.tuk_priem_kg, k.tuk_priem_perc, k.bielkovina_priem_kg,
    k.bielkovina_priem_perc, k.laktoza_priem_kg, k.laktoza_priem_perc,
    dv.nazov AS dovod, dv.kod AS dovod_kod,
    o.usnecislo AS otec, b.linia, b.register, m.usnecislo AS matka,
    pt.kod AS plemenny_typ, pt.skratka AS plemenny_typ_skratka, f.nazov
FROM kravy k
    JOIN zvierata z ON z.zviera_id = k.krava_id
    JOIN dovody_vyradenia dv ON dv.dovod_vyradenia_id = k.dovod_vyradenia_id
    LEFT JOIN zvierata o ON o.zviera_id = z.otec_id
    LEFT JOIN byky b ON b.byk_id = z.otec_id
    LEFT JOIN zvierata m ON m.zviera_id = z.matka_id
    LEFT JOIN plemenne_typy pt ON pt.plemenny_typ_id = z.plemenny_typ_id
    LEFT JOIN farby f ON f.farba_id = z.farba_id;

-- Cows still in the herd (culling reason 00).
CREATE VIEW kravy_view AS
SELECT * FROM kravy_viewf WHERE dovod_kod = '00';

-- Culled cows, with the same columns.
CREATE VIEW vyradene_kravy_view AS
SELECT * FROM kravy_viewf WHERE dovod_kod <> '00';

-- Closed lactations of all cows; chovatel is the cow's barn now, chovatel_lakt the barn she
-- milked that lactation in.
CREATE VIEW laktacie_view AS
SELECT
    l.laktacia_id, l.krava_id, z.usnecislo, z.meno, o.usnecislo AS otec, b.linia, b.register,
    m.usnecislo AS matka, l.poradie, l.datumotelenia, z.chovatel, l.chovatel AS chovatel_lakt,
    l.priebeh_porod, l.zmena, l.ukoncenie, l.ukoncenie_norm_lakt, l.medziobdobie,
    l.hmotnost_kravy, l.pocet_dni, l.pocet_dni_norm, l.mlieko_celk, l.mlieko_norm,
    l.tuk_celk, l.tuk_norm, l.bielkovina_celk, l.bielkovina_norm, l.laktoza_celk,
    l.laktoza_norm, l.index_perzistencie, l.index_laktacie, l.ustajnenie, l.sposob_ku,
    l.maximalna
FROM laktacie l
    JOIN zvierata z ON z.zviera_id = l.krava_id
    LEFT JOIN zvierata o ON o.zviera_id = z.otec_id
    LEFT JOIN byky b ON b.byk_id = z.otec_id
    LEFT JOIN zvierata m ON m.zviera_id = z.matka_id;

-- Current lactations of the cows in the herd, in milk (ukoncenie empty) or dried off.
CREATE VIEW prebiehajuce_laktacie_view AS
SELECT
    l.laktacia_id, l.krava_id, z.usnecislo, z.meno, o.usnecislo AS otec, b.linia, b.register,
    m.usnecislo AS matka, l.poradie, l.datumotelenia, z.chovatel, l.chovatel AS chovatel_lakt,
    l.priebeh_porod, l.zmena, l.ukoncenie, l.ukoncenie_norm_lakt, l.medziobdobie,
    l.hmotnost_kravy, l.pocet_dni, l.pocet_dni_norm, l.mlieko_celk, l.mlieko_norm,
    l.tuk_celk, l.tuk_norm, l.bielkovina_celk, l.bielkovina_norm, l.laktoza_celk,
    l.laktoza_norm, l.index_perzistencie, l.index_laktacie, l.ustajnenie, l.sposob_ku,
    l.maximalna
FROM prebiehajuce_laktacie l
    JOIN zvierata z ON z.zviera_id = l.krava_id
    JOIN kravy k ON k.krava_id = l.krava_id
    JOIN dovody_vyradenia dv ON dv.dovod_vyradenia_id = k.dovod_vyradenia_id
    LEFT JOIN zvierata o ON o.zviera_id = z.otec_id
    LEFT JOIN byky b ON b.byk_id = z.otec_id
    LEFT JOIN zvierata m ON m.zviera_id = z.matka_id
WHERE dv.kod = '00';

-- Heifers in the herd with their parents, blood shares, status and last weighing.
CREATE VIEW jalovice_view AS
SELECT
    z.zviera_id, z.usnecislo, z.meno, z.datumnarodenia, z.otec_id, z.matka_id,
    o.usnecislo AS otec, b.linia, b.register, m.usnecislo AS matka,
    z.chovatel, z.chov_narodenia, z.vlastne, z.import, z.et,
    z.plemeno_id, pl.kod AS plemeno, z.plemenna_kniha_id, z.plemenny_typ_id,
    z.plemeno1, z.krv1, z.plemeno2, z.krv2, z.plemeno3, z.krv3, z.plemeno4, z.krv4,
    z.plemeno5, z.krv5,
    j.stav, j.datum_inseminacie, j.byk_inseminacie_id, bi.usnecislo AS byk_inseminacie,
    j.hmotnost, j.datum_vazenia
FROM jalovice j
    JOIN zvierata z ON z.zviera_id = j.jalovica_id
    LEFT JOIN plemena pl ON pl.plemeno_id = z.plemeno_id
    LEFT JOIN zvierata o ON o.zviera_id = z.otec_id
    LEFT JOIN byky b ON b.byk_id = z.otec_id
    LEFT JOIN zvierata m ON m.zviera_id = z.matka_id
    LEFT JOIN zvierata bi ON bi.zviera_id = j.byk_inseminacie_id;

-- Test days with the cow's ear number and the day's fat, protein and lactose in kg.
CREATE VIEW kontroly_view AS
SELECT
    ko.kontrola_id, ko.krava_id, z.usnecislo, ko.datum, ko.poradie_preb_laktacie, ko.typ,
    ko.denna_doba, ko.interval_kontroly, ko.mlieko,
    ko.mlieko / 100 * ko.tuk_perc AS tuk, ko.tuk_perc,
    ko.mlieko / 100 * ko.bielkovina_perc AS bielkovina, ko.bielkovina_perc,
    ko.mlieko / 100 * ko.laktoza_perc AS laktoza, ko.laktoza_perc,
    ko.bun_elementy, ko.mocovina, ko.chovatel, ko.skupina, ko.prepocet,
    ko.mlieko_prepocitane, ko.tuk_prepocitane
FROM kontroly ko
    JOIN zvierata z ON z.zviera_id = ko.krava_id;

-- Three generations of ancestors by ear number. In a column name the first letter is the
-- ancestor's sex (O father, M mother) and each further letter the next animal down towards
-- the animal itself: OM is the mother's father, MOM the mother of the mother's father.
CREATE VIEW rodokmen_view AS
SELECT
    z.zviera_id, z.usnecislo,
    o.usnecislo AS O, m.usnecislo AS M,
    oo.usnecislo AS OO, mo.usnecislo AS MO, om.usnecislo AS OM, mm.usnecislo AS MM,
    ooo.usnecislo AS OOO, moo.usnecislo AS MOO, omo.usnecislo AS OMO, mmo.usnecislo AS MMO,
    oom.usnecislo AS OOM, mom.usnecislo AS MOM, omm.usnecislo AS OMM, mmm.usnecislo AS MMM
FROM zvierata z
    LEFT JOIN zvierata o ON o.zviera_id = z.otec_id
    LEFT JOIN zvierata m ON m.zviera_id = z.matka_id
    LEFT JOIN zvierata oo ON oo.zviera_id = o.otec_id
    LEFT JOIN zvierata mo ON mo.zviera_id = o.matka_id
    LEFT JOIN zvierata om ON om.zviera_id = m.otec_id
    LEFT JOIN zvierata mm ON mm.zviera_id = m.matka_id
    LEFT JOIN zvierata ooo ON ooo.zviera_id = oo.otec_id
    LEFT JOIN zvierata moo ON moo.zviera_id = oo.matka_id
    LEFT JOIN zvierata omo ON omo.zviera_id = mo.otec_id
    LEFT JOIN zvierata mmo ON mmo.zviera_id = mo.matka_id
    LEFT JOIN zvierata oom ON oom.zviera_id = om.otec_id
    LEFT JOIN zvierata mom ON mom.zviera_id = om.matka_id
    LEFT JOIN zvierata omm ON omm.zviera_id = mm.otec_id
    LEFT JOIN zvierata mmm ON mmm.zviera_id = mm.matka_id;

-- The parameter row split into the parts of the barn code, with the names of the selected
-- enterprise, herd and barn. The report scripts compare each part with 0 to mean "all".
CREATE VIEW paramwok AS
SELECT
    substring(p.chovatel, 1, 1) AS kraj,
    substring(p.chovatel, 2, 2) AS okres,
    substring(p.chovatel, 4, 3) AS podnik,
    substring(p.chovatel, 7, 2) AS chov,
    substring(p.chovatel, 9, 1) AS mastal,
    p.chovatel, p.pocet_dcer, p.kontrolne_obd_od, p.kontrolne_obd_do,
    pd.nazov AS nazov_podniku, ch.nazov AS nazov_chovu, ms.nazov AS nazov_mastale
FROM param p
    LEFT JOIN podniky pd ON pd.podnik = substring(p.chovatel, 1, 6)
    LEFT JOIN chovy ch ON ch.chov = substring(p.chovatel, 1, 8)
    LEFT JOIN mastale ms ON ms.mastal = p.chovatel;
