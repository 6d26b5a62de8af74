-- The chain of test days behind reports 11.A and 18 and the universal report's table of cows,
-- UzitKrav, with the relations that read them, and the other sources the universal report
-- offers.
--
-- The program rebuilds the chain's working tables before every report that reads them: tab180v1
-- holds the test days of the cows of the selection in their lactation in milk, and each table
-- after it what the one before holds but each cow's earliest test day, so that a cow's earliest
-- row in the table of step n is her (n + 1)-th test day. The server refuses a view over a table
-- that does not exist, so the tables are made here, empty, with the columns and the index on
-- krava_id the program's statements give them; UzitKrav likewise, so that the universal report
-- offers it before its first refresh. IF NOT EXISTS keeps what an older database already holds.
CREATE TABLE IF NOT EXISTS tab180v1 (
    chovatel VARCHAR(9) NOT NULL,
    krava_id INT NOT NULL,
    datum_kontroly DATE NOT NULL,
    lakt_dni INT(8) NULL,
    datumotelenia DATE NOT NULL,
    Vek1Ot_mes DECIMAL(10,0) NULL,
    mlieko_prepocitane DOUBLE NULL,
    tuk_perc DOUBLE NULL,
    bielkovina_perc DOUBLE NULL,
    poradie_preb_laktacie SMALLINT NULL,
    poradie SMALLINT NOT NULL,
    KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab182v1 (
    chovatel VARCHAR(9) NOT NULL,
    krava_id INT NOT NULL,
    datum_kontroly1 DATE NOT NULL,
    lakt_dni1 INT(8) NULL,
    datumotelenia DATE NOT NULL,
    vekot DECIMAL(10,0) NULL,
    mlieko_prepocitane1 DOUBLE NULL,
    tuk_perc1 DOUBLE NULL,
    bielkovina_perc1 DOUBLE NULL,
    poradie SMALLINT NOT NULL,
    KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab183v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly2 DATE NOT NULL,
    lakt_dni2 INT(8) NULL, mlieko_prepocitane2 DOUBLE NULL, tuk_perc2 DOUBLE NULL,
    bielkovina_perc2 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab184v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly3 DATE NOT NULL,
    lakt_dni3 INT(8) NULL, mlieko_prepocitane3 DOUBLE NULL, tuk_perc3 DOUBLE NULL,
    bielkovina_perc3 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab185v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly4 DATE NOT NULL,
    lakt_dni4 INT(8) NULL, mlieko_prepocitane4 DOUBLE NULL, tuk_perc4 DOUBLE NULL,
    bielkovina_perc4 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab186v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly5 DATE NOT NULL,
    lakt_dni5 INT(8) NULL, mlieko_prepocitane5 DOUBLE NULL, tuk_perc5 DOUBLE NULL,
    bielkovina_perc5 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab187v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly6 DATE NOT NULL,
    lakt_dni6 INT(8) NULL, mlieko_prepocitane6 DOUBLE NULL, tuk_perc6 DOUBLE NULL,
    bielkovina_perc6 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab188v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly7 DATE NOT NULL,
    lakt_dni7 INT(8) NULL, mlieko_prepocitane7 DOUBLE NULL, tuk_perc7 DOUBLE NULL,
    bielkovina_perc7 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab189v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly8 DATE NOT NULL,
    lakt_dni8 INT(8) NULL, mlieko_prepocitane8 DOUBLE NULL, tuk_perc8 DOUBLE NULL,
    bielkovina_perc8 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab1890v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly9 DATE NOT NULL,
    lakt_dni9 INT(8) NULL, mlieko_prepocitane9 DOUBLE NULL, tuk_perc9 DOUBLE NULL,
    bielkovina_perc9 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab1891v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly10 DATE NOT NULL,
    lakt_dni10 INT(8) NULL, mlieko_prepocitane10 DOUBLE NULL, tuk_perc10 DOUBLE NULL,
    bielkovina_perc10 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab1892v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly11 DATE NOT NULL,
    lakt_dni11 INT(8) NULL, mlieko_prepocitane11 DOUBLE NULL, tuk_perc11 DOUBLE NULL,
    bielkovina_perc11 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab1893v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly12 DATE NOT NULL,
    lakt_dni12 INT(8) NULL, mlieko_prepocitane12 DOUBLE NULL, tuk_perc12 DOUBLE NULL,
    bielkovina_perc12 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab1894v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly13 DATE NOT NULL,
    lakt_dni13 INT(8) NULL, mlieko_prepocitane13 DOUBLE NULL, tuk_perc13 DOUBLE NULL,
    bielkovina_perc13 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab1895v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly14 DATE NOT NULL,
    lakt_dni14 INT(8) NULL, mlieko_prepocitane14 DOUBLE NULL, tuk_perc14 DOUBLE NULL,
    bielkovina_perc14 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab1896v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly15 DATE NOT NULL,
    lakt_dni15 INT(8) NULL, mlieko_prepocitane15 DOUBLE NULL, tuk_perc15 DOUBLE NULL,
    bielkovina_perc15 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab1897v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly16 DATE NOT NULL,
    lakt_dni16 INT(8) NULL, mlieko_prepocitane16 DOUBLE NULL, tuk_perc16 DOUBLE NULL,
    bielkovina_perc16 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab1898v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly17 DATE NOT NULL,
    lakt_dni17 INT(8) NULL, mlieko_prepocitane17 DOUBLE NULL, tuk_perc17 DOUBLE NULL,
    bielkovina_perc17 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab1899v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly18 DATE NOT NULL,
    lakt_dni18 INT(8) NULL, mlieko_prepocitane18 DOUBLE NULL, tuk_perc18 DOUBLE NULL,
    bielkovina_perc18 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE IF NOT EXISTS tab18990v1 (
    chovatel VARCHAR(9) NOT NULL, krava_id INT NOT NULL, datum_kontroly19 DATE NOT NULL,
    lakt_dni19 INT(8) NULL, mlieko_prepocitane19 DOUBLE NULL, tuk_perc19 DOUBLE NULL,
    bielkovina_perc19 DOUBLE NULL, KEY krava_id (krava_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Every test day of the chain, each read from the table where it is its cow's earliest; the last
-- table holds all of a cow's test days from the twentieth on. Two test days of one date leave
-- the chain together and come from the same table.
CREATE OR REPLACE VIEW tab180v1kontroly AS
SELECT t.krava_id, t.datum_kontroly AS datum, t.lakt_dni, t.mlieko_prepocitane AS mlieko,
    t.tuk_perc, t.bielkovina_perc
FROM tab180v1 t
WHERE t.datum_kontroly = (SELECT min(x.datum_kontroly) FROM tab180v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly1, t.lakt_dni1, t.mlieko_prepocitane1, t.tuk_perc1,
    t.bielkovina_perc1
FROM tab182v1 t
WHERE t.datum_kontroly1 = (SELECT min(x.datum_kontroly1) FROM tab182v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly2, t.lakt_dni2, t.mlieko_prepocitane2, t.tuk_perc2,
    t.bielkovina_perc2
FROM tab183v1 t
WHERE t.datum_kontroly2 = (SELECT min(x.datum_kontroly2) FROM tab183v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly3, t.lakt_dni3, t.mlieko_prepocitane3, t.tuk_perc3,
    t.bielkovina_perc3
FROM tab184v1 t
WHERE t.datum_kontroly3 = (SELECT min(x.datum_kontroly3) FROM tab184v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly4, t.lakt_dni4, t.mlieko_prepocitane4, t.tuk_perc4,
    t.bielkovina_perc4
FROM tab185v1 t
WHERE t.datum_kontroly4 = (SELECT min(x.datum_kontroly4) FROM tab185v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly5, t.lakt_dni5, t.mlieko_prepocitane5, t.tuk_perc5,
    t.bielkovina_perc5
FROM tab186v1 t
WHERE t.datum_kontroly5 = (SELECT min(x.datum_kontroly5) FROM tab186v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly6, t.lakt_dni6, t.mlieko_prepocitane6, t.tuk_perc6,
    t.bielkovina_perc6
FROM tab187v1 t
WHERE t.datum_kontroly6 = (SELECT min(x.datum_kontroly6) FROM tab187v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly7, t.lakt_dni7, t.mlieko_prepocitane7, t.tuk_perc7,
    t.bielkovina_perc7
FROM tab188v1 t
WHERE t.datum_kontroly7 = (SELECT min(x.datum_kontroly7) FROM tab188v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly8, t.lakt_dni8, t.mlieko_prepocitane8, t.tuk_perc8,
    t.bielkovina_perc8
FROM tab189v1 t
WHERE t.datum_kontroly8 = (SELECT min(x.datum_kontroly8) FROM tab189v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly9, t.lakt_dni9, t.mlieko_prepocitane9, t.tuk_perc9,
    t.bielkovina_perc9
FROM tab1890v1 t
WHERE t.datum_kontroly9 = (SELECT min(x.datum_kontroly9) FROM tab1890v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly10, t.lakt_dni10, t.mlieko_prepocitane10, t.tuk_perc10,
    t.bielkovina_perc10
FROM tab1891v1 t
WHERE t.datum_kontroly10 = (SELECT min(x.datum_kontroly10) FROM tab1891v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly11, t.lakt_dni11, t.mlieko_prepocitane11, t.tuk_perc11,
    t.bielkovina_perc11
FROM tab1892v1 t
WHERE t.datum_kontroly11 = (SELECT min(x.datum_kontroly11) FROM tab1892v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly12, t.lakt_dni12, t.mlieko_prepocitane12, t.tuk_perc12,
    t.bielkovina_perc12
FROM tab1893v1 t
WHERE t.datum_kontroly12 = (SELECT min(x.datum_kontroly12) FROM tab1893v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly13, t.lakt_dni13, t.mlieko_prepocitane13, t.tuk_perc13,
    t.bielkovina_perc13
FROM tab1894v1 t
WHERE t.datum_kontroly13 = (SELECT min(x.datum_kontroly13) FROM tab1894v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly14, t.lakt_dni14, t.mlieko_prepocitane14, t.tuk_perc14,
    t.bielkovina_perc14
FROM tab1895v1 t
WHERE t.datum_kontroly14 = (SELECT min(x.datum_kontroly14) FROM tab1895v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly15, t.lakt_dni15, t.mlieko_prepocitane15, t.tuk_perc15,
    t.bielkovina_perc15
FROM tab1896v1 t
WHERE t.datum_kontroly15 = (SELECT min(x.datum_kontroly15) FROM tab1896v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly16, t.lakt_dni16, t.mlieko_prepocitane16, t.tuk_perc16,
    t.bielkovina_perc16
FROM tab1897v1 t
WHERE t.datum_kontroly16 = (SELECT min(x.datum_kontroly16) FROM tab1897v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly17, t.lakt_dni17, t.mlieko_prepocitane17, t.tuk_perc17,
    t.bielkovina_perc17
FROM tab1898v1 t
WHERE t.datum_kontroly17 = (SELECT min(x.datum_kontroly17) FROM tab1898v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly18, t.lakt_dni18, t.mlieko_prepocitane18, t.tuk_perc18,
    t.bielkovina_perc18
FROM tab1899v1 t
WHERE t.datum_kontroly18 = (SELECT min(x.datum_kontroly18) FROM tab1899v1 x WHERE x.krava_id = t.krava_id)
UNION ALL
SELECT t.krava_id, t.datum_kontroly19, t.lakt_dni19, t.mlieko_prepocitane19, t.tuk_perc19,
    t.bielkovina_perc19
FROM tab18990v1 t;
-- The yields of each cow of the chain in the lactation the chain was built for, up to its 100th,
-- 200th and 305th day, by the test interval method from her test days of that lactation: the
-- first test day stands for the days since calving, between two test days the daily yield runs
-- in a straight line. Fat and protein are integrated in kg; their percentages are of the milk of
-- the same days. A figure is given only once the lactation has reached that day, that is once a
-- test day falls on it or after it. Two test days of one date count as one, with their averages.
-- vekot is the age at that calving in months (the chain's Vek1Ot_mes); dni the days in milk at
-- the last test day. The chain belongs to the selection it was built for: once the parameter
-- row names another one, the view is empty rather than wrong.
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
        lag(d.bielkovina) OVER w AS bielkovina0,
        max(d.den) OVER (PARTITION BY d.krava_id) AS posledny
    FROM dni d
    WINDOW w AS (PARTITION BY d.krava_id ORDER BY d.datum)
), vahy AS (
    -- What the test day and the one before it weigh in the yield up to the day hranica: the
    -- straight line between them integrated over the part of their interval before that day.
    SELECT u.*, h.hranica,
        CASE WHEN u.den0 IS NULL THEN 0
             ELSE (least(h.hranica, u.den) - u.den0)
                  * (1 - (least(h.hranica, u.den) - u.den0) / (u.den - u.den0) / 2) END AS vaha0,
        CASE WHEN u.den0 IS NULL THEN least(h.hranica, u.den)
             ELSE (least(h.hranica, u.den) - u.den0) * (least(h.hranica, u.den) - u.den0)
                  / (u.den - u.den0) / 2 END AS vaha
    FROM useky u
        JOIN (SELECT 100 AS hranica UNION ALL SELECT 200 UNION ALL SELECT 305) h
            ON coalesce(u.den0, 0) < h.hranica AND u.posledny >= h.hranica
), uzitkovost AS (
    SELECT v.krava_id, v.hranica,
        sum(v.vaha0 * coalesce(v.mlieko0, 0) + v.vaha * v.mlieko) AS mlieko,
        sum(v.vaha0 * coalesce(v.tuk0, 0) + v.vaha * v.tuk) AS tuk,
        sum(v.vaha0 * coalesce(v.bielkovina0, 0) + v.vaha * v.bielkovina) AS bielkovina
    FROM vahy v
    GROUP BY v.krava_id, v.hranica
), kravy_retazca AS (
    SELECT t.krava_id, max(t.poradie) AS poradie, max(t.datumotelenia) AS datumotelenia,
        max(t.Vek1Ot_mes) AS vekot, max(t.lakt_dni) AS dni
    FROM tab180v1 t
        JOIN paramwok p ON p.chovatel = t.chovatel
    GROUP BY t.krava_id
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

-- Report 11.A: the first-calvers of the chain, one row each, under their sires, sorted by line
-- and sire for the layout's group totals; a cow of unknown sire comes last. The engine averages
-- the rows it prints, and leaves out an empty figure, so a sire's average at a day is that of
-- his daughters that have reached it. novy_otec is 1 on one row of each sire, so that its sum
-- counts the sires.
CREATE OR REPLACE VIEW tab11por00vsun00 AS
SELECT
    b.linia, coalesce(li.nazov, 'bez určenej línie') AS nazov_linie,
    o.usnecislo AS otec,
    CASE WHEN z.otec_id IS NULL THEN 'neznámy' ELSE o.meno END AS meno_otca,
    z.usnecislo, z.meno, z.chovatel, c.datumotelenia, c.vekot, c.dni,
    c.M100, c.T100, c.percT100, c.B100, c.percB100,
    c.M200, c.T200, c.percT200, c.B200, c.percB200,
    c.M305, c.T305, c.percT305, c.B305, c.percB305,
    CASE WHEN row_number() OVER (PARTITION BY z.otec_id ORDER BY z.usnecislo) = 1 THEN 1 ELSE 0 END
        AS novy_otec
FROM tab180v1zaver8 c
    JOIN zvierata z ON z.zviera_id = c.krava_id
    LEFT JOIN zvierata o ON o.zviera_id = z.otec_id
    LEFT JOIN byky b ON b.byk_id = z.otec_id
    LEFT JOIN linie li ON li.linia_id = b.linia_id
WHERE c.poradie = 1
ORDER BY b.linia IS NULL, b.linia, o.usnecislo IS NULL, o.usnecislo, z.usnecislo;

-- Report 18: the bands of age at first calving in whole months, and for each the number of
-- first-calvers, their share of all, their average age and their average yields up to the
-- 100th, 200th and 305th day with the number of cows each average stands on (pocet100...).
-- Every band is listed, also without cows; a band for cows without a birth date only when there
-- are some. Percentages are averages of the cows' own. The row without a band (pasmo empty) is
-- the whole selection.
CREATE OR REPLACE VIEW tab180v1pasma AS
WITH prvostky AS (
    SELECT c.*,
        CASE WHEN c.vekot IS NULL THEN 6 WHEN c.vekot < 24 THEN 1 WHEN c.vekot <= 26 THEN 2
             WHEN c.vekot <= 29 THEN 3 WHEN c.vekot <= 32 THEN 4 ELSE 5 END AS pasmo
    FROM tab180v1zaver8 c
    WHERE c.poradie = 1
), pasma AS (
    SELECT 1 AS pasmo UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4 UNION ALL SELECT 5
    UNION ALL SELECT 6
)
SELECT
    pa.pasmo,
    coalesce(elt(pa.pasmo, 'pod 24', '24 – 26', '27 – 29', '30 – 32', 'nad 32', 'neznámy'),
             'spolu') AS nazov_pasma,
    count(c.krava_id) AS pocet, avg(c.vekot) AS vek,
    count(c.M100) AS pocet100, avg(c.M100) AS M100, avg(c.T100) AS T100,
    avg(c.percT100) AS percT100, avg(c.B100) AS B100, avg(c.percB100) AS percB100,
    count(c.M200) AS pocet200, avg(c.M200) AS M200, avg(c.T200) AS T200,
    avg(c.percT200) AS percT200, avg(c.B200) AS B200, avg(c.percB200) AS percB200,
    count(c.M305) AS pocet305, avg(c.M305) AS M305, avg(c.T305) AS T305,
    avg(c.percT305) AS percT305, avg(c.B305) AS B305, avg(c.percB305) AS percB305
FROM pasma pa
    LEFT JOIN prvostky c ON c.pasmo = pa.pasmo
GROUP BY pa.pasmo WITH ROLLUP;

CREATE OR REPLACE VIEW tab180v1zaver9 AS
SELECT x.*
FROM (
    SELECT p.*,
        100e0 * p.pocet / nullif(max(CASE WHEN p.pasmo IS NULL THEN p.pocet END) OVER (), 0)
            AS podiel
    FROM tab180v1pasma p
) x
WHERE x.pasmo < 6 OR (x.pasmo = 6 AND x.pocet > 0)
ORDER BY x.pasmo;

CREATE OR REPLACE VIEW tab180v1zaver10 AS
SELECT p.*, CASE WHEN p.pocet > 0 THEN 100e0 END AS podiel
FROM tab180v1pasma p
WHERE p.pasmo IS NULL;
-- The universal report's table of cows, as the refresh of its data makes it (66 columns: the
-- roll of the cows, their dams, living or culled, and the yields of the lactation in milk up to
-- its 100th, 200th and 305th day); empty until the first refresh.
CREATE TABLE IF NOT EXISTS UzitKrav (
    chovatel VARCHAR(9) NULL, usnecislo VARCHAR(14) NOT NULL, linia CHAR(3) NULL,
    register VARCHAR(3) NULL, matka VARCHAR(14), medziobdobie SMALLINT NULL,
    datumotelenia DATE NULL,
    max_poradie SMALLINT, max_mlieko DOUBLE NULL, max_tuk DOUBLE NULL,
    max_tuk_perc DOUBLE(19,2) NULL, max_bielkovina DOUBLE NULL,
    max_bielkovina_perc DOUBLE(19,2) NULL,
    pred_poradie SMALLINT, pred_dni_norm SMALLINT NULL, pred_mlieko_norm DOUBLE NULL,
    pred_tuk_norm DOUBLE(19,2) NULL, pred_tuk_perc DOUBLE(19,2) NULL,
    pred_bielkovina_norm DOUBLE(19,2) NULL, pred_bielkovina_perc DOUBLE(19,2) NULL,
    posl_poradie SMALLINT, posl_dni_norm SMALLINT NULL, posl_mlieko_norm DOUBLE NULL,
    posl_tuk_norm DOUBLE(19,2) NULL, posl_tuk_perc DOUBLE(19,2) NULL,
    posl_bielkovina_norm DOUBLE(19,2) NULL, posl_bielkovina_perc DOUBLE(19,2) NULL,
    preb_poradie SMALLINT, preb_dni SMALLINT NULL, preb_mlieko_celk DOUBLE NULL,
    preb_tuk_celk DOUBLE(19,2) NULL, preb_tuk_perc DOUBLE(19,2) NULL,
    preb_bielkovina_celk DOUBLE(19,2) NULL, preb_bielkovina_perc DOUBLE(19,2) NULL,
    vekot DECIMAL(10,0) NULL,
    M100 DOUBLE(19,2) NULL, T100 DOUBLE(19,2) NULL, percT100 DOUBLE(19,2) NULL,
    B100 DOUBLE(19,2) NULL, percB100 DOUBLE(19,2) NULL,
    M200 DOUBLE(19,2) NULL, T200 DOUBLE(19,2) NULL, percT200 DOUBLE(19,2) NULL,
    B200 DOUBLE(19,2) NULL, percB200 DOUBLE(19,2) NULL,
    M305 DOUBLE(19,2) NULL, T305 DOUBLE(19,2) NULL, percT305 DOUBLE(19,2) NULL,
    B305 DOUBLE(19,2) NULL, percB305 DOUBLE(19,2) NULL,
    MatkaPocetL SMALLINT NULL, MatkaMliekoPriem DOUBLE NULL, MatkaTukPriem DOUBLE NULL,
    MatkaBielPriem DOUBLE NULL, MatkaPorMaxL SMALLINT NULL, MatkaMliekoMax DOUBLE NULL,
    MatkaTukMax DOUBLE NULL, MatkaBielMax DOUBLE NULL,
    VyrMatkaPocetL SMALLINT NULL, VyrMatkaMliekoPriem DOUBLE NULL, VyrMatkaTukPriem DOUBLE NULL,
    VyrMatkaBielPriem DOUBLE NULL, VyrMatkaPorMaxL SMALLINT NULL,
    VyrMatkaMliekoMax DOUBLE NULL, VyrMatkaTukMax DOUBLE NULL, VyrMatkaBielMax DOUBLE NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The universal report's sources beside uzkravy and UzitKrav. Each covers the enterprise, herd
-- or barn of the parameter row, as the report relations do, and the living animals there unless
-- it says otherwise; column names say what a column holds, so that the user can pick them and
-- write conditions on them without a legend.

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
    z.plemeno5, z.krv5, coalesce(s.skupina, 'BEZ') AS skupina,
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
    LEFT JOIN plemenne_skupiny s ON s.plemeno = z.plemeno1
        AND z.krv1 >= s.krv_od AND (s.krv_do IS NULL OR z.krv1 < s.krv_do);

-- The sires of the selection's living cows and heifers: the bull with his line, register,
-- herd-book number, insemination mark and breeding values, and how many of his daughters stand
-- in the selection.
CREATE OR REPLACE VIEW uzbyky AS
WITH dcery AS (
    SELECT v.otec_id, count(*) AS pocet_krav, 0 AS pocet_jalovic
    FROM kravy_vyberu v
    WHERE v.otec_id IS NOT NULL
    GROUP BY v.otec_id
    UNION ALL
    SELECT z.otec_id, 0, count(*)
    FROM zvierata_vyberu z
        JOIN jalovice j ON j.jalovica_id = z.zviera_id
    WHERE z.otec_id IS NOT NULL
    GROUP BY z.otec_id
)
SELECT
    o.usnecislo, o.meno, o.datumnarodenia, b.linia, li.nazov AS nazov_linie, b.register,
    b.hb_cislo, b.inseminacny, b.datumvyradenia, o.plemeno1, o.krv1, o.plemeno2, o.krv2,
    sum(d.pocet_krav) AS pocet_dcer_krav, sum(d.pocet_jalovic) AS pocet_dcer_jalovic,
    ph.datum_hodnotenia, ph.ph_mlieko, ph.ph_tuk_kg, ph.ph_tuk_perc, ph.ph_bielkovina_kg,
    ph.ph_bielkovina_perc, ph.ph_somaticke_bunky, ph.index_celkovy, ph.spolahlivost
FROM dcery d
    JOIN zvierata o ON o.zviera_id = d.otec_id
    LEFT JOIN byky b ON b.byk_id = d.otec_id
    LEFT JOIN linie li ON li.linia_id = b.linia_id
    LEFT JOIN plemenne_hodnoty ph ON ph.zviera_id = d.otec_id
GROUP BY d.otec_id;

-- Test days of the living cows of the selection, all their lactations: the day's milk, fat,
-- protein and lactose in percent and kg, somatic cells in thousands per ml with their linear
-- score, urea, and the lactation and its day the test fell on. chovatel is the cow's barn now,
-- chovatel_kontroly the barn she was tested in.
CREATE OR REPLACE VIEW uzkontroly AS
SELECT
    v.usnecislo, v.meno, v.chovatel, ko.datum, ko.poradie_preb_laktacie AS poradie_laktacie,
    datediff(ko.datum, coalesce(pl.datumotelenia, l.datumotelenia)) AS den_laktacie,
    ko.mlieko, ko.tuk_perc, ko.mlieko * ko.tuk_perc / 100 AS tuk_kg, ko.bielkovina_perc,
    ko.mlieko * ko.bielkovina_perc / 100 AS bielkovina_kg, ko.laktoza_perc,
    ko.mlieko * ko.laktoza_perc / 100 AS laktoza_kg, ko.bun_elementy,
    log2(ko.bun_elementy / 100) + 3 AS linearne_skore, ko.mocovina,
    ko.mlieko_prepocitane, ko.tuk_prepocitane, ko.prepocet, ko.typ, ko.denna_doba,
    ko.interval_kontroly, ko.skupina, ko.chovatel AS chovatel_kontroly
FROM kravy_vyberu v
    JOIN kontroly ko ON ko.krava_id = v.krava_id
    LEFT JOIN prebiehajuce_laktacie pl ON pl.krava_id = v.krava_id
        AND pl.poradie = ko.poradie_preb_laktacie
    LEFT JOIN laktacie l ON l.krava_id = v.krava_id AND l.poradie = ko.poradie_preb_laktacie;

-- Urea on the test days of the living cows of the selection, with the month it was measured in
-- and its band (under 15, 15 to 35, over 35 mg/100 ml), beside the milk and protein it goes with.
CREATE OR REPLACE VIEW uzmocovina AS
SELECT
    k.usnecislo, k.meno, k.chovatel, k.datum, year(k.datum) AS rok, month(k.datum) AS mesiac,
    k.poradie_laktacie, k.den_laktacie, k.mlieko, k.bielkovina_perc, k.mocovina,
    CASE WHEN k.mocovina < 15 THEN 'nízka (pod 15)' WHEN k.mocovina <= 35 THEN 'normálna (15 – 35)'
         ELSE 'vysoká (nad 35)' END AS pasmo_mocoviny
FROM uzkontroly k
WHERE k.mocovina IS NOT NULL;

-- The lactations in milk of the living cows of the selection, cumulated to the last test day;
-- the standardised figures once the lactation has passed its 305th day.
CREATE OR REPLACE VIEW uzpreblaktacie AS
SELECT
    v.usnecislo, v.meno, v.chovatel, o.usnecislo AS otec, b.linia,
    pl.poradie, pl.datumotelenia, pl.priebeh_porod, pl.medziobdobie, pl.pocet_dni,
    pl.mlieko_celk, pl.tuk_celk, 100 * pl.tuk_celk / pl.mlieko_celk AS tuk_perc,
    pl.bielkovina_celk, 100 * pl.bielkovina_celk / pl.mlieko_celk AS bielkovina_perc,
    pl.laktoza_celk, pl.mlieko_celk / nullif(pl.pocet_dni, 0) AS denna_dojivost,
    pl.ukoncenie_norm_lakt, pl.pocet_dni_norm, pl.mlieko_norm, pl.tuk_norm, pl.bielkovina_norm,
    pl.index_perzistencie, pl.index_laktacie, pl.hmotnost_kravy, pl.ustajnenie, pl.sposob_ku
FROM kravy_vyberu v
    JOIN prebiehajuce_laktacie pl ON pl.krava_id = v.krava_id
    LEFT JOIN zvierata o ON o.zviera_id = v.otec_id
    LEFT JOIN byky b ON b.byk_id = v.otec_id;

-- The closed lactations of the living cows of the selection: whole and standardised yields,
-- how each ended (zmena: 00 dried off, otherwise the culling reason) and whether it is the cow's
-- maximum lactation. chovatel_laktacie is the barn she milked it in.
CREATE OR REPLACE VIEW uzlaktacie AS
SELECT
    v.usnecislo, v.meno, v.chovatel, l.chovatel AS chovatel_laktacie, o.usnecislo AS otec,
    b.linia, l.poradie, l.datumotelenia, l.priebeh_porod, l.ukoncenie, l.zmena, l.medziobdobie,
    l.pocet_dni, l.mlieko_celk, l.tuk_celk, 100 * l.tuk_celk / l.mlieko_celk AS tuk_perc_celk,
    l.bielkovina_celk, 100 * l.bielkovina_celk / l.mlieko_celk AS bielkovina_perc_celk,
    l.laktoza_celk, l.pocet_dni_norm, l.mlieko_norm, l.tuk_norm,
    100 * l.tuk_norm / l.mlieko_norm AS tuk_perc_norm, l.bielkovina_norm,
    100 * l.bielkovina_norm / l.mlieko_norm AS bielkovina_perc_norm, l.laktoza_norm,
    l.index_perzistencie, l.index_laktacie, l.maximalna, l.hmotnost_kravy, l.ustajnenie,
    l.sposob_ku
FROM kravy_vyberu v
    JOIN laktacie l ON l.krava_id = v.krava_id
    LEFT JOIN zvierata o ON o.zviera_id = v.otec_id
    LEFT JOIN byky b ON b.byk_id = v.otec_id;

-- The breeding values of the living cows of the selection (test-day model), evaluated cows only,
-- with their rank by the total index as report 16 gives it.
CREATE OR REPLACE VIEW uztdm AS
SELECT
    t.usnecislo, t.meno, t.chovatel, t.otec, t.linia, t.laktacia, t.poradie,
    t.datum_hodnotenia, t.ph_mlieko, t.ph_tuk_kg, t.ph_tuk_perc, t.ph_bielkovina_kg,
    t.ph_bielkovina_perc, t.ph_somaticke_bunky, t.index_celkovy, t.spolahlivost
FROM tab160v1 t
WHERE t.datum_hodnotenia IS NOT NULL;

-- The results of the sires in the herd, one row per sire as reports 1.A and 1.B give them: the
-- sires with at least as many daughters as last asked for those reports (pocet_dcer, 0 until
-- then), the number of their daughters and standardised lactations in the selection, the
-- averages of those lactations, and their average differences to the herd-mates over the
-- lactations that have some.
CREATE OR REPLACE VIEW uztab1ab AS
WITH porovnanie AS (
    SELECT
        r.otec, count(*) AS pocet_laktacii, avg(r.mlieko_rovesnic) AS mlieko_rovesnic,
        avg(r.rozdiel_mlieko) AS rozdiel_mlieko, avg(r.rozdiel_tuk) AS rozdiel_tuk,
        avg(r.rozdiel_tuk_perc) AS rozdiel_tuk_perc,
        avg(r.rozdiel_bielkovina) AS rozdiel_bielkovina,
        avg(r.rozdiel_bielkovina_perc) AS rozdiel_bielkovina_perc
    FROM tab1b1v1 r
    GROUP BY r.otec
)
SELECT
    t.otec, t.meno_otca, t.linia, t.nazov_linie, p.pocet_dcer AS najmensi_pocet_dcer,
    sum(t.dcera) AS pocet_dcer, count(*) AS pocet_laktacii, avg(t.poradie) AS priemerne_poradie,
    avg(t.mlieko) AS mlieko, avg(t.tuk) AS tuk, avg(t.tuk_perc) AS tuk_perc,
    avg(t.bielkovina) AS bielkovina, avg(t.bielkovina_perc) AS bielkovina_perc,
    avg(t.tuk_bielkovina) AS tuk_bielkovina,
    r.pocet_laktacii AS pocet_laktacii_s_rovesnicami, r.mlieko_rovesnic, r.rozdiel_mlieko,
    r.rozdiel_tuk, r.rozdiel_tuk_perc, r.rozdiel_bielkovina, r.rozdiel_bielkovina_perc
FROM tab15v2 t
    JOIN paramwok p
    LEFT JOIN porovnanie r ON r.otec = t.otec
GROUP BY t.otec;

-- The culled cows of the selection (the barn they stood in last): when and why they left, at
-- what age, and what they gave: their lactations, maximum and average standardised lactation
-- and their lifetime milk.
CREATE OR REPLACE VIEW zuvyrkravy AS
SELECT
    k.usnecislo, k.meno, k.datumnarodenia, k.chovatel, k.otec, k.linia, k.matka,
    k.datumzaradenia, k.datumvyradenia,
    round(datediff(k.datumvyradenia, k.datumnarodenia) / 365.25, 1) AS vek_pri_vyradeni,
    k.dovod_kod, k.dovod, k.mb, k.trieda_uzitkovosti, k.pocet_laktacii, k.pocet_norm_laktacii,
    k.por_max_laktacie, k.mlieko_max, k.tuk_max, k.bielkovina_max, k.mlieko_priem,
    k.tuk_priem_kg, k.tuk_priem_perc, k.bielkovina_priem_kg, k.bielkovina_priem_perc,
    (SELECT sum(l.mlieko_celk) FROM laktacie l WHERE l.krava_id = k.krava_id)
        AS mlieko_celozivotne,
    k.datumposkontroly
FROM vyradene_kravy_view k
    JOIN zvierata_vyberu z ON z.zviera_id = k.krava_id;
