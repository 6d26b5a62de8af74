-- Relations of the bonitation reports 2, 5A (with its lists 5A1 to 5A6) and 9.D.
--
-- Every report covers the living cows of the selection written into `param`. That filter is
-- kept in one view, kravy_vyberu, which the report relations build on, so that a change of the
-- selection rules cannot miss one of them.
--
-- Report relations are views, not working tables: they reflect the parameter row at the moment
-- a report reads them and need no preparation statements. Where a report prints a total that
-- no engine total can produce (a share of a whole, the herd's average beside a filtered list),
-- the view carries it as a column computed with a window function over the selection.

-- Breed groups of the breed-structure reports: the breed of the cow's largest blood share and a
-- band of that share. Kept as rows so that the reports name and sort the groups from one place.
-- Slovak Pied is graded in the herd book's three groups (purebred, 75 % and 50 % crosses) under
-- the codes SS1, SS3 and SS4: the list of Slovak Pied cows asks for exactly these three, and a
-- fourth band would leave its cows out of every list. The other breeds have four bands in
-- steps of one eighth. krv_do is exclusive; empty means no upper bound. BEZ takes every cow
-- below 50 % of one breed, of a breed not listed here, or without blood shares.
CREATE TABLE plemenne_skupiny (
    skupina CHAR(3) NOT NULL,
    plemeno CHAR(2) NULL,
    krv_od DECIMAL(5,1) NULL,
    krv_do DECIMAL(5,1) NULL,
    pasmo VARCHAR(40) NOT NULL,
    poradie SMALLINT NOT NULL,
    PRIMARY KEY (skupina),
    UNIQUE KEY uk_plemenne_skupiny_poradie (poradie),
    CONSTRAINT fk_plemenne_skupiny_plemeno FOREIGN KEY (plemeno) REFERENCES plemena (kod)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

INSERT INTO plemenne_skupiny (skupina, plemeno, krv_od, krv_do, pasmo, poradie) VALUES
    ('SS1', 'SS', 87.5, NULL, '87,5 – 100 %', 1),
    ('SS3', 'SS', 75.0, 87.5, '75 – 87,4 %', 3),
    ('SS4', 'SS', 50.0, 75.0, '50 – 74,9 %', 4),
    ('PI1', 'PI', 87.5, NULL, '87,5 – 100 %', 5),
    ('PI2', 'PI', 75.0, 87.5, '75 – 87,4 %', 6),
    ('PI3', 'PI', 62.5, 75.0, '62,5 – 74,9 %', 7),
    ('PI4', 'PI', 50.0, 62.5, '50 – 62,4 %', 8),
    ('BR1', 'BR', 87.5, NULL, '87,5 – 100 %', 9),
    ('BR2', 'BR', 75.0, 87.5, '75 – 87,4 %', 10),
    ('BR3', 'BR', 62.5, 75.0, '62,5 – 74,9 %', 11),
    ('BR4', 'BR', 50.0, 62.5, '50 – 62,4 %', 12),
    ('HR1', 'HR', 87.5, NULL, '87,5 – 100 %', 13),
    ('HR2', 'HR', 75.0, 87.5, '75 – 87,4 %', 14),
    ('HR3', 'HR', 62.5, 75.0, '62,5 – 74,9 %', 15),
    ('HR4', 'HR', 50.0, 62.5, '50 – 62,4 %', 16),
    ('HB1', 'HB', 87.5, NULL, '87,5 – 100 %', 17),
    ('HB2', 'HB', 75.0, 87.5, '75 – 87,4 %', 18),
    ('HB3', 'HB', 62.5, 75.0, '62,5 – 74,9 %', 19),
    ('HB4', 'HB', 50.0, 62.5, '50 – 62,4 %', 20),
    ('BEZ', NULL, NULL, NULL, 'pod 50 % alebo bez údajov', 21);

-- Cows still in the herd within the enterprise, herd or barn of the parameter row, with their
-- last calving: the lactation in milk, or for a dry cow her last closed one (laktacia is its
-- number, medziobdobie the interval recorded with it, empty after a first calving). The five
-- conditions compare the parts of the barn code one by one, so that a part of zeros in the
-- selection matches every animal.
CREATE VIEW kravy_vyberu AS
SELECT
    z.zviera_id AS krava_id, z.usnecislo, z.meno, z.datumnarodenia, z.chovatel, z.otec_id,
    z.plemeno1, z.krv1, z.plemeno2, z.krv2, z.plemeno3, z.krv3, z.plemeno4, z.krv4,
    z.plemeno5, z.krv5,
    coalesce(pl.poradie, lu.poradie) AS laktacia,
    coalesce(pl.datumotelenia, lu.datumotelenia) AS posledne_otelenie,
    coalesce(pl.medziobdobie, lu.medziobdobie) AS medziobdobie
FROM zvierata z
    JOIN paramwok p
    JOIN kravy k ON k.krava_id = z.zviera_id
    JOIN dovody_vyradenia d ON d.dovod_vyradenia_id = k.dovod_vyradenia_id
    LEFT JOIN prebiehajuce_laktacie pl ON pl.krava_id = z.zviera_id
    LEFT JOIN laktacie lu ON pl.krava_id IS NULL AND lu.krava_id = z.zviera_id
        AND lu.poradie = (SELECT max(x.poradie) FROM laktacie x WHERE x.krava_id = z.zviera_id)
WHERE (substring(z.chovatel,1,1) = p.kraj or  p.kraj = 0)
    and (substring(z.chovatel,2,2) = p.okres or  p.okres = 00)
    and (substring(z.chovatel,4,3) = p.podnik or  p.podnik = 000)
    and (substring(z.chovatel,7,2) = p.chov or  p.chov = 00)
    and (substring(z.chovatel,9,1) = p.mastal or  p.mastal = 0)
    and d.kod = 00;

-- Report 2: one row per living cow, sorted by sire line and sire, so that the layout prints
-- the sires and lines as group totals. The engine averages over rows, which makes the average
-- age and lactation number per sire and per line weighted by cows; podiel is each cow's share
-- of the selection, so its sum is the share of a sire or line. Age is counted to the newest
-- test day, the date the recorded data describe, so an old database does not age its cows.
CREATE VIEW tab26v1 AS
SELECT
    b.linia, coalesce(li.nazov, 'bez určenej línie') AS nazov_linie,
    o.usnecislo AS otec,
    CASE WHEN v.otec_id IS NULL THEN 'otec neznámy' ELSE o.meno END AS meno_otca,
    v.usnecislo, v.meno, v.chovatel, v.datumnarodenia,
    round(datediff(coalesce((SELECT max(kt.datum) FROM kontroly kt), curdate()),
                   v.datumnarodenia) / 365.25, 2) AS vek,
    v.laktacia,
    100e0 / count(*) OVER () AS podiel
FROM kravy_vyberu v
    LEFT JOIN zvierata o ON o.zviera_id = v.otec_id
    LEFT JOIN byky b ON b.byk_id = v.otec_id
    LEFT JOIN linie li ON li.linia_id = b.linia_id
ORDER BY b.linia IS NULL, b.linia, o.usnecislo IS NULL, o.usnecislo, v.usnecislo;

-- Reports 5A1 to 5A6: the living cows with their breed group (see plemenne_skupiny). chov is
-- the herd, chovatel the barn.
CREATE VIEW tab50v3kravy AS
SELECT
    v.usnecislo, v.meno, v.datumnarodenia, v.chovatel, left(v.chovatel, 8) AS chov,
    coalesce(s.skupina, 'BEZ') AS skupina,
    v.plemeno1, v.krv1, v.plemeno2, v.krv2, v.plemeno3, v.krv3, v.plemeno4, v.krv4,
    v.plemeno5, v.krv5,
    v.laktacia
FROM kravy_vyberu v
    LEFT JOIN plemenne_skupiny s ON s.plemeno = v.plemeno1
        AND v.krv1 >= s.krv_od AND (s.krv_do IS NULL OR v.krv1 < s.krv_do);

-- Report 5A: cows per breed group and herd with their share of the herd (uroven 1), followed,
-- when the selection spans several herds, by the same for the whole selection (uroven 2, no
-- herd code). Groups without cows are left out.
CREATE VIEW tab51v1 AS
SELECT
    1 AS uroven, c.chov, ch.nazov AS nazov_chovu, s.poradie, s.skupina,
    coalesce(pl.nazov, 'bez plemenného typu') AS nazov_plemena, s.pasmo,
    count(*) AS pocet,
    100e0 * count(*) / sum(count(*)) OVER (PARTITION BY c.chov) AS podiel
FROM tab50v3kravy c
    JOIN plemenne_skupiny s ON s.skupina = c.skupina
    LEFT JOIN plemena pl ON pl.kod = s.plemeno
    LEFT JOIN chovy ch ON ch.chov = c.chov
GROUP BY c.chov, ch.nazov, s.poradie, s.skupina, pl.nazov, s.pasmo
UNION ALL
SELECT
    2 AS uroven, NULL AS chov, 'Všetky chovy výberu' AS nazov_chovu, s.poradie, s.skupina,
    coalesce(pl.nazov, 'bez plemenného typu') AS nazov_plemena, s.pasmo,
    count(*) AS pocet,
    100e0 * count(*) / sum(count(*)) OVER () AS podiel
FROM tab50v3kravy c
    JOIN plemenne_skupiny s ON s.skupina = c.skupina
    LEFT JOIN plemena pl ON pl.kod = s.plemeno
WHERE (SELECT count(DISTINCT h.chov) FROM tab50v3kravy h) > 1
GROUP BY s.poradie, s.skupina, pl.nazov, s.pasmo
ORDER BY uroven, chov, poradie;

-- Report 9.D: the living cows whose last calving has a recorded interval, with the calving
-- before it. The report lists those over 400 days; the columns over the whole selection let it
-- set them against all cows with an interval.
CREATE VIEW tab9d0v1 AS
SELECT
    v.usnecislo, v.meno, v.chovatel, v.laktacia,
    pr.datumotelenia AS predposledne_otelenie,
    v.posledne_otelenie, v.medziobdobie,
    o.usnecislo AS otec, o.meno AS meno_otca, b.linia,
    count(*) OVER () AS pocet_s_medziobdobim,
    avg(v.medziobdobie) OVER () AS priemer_medziobdobia,
    100e0 * sum(v.medziobdobie > 400) OVER () / count(*) OVER () AS podiel_nad_400
FROM kravy_vyberu v
    LEFT JOIN laktacie pr ON pr.krava_id = v.krava_id AND pr.poradie = v.laktacia - 1
    LEFT JOIN zvierata o ON o.zviera_id = v.otec_id
    LEFT JOIN byky b ON b.byk_id = v.otec_id
WHERE v.medziobdobie IS NOT NULL;
