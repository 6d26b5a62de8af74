-- Relations of the bonitation reports that read working tables (4.A, 6.A, 7.A with its list
-- 7.AA, 8, 9.C, 10.A, 17.A to 17.D) and of the control-period reports 10.B and 19.
--
-- A report rebuilds its working tables (DROP TABLE, CREATE TABLE ... SELECT) just before it
-- reads them; the views here read those tables. A view cannot be made over a table that does
-- not exist, so each working table is made here, empty and with the columns the report's
-- statements give it, unless it is there already; the report replaces it on its first run.
-- Every statement here may run again over a database that already has its object, as when the
-- report runner brings an older program's database up to date.
-- Columns are named in every view, never taken by *, so that a view does not depend on the
-- order in which a statement lists them.
--
-- The working tables carry the selection's code (p.chovatel), not the cow's barn; the views
-- find the cow by her ear number for her name, barn and sire. As in 040_zostavy_bonitacie.sql,
-- a relation with a row per cow lets the layouts count and average, 0/1 columns count the cells
-- of a cross table and a column of 0 or 100 averages to a share in per cent.

CREATE TABLE IF NOT EXISTS tab40v1 (
    chovatel VARCHAR(9) NULL,
    usnecislo VARCHAR(14) NOT NULL,
    datumnarodenia DATE NULL,
    `current_date` DATE NOT NULL,
    VekR1 INT NULL,
    Vek_Dni INT NULL,
    Vek_roky DECIMAL(14,4) NULL,
    VekR DECIMAL(11,0) NULL,
    poradie SMALLINT NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab60v1 (
    kraj VARCHAR(1) NULL,
    chovatel VARCHAR(9) NULL,
    zmena CHAR(2) NULL,
    pocet_dni SMALLINT NULL,
    pocet_dni_norm SMALLINT NULL,
    mlieko_celk DOUBLE NULL,
    mlieko_norm DOUBLE NULL,
    tuk_norm DOUBLE NULL,
    bielkovina_norm DOUBLE NULL,
    datumnarodenia DATE NULL,
    datumotelenia DATE NOT NULL,
    medziobdobie SMALLINT NULL,
    poradie SMALLINT NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab9b0v1 (
    chovatel VARCHAR(9) NULL,
    usnecislo VARCHAR(14) NOT NULL,
    medziobdobie SMALLINT NULL,
    poradie SMALLINT NOT NULL,
    zmena CHAR(2) NULL,
    pocet_dni SMALLINT NULL,
    mlieko_celk DOUBLE NULL,
    pocet_dni_norm SMALLINT NULL,
    mlieko_norm DOUBLE NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The statement names the protein percentage by its expression, having given it no alias.
CREATE TABLE IF NOT EXISTS tab170v0 (
    otec_id INT NULL,
    usnecislo VARCHAR(14) NOT NULL,
    chovatel VARCHAR(9) NULL,
    poradie SMALLINT NOT NULL,
    pocet_dni SMALLINT NULL,
    mlieko_celk DOUBLE NULL,
    tuk_celk DOUBLE NULL,
    bielkovina_celk DOUBLE NULL,
    Priem_mlieko DOUBLE NULL,
    Perc_tuk DOUBLE NULL,
    `pl.bielkovina_celk/pl.mlieko_celk * 100` DOUBLE NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab7a0v1 (
    chovatel VARCHAR(9) NULL,
    usnecislo VARCHAR(14) NOT NULL,
    zmena CHAR(2) NULL,
    mlieko_norm DOUBLE NULL,
    mlieko_celk DOUBLE NULL,
    poradie SMALLINT NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab80v1 (
    otec_id INT NULL,
    usnecislo VARCHAR(14) NOT NULL,
    chovatel VARCHAR(9) NULL,
    por_preb_laktacie SMALLINT NULL,
    por_max_laktacie SMALLINT NULL,
    medziobdobie SMALLINT NULL,
    index_laktacie DOUBLE NULL,
    poradie SMALLINT NOT NULL,
    mlieko_max DOUBLE NULL,
    tuk_max DOUBLE NULL,
    bielkovina_max DOUBLE NULL,
    tuk_bielk_max DOUBLE NULL,
    tuk_perc DOUBLE NULL,
    bielkovina_perc DOUBLE NULL,
    tuk_bielk_perc DOUBLE NULL,
    trieda_uzitkovosti CHAR(3) NULL,
    plemeno1 CHAR(2) NULL,
    krv1 DECIMAL(5,1) NULL,
    plemeno2 CHAR(2) NULL,
    krv2 DECIMAL(5,1) NULL,
    plemeno3 CHAR(2) NULL,
    krv3 DECIMAL(5,1) NULL,
    plemeno4 CHAR(2) NULL,
    krv4 DECIMAL(5,1) NULL,
    linia_id INT NULL,
    register VARCHAR(3) NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab100v1 (
    zviera_id INT NOT NULL,
    chovatel VARCHAR(9) NULL,
    usnecislo VARCHAR(14) NOT NULL,
    datumotelenia DATE NOT NULL,
    datum_kontroly DATE NOT NULL,
    Rokmes VARCHAR(6) NULL,
    Rok_kontr VARCHAR(4) NULL,
    Mes_kontr VARCHAR(3) NULL,
    laktdni INT NULL,
    bun_elementy DOUBLE NULL,
    porlak SMALLINT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab100v2 (
    zviera_id INT NOT NULL,
    chovatel VARCHAR(9) NULL,
    usnecislo VARCHAR(14) NOT NULL,
    datumotelenia DATE NOT NULL,
    datum_kontroly DATE NOT NULL,
    Rokmes VARCHAR(6) NULL,
    laktdni INT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Stages of lactation for the somatic cells of report 10.A, by days in milk on the test day.
CREATE TABLE IF NOT EXISTS useky_laktacie (
    usek SMALLINT NOT NULL,
    dni_od SMALLINT NOT NULL,
    dni_do SMALLINT NOT NULL,
    nazov VARCHAR(20) NOT NULL,
    PRIMARY KEY (usek)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

INSERT IGNORE INTO useky_laktacie (usek, dni_od, dni_do, nazov) VALUES
    (1, 0, 30, 'do 30 dní'),
    (2, 31, 100, '31 – 100 dní'),
    (3, 101, 200, '101 – 200 dní'),
    (4, 201, 305, '201 – 305 dní'),
    (5, 306, 32767, 'nad 305 dní');

-- Report 4.A: the cows in milk with a birth date, by age in whole years (vek, ten and more in
-- one band) and the number of the lactation in milk (je_1 to je_5, 5 for the fifth and later).
CREATE OR REPLACE VIEW tab41v1 AS
SELECT
    t.usnecislo, z.meno, z.chovatel, t.datumnarodenia, t.Vek_roky AS vek_roky,
    least(t.VekR, 10) AS vek,
    CASE WHEN t.VekR >= 10 THEN '10 a viac rokov' WHEN t.VekR >= 5 THEN concat(t.VekR, ' rokov')
         WHEN t.VekR >= 2 THEN concat(t.VekR, ' roky') WHEN t.VekR = 1 THEN '1 rok'
         ELSE 'do 1 roka' END AS nazov_veku,
    t.poradie,
    CASE WHEN t.poradie = 1 THEN 1 ELSE 0 END AS je_1,
    CASE WHEN t.poradie = 2 THEN 1 ELSE 0 END AS je_2,
    CASE WHEN t.poradie = 3 THEN 1 ELSE 0 END AS je_3,
    CASE WHEN t.poradie = 4 THEN 1 ELSE 0 END AS je_4,
    CASE WHEN t.poradie >= 5 THEN 1 ELSE 0 END AS je_5,
    100e0 / count(*) OVER () AS podiel
FROM tab40v1 t
    LEFT JOIN zvierata z ON z.usnecislo = t.usnecislo
ORDER BY vek, t.poradie, t.usnecislo;

-- Report 6.A: the last closed lactations that have a standardised yield, by their number (1 to
-- 4, 5 for the fifth and later) and year of calving, with the subtotal of each number (rok
-- empty) and the total (both empty). Averages are per lactation; a percentage is that of its
-- own lactation.
CREATE OR REPLACE VIEW uzaverka_laktacii AS
SELECT
    least(t.poradie, 5) AS skupina, year(t.datumotelenia) AS rok, count(*) AS pocet,
    avg(t.pocet_dni_norm) AS dni, avg(t.mlieko_norm) AS mlieko, avg(t.tuk_norm) AS tuk,
    avg(100 * t.tuk_norm / t.mlieko_norm) AS tuk_perc, avg(t.bielkovina_norm) AS bielkovina,
    avg(100 * t.bielkovina_norm / t.mlieko_norm) AS bielkovina_perc,
    avg(t.tuk_norm + t.bielkovina_norm) AS tuk_bielkovina,
    count(t.medziobdobie) AS pocet_medziobdobi, avg(t.medziobdobie) AS medziobdobie
FROM tab60v1 t
WHERE t.mlieko_norm > 0
GROUP BY least(t.poradie, 5), year(t.datumotelenia) WITH ROLLUP;

CREATE OR REPLACE VIEW tab63v1 AS
SELECT
    u.skupina,
    CASE WHEN u.skupina >= 5 THEN '5. a ďalšie laktácie' ELSE concat(u.skupina, '. laktácia')
         END AS nazov_skupiny,
    u.rok, u.pocet, u.dni, u.mlieko, u.tuk, u.tuk_perc, u.bielkovina, u.bielkovina_perc,
    u.tuk_bielkovina, u.pocet_medziobdobi, u.medziobdobie
FROM uzaverka_laktacii u
WHERE u.rok IS NOT NULL
ORDER BY u.skupina, u.rok;

CREATE OR REPLACE VIEW tab63v1sum AS
SELECT
    u.skupina,
    CASE WHEN u.skupina >= 5 THEN '5. a ďalšie laktácie' ELSE concat(u.skupina, '. laktácia')
         END AS nazov_skupiny,
    u.pocet, u.dni, u.mlieko, u.tuk, u.tuk_perc, u.bielkovina, u.bielkovina_perc,
    u.tuk_bielkovina, u.pocet_medziobdobi, u.medziobdobie
FROM uzaverka_laktacii u
WHERE u.skupina IS NOT NULL AND u.rok IS NULL
ORDER BY u.skupina;

-- One row, also for a selection without lactations, which the rollup gives none.
CREATE OR REPLACE VIEW tab63v1ssum AS
SELECT
    coalesce(u.pocet, 0) AS pocet, u.dni, u.mlieko, u.tuk, u.tuk_perc, u.bielkovina,
    u.bielkovina_perc, u.tuk_bielkovina, coalesce(u.pocet_medziobdobi, 0) AS pocet_medziobdobi,
    u.medziobdobie
FROM (SELECT 1 AS jeden) j
    LEFT JOIN uzaverka_laktacii u ON u.skupina IS NULL;

-- Report 7.AA: the living cows with their last closed lactation that has a standardised yield,
-- in the columns of 7.BB's list; the report lists those between two bounds of mlieko.
CREATE OR REPLACE VIEW tab7a0v1celml2 AS
SELECT
    z.usnecislo, z.meno, z.chovatel, z.datumnarodenia, o.usnecislo AS otec, b.linia,
    k.pocet_laktacii, t.poradie,
    t.mlieko_norm AS mlieko, l.tuk_norm AS tuk, 100 * l.tuk_norm / t.mlieko_norm AS tuk_perc,
    l.bielkovina_norm AS bielkovina, 100 * l.bielkovina_norm / t.mlieko_norm AS bielkovina_perc,
    l.tuk_norm + l.bielkovina_norm AS tuk_bielkovina
FROM tab7a0v1 t
    JOIN zvierata z ON z.usnecislo = t.usnecislo
    JOIN kravy k ON k.krava_id = z.zviera_id
    LEFT JOIN laktacie l ON l.krava_id = z.zviera_id AND l.poradie = t.poradie
    LEFT JOIN zvierata o ON o.zviera_id = z.otec_id
    LEFT JOIN byky b ON b.byk_id = z.otec_id
WHERE t.mlieko_norm > 0;

-- Report 7.A: the same cows in classes of 1,000 kg of milk, as 7.B does for the maximum
-- lactation.
CREATE OR REPLACE VIEW tab7a3v1 AS
SELECT
    t.*,
    1000 * floor(t.mlieko / 1000) AS trieda_od, 1000 * floor(t.mlieko / 1000) + 999 AS trieda_do,
    100e0 / count(*) OVER () AS podiel
FROM tab7a0v1celml2 t
ORDER BY trieda_od, t.mlieko DESC;

-- Report 8, ranked by lifetime or average yield: what each cow gave over all her lactations,
-- the closed ones and the one in milk, and her average lactation as her record keeps it.
CREATE OR REPLACE VIEW tab82v1 AS
SELECT
    t.usnecislo, z.meno, z.chovatel, o.usnecislo AS otec, li.linia, t.register,
    k.pocet_laktacii, t.por_preb_laktacie, t.trieda_uzitkovosti,
    c.dni AS dni_cel, c.mlieko AS mlieko_kg_cel, c.tuk AS tuk_kg_cel,
    c.bielkovina AS bielkovina_kg_cel, k.mlieko_priem, k.tuk_priem_kg, k.tuk_priem_perc,
    k.bielkovina_priem_kg, k.bielkovina_priem_perc
FROM tab80v1 t
    JOIN zvierata z ON z.usnecislo = t.usnecislo
    JOIN kravy k ON k.krava_id = z.zviera_id
    LEFT JOIN zvierata o ON o.zviera_id = t.otec_id
    LEFT JOIN linie li ON li.linia_id = t.linia_id
    LEFT JOIN (
        SELECT x.krava_id, sum(x.pocet_dni) AS dni, sum(x.mlieko_celk) AS mlieko,
            sum(x.tuk_celk) AS tuk, sum(x.bielkovina_celk) AS bielkovina
        FROM (
            SELECT krava_id, pocet_dni, mlieko_celk, tuk_celk, bielkovina_celk FROM laktacie
            UNION ALL
            SELECT krava_id, pocet_dni, mlieko_celk, tuk_celk, bielkovina_celk
            FROM prebiehajuce_laktacie
        ) x
        GROUP BY x.krava_id
    ) c ON c.krava_id = z.zviera_id;

-- Report 8, ranked by a figure of the maximum lactation.
CREATE OR REPLACE VIEW tab81v1 AS
SELECT
    t.usnecislo, z.meno, z.chovatel, o.usnecislo AS otec, li.linia, t.register,
    t.por_max_laktacie, t.por_preb_laktacie, t.medziobdobie, t.index_laktacie,
    t.mlieko_max, t.tuk_max, t.bielkovina_max, t.tuk_bielk_max, t.tuk_perc, t.bielkovina_perc,
    t.tuk_bielk_perc, t.trieda_uzitkovosti
FROM tab80v1 t
    JOIN zvierata z ON z.usnecislo = t.usnecislo
    LEFT JOIN zvierata o ON o.zviera_id = t.otec_id
    LEFT JOIN linie li ON li.linia_id = t.linia_id;

-- Report 9.C: the cows whose last closed lactation is not their first, by its milk in classes
-- of 1,000 kg, with the calving interval that lactation began with, in the bands of 9.A.
CREATE OR REPLACE VIEW tab9b2v1 AS
SELECT
    t.usnecislo, z.meno, z.chovatel, t.poradie, t.mlieko_norm AS mlieko, t.medziobdobie,
    1000 * floor(t.mlieko_norm / 1000) AS trieda_od,
    1000 * floor(t.mlieko_norm / 1000) + 999 AS trieda_do,
    CASE WHEN t.medziobdobie <= 365 THEN 1 ELSE 0 END AS je_365,
    CASE WHEN t.medziobdobie BETWEEN 366 AND 400 THEN 1 ELSE 0 END AS je_400,
    CASE WHEN t.medziobdobie BETWEEN 401 AND 450 THEN 1 ELSE 0 END AS je_450,
    CASE WHEN t.medziobdobie BETWEEN 451 AND 500 THEN 1 ELSE 0 END AS je_500,
    CASE WHEN t.medziobdobie > 500 THEN 1 ELSE 0 END AS je_nad_500,
    CASE WHEN t.medziobdobie > 400 THEN 100 ELSE 0 END AS nad_400,
    100e0 / count(*) OVER () AS podiel
FROM tab9b0v1 t
    LEFT JOIN zvierata z ON z.usnecislo = t.usnecislo
WHERE t.mlieko_norm > 0 AND t.medziobdobie IS NOT NULL
ORDER BY trieda_od, t.medziobdobie, t.usnecislo;

-- Reports 17.A to 17.D: the cows in milk with their average daily milk; the reports take an
-- interval of days in milk and rank by it.
CREATE OR REPLACE VIEW tab170v1 AS
SELECT
    t.usnecislo, z.meno, z.chovatel, o.usnecislo AS otec, t.poradie, t.pocet_dni,
    t.mlieko_celk, t.Priem_mlieko AS priem_mlieko, t.tuk_celk, t.Perc_tuk AS tuk_perc,
    t.bielkovina_celk, t.`pl.bielkovina_celk/pl.mlieko_celk * 100` AS bielkovina_perc
FROM tab170v0 t
    LEFT JOIN zvierata z ON z.usnecislo = t.usnecislo
    LEFT JOIN zvierata o ON o.zviera_id = t.otec_id;

-- Report 10.A: the test days of the period of the cows in milk, those with a somatic cell
-- count (s_bunkami 1, from tab100v1) and all of them (0, from tab100v2), with the stage of
-- lactation of the test. The working tables count the days from the calving of the lactation in
-- milk; a test of an earlier lactation within the period counts from the calving before it.
CREATE OR REPLACE VIEW kontroly_usekov AS
SELECT
    k.s_bunkami, k.zviera_id, k.usnecislo, k.datum_kontroly, k.bunky, k.dni, u.usek,
    u.nazov AS nazov_useku
FROM (
    SELECT
        x.s_bunkami, x.zviera_id, x.usnecislo, x.datum_kontroly, x.bunky,
        CASE WHEN x.laktdni >= 0 THEN x.laktdni
             ELSE datediff(x.datum_kontroly,
                           (SELECT max(l.datumotelenia) FROM laktacie l
                            WHERE l.krava_id = x.zviera_id
                                AND l.datumotelenia <= x.datum_kontroly)) END AS dni
    FROM (
        SELECT 1 AS s_bunkami, zviera_id, usnecislo, datum_kontroly, laktdni,
            bun_elementy AS bunky
        FROM tab100v1
        UNION ALL
        SELECT 0 AS s_bunkami, zviera_id, usnecislo, datum_kontroly, laktdni, NULL AS bunky
        FROM tab100v2
    ) x
) k
    JOIN useky_laktacie u ON k.dni BETWEEN u.dni_od AND u.dni_do;

-- Report 10.A: the tests with a count, in thousands of cells per ml, with the linear score
-- (log2 of the count over 100,000 plus 3, to a whole number) in the bands up to 3, 4 and 5 and
-- more, the tests over 200,000 cells, the geometric mean per stage and over the period (counts
-- are skewed: a few high ones would carry the arithmetic mean), and nova_krava 1 on the first
-- test of each cow in the stage, nova_krava_obdobia on her first of all (their sums count cows).
CREATE OR REPLACE VIEW tab101v1 AS
SELECT
    k.usek, k.nazov_useku, k.zviera_id, k.usnecislo, k.datum_kontroly, k.dni, k.bunky,
    round(log2(k.bunky / 100) + 3) AS skore,
    CASE WHEN round(log2(k.bunky / 100) + 3) <= 3 THEN 1 ELSE 0 END AS je_skore_3,
    CASE WHEN round(log2(k.bunky / 100) + 3) = 4 THEN 1 ELSE 0 END AS je_skore_4,
    CASE WHEN round(log2(k.bunky / 100) + 3) >= 5 THEN 1 ELSE 0 END AS je_skore_5,
    CASE WHEN round(log2(k.bunky / 100) + 3) <= 3 THEN 100 ELSE 0 END AS podiel_skore_3,
    CASE WHEN round(log2(k.bunky / 100) + 3) = 4 THEN 100 ELSE 0 END AS podiel_skore_4,
    CASE WHEN round(log2(k.bunky / 100) + 3) >= 5 THEN 100 ELSE 0 END AS podiel_skore_5,
    CASE WHEN k.bunky > 200 THEN 100 ELSE 0 END AS podiel_nad_200,
    exp(avg(ln(k.bunky)) OVER (PARTITION BY k.usek)) AS geom_priemer_useku,
    exp(avg(ln(k.bunky)) OVER ()) AS geom_priemer,
    CASE WHEN row_number() OVER (PARTITION BY k.usek, k.zviera_id ORDER BY k.datum_kontroly) = 1
         THEN 1 ELSE 0 END AS nova_krava,
    CASE WHEN row_number() OVER (PARTITION BY k.zviera_id ORDER BY k.datum_kontroly) = 1
         THEN 1 ELSE 0 END AS nova_krava_obdobia
FROM kontroly_usekov k
WHERE k.s_bunkami = 1 AND k.bunky > 0
ORDER BY k.usek, k.usnecislo, k.datum_kontroly;

-- Report 10.A, beside it: every test of the period by stage, with a count or without one.
CREATE OR REPLACE VIEW tab101v2 AS
SELECT
    k.usek, k.nazov_useku, k.zviera_id, k.usnecislo, k.datum_kontroly, k.dni,
    CASE WHEN row_number() OVER (PARTITION BY k.usek, k.zviera_id ORDER BY k.datum_kontroly) = 1
         THEN 1 ELSE 0 END AS nova_krava,
    CASE WHEN row_number() OVER (PARTITION BY k.zviera_id ORDER BY k.datum_kontroly) = 1
         THEN 1 ELSE 0 END AS nova_krava_obdobia
FROM kontroly_usekov k
WHERE k.s_bunkami = 0
ORDER BY k.usek, k.usnecislo, k.datum_kontroly;

-- The test days of the control period of the parameter row taken in its enterprise, herd or
-- barn: the barn of the test, whichever cow gave it, since a cow culled or moved since was in
-- that herd on the day. Reports 10.B and 19 read them.
CREATE OR REPLACE VIEW kontroly_obdobia AS
SELECT
    ko.krava_id, z.usnecislo, ko.chovatel, ko.datum, ko.mlieko, ko.bielkovina_perc,
    ko.bun_elementy, ko.mocovina
FROM kontroly ko
    JOIN zvierata z ON z.zviera_id = ko.krava_id
    JOIN paramwok p
WHERE ko.datum BETWEEN p.kontrolne_obd_od AND p.kontrolne_obd_do
    and (substring(ko.chovatel,1,1) = p.kraj or  p.kraj = 0)
    and (substring(ko.chovatel,2,2) = p.okres or  p.okres = 00)
    and (substring(ko.chovatel,4,3) = p.podnik or  p.podnik = 000)
    and (substring(ko.chovatel,7,2) = p.chov or  p.chov = 00)
    and (substring(ko.chovatel,9,1) = p.mastal or  p.mastal = 0);

-- Report 10.B: those tests with a somatic cell count by month, with the figures of 10.A.
CREATE OR REPLACE VIEW tab10B0v1 AS
SELECT
    date_format(k.datum, '%Y%m') AS rokmes,
    concat(elt(month(k.datum), 'január', 'február', 'marec', 'apríl', 'máj', 'jún', 'júl',
                'august', 'september', 'október', 'november', 'december'), ' ',
           year(k.datum)) AS nazov_mesiaca,
    k.krava_id, k.usnecislo, k.chovatel, k.datum AS datum_kontroly, k.bun_elementy AS bunky,
    round(log2(k.bun_elementy / 100) + 3) AS skore,
    CASE WHEN round(log2(k.bun_elementy / 100) + 3) <= 3 THEN 1 ELSE 0 END AS je_skore_3,
    CASE WHEN round(log2(k.bun_elementy / 100) + 3) = 4 THEN 1 ELSE 0 END AS je_skore_4,
    CASE WHEN round(log2(k.bun_elementy / 100) + 3) >= 5 THEN 1 ELSE 0 END AS je_skore_5,
    CASE WHEN round(log2(k.bun_elementy / 100) + 3) <= 3 THEN 100 ELSE 0 END AS podiel_skore_3,
    CASE WHEN round(log2(k.bun_elementy / 100) + 3) = 4 THEN 100 ELSE 0 END AS podiel_skore_4,
    CASE WHEN round(log2(k.bun_elementy / 100) + 3) >= 5 THEN 100 ELSE 0 END AS podiel_skore_5,
    CASE WHEN k.bun_elementy > 200 THEN 100 ELSE 0 END AS podiel_nad_200,
    exp(avg(ln(k.bun_elementy)) OVER (PARTITION BY date_format(k.datum, '%Y%m')))
        AS geom_priemer_mesiaca,
    exp(avg(ln(k.bun_elementy)) OVER ()) AS geom_priemer,
    CASE WHEN row_number() OVER (PARTITION BY date_format(k.datum, '%Y%m'), k.krava_id
                                 ORDER BY k.datum) = 1 THEN 1 ELSE 0 END AS nova_krava,
    CASE WHEN row_number() OVER (PARTITION BY k.krava_id ORDER BY k.datum) = 1
         THEN 1 ELSE 0 END AS nova_krava_obdobia
FROM kontroly_obdobia k
WHERE k.bun_elementy > 0
ORDER BY rokmes, k.usnecislo, k.datum;

-- Report 19: the tests with urea by test day, with milk and protein; urea below 15 or above 35
-- mg/100 ml is outside the normal range.
CREATE OR REPLACE VIEW tab194v1 AS
SELECT
    k.datum AS datum_kontroly, k.krava_id, k.usnecislo, k.chovatel, k.mlieko,
    k.bielkovina_perc, k.mocovina,
    CASE WHEN k.mocovina < 15 THEN 1 ELSE 0 END AS pod_15,
    CASE WHEN k.mocovina > 35 THEN 1 ELSE 0 END AS nad_35,
    CASE WHEN k.mocovina BETWEEN 15 AND 35 THEN 100 ELSE 0 END AS podiel_v_norme
FROM kontroly_obdobia k
WHERE k.mocovina > 0
ORDER BY k.datum, k.usnecislo;
