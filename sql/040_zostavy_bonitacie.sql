-- Relations of the bonitation reports 1.A and 1.B, 7.B (with the list of 7.BB), 9.A and 9.B,
-- 12, 13, 15, 16, 21 and 22, and the universal report's source of cows, uzkravy.
--
-- Like those of 030_zostavy.sql they are views over the selection of the parameter row. The
-- heifer reports need the same selection as the cow reports, so the selection filter moves into
-- zvierata_vyberu, every animal of the selection, and kravy_vyberu is defined anew on it.
--
-- The layouts average the rows they print: a relation with a row per lactation gives averages
-- weighted by lactations, one with a row per cow averages over cows. A percentage of fat or
-- protein is that of its own lactation, so its average weighs every lactation alike, as the
-- yields do. Cross tables (reports 9.B, 13 and 21) carry one row per animal with a 0/1 column
-- per column of the table, whose sum per group is the count in that cell.

-- Animals of the enterprise, herd or barn of the parameter row. The five conditions compare the
-- parts of the barn code one by one, so that a part of zeros in the selection matches every
-- animal.
CREATE OR REPLACE VIEW zvierata_vyberu AS
SELECT
    z.zviera_id, z.otec_id, z.matka_id, z.usnecislo, z.meno, z.datumnarodenia, z.chovatel,
    z.plemeno1, z.krv1, z.plemeno2, z.krv2, z.plemeno3, z.krv3, z.plemeno4, z.krv4,
    z.plemeno5, z.krv5
FROM zvierata z
    JOIN paramwok p
WHERE (substring(z.chovatel,1,1) = p.kraj or  p.kraj = 0)
    and (substring(z.chovatel,2,2) = p.okres or  p.okres = 00)
    and (substring(z.chovatel,4,3) = p.podnik or  p.podnik = 000)
    and (substring(z.chovatel,7,2) = p.chov or  p.chov = 00)
    and (substring(z.chovatel,9,1) = p.mastal or  p.mastal = 0);

-- The cows still in the herd among them, as before, now also with their dam. Their last calving
-- is that of their current lactation, in milk or dry; a cow without one (as an older database
-- keeps a dry cow) has her last closed lactation instead.
CREATE OR REPLACE VIEW kravy_vyberu AS
SELECT
    z.zviera_id AS krava_id, z.usnecislo, z.meno, z.datumnarodenia, z.chovatel, z.otec_id,
    z.plemeno1, z.krv1, z.plemeno2, z.krv2, z.plemeno3, z.krv3, z.plemeno4, z.krv4,
    z.plemeno5, z.krv5,
    coalesce(pl.poradie, lu.poradie) AS laktacia,
    coalesce(pl.datumotelenia, lu.datumotelenia) AS posledne_otelenie,
    coalesce(pl.medziobdobie, lu.medziobdobie) AS medziobdobie,
    z.matka_id
FROM zvierata_vyberu z
    JOIN kravy k ON k.krava_id = z.zviera_id
    JOIN dovody_vyradenia d ON d.dovod_vyradenia_id = k.dovod_vyradenia_id
    LEFT JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id
    LEFT JOIN laktacie lu ON pl.krava_id IS NULL AND lu.krava_id = z.zviera_id
        AND lu.poradie = (SELECT max(x.poradie) FROM laktacie x WHERE x.krava_id = z.zviera_id)
WHERE d.kod = 00;

-- The day the recorded data describe: the newest test day. Ages are counted to it, so that an
-- old database does not age its animals.
CREATE OR REPLACE VIEW datum_udajov AS
SELECT coalesce(max(datum), curdate()) AS datum FROM kontroly;

-- Standardised lactations of every cow, culled or not: the closed ones and the one in milk once
-- it has passed its 305th day, with the herd she milked it in and her sire. A lactation without
-- a recorded yield does not count.
CREATE OR REPLACE VIEW normovane_laktacie AS
SELECT
    l.krava_id, z.otec_id, l.poradie, l.datumotelenia, left(l.chovatel, 8) AS chov,
    l.pocet_dni_norm, l.mlieko_norm, l.tuk_norm, l.bielkovina_norm
FROM laktacie l
    JOIN zvierata z ON z.zviera_id = l.krava_id
WHERE l.mlieko_norm > 0
UNION ALL
SELECT
    l.krava_id, z.otec_id, l.poradie, l.datumotelenia, left(l.chovatel, 8) AS chov,
    l.pocet_dni_norm, l.mlieko_norm, l.tuk_norm, l.bielkovina_norm
FROM prebiehajuce_laktacie l
    JOIN zvierata z ON z.zviera_id = l.krava_id
WHERE l.ukoncenie_norm_lakt IS NOT NULL AND l.mlieko_norm > 0;

-- Report 1.A: the standardised lactations of the living cows of the selection, one row each,
-- under the sires that have at least param.pocet_dcer daughters among them, sorted by line and
-- sire for the layout's group totals. dcera is 1 on a daughter's first row and novy_otec on one
-- row of each sire, so that their sums count daughters and sires. chov, rok and poradie place a
-- lactation among its herd-mates (report 1.B).
CREATE OR REPLACE VIEW tab15v2 AS
WITH dcery AS (
    SELECT
        v.krava_id, v.usnecislo, v.meno, v.chovatel, v.otec_id, n.poradie, n.chov,
        year(n.datumotelenia) AS rok, n.mlieko_norm AS mlieko, n.tuk_norm AS tuk,
        n.bielkovina_norm AS bielkovina,
        CASE WHEN n.poradie = min(n.poradie) OVER (PARTITION BY v.krava_id) THEN 1 ELSE 0 END
            AS dcera
    FROM kravy_vyberu v
        JOIN normovane_laktacie n ON n.krava_id = v.krava_id
    WHERE v.otec_id IS NOT NULL
), otcovia AS (
    SELECT
        d.*, sum(d.dcera) OVER (PARTITION BY d.otec_id) AS pocet_dcer,
        count(*) OVER (PARTITION BY d.otec_id) AS pocet_laktacii,
        CASE WHEN row_number() OVER (PARTITION BY d.otec_id) = 1 THEN 1 ELSE 0 END AS novy_otec
    FROM dcery d
)
SELECT
    b.linia, coalesce(li.nazov, 'bez určenej línie') AS nazov_linie,
    o.usnecislo AS otec, o.meno AS meno_otca, d.pocet_dcer, d.pocet_laktacii,
    d.krava_id, d.otec_id, d.usnecislo, d.meno, d.chovatel, d.chov, d.rok, d.poradie,
    d.mlieko, d.tuk, 100 * d.tuk / d.mlieko AS tuk_perc,
    d.bielkovina, 100 * d.bielkovina / d.mlieko AS bielkovina_perc,
    d.tuk + d.bielkovina AS tuk_bielkovina, d.dcera, d.novy_otec
FROM otcovia d
    JOIN paramwok p ON d.pocet_dcer >= p.pocet_dcer
    JOIN zvierata o ON o.zviera_id = d.otec_id
    LEFT JOIN byky b ON b.byk_id = d.otec_id
    LEFT JOIN linie li ON li.linia_id = b.linia_id
ORDER BY b.linia IS NULL, b.linia, o.usnecislo, d.usnecislo, d.poradie;

-- Report 1.B: the lactations of report 1.A set against their herd-mates: the standardised
-- lactations of the other cows of the herd, culled or not and wherever they stand now, that
-- calved in the same year in the same lactation (first, second, third and later), leaving out
-- the daughters of the same sire. A lactation without herd-mates is left out; dcera counts the
-- daughters with a lactation compared.
CREATE OR REPLACE VIEW tab1b1v1 AS
WITH skupiny AS (
    SELECT
        n.chov, year(n.datumotelenia) AS rok, least(n.poradie, 3) AS skupina_poradia, n.otec_id,
        count(*) AS pocet, sum(n.mlieko_norm) AS mlieko, sum(n.tuk_norm) AS tuk,
        sum(100 * n.tuk_norm / n.mlieko_norm) AS tuk_perc,
        sum(n.bielkovina_norm) AS bielkovina,
        sum(100 * n.bielkovina_norm / n.mlieko_norm) AS bielkovina_perc
    FROM normovane_laktacie n
    GROUP BY n.chov, year(n.datumotelenia), least(n.poradie, 3), n.otec_id
), rovesnice AS (
    SELECT
        s.chov, s.rok, s.skupina_poradia, s.otec_id,
        sum(s.pocet) OVER w - s.pocet AS pocet,
        (sum(s.mlieko) OVER w - s.mlieko) / (sum(s.pocet) OVER w - s.pocet) AS mlieko,
        (sum(s.tuk) OVER w - s.tuk) / (sum(s.pocet) OVER w - s.pocet) AS tuk,
        (sum(s.tuk_perc) OVER w - s.tuk_perc) / (sum(s.pocet) OVER w - s.pocet) AS tuk_perc,
        (sum(s.bielkovina) OVER w - s.bielkovina) / (sum(s.pocet) OVER w - s.pocet) AS bielkovina,
        (sum(s.bielkovina_perc) OVER w - s.bielkovina_perc) / (sum(s.pocet) OVER w - s.pocet)
            AS bielkovina_perc
    FROM skupiny s
    WINDOW w AS (PARTITION BY s.chov, s.rok, s.skupina_poradia)
)
SELECT
    t.linia, t.nazov_linie, t.otec, t.meno_otca, t.usnecislo, t.meno, t.chovatel, t.poradie,
    t.mlieko, t.tuk, t.tuk_perc, t.bielkovina, t.bielkovina_perc, t.tuk_bielkovina,
    r.pocet AS pocet_rovesnic,
    r.mlieko AS mlieko_rovesnic, r.tuk AS tuk_rovesnic, r.tuk_perc AS tuk_perc_rovesnic,
    r.bielkovina AS bielkovina_rovesnic, r.bielkovina_perc AS bielkovina_perc_rovesnic,
    r.tuk + r.bielkovina AS tuk_bielkovina_rovesnic,
    t.mlieko - r.mlieko AS rozdiel_mlieko, t.tuk - r.tuk AS rozdiel_tuk,
    t.tuk_perc - r.tuk_perc AS rozdiel_tuk_perc, t.bielkovina - r.bielkovina AS rozdiel_bielkovina,
    t.bielkovina_perc - r.bielkovina_perc AS rozdiel_bielkovina_perc,
    t.tuk_bielkovina - r.tuk - r.bielkovina AS rozdiel_tuk_bielkovina,
    CASE WHEN t.poradie = min(t.poradie) OVER (PARTITION BY t.krava_id) THEN 1 ELSE 0 END AS dcera
FROM tab15v2 t
    JOIN rovesnice r ON r.chov = t.chov AND r.rok = t.rok
        AND r.skupina_poradia = least(t.poradie, 3) AND r.otec_id = t.otec_id
WHERE r.pocet > 0
ORDER BY t.linia IS NULL, t.linia, t.otec, t.usnecislo, t.poradie;

-- Report 1.B, its reference line: the average standardised lactation of all living cows of the
-- selection, whatever their sire. One row, also for a selection without cows.
CREATE OR REPLACE VIEW tab1b0v1 AS
SELECT
    count(DISTINCT v.krava_id) AS pocet_krav, count(n.krava_id) AS pocet_laktacii,
    avg(n.mlieko_norm) AS mlieko, avg(n.tuk_norm) AS tuk,
    avg(100 * n.tuk_norm / n.mlieko_norm) AS tuk_perc, avg(n.bielkovina_norm) AS bielkovina,
    avg(100 * n.bielkovina_norm / n.mlieko_norm) AS bielkovina_perc,
    avg(n.tuk_norm + n.bielkovina_norm) AS tuk_bielkovina
FROM kravy_vyberu v
    JOIN normovane_laktacie n ON n.krava_id = v.krava_id;

-- Report 7.BB: the living cows with their maximum lactation, the closed standardised lactation
-- with the most milk (the cow's record keeps it); the report lists those between two bounds.
CREATE OR REPLACE VIEW tab7b0v1 AS
SELECT
    v.usnecislo, v.meno, v.chovatel, v.datumnarodenia, o.usnecislo AS otec, b.linia,
    k.pocet_laktacii, k.por_max_laktacie AS poradie,
    k.mlieko_max AS mlieko, k.tuk_max AS tuk, 100 * k.tuk_max / k.mlieko_max AS tuk_perc,
    k.bielkovina_max AS bielkovina, 100 * k.bielkovina_max / k.mlieko_max AS bielkovina_perc,
    k.tuk_max + k.bielkovina_max AS tuk_bielkovina
FROM kravy_vyberu v
    JOIN kravy k ON k.krava_id = v.krava_id
    LEFT JOIN zvierata o ON o.zviera_id = v.otec_id
    LEFT JOIN byky b ON b.byk_id = v.otec_id
WHERE k.mlieko_max > 0;

-- Report 7.B: the same cows in classes of 1,000 kg of milk (trieda_od to trieda_do), sorted by
-- class; podiel is each cow's share of the cows with a maximum lactation.
CREATE OR REPLACE VIEW tab7b3v1 AS
SELECT
    t.*,
    1000 * floor(t.mlieko / 1000) AS trieda_od, 1000 * floor(t.mlieko / 1000) + 999 AS trieda_do,
    100e0 / count(*) OVER () AS podiel
FROM tab7b0v1 t
ORDER BY trieda_od, t.mlieko DESC;

-- Reports 9.A and 9.B: the living cows in milk after a second or later calving, with the
-- calving interval of that calving in bands. je_2 to je_5 mark the number of the lactation in
-- milk (5 for the fifth and later); medziobdobie_n is the interval of a cow of that group only
-- and podiel_n her share of that group's cows, so that sums and averages per band give the
-- cells of report 9.B.
CREATE OR REPLACE VIEW tab9a2v1 AS
SELECT
    v.usnecislo, v.meno, v.chovatel, pl.poradie, pl.datumotelenia, pl.medziobdobie,
    pl.pocet_dni, pl.mlieko_celk, pl.mlieko_celk / nullif(pl.pocet_dni, 0) AS denna_dojivost,
    CASE WHEN pl.medziobdobie <= 365 THEN 1 WHEN pl.medziobdobie <= 400 THEN 2
         WHEN pl.medziobdobie <= 450 THEN 3 WHEN pl.medziobdobie <= 500 THEN 4 ELSE 5 END AS pasmo,
    CASE WHEN pl.medziobdobie <= 365 THEN 'do 365 dní' WHEN pl.medziobdobie <= 400 THEN '366 – 400 dní'
         WHEN pl.medziobdobie <= 450 THEN '401 – 450 dní' WHEN pl.medziobdobie <= 500 THEN '451 – 500 dní'
         ELSE 'nad 500 dní' END AS nazov_pasma,
    100e0 / count(*) OVER () AS podiel,
    CASE WHEN pl.poradie = 2 THEN 1 ELSE 0 END AS je_2,
    CASE WHEN pl.poradie = 3 THEN 1 ELSE 0 END AS je_3,
    CASE WHEN pl.poradie = 4 THEN 1 ELSE 0 END AS je_4,
    CASE WHEN pl.poradie >= 5 THEN 1 ELSE 0 END AS je_5,
    CASE WHEN pl.poradie = 2 THEN pl.medziobdobie END AS medziobdobie_2,
    CASE WHEN pl.poradie = 3 THEN pl.medziobdobie END AS medziobdobie_3,
    CASE WHEN pl.poradie = 4 THEN pl.medziobdobie END AS medziobdobie_4,
    CASE WHEN pl.poradie >= 5 THEN pl.medziobdobie END AS medziobdobie_5,
    CASE WHEN pl.poradie = 2 THEN 100e0 / sum(pl.poradie = 2) OVER () END AS podiel_2,
    CASE WHEN pl.poradie = 3 THEN 100e0 / sum(pl.poradie = 3) OVER () END AS podiel_3,
    CASE WHEN pl.poradie = 4 THEN 100e0 / sum(pl.poradie = 4) OVER () END AS podiel_4,
    CASE WHEN pl.poradie >= 5 THEN 100e0 / sum(pl.poradie >= 5) OVER () END AS podiel_5
FROM kravy_vyberu v
    JOIN prebiehajuce_laktacie pl ON pl.krava_id = v.krava_id
WHERE pl.medziobdobie IS NOT NULL
ORDER BY pasmo, pl.medziobdobie, v.usnecislo;

-- The living cows of the selection with every fact a breeder picks cows by: identity, sire and
-- line, dam, breed shares and group, marks (bull dam mb, health and performance class), the
-- lactations, the last calving and its interval, the lactation in milk, the maximum and the
-- average lactation, somatic cells of the last test and the average of the last lactation, and
-- the breeding values. Report 12 and the universal report read it.
CREATE OR REPLACE VIEW uzkravy AS
SELECT
    v.krava_id, v.usnecislo, v.meno, v.datumnarodenia,
    round(datediff(du.datum, v.datumnarodenia) / 365.25, 1) AS vek,
    v.chovatel, left(v.chovatel, 8) AS chov, k.datumzaradenia,
    o.usnecislo AS otec, o.meno AS meno_otca, b.linia, b.register,
    m.usnecislo AS matka, m.meno AS meno_matky,
    v.plemeno1, v.krv1, v.plemeno2, v.krv2, v.plemeno3, v.krv3, v.plemeno4, v.krv4,
    v.plemeno5, v.krv5, coalesce(s.skupina, 'BEZ') AS skupina,
    k.mb, k.plemenna, k.zdravotna_trieda, k.trieda_uzitkovosti,
    v.laktacia, k.por_preb_laktacie, k.pocet_laktacii, k.pocet_norm_laktacii,
    v.posledne_otelenie, v.medziobdobie,
    pl.pocet_dni AS preb_dni, pl.mlieko_celk AS preb_mlieko,
    k.por_max_laktacie, k.mlieko_max, k.tuk_max, 100 * k.tuk_max / k.mlieko_max AS tuk_max_perc,
    k.bielkovina_max, 100 * k.bielkovina_max / k.mlieko_max AS bielkovina_max_perc,
    k.mlieko_priem, k.tuk_priem_kg, k.tuk_priem_perc, k.bielkovina_priem_kg,
    k.bielkovina_priem_perc,
    k.datumposkontroly,
    (SELECT ko.bun_elementy FROM kontroly ko WHERE ko.krava_id = v.krava_id
     ORDER BY ko.datum DESC LIMIT 1) AS bunky_posledna,
    (SELECT avg(ko.bun_elementy) FROM kontroly ko WHERE ko.krava_id = v.krava_id
         AND ko.poradie_preb_laktacie = v.laktacia) AS bunky_priemer,
    ph.datum_hodnotenia, ph.ph_mlieko, ph.ph_tuk_kg, ph.ph_tuk_perc, ph.ph_bielkovina_kg,
    ph.ph_bielkovina_perc, ph.ph_somaticke_bunky, ph.index_celkovy, ph.spolahlivost
FROM kravy_vyberu v
    JOIN kravy k ON k.krava_id = v.krava_id
    JOIN datum_udajov du
    LEFT JOIN prebiehajuce_laktacie pl ON pl.krava_id = v.krava_id
    LEFT JOIN zvierata o ON o.zviera_id = v.otec_id
    LEFT JOIN byky b ON b.byk_id = v.otec_id
    LEFT JOIN zvierata m ON m.zviera_id = v.matka_id
    LEFT JOIN plemenne_skupiny s ON s.plemeno = v.plemeno1
        AND v.krv1 >= s.krv_od AND (s.krv_do IS NULL OR v.krv1 < s.krv_do)
    LEFT JOIN plemenne_hodnoty ph ON ph.zviera_id = v.krava_id;

-- Report 13: the living cows by performance class (I to IV; 5 for a cow without a class, that
-- has no closed lactation to be judged by yet) with the last closed lactation the class stands
-- on. je_1 to je_5 mark its number (5 for the fifth and later); podiel is each cow's share.
CREATE OR REPLACE VIEW tab138v1 AS
SELECT
    v.usnecislo, v.meno, v.chovatel,
    CASE k.trieda_uzitkovosti WHEN 'I' THEN 1 WHEN 'II' THEN 2 WHEN 'III' THEN 3 WHEN 'IV' THEN 4
         ELSE 5 END AS trieda,
    CASE k.trieda_uzitkovosti WHEN 'I' THEN 'I.' WHEN 'II' THEN 'II.' WHEN 'III' THEN 'III.'
         WHEN 'IV' THEN 'IV.' ELSE 'bez triedy' END AS nazov_triedy,
    CASE k.trieda_uzitkovosti WHEN 'I' THEN '115 % a viac' WHEN 'II' THEN '105 – 114 %'
         WHEN 'III' THEN '95 – 104 %' WHEN 'IV' THEN 'pod 95 %'
         ELSE 'bez uzavr. laktácie' END AS hranice_triedy,
    lp.poradie AS laktacia, lp.mlieko_norm AS mlieko, lp.tuk_norm AS tuk,
    100 * lp.tuk_norm / lp.mlieko_norm AS tuk_perc, lp.bielkovina_norm AS bielkovina,
    100 * lp.bielkovina_norm / lp.mlieko_norm AS bielkovina_perc,
    lp.tuk_norm + lp.bielkovina_norm AS tuk_bielkovina,
    CASE WHEN lp.poradie = 1 THEN 1 ELSE 0 END AS je_1,
    CASE WHEN lp.poradie = 2 THEN 1 ELSE 0 END AS je_2,
    CASE WHEN lp.poradie = 3 THEN 1 ELSE 0 END AS je_3,
    CASE WHEN lp.poradie = 4 THEN 1 ELSE 0 END AS je_4,
    CASE WHEN lp.poradie >= 5 THEN 1 ELSE 0 END AS je_5,
    100e0 / count(*) OVER () AS podiel
FROM kravy_vyberu v
    JOIN kravy k ON k.krava_id = v.krava_id
    LEFT JOIN laktacie lp ON k.trieda_uzitkovosti IS NOT NULL AND lp.krava_id = v.krava_id
        AND lp.poradie = (SELECT max(x.poradie) FROM laktacie x
                          WHERE x.krava_id = v.krava_id AND x.mlieko_norm > 0)
ORDER BY trieda, v.usnecislo;

-- Report 15: the roll of the living cows at the assessment, with their breed composition as
-- text (largest share first), the maximum lactation (max_), the last closed standardised
-- lactation (posl_), the one before it (pred_) and the lactation in milk (preb_). The refresh of
-- the universal report reads the same columns.
CREATE OR REPLACE VIEW tab153v2 AS
SELECT
    v.krava_id, v.chovatel, ms.nazov AS nazov_mastale, v.usnecislo, v.meno, v.datumnarodenia,
    o.usnecislo AS otec, b.linia,
    concat_ws('  ',
        concat(v.plemeno1, ' ', replace(trim(TRAILING '.0' FROM v.krv1), '.', ',')),
        concat(v.plemeno2, ' ', replace(trim(TRAILING '.0' FROM v.krv2), '.', ',')),
        concat(v.plemeno3, ' ', replace(trim(TRAILING '.0' FROM v.krv3), '.', ',')),
        concat(v.plemeno4, ' ', replace(trim(TRAILING '.0' FROM v.krv4), '.', ',')),
        concat(v.plemeno5, ' ', replace(trim(TRAILING '.0' FROM v.krv5), '.', ','))
    ) AS plemenna_skladba,
    v.laktacia, v.medziobdobie, v.posledne_otelenie AS datumotelenia,
    lm.poradie AS max_poradie, lm.mlieko_norm AS max_mlieko, lm.tuk_norm AS max_tuk,
    100 * lm.tuk_norm / lm.mlieko_norm AS max_tuk_perc, lm.bielkovina_norm AS max_bielkovina,
    100 * lm.bielkovina_norm / lm.mlieko_norm AS max_bielkovina_perc,
    lr.poradie AS pred_poradie, lr.pocet_dni_norm AS pred_dni_norm,
    lr.mlieko_norm AS pred_mlieko_norm, lr.tuk_norm AS pred_tuk_norm,
    100 * lr.tuk_norm / lr.mlieko_norm AS pred_tuk_perc,
    lr.bielkovina_norm AS pred_bielkovina_norm,
    100 * lr.bielkovina_norm / lr.mlieko_norm AS pred_bielkovina_perc,
    lp.poradie AS posl_poradie, lp.pocet_dni_norm AS posl_dni_norm,
    lp.mlieko_norm AS posl_mlieko_norm, lp.tuk_norm AS posl_tuk_norm,
    100 * lp.tuk_norm / lp.mlieko_norm AS posl_tuk_perc,
    lp.bielkovina_norm AS posl_bielkovina_norm,
    100 * lp.bielkovina_norm / lp.mlieko_norm AS posl_bielkovina_perc,
    pl.poradie AS preb_poradie, pl.pocet_dni AS preb_dni, pl.mlieko_celk AS preb_mlieko_celk,
    pl.tuk_celk AS preb_tuk_celk, 100 * pl.tuk_celk / pl.mlieko_celk AS preb_tuk_perc,
    pl.bielkovina_celk AS preb_bielkovina_celk,
    100 * pl.bielkovina_celk / pl.mlieko_celk AS preb_bielkovina_perc
FROM kravy_vyberu v
    LEFT JOIN mastale ms ON ms.mastal = v.chovatel
    LEFT JOIN zvierata o ON o.zviera_id = v.otec_id
    LEFT JOIN byky b ON b.byk_id = v.otec_id
    LEFT JOIN laktacie lm ON lm.krava_id = v.krava_id AND lm.maximalna = 1
    LEFT JOIN laktacie lp ON lp.krava_id = v.krava_id
        AND lp.poradie = (SELECT max(x.poradie) FROM laktacie x WHERE x.krava_id = v.krava_id)
    LEFT JOIN laktacie lr ON lr.krava_id = v.krava_id AND lr.poradie = lp.poradie - 1
    LEFT JOIN prebiehajuce_laktacie pl ON pl.krava_id = v.krava_id
ORDER BY v.chovatel, v.usnecislo;

-- Report 16: the breeding values of the living cows, the best total index first (poradie is
-- the rank); cows not evaluated yet follow without values.
CREATE OR REPLACE VIEW tab160v1 AS
SELECT
    CASE WHEN ph.index_celkovy IS NOT NULL
         THEN rank() OVER (ORDER BY ph.index_celkovy IS NULL, ph.index_celkovy DESC) END AS poradie,
    v.usnecislo, v.meno, v.chovatel, o.usnecislo AS otec, b.linia, v.laktacia,
    ph.datum_hodnotenia, ph.ph_mlieko, ph.ph_tuk_kg, ph.ph_tuk_perc, ph.ph_bielkovina_kg,
    ph.ph_bielkovina_perc, ph.ph_somaticke_bunky, ph.index_celkovy, ph.spolahlivost
FROM kravy_vyberu v
    LEFT JOIN plemenne_hodnoty ph ON ph.zviera_id = v.krava_id
    LEFT JOIN zvierata o ON o.zviera_id = v.otec_id
    LEFT JOIN byky b ON b.byk_id = v.otec_id
ORDER BY ph.index_celkovy IS NULL, ph.index_celkovy DESC, v.usnecislo;

-- Report 21: the heifers of the selection by age band in completed months, with their status
-- (O rearing, P ready for breeding, I inseminated, G confirmed pregnant) as 0/1 columns.
CREATE OR REPLACE VIEW tabj35v1 AS
SELECT
    z.usnecislo, z.meno, z.chovatel, z.datumnarodenia,
    datediff(du.datum, z.datumnarodenia) / 30.4375 AS vek,
    CASE WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 6 THEN 1
         WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 12 THEN 2
         WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 18 THEN 3
         WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 24 THEN 4 ELSE 5 END AS pasmo,
    CASE WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 6 THEN 'do 6 mesiacov'
         WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 12 THEN '6 – 11 mesiacov'
         WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 18 THEN '12 – 17 mesiacov'
         WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 24 THEN '18 – 23 mesiacov'
         ELSE '24 a viac mesiacov' END AS nazov_pasma,
    j.stav, j.hmotnost,
    CASE WHEN j.stav = 'O' THEN 1 ELSE 0 END AS je_o,
    CASE WHEN j.stav = 'P' THEN 1 ELSE 0 END AS je_p,
    CASE WHEN j.stav = 'I' THEN 1 ELSE 0 END AS je_i,
    CASE WHEN j.stav = 'G' THEN 1 ELSE 0 END AS je_g,
    100e0 / count(*) OVER () AS podiel
FROM zvierata_vyberu z
    JOIN jalovice j ON j.jalovica_id = z.zviera_id
    JOIN datum_udajov du
ORDER BY pasmo, z.datumnarodenia DESC, z.usnecislo;

-- Cows (druh K) and heifers (J) of the selection by herd and breed group.
CREATE OR REPLACE VIEW skupiny_vyberu AS
SELECT 'K' AS druh, c.chov, c.skupina
FROM tab50v3kravy c
UNION ALL
SELECT 'J' AS druh, left(z.chovatel, 8) AS chov, coalesce(s.skupina, 'BEZ') AS skupina
FROM zvierata_vyberu z
    JOIN jalovice j ON j.jalovica_id = z.zviera_id
    LEFT JOIN plemenne_skupiny s ON s.plemeno = z.plemeno1
        AND z.krv1 >= s.krv_od AND (s.krv_do IS NULL OR z.krv1 < s.krv_do);

-- The breed structure of cows and of heifers: animals per breed group and herd with their share
-- of the herd (uroven 1), followed, when the selection spans several herds, by the same for the
-- whole selection (uroven 2, no herd code). Groups without animals are left out.
CREATE OR REPLACE VIEW skladba_plemien AS
SELECT
    c.druh, 1 AS uroven, c.chov, ch.nazov AS nazov_chovu, s.poradie, s.skupina,
    coalesce(pl.nazov, 'bez plemenného typu') AS nazov_plemena, s.pasmo,
    count(*) AS pocet,
    100e0 * count(*) / sum(count(*)) OVER (PARTITION BY c.druh, c.chov) AS podiel
FROM skupiny_vyberu c
    JOIN plemenne_skupiny s ON s.skupina = c.skupina
    LEFT JOIN plemena pl ON pl.kod = s.plemeno
    LEFT JOIN chovy ch ON ch.chov = c.chov
GROUP BY c.druh, c.chov, ch.nazov, s.poradie, s.skupina, pl.nazov, s.pasmo
UNION ALL
SELECT
    c.druh, 2 AS uroven, NULL AS chov, 'Všetky chovy výberu' AS nazov_chovu, s.poradie,
    s.skupina, coalesce(pl.nazov, 'bez plemenného typu') AS nazov_plemena, s.pasmo,
    count(*) AS pocet,
    100e0 * count(*) / sum(count(*)) OVER (PARTITION BY c.druh) AS podiel
FROM skupiny_vyberu c
    JOIN plemenne_skupiny s ON s.skupina = c.skupina
    LEFT JOIN plemena pl ON pl.kod = s.plemeno
WHERE (SELECT count(DISTINCT h.chov) FROM skupiny_vyberu h WHERE h.druh = c.druh) > 1
GROUP BY c.druh, s.poradie, s.skupina, pl.nazov, s.pasmo;

-- Report 5A reads the cows' part, report 22 the heifers'.
CREATE OR REPLACE VIEW tab51v1 AS
SELECT uroven, chov, nazov_chovu, poradie, skupina, nazov_plemena, pasmo, pocet, podiel
FROM skladba_plemien
WHERE druh = 'K'
ORDER BY uroven, chov, poradie;

CREATE OR REPLACE VIEW tabj52v1 AS
SELECT uroven, chov, nazov_chovu, poradie, skupina, nazov_plemena, pasmo, pocet, podiel
FROM skladba_plemien
WHERE druh = 'J'
ORDER BY uroven, chov, poradie;
