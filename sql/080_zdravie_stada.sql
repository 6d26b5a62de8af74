-- Relations of report 23, the herd's health and feeding at a glance: udder health and ketosis
-- and acidosis risk by test day, the cows at risk and urea against protein at the latest test
-- day, and the lactation curves of first and later lactations.
--
-- The report covers the test days of the control period taken in the selection's barns, the
-- barn of the test whichever cow gave it (as reports 10.B and 19 do): a cow culled or moved since
-- was in that herd on the day, and leaving her out would make a past test day look healthier
-- than it was. A test day is a date of one herd: the herds of an enterprise test on days of their
-- own, so the figures by test day and the latest test day are each herd's.
--
-- The tests of the period with their lactations are worked out once per run: the report
-- rebuilds the working table tab230v1 from the view tab23kontroly, and the relations of its
-- sections read that table (on 10,000 cows the view takes seconds, and five sections would each
-- take them again). Every statement here may run again over a database that already has its
-- object.

-- Every calving of a cow, closed lactation or the one in milk, with the date of her next calving.
CREATE OR REPLACE VIEW tab23otelenia AS
SELECT
    o.krava_id, o.poradie, o.datumotelenia,
    lead(o.datumotelenia) OVER (PARTITION BY o.krava_id ORDER BY o.datumotelenia)
        AS dalsie_otelenie
FROM (
    SELECT krava_id, poradie, datumotelenia FROM laktacie
    UNION ALL
    SELECT krava_id, poradie, datumotelenia FROM prebiehajuce_laktacie
) o;

-- The tests of the period with what the figures read off them.
--
-- A test belongs to the lactation of the cow's last calving on or before it: its days in milk
-- count from that calving, and its order tells a first lactation from a later one. A test before
-- the cow's first recorded calving has neither.
--
-- Somatic cells are in thousands per ml: healthy is a linear score of 3 or less (at most 100),
-- infected over 200. A new infection is infected now and not at the cow's previous test with a
-- count, chronic infected at both, cured infected before and not now; the previous test is looked
-- for wherever the cow stood, back to 400 days before the period, and without one the change is
-- unknown and none of the three.
--
-- The fat to protein ratio is taken to the two decimals it prints with, so that a printed 1,50
-- is no risk.
CREATE OR REPLACE VIEW tab23kontroly AS
SELECT
    t.krava_id, z.usnecislo, z.meno, t.chovatel, left(t.chovatel, 8) AS chov, t.datum,
    o.datumotelenia AS otelenie, o.poradie AS laktacia, datediff(t.datum, o.datumotelenia) AS dni,
    t.mlieko, t.tuk_perc, t.bielkovina_perc, t.bun_elementy, t.mocovina, t.bunky_predtym,
    CASE WHEN t.bun_elementy <= 100 THEN 1 ELSE 0 END AS zdrava,
    CASE WHEN t.bun_elementy > 200 AND t.bunky_predtym <= 200 THEN 1 ELSE 0 END AS nova,
    CASE WHEN t.bun_elementy > 200 AND t.bunky_predtym > 200 THEN 1 ELSE 0 END AS chronicka,
    CASE WHEN t.bun_elementy <= 200 AND t.bunky_predtym > 200 THEN 1 ELSE 0 END AS vyliecena,
    CASE WHEN t.tuk_perc > 0 AND t.bielkovina_perc > 0
         THEN round(t.tuk_perc / t.bielkovina_perc, 2) END AS pomer
FROM (
    SELECT
        ko.krava_id, ko.datum, ko.chovatel,
        coalesce(ko.mlieko_prepocitane, ko.mlieko) AS mlieko, ko.tuk_perc,
        ko.bielkovina_perc, ko.bun_elementy, ko.mocovina,
        CASE WHEN ko.bun_elementy > 0
             THEN lag(ko.bun_elementy) OVER (PARTITION BY ko.krava_id, ko.bun_elementy > 0
                                             ORDER BY ko.datum) END AS bunky_predtym
    FROM kontroly ko
        JOIN paramwok p
    WHERE ko.datum BETWEEN p.kontrolne_obd_od - INTERVAL 400 DAY AND p.kontrolne_obd_do
        AND ko.krava_id IN (
            SELECT v.krava_id
            FROM kontroly v
                JOIN paramwok q
            WHERE v.datum BETWEEN q.kontrolne_obd_od AND q.kontrolne_obd_do
                and (substring(v.chovatel,1,1) = q.kraj or  q.kraj = 0)
                and (substring(v.chovatel,2,2) = q.okres or  q.okres = 00)
                and (substring(v.chovatel,4,3) = q.podnik or  q.podnik = 000)
                and (substring(v.chovatel,7,2) = q.chov or  q.chov = 00)
                and (substring(v.chovatel,9,1) = q.mastal or  q.mastal = 0))
) t
    JOIN paramwok p
    JOIN zvierata z ON z.zviera_id = t.krava_id
    LEFT JOIN tab23otelenia o ON o.krava_id = t.krava_id AND o.datumotelenia <= t.datum
        AND (o.dalsie_otelenie IS NULL OR o.dalsie_otelenie > t.datum)
WHERE t.datum BETWEEN p.kontrolne_obd_od AND p.kontrolne_obd_do
    and (substring(t.chovatel,1,1) = p.kraj or  p.kraj = 0)
    and (substring(t.chovatel,2,2) = p.okres or  p.okres = 00)
    and (substring(t.chovatel,4,3) = p.podnik or  p.podnik = 000)
    and (substring(t.chovatel,7,2) = p.chov or  p.chov = 00)
    and (substring(t.chovatel,9,1) = p.mastal or  p.mastal = 0);

-- The working table the report rebuilds from tab23kontroly; made here, empty, so that the views
-- over it can be made.
CREATE TABLE IF NOT EXISTS tab230v1 (
    krava_id INT NOT NULL,
    usnecislo VARCHAR(14) NOT NULL,
    meno VARCHAR(40) NULL,
    chovatel VARCHAR(9) NULL,
    chov VARCHAR(8) NULL,
    datum DATE NOT NULL,
    otelenie DATE NULL,
    laktacia SMALLINT NULL,
    dni INT NULL,
    mlieko DOUBLE NULL,
    tuk_perc DOUBLE NULL,
    bielkovina_perc DOUBLE NULL,
    bun_elementy DOUBLE NULL,
    mocovina DOUBLE NULL,
    bunky_predtym DOUBLE NULL,
    zdrava INT NOT NULL,
    nova INT NOT NULL,
    chronicka INT NOT NULL,
    vyliecena INT NOT NULL,
    pomer DOUBLE NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Each herd's latest test day of the period.
CREATE OR REPLACE VIEW tab23posledne AS
SELECT k.chov, max(k.datum) AS datum
FROM tab230v1 k
GROUP BY k.chov;

-- Udder health by test day of each herd, over the tests with a cell count: the shares of cows
-- with a healthy udder, of all and of the first-calvers (none when none was tested), the new,
-- chronic and cured infections with their shares of the cows tested, and the herd's figures over
-- the whole period beside them. The goals are the herd goals of healthy udders: 55 % of all cows
-- and 70 % of first-calvers.
CREATE OR REPLACE VIEW tab23vemeno AS
SELECT
    k.chov, ch.nazov AS nazov_chovu, k.datum AS datum_kontroly,
    concat(day(k.datum), '.', month(k.datum), '.', date_format(k.datum, '%y')) AS den,
    count(*) AS kravy,
    sum(k.zdrava) AS zdrave,
    100e0 * sum(k.zdrava) / count(*) AS podiel_zdravych,
    sum(k.laktacia = 1) AS prvostky,
    100e0 * sum(k.laktacia = 1 AND k.zdrava = 1) / nullif(sum(k.laktacia = 1), 0)
        AS podiel_zdravych_prvostok,
    sum(k.nova) AS nove,
    100e0 * sum(k.nova) / count(*) AS podiel_novych,
    sum(k.chronicka) AS chronicke,
    100e0 * sum(k.chronicka) / count(*) AS podiel_chronickych,
    sum(k.vyliecena) AS vyliecene,
    100e0 * sum(k.vyliecena) / count(*) AS podiel_vyliecenych,
    55 AS ciel_vsetky,
    70 AS ciel_prvostky,
    sum(count(*)) OVER (PARTITION BY k.chov) AS obdobie_kravy,
    sum(sum(k.laktacia = 1)) OVER (PARTITION BY k.chov) AS obdobie_prvostky,
    100e0 * sum(sum(k.zdrava)) OVER (PARTITION BY k.chov) / sum(count(*)) OVER (PARTITION BY k.chov)
        AS obdobie_podiel_zdravych,
    100e0 * sum(sum(k.laktacia = 1 AND k.zdrava = 1)) OVER (PARTITION BY k.chov)
        / nullif(sum(sum(k.laktacia = 1)) OVER (PARTITION BY k.chov), 0)
        AS obdobie_podiel_zdravych_prvostok,
    sum(sum(k.nova)) OVER (PARTITION BY k.chov) AS obdobie_nove,
    100e0 * sum(sum(k.nova)) OVER (PARTITION BY k.chov) / sum(count(*)) OVER (PARTITION BY k.chov)
        AS obdobie_podiel_novych,
    sum(sum(k.chronicka)) OVER (PARTITION BY k.chov) AS obdobie_chronicke,
    100e0 * sum(sum(k.chronicka)) OVER (PARTITION BY k.chov)
        / sum(count(*)) OVER (PARTITION BY k.chov) AS obdobie_podiel_chronickych,
    sum(sum(k.vyliecena)) OVER (PARTITION BY k.chov) AS obdobie_vyliecene,
    100e0 * sum(sum(k.vyliecena)) OVER (PARTITION BY k.chov)
        / sum(count(*)) OVER (PARTITION BY k.chov) AS obdobie_podiel_vyliecenych
FROM tab230v1 k
    LEFT JOIN chovy ch ON ch.chov = k.chov
WHERE k.bun_elementy > 0
GROUP BY k.chov, ch.nazov, k.datum
ORDER BY k.chov, k.datum;

-- Ketosis and acidosis risk by test day of each herd: the cows tested in their first 100 days in
-- milk with fat and protein, those with a fat to protein ratio over 1.5 (an energy deficit,
-- ketosis) and under 1.0 (a fibre deficit, acidosis), and their shares; the herd is at risk of
-- either when over 10 % of those cows cross its line. den is the test day as the charts name it.
CREATE OR REPLACE VIEW tab23ketoza AS
SELECT
    k.chov, ch.nazov AS nazov_chovu, k.datum AS datum_kontroly,
    concat(day(k.datum), '.', month(k.datum), '.', date_format(k.datum, '%y')) AS den,
    count(*) AS kravy,
    sum(k.pomer > 1.5) AS ketoza,
    100e0 * sum(k.pomer > 1.5) / count(*) AS podiel_ketozy,
    sum(k.pomer < 1.0) AS acidoza,
    100e0 * sum(k.pomer < 1.0) / count(*) AS podiel_acidozy,
    10 AS hranica_rizika,
    CASE WHEN 10 * sum(k.pomer > 1.5) > count(*) AND 10 * sum(k.pomer < 1.0) > count(*)
             THEN 'riziko ketózy aj acidózy'
         WHEN 10 * sum(k.pomer > 1.5) > count(*) THEN 'riziko ketózy'
         WHEN 10 * sum(k.pomer < 1.0) > count(*) THEN 'riziko acidózy'
         ELSE '' END AS hodnotenie
FROM tab230v1 k
    LEFT JOIN chovy ch ON ch.chov = k.chov
WHERE k.dni BETWEEN 0 AND 100 AND k.pomer IS NOT NULL
GROUP BY k.chov, ch.nazov, k.datum
ORDER BY k.chov, k.datum;

-- The cows at ketosis or acidosis risk at their herd's latest test day: ketosis first, the
-- highest ratio first, then acidosis, the lowest first.
CREATE OR REPLACE VIEW tab23riziko AS
SELECT
    k.chov, ch.nazov AS nazov_chovu, k.datum AS datum_kontroly, k.usnecislo, k.meno,
    k.chovatel, k.laktacia, k.dni, k.mlieko, k.tuk_perc, k.bielkovina_perc, k.pomer,
    CASE WHEN k.pomer > 1.5 THEN 'ketóza' ELSE 'acidóza' END AS riziko
FROM tab230v1 k
    JOIN tab23posledne d ON d.chov = k.chov AND d.datum = k.datum
    LEFT JOIN chovy ch ON ch.chov = k.chov
WHERE k.dni BETWEEN 0 AND 100
    AND (k.pomer > 1.5 OR k.pomer < 1.0)
ORDER BY k.chov, k.pomer < 1.0, CASE WHEN k.pomer > 1.5 THEN -k.pomer ELSE k.pomer END,
    k.usnecislo;

-- The bands of urea (mg/100 ml) of the feeding table, with what a cell of the band usually says
-- of the ration at low (under 3.2 %), adequate (3.2 to 3.8 %) and high protein (over 3.8 %).
CREATE TABLE IF NOT EXISTS pasma_mocoviny (
    pasmo SMALLINT NOT NULL,
    nazov VARCHAR(20) NOT NULL,
    vyznam_nizka VARCHAR(60) NOT NULL,
    vyznam_primerana VARCHAR(60) NOT NULL,
    vyznam_vysoka VARCHAR(60) NOT NULL,
    PRIMARY KEY (pasmo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

INSERT IGNORE INTO pasma_mocoviny (pasmo, nazov, vyznam_nizka, vyznam_primerana, vyznam_vysoka)
VALUES
    (1, 'pod 15', 'málo bielkovín v dávke', 'nedostatok dusíkatých látok',
        'málo bielkovín, dosť energie'),
    (2, '15 – 30', 'nedostatok energie', 'vyrovnaná kŕmna dávka', 'nadbytok energie'),
    (3, 'nad 30', 'veľa degradov. bielkovín, málo energie', 'nadbytok bielkovín',
        'nadbytok bielkovín aj energie');

-- Urea against protein at each herd's latest test day: the cows of the tests with both, by band
-- of urea (under 15, 15 to 30, over 30 mg/100 ml; a row for every band) and of protein (under 3.2,
-- 3.2 to 3.8, over 3.8 %), with each cell's share of all those cows.
CREATE OR REPLACE VIEW tab23mocovina AS
SELECT
    b.pasmo, b.nazov AS nazov_pasma,
    coalesce(sum(x.bielkovina = 1), 0) AS nizka,
    coalesce(sum(x.bielkovina = 2), 0) AS primerana,
    coalesce(sum(x.bielkovina = 3), 0) AS vysoka,
    count(x.bielkovina) AS spolu,
    100e0 * coalesce(sum(x.bielkovina = 1), 0) / nullif(sum(count(x.bielkovina)) OVER (), 0)
        AS podiel_nizka,
    100e0 * coalesce(sum(x.bielkovina = 2), 0) / nullif(sum(count(x.bielkovina)) OVER (), 0)
        AS podiel_primerana,
    100e0 * coalesce(sum(x.bielkovina = 3), 0) / nullif(sum(count(x.bielkovina)) OVER (), 0)
        AS podiel_vysoka,
    100e0 * count(x.bielkovina) / nullif(sum(count(x.bielkovina)) OVER (), 0) AS podiel_spolu,
    b.vyznam_nizka, b.vyznam_primerana, b.vyznam_vysoka
FROM pasma_mocoviny b
    LEFT JOIN (
        SELECT
            CASE WHEN k.mocovina < 15 THEN 1 WHEN k.mocovina <= 30 THEN 2 ELSE 3 END AS pasmo,
            CASE WHEN k.bielkovina_perc < 3.2 THEN 1 WHEN k.bielkovina_perc <= 3.8 THEN 2
                 ELSE 3 END AS bielkovina
        FROM tab230v1 k
            JOIN tab23posledne d ON d.chov = k.chov AND d.datum = k.datum
        WHERE k.mocovina > 0 AND k.bielkovina_perc > 0
    ) x ON x.pasmo = b.pasmo
GROUP BY b.pasmo, b.nazov, b.vyznam_nizka, b.vyznam_primerana, b.vyznam_vysoka
ORDER BY b.pasmo;

-- The 30-day bands of days in milk of the lactation curves; the last takes the rest.
CREATE TABLE IF NOT EXISTS pasma_dni_laktacie (
    pasmo SMALLINT NOT NULL,
    dni_od SMALLINT NOT NULL,
    dni_do SMALLINT NOT NULL,
    nazov VARCHAR(20) NOT NULL,
    PRIMARY KEY (pasmo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

INSERT IGNORE INTO pasma_dni_laktacie (pasmo, dni_od, dni_do, nazov) VALUES
    (1, 0, 30, '1 – 30'), (2, 31, 60, '31 – 60'), (3, 61, 90, '61 – 90'),
    (4, 91, 120, '91 – 120'), (5, 121, 150, '121 – 150'), (6, 151, 180, '151 – 180'),
    (7, 181, 210, '181 – 210'), (8, 211, 240, '211 – 240'), (9, 241, 270, '241 – 270'),
    (10, 271, 300, '271 – 300'), (11, 301, 330, '301 – 330'), (12, 331, 32767, 'nad 330');

-- The lactation curves: the average test-day milk (kg a day) in each band of days in milk, of
-- first lactations and of later ones, with the number of tests behind each; a band without a
-- test has no average rather than a zero.
CREATE OR REPLACE VIEW tab23krivky AS
SELECT
    b.pasmo, b.nazov AS nazov_pasma,
    count(CASE WHEN k.laktacia = 1 THEN k.mlieko END) AS testy_prve,
    avg(CASE WHEN k.laktacia = 1 THEN k.mlieko END) AS mlieko_prve,
    count(CASE WHEN k.laktacia > 1 THEN k.mlieko END) AS testy_dalsie,
    avg(CASE WHEN k.laktacia > 1 THEN k.mlieko END) AS mlieko_dalsie
FROM pasma_dni_laktacie b
    LEFT JOIN tab230v1 k ON k.dni BETWEEN b.dni_od AND b.dni_do AND k.mlieko > 0
GROUP BY b.pasmo, b.nazov
ORDER BY b.pasmo;
