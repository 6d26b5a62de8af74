-- The current lactation, herd-mates alike for a sire's daughters and a cow's class, and the
-- relations whose figures must say what their reports say they count.
--
-- A cow's current lactation runs from her latest calving until she calves again or is culled:
-- a dried-off cow keeps hers in prebiehajuce_laktacie, with its end (ukoncenie), its days milked
-- and its totals, and it moves to laktacie only at her next calving. Relations meant for the cows
-- in milk alone say so with ukoncenie IS NULL.
--
-- The views here replace those of the earlier scripts by the same names, so that an older
-- database gets them from the upgrade; every statement may run again.

-- The parameter row split into the parts of the barn code, with the names of the selected
-- enterprise, herd and barn. kod_vyberu is the code as it was selected (6 characters for an
-- enterprise, 8 for a herd, 9 for a barn: a part of zeros in the row means "all"), and vyber
-- names it for the headers of the reports: kind, code and name.
CREATE OR REPLACE VIEW paramwok AS
SELECT
    substring(p.chovatel, 1, 1) AS kraj,
    substring(p.chovatel, 2, 2) AS okres,
    substring(p.chovatel, 4, 3) AS podnik,
    substring(p.chovatel, 7, 2) AS chov,
    substring(p.chovatel, 9, 1) AS mastal,
    p.chovatel, p.pocet_dcer, p.kontrolne_obd_od, p.kontrolne_obd_do,
    pd.nazov AS nazov_podniku, ch.nazov AS nazov_chovu, ms.nazov AS nazov_mastale,
    CASE WHEN substring(p.chovatel, 7, 2) = '00' THEN left(p.chovatel, 6)
         WHEN substring(p.chovatel, 9, 1) = '0' THEN left(p.chovatel, 8)
         ELSE p.chovatel END AS kod_vyberu,
    CASE WHEN substring(p.chovatel, 7, 2) = '00'
             THEN concat_ws(' ', 'podnik', left(p.chovatel, 6), pd.nazov)
         WHEN substring(p.chovatel, 9, 1) = '0'
             THEN concat_ws(' ', 'chov', left(p.chovatel, 8), ch.nazov)
         ELSE concat_ws(' ', 'maštaľ', p.chovatel, ms.nazov) END AS vyber
FROM param p
    LEFT JOIN podniky pd ON pd.podnik = substring(p.chovatel, 1, 6)
    LEFT JOIN chovy ch ON ch.chov = substring(p.chovatel, 1, 8)
    LEFT JOIN mastale ms ON ms.mastal = p.chovatel;

-- The day the recorded data describe: the newest test day, or a later birth in the herd, so that
-- no animal is younger than nothing. Ages and the days a lactation has lasted are counted to it.
CREATE OR REPLACE VIEW datum_udajov AS
SELECT coalesce(greatest(t.datum, n.datum), t.datum, n.datum, curdate()) AS datum
FROM (SELECT max(datum) AS datum FROM kontroly) t,
    (SELECT max(datumnarodenia) AS datum FROM zvierata WHERE chovatel IS NOT NULL) n;

-- Herd-mates: the standardised lactations of the cows still in the herd. A culled cow's last
-- lactation is often cut short, so herd-mates taken among all cows would set living daughters
-- against shorter lactations. Report 1.B compares daughters with them, and a cow's performance
-- class is the fat and protein of her last closed standardised lactation over their average in
-- her herd, calving year and lactation (first, second, third and later), hers among them.
CREATE OR REPLACE VIEW normovane_laktacie_v_stade AS
SELECT n.krava_id, n.otec_id, n.poradie, n.datumotelenia, n.chov, n.pocet_dni_norm,
    n.mlieko_norm, n.tuk_norm, n.bielkovina_norm
FROM normovane_laktacie n
    JOIN kravy k ON k.krava_id = n.krava_id
    JOIN dovody_vyradenia d ON d.dovod_vyradenia_id = k.dovod_vyradenia_id
WHERE d.kod = '00';

-- Report 1.B: the lactations of report 1.A set against their herd-mates: the standardised
-- lactations of the other cows still in the herd that calved in the same year in the same herd
-- in the same lactation (first, second, third and later), leaving out the daughters of the same
-- sire. A lactation without herd-mates is left out; dcera counts the daughters with a lactation
-- compared.
CREATE OR REPLACE VIEW tab1b1v1 AS
WITH skupiny AS (
    SELECT
        n.chov, year(n.datumotelenia) AS rok, least(n.poradie, 3) AS skupina_poradia, n.otec_id,
        count(*) AS pocet, sum(n.mlieko_norm) AS mlieko, sum(n.tuk_norm) AS tuk,
        sum(100 * n.tuk_norm / n.mlieko_norm) AS tuk_perc,
        sum(n.bielkovina_norm) AS bielkovina,
        sum(100 * n.bielkovina_norm / n.mlieko_norm) AS bielkovina_perc
    FROM normovane_laktacie_v_stade n
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

-- Reports 9.A and 9.B: the living cows in their current lactation after a second or later
-- calving, in milk or dry, with the calving interval of that calving in bands. je_2 to je_5 mark
-- the number of the lactation (5 for the fifth and later); medziobdobie_n is the interval of a
-- cow of that group only and podiel_n her share of that group's cows, so that sums and averages
-- per band give the cells of report 9.B. Days and daily milk are those to the last test day, or
-- to the dry-off; a cow not tested since calving has neither, so that both average over the
-- same cows.
CREATE OR REPLACE VIEW tab9a2v1 AS
SELECT
    v.usnecislo, v.meno, v.chovatel, pl.poradie, pl.datumotelenia, pl.medziobdobie,
    pl.ukoncenie, nullif(pl.pocet_dni, 0) AS pocet_dni,
    CASE WHEN pl.pocet_dni > 0 THEN pl.mlieko_celk END AS mlieko_celk,
    pl.mlieko_celk / nullif(pl.pocet_dni, 0) AS denna_dojivost,
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

-- Report 10.A: the test days of the period of the living cows in a current lactation, those
-- with a somatic cell count (s_bunkami 1, from tab100v1) and all of them (0, from tab100v2),
-- with the stage of lactation of the test; the working tables count its days in milk from the
-- calving before it.
CREATE OR REPLACE VIEW kontroly_usekov AS
SELECT
    k.s_bunkami, k.zviera_id, k.usnecislo, k.datum_kontroly, k.bunky, k.laktdni AS dni, u.usek,
    u.nazov AS nazov_useku
FROM (
    SELECT 1 AS s_bunkami, zviera_id, usnecislo, datum_kontroly, laktdni, bun_elementy AS bunky
    FROM tab100v1
    UNION ALL
    SELECT 0 AS s_bunkami, zviera_id, usnecislo, datum_kontroly, laktdni, NULL AS bunky
    FROM tab100v2
) k
    JOIN useky_laktacie u ON k.laktdni BETWEEN u.dni_od AND u.dni_do;

-- Reports 17.A to 17.D: the cows in milk with their average daily milk; the reports take an
-- interval of days in milk and rank by it. A dried-off cow's lactation has ended and is not
-- ranked among those being milked.
CREATE OR REPLACE VIEW tab170v1 AS
SELECT
    t.usnecislo, z.meno, z.chovatel, o.usnecislo AS otec, t.poradie, t.pocet_dni,
    t.mlieko_celk, t.Priem_mlieko AS priem_mlieko, t.tuk_celk, t.Perc_tuk AS tuk_perc,
    t.bielkovina_celk, t.`pl.bielkovina_celk/pl.mlieko_celk * 100` AS bielkovina_perc
FROM tab170v0 t
    JOIN zvierata z ON z.usnecislo = t.usnecislo
    JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id
    LEFT JOIN zvierata o ON o.zviera_id = t.otec_id
WHERE pl.ukoncenie IS NULL;

-- The yields of each cow of the chain in the lactation the chain was built for, up to its 100th,
-- 200th and 305th day, by the test interval method from her test days of that lactation: the
-- first test day stands for the days since calving, between two test days the daily yield runs
-- in a straight line, and the last test day on or before the day is carried to it. Fat and
-- protein are integrated in kg; their percentages are of the milk of the same days. A figure is
-- given once the lactation has lasted that many days, to the day the data describe or to its
-- dry-off, and only when its last test day before then lies at most 75 days back: a longer gap
-- would be guessed rather than measured. Two test days of one date count as one, with their
-- averages. vekot is the age at that calving in months (the chain's Vek1Ot_mes); dni the days
-- in milk at the last test day. The chain belongs to the selection it was built for: once the
-- parameter row names another one, the view is empty rather than wrong.
CREATE OR REPLACE VIEW tab180v1zaver8 AS
WITH dni AS (
    SELECT k.krava_id, k.datum, min(k.lakt_dni) AS den, avg(k.mlieko) AS mlieko,
        avg(k.mlieko * k.tuk_perc / 100) AS tuk, avg(k.mlieko * k.bielkovina_perc / 100) AS bielkovina
    FROM tab180v1kontroly k
    WHERE k.lakt_dni >= 0
    GROUP BY k.krava_id, k.datum
), useky AS (
    SELECT d.krava_id, d.den, d.mlieko, d.tuk, d.bielkovina,
        lag(d.den) OVER w AS den0, lag(d.mlieko) OVER w AS mlieko0, lag(d.tuk) OVER w AS tuk0,
        lag(d.bielkovina) OVER w AS bielkovina0
    FROM dni d
    WINDOW w AS (PARTITION BY d.krava_id ORDER BY d.datum)
), kravy_retazca AS (
    SELECT t.krava_id, max(t.poradie) AS poradie, max(t.datumotelenia) AS datumotelenia,
        max(t.Vek1Ot_mes) AS vekot, max(t.lakt_dni) AS dni
    FROM tab180v1 t
        JOIN paramwok p ON p.chovatel = t.chovatel
    GROUP BY t.krava_id
), dosiahnute AS (
    -- The days the lactation has reached, each with the last test day on or before it.
    SELECT c.krava_id, h.hranica, max(u.den) AS posledny
    FROM kravy_retazca c
        JOIN (SELECT 100 AS hranica UNION ALL SELECT 200 UNION ALL SELECT 305) h
        JOIN datum_udajov du
        LEFT JOIN prebiehajuce_laktacie pl ON pl.krava_id = c.krava_id
            AND pl.datumotelenia = c.datumotelenia
        JOIN useky u ON u.krava_id = c.krava_id AND u.den <= h.hranica
    WHERE datediff(coalesce(pl.ukoncenie, du.datum), c.datumotelenia) >= h.hranica
    GROUP BY c.krava_id, h.hranica
    HAVING h.hranica - max(u.den) <= 75
), uzitkovost AS (
    -- Calving to the first test day, each interval between two test days, and the last test
    -- day carried to the day.
    SELECT d.krava_id, d.hranica,
        sum(CASE WHEN u.den0 IS NULL THEN u.den * u.mlieko
                 ELSE (u.den - u.den0) * (u.mlieko0 + u.mlieko) / 2 END
            + CASE WHEN u.den = d.posledny THEN (d.hranica - u.den) * u.mlieko ELSE 0 END) AS mlieko,
        sum(CASE WHEN u.den0 IS NULL THEN u.den * u.tuk
                 ELSE (u.den - u.den0) * (u.tuk0 + u.tuk) / 2 END
            + CASE WHEN u.den = d.posledny THEN (d.hranica - u.den) * u.tuk ELSE 0 END) AS tuk,
        sum(CASE WHEN u.den0 IS NULL THEN u.den * u.bielkovina
                 ELSE (u.den - u.den0) * (u.bielkovina0 + u.bielkovina) / 2 END
            + CASE WHEN u.den = d.posledny THEN (d.hranica - u.den) * u.bielkovina ELSE 0 END)
            AS bielkovina
    FROM dosiahnute d
        JOIN useky u ON u.krava_id = d.krava_id AND u.den <= d.hranica
    GROUP BY d.krava_id, d.hranica
)
SELECT
    c.krava_id, c.poradie, c.datumotelenia, c.vekot, c.dni,
    max(CASE WHEN u.hranica = 100 THEN u.mlieko END) AS M100,
    max(CASE WHEN u.hranica = 100 THEN u.tuk END) AS T100,
    max(CASE WHEN u.hranica = 100 THEN 100 * u.tuk / u.mlieko END) AS percT100,
    max(CASE WHEN u.hranica = 100 THEN u.bielkovina END) AS B100,
    max(CASE WHEN u.hranica = 100 THEN 100 * u.bielkovina / u.mlieko END) AS percB100,
    max(CASE WHEN u.hranica = 200 THEN u.mlieko END) AS M200,
    max(CASE WHEN u.hranica = 200 THEN u.tuk END) AS T200,
    max(CASE WHEN u.hranica = 200 THEN 100 * u.tuk / u.mlieko END) AS percT200,
    max(CASE WHEN u.hranica = 200 THEN u.bielkovina END) AS B200,
    max(CASE WHEN u.hranica = 200 THEN 100 * u.bielkovina / u.mlieko END) AS percB200,
    max(CASE WHEN u.hranica = 305 THEN u.mlieko END) AS M305,
    max(CASE WHEN u.hranica = 305 THEN u.tuk END) AS T305,
    max(CASE WHEN u.hranica = 305 THEN 100 * u.tuk / u.mlieko END) AS percT305,
    max(CASE WHEN u.hranica = 305 THEN u.bielkovina END) AS B305,
    max(CASE WHEN u.hranica = 305 THEN 100 * u.bielkovina / u.mlieko END) AS percB305
FROM kravy_retazca c
    LEFT JOIN uzitkovost u ON u.krava_id = c.krava_id
GROUP BY c.krava_id, c.poradie, c.datumotelenia, c.vekot, c.dni;

-- Report 21: the heifers of the selection by age band in completed months, each band named by
-- its bounds, with their status (O rearing, P ready for breeding, I inseminated, G confirmed
-- pregnant) as 0/1 columns.
CREATE OR REPLACE VIEW tabj35v1 AS
SELECT
    z.usnecislo, z.meno, z.chovatel, z.datumnarodenia,
    datediff(du.datum, z.datumnarodenia) / 30.4375 AS vek,
    CASE WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 6 THEN 1
         WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 12 THEN 2
         WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 18 THEN 3
         WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 24 THEN 4 ELSE 5 END AS pasmo,
    CASE WHEN timestampdiff(MONTH, z.datumnarodenia, du.datum) < 6 THEN '0 – 5 mesiacov'
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

-- The breed group of every animal: the breed of its largest blood share and the band of that
-- share (see plemenne_skupiny). Of two breeds with the same share, the first in the order of the
-- code list of breeds (SS, PI, BR, HR, HB) gives the group, whichever of them the record lists
-- first, so that an exact half-and-half cross always falls in the same group.
CREATE OR REPLACE VIEW plemenne_skupiny_zvierat AS
SELECT
    h.zviera_id, h.plemeno, h.krv, coalesce(s.skupina, 'BEZ') AS skupina
FROM (
    SELECT
        z.zviera_id,
        (SELECT pl.kod FROM plemena pl
         WHERE CASE pl.kod WHEN z.plemeno1 THEN z.krv1 WHEN z.plemeno2 THEN z.krv2
                   WHEN z.plemeno3 THEN z.krv3 WHEN z.plemeno4 THEN z.krv4
                   WHEN z.plemeno5 THEN z.krv5 END
               = greatest(coalesce(z.krv1, 0), coalesce(z.krv2, 0), coalesce(z.krv3, 0),
                          coalesce(z.krv4, 0), coalesce(z.krv5, 0))
         ORDER BY pl.plemeno_id LIMIT 1) AS plemeno,
        greatest(coalesce(z.krv1, 0), coalesce(z.krv2, 0), coalesce(z.krv3, 0),
                 coalesce(z.krv4, 0), coalesce(z.krv5, 0)) AS krv
    FROM zvierata z
) h
    LEFT JOIN plemenne_skupiny s ON s.plemeno = h.plemeno
        AND h.krv >= s.krv_od AND (s.krv_do IS NULL OR h.krv < s.krv_do);

-- Reports 5A1 to 5A6: the living cows with their breed group. chov is the herd, chovatel the
-- barn.
CREATE OR REPLACE VIEW tab50v3kravy AS
SELECT
    v.usnecislo, v.meno, v.datumnarodenia, v.chovatel, left(v.chovatel, 8) AS chov, g.skupina,
    v.plemeno1, v.krv1, v.plemeno2, v.krv2, v.plemeno3, v.krv3, v.plemeno4, v.krv4,
    v.plemeno5, v.krv5,
    v.laktacia
FROM kravy_vyberu v
    JOIN plemenne_skupiny_zvierat g ON g.zviera_id = v.krava_id;

-- Cows (druh K) and heifers (J) of the selection by herd and breed group.
CREATE OR REPLACE VIEW skupiny_vyberu AS
SELECT 'K' AS druh, c.chov, c.skupina
FROM tab50v3kravy c
UNION ALL
SELECT 'J' AS druh, left(z.chovatel, 8) AS chov, g.skupina
FROM zvierata_vyberu z
    JOIN jalovice j ON j.jalovica_id = z.zviera_id
    JOIN plemenne_skupiny_zvierat g ON g.zviera_id = z.zviera_id;

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
    v.plemeno5, v.krv5, g.skupina,
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
    JOIN plemenne_skupiny_zvierat g ON g.zviera_id = v.krava_id
    LEFT JOIN plemenne_hodnoty ph ON ph.zviera_id = v.krava_id;

-- Heifers of the selection with their parents, breed shares and group, age in whole months on
-- the day the data describe, status (O rearing, P ready for breeding, I inseminated, G
-- pregnant) and the last insemination and weighing.
CREATE OR REPLACE VIEW uzjalovice AS
SELECT
    z.usnecislo, z.meno, z.datumnarodenia,
    timestampdiff(MONTH, z.datumnarodenia, du.datum) AS vek_mesiace,
    z.chovatel, left(z.chovatel, 8) AS chov,
    o.usnecislo AS otec, o.meno AS meno_otca, b.linia, b.register,
    m.usnecislo AS matka, m.meno AS meno_matky,
    z.plemeno1, z.krv1, z.plemeno2, z.krv2, z.plemeno3, z.krv3, z.plemeno4, z.krv4,
    z.plemeno5, z.krv5, g.skupina,
    j.stav,
    CASE j.stav WHEN 'O' THEN 'v odchove' WHEN 'P' THEN 'pripravená na pripúšťanie'
         WHEN 'I' THEN 'inseminovaná' WHEN 'G' THEN 'gravidná' END AS nazov_stavu,
    j.datum_inseminacie, bi.usnecislo AS byk_inseminacie, j.hmotnost, j.datum_vazenia,
    zi.vlastne, zi.import, zi.et
FROM zvierata_vyberu z
    JOIN zvierata zi ON zi.zviera_id = z.zviera_id
    JOIN jalovice j ON j.jalovica_id = z.zviera_id
    JOIN datum_udajov du
    LEFT JOIN zvierata o ON o.zviera_id = z.otec_id
    LEFT JOIN byky b ON b.byk_id = z.otec_id
    LEFT JOIN zvierata m ON m.zviera_id = z.matka_id
    LEFT JOIN zvierata bi ON bi.zviera_id = j.byk_inseminacie_id
    JOIN plemenne_skupiny_zvierat g ON g.zviera_id = z.zviera_id;

-- Shares printed to a tenth of a per cent that are parts of one whole are apportioned so that
-- they add up to it: each part gets its share cut to tenths, and the tenths still missing go to
-- the parts with the largest remainders (by count: a part's share is exact when it is a whole
-- number of tenths). Rounded one by one, three thirds would print as 99,9.

-- Report 2: one row per living cow, sorted by sire line and sire, so that the layout prints the
-- sires and lines as group totals. The engine averages over rows, which makes the average age
-- and lactation number per sire and per line weighted by cows. podiel carries a sire's share of
-- the selection on the row of his daughter first by ear number: the lines' shares of 100 % are apportioned first, then each
-- line's among its sires, so that the sires add up to their line and the lines to 100 %. Age is
-- counted to the day the recorded data describe, so an old database does not age its cows.
CREATE OR REPLACE VIEW tab26v1 AS
WITH kravy AS (
    SELECT
        b.linia, coalesce(li.nazov, 'bez určenej línie') AS nazov_linie,
        o.usnecislo AS otec,
        CASE WHEN v.otec_id IS NULL THEN 'otec neznámy' ELSE o.meno END AS meno_otca,
        v.usnecislo, v.meno, v.chovatel, v.datumnarodenia,
        round(datediff(du.datum, v.datumnarodenia) / 365.25, 2) AS vek,
        v.laktacia
    FROM kravy_vyberu v
        JOIN datum_udajov du
        LEFT JOIN zvierata o ON o.zviera_id = v.otec_id
        LEFT JOIN byky b ON b.byk_id = v.otec_id
        LEFT JOIN linie li ON li.linia_id = b.linia_id
), otcovia AS (
    SELECT k.linia, k.otec, count(*) AS pocet, min(k.usnecislo) AS prva
    FROM kravy k
    GROUP BY k.linia, k.otec
), linie AS (
    SELECT k.linia, count(*) AS pocet, sum(count(*)) OVER () AS vsetky
    FROM kravy k
    GROUP BY k.linia
), poradie_linii AS (
    SELECT l.linia, l.pocet, 1000 * l.pocet DIV l.vsetky AS zaklad,
        row_number() OVER (ORDER BY 1000 * l.pocet MOD l.vsetky DESC, l.linia IS NULL, l.linia)
            AS poradie
    FROM linie l
), desatiny_linii AS (
    SELECT l.linia, l.pocet,
        l.zaklad + (l.poradie <= 1000 - sum(l.zaklad) OVER ()) AS desatiny
    FROM poradie_linii l
), podiely_otcov AS (
    SELECT o.linia, o.otec, o.prva, d.desatiny AS desatiny_linie,
        d.desatiny * o.pocet DIV d.pocet AS zaklad, d.desatiny * o.pocet MOD d.pocet AS zvysok
    FROM otcovia o
        JOIN desatiny_linii d ON d.linia <=> o.linia
), poradie_otcov AS (
    SELECT o.*,
        row_number() OVER (PARTITION BY o.linia ORDER BY o.zvysok DESC, o.otec IS NULL, o.otec)
            AS poradie
    FROM podiely_otcov o
), desatiny_otcov AS (
    SELECT o.linia, o.otec, o.prva,
        o.zaklad + (o.poradie <= o.desatiny_linie - sum(o.zaklad) OVER (PARTITION BY o.linia))
            AS desatiny
    FROM poradie_otcov o
)
SELECT
    k.linia, k.nazov_linie, k.otec, k.meno_otca, k.usnecislo, k.meno, k.chovatel,
    k.datumnarodenia, k.vek, k.laktacia,
    CASE WHEN k.usnecislo = d.prva THEN d.desatiny / 10e0 ELSE 0 END AS podiel
FROM kravy k
    JOIN desatiny_otcov d ON d.linia <=> k.linia AND d.otec <=> k.otec
ORDER BY k.linia IS NULL, k.linia, k.otec IS NULL, k.otec, k.usnecislo;

-- The breed structure of cows and of heifers: animals per breed group and herd with their share
-- of the herd (uroven 1), followed, when the selection spans several herds, by the same for the
-- whole selection (uroven 2, no herd code). Groups without animals are left out; the shares of
-- a herd are apportioned to add up to 100 %.
CREATE OR REPLACE VIEW skladba_plemien AS
WITH skupiny AS (
    SELECT
        c.druh, 1 AS uroven, c.chov, ch.nazov AS nazov_chovu, s.poradie, s.skupina,
        coalesce(pl.nazov, 'bez plemenného typu') AS nazov_plemena, s.pasmo,
        count(*) AS pocet
    FROM skupiny_vyberu c
        JOIN plemenne_skupiny s ON s.skupina = c.skupina
        LEFT JOIN plemena pl ON pl.kod = s.plemeno
        LEFT JOIN chovy ch ON ch.chov = c.chov
    GROUP BY c.druh, c.chov, ch.nazov, s.poradie, s.skupina, pl.nazov, s.pasmo
    UNION ALL
    SELECT
        c.druh, 2 AS uroven, NULL AS chov, 'Všetky chovy výberu' AS nazov_chovu, s.poradie,
        s.skupina, coalesce(pl.nazov, 'bez plemenného typu') AS nazov_plemena, s.pasmo,
        count(*) AS pocet
    FROM skupiny_vyberu c
        JOIN plemenne_skupiny s ON s.skupina = c.skupina
        LEFT JOIN plemena pl ON pl.kod = s.plemeno
    WHERE (SELECT count(DISTINCT h.chov) FROM skupiny_vyberu h WHERE h.druh = c.druh) > 1
    GROUP BY c.druh, s.poradie, s.skupina, pl.nazov, s.pasmo
), casti AS (
    SELECT s.*,
        1000 * s.pocet DIV sum(s.pocet) OVER w AS zaklad,
        1000 * s.pocet MOD sum(s.pocet) OVER w AS zvysok
    FROM skupiny s
    WINDOW w AS (PARTITION BY s.druh, s.uroven, s.chov)
), poradie_casti AS (
    SELECT c.*,
        row_number() OVER (PARTITION BY c.druh, c.uroven, c.chov ORDER BY c.zvysok DESC, c.poradie)
            AS poradie_zvysku,
        1000 - sum(c.zaklad) OVER (PARTITION BY c.druh, c.uroven, c.chov) AS chybajuce
    FROM casti c
)
SELECT
    c.druh, c.uroven, c.chov, c.nazov_chovu, c.poradie, c.skupina, c.nazov_plemena, c.pasmo,
    c.pocet, (c.zaklad + (c.poradie_zvysku <= c.chybajuce)) / 10e0 AS podiel
FROM poradie_casti c;

-- The current lactations of the living cows of the selection, in milk (ukoncenie empty) or
-- dried off, cumulated to the last test day or to the dry-off; the standardised figures once the
-- lactation has passed its 305th day or ended.
CREATE OR REPLACE VIEW uzpreblaktacie AS
SELECT
    v.usnecislo, v.meno, v.chovatel, o.usnecislo AS otec, b.linia,
    pl.poradie, pl.datumotelenia, pl.priebeh_porod, pl.medziobdobie, pl.ukoncenie, pl.pocet_dni,
    pl.mlieko_celk, pl.tuk_celk, 100 * pl.tuk_celk / pl.mlieko_celk AS tuk_perc,
    pl.bielkovina_celk, 100 * pl.bielkovina_celk / pl.mlieko_celk AS bielkovina_perc,
    pl.laktoza_celk, pl.mlieko_celk / nullif(pl.pocet_dni, 0) AS denna_dojivost,
    pl.ukoncenie_norm_lakt, pl.pocet_dni_norm, pl.mlieko_norm, pl.tuk_norm, pl.bielkovina_norm,
    pl.index_perzistencie, pl.index_laktacie, pl.hmotnost_kravy, pl.ustajnenie, pl.sposob_ku
FROM kravy_vyberu v
    JOIN prebiehajuce_laktacie pl ON pl.krava_id = v.krava_id
    LEFT JOIN zvierata o ON o.zviera_id = v.otec_id
    LEFT JOIN byky b ON b.byk_id = v.otec_id;
