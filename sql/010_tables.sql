-- Base tables of the herd database: code lists, the enterprise with its herds and barns,
-- animals, cows, bulls, heifers, lactations, test days, the parameter row and the saved
-- universal reports.
--
-- Codes that the report scripts compare with numbers (culling reasons "d.kod = 00", the
-- parts of a barn code "p.kraj = 0") hold digits only: a text with letters would compare
-- as 0 and would also raise conversion errors under a strict sql_mode.
--
-- Column kinds follow the fields the program declares: "float" fields are DOUBLE, blood
-- shares DECIMAL(5,1), small integers SMALLINT, fixed texts CHAR and texts VARCHAR. Texts use
-- the character set and collation the installer gives the database, so that the program's
-- working tables compare with them without a mix of collations.

-- The enterprise, its herds and its barns. A barn code is the 9-character `chovatel` of the
-- animals: region (1), district (2), enterprise (3), herd (2), barn (1).
CREATE TABLE podniky (
    podnik VARCHAR(6) NOT NULL,
    nazov VARCHAR(50) NOT NULL,
    obec VARCHAR(40) NULL,
    PRIMARY KEY (podnik),
    CONSTRAINT ck_podniky_kod CHECK (podnik REGEXP '^[0-9]{6}$')
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE chovy (
    chov VARCHAR(8) NOT NULL,
    podnik VARCHAR(6) NOT NULL,
    nazov VARCHAR(50) NOT NULL,
    PRIMARY KEY (chov),
    KEY ix_chovy_podnik (podnik),
    CONSTRAINT fk_chovy_podnik FOREIGN KEY (podnik) REFERENCES podniky (podnik),
    CONSTRAINT ck_chovy_kod CHECK (chov REGEXP '^[0-9]{8}$')
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- ustajnenie: housing of the barn, V loose (voľné), U tied (uviazané).
CREATE TABLE mastale (
    mastal VARCHAR(9) NOT NULL,
    chov VARCHAR(8) NOT NULL,
    nazov VARCHAR(50) NOT NULL,
    ustajnenie CHAR(1) NULL,
    PRIMARY KEY (mastal),
    KEY ix_mastale_chov (chov),
    CONSTRAINT fk_mastale_chov FOREIGN KEY (chov) REFERENCES chovy (chov),
    CONSTRAINT ck_mastale_kod CHECK (mastal REGEXP '^[0-9]{9}$')
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Code lists.
CREATE TABLE plemena (
    plemeno_id INT NOT NULL,
    kod CHAR(2) NOT NULL,
    nazov VARCHAR(50) NOT NULL,
    PRIMARY KEY (plemeno_id),
    UNIQUE KEY uk_plemena_kod (kod)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE farby (
    farba_id INT NOT NULL,
    kod CHAR(2) NOT NULL,
    nazov VARCHAR(50) NOT NULL,
    PRIMARY KEY (farba_id),
    UNIQUE KEY uk_farby_kod (kod)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE plemenne_knihy (
    plemenna_kniha_id INT NOT NULL,
    kod VARCHAR(5) NOT NULL,
    nazov VARCHAR(50) NOT NULL,
    PRIMARY KEY (plemenna_kniha_id),
    UNIQUE KEY uk_plemenne_knihy_kod (kod)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

CREATE TABLE plemenne_typy (
    plemenny_typ_id INT NOT NULL,
    kod CHAR(2) NOT NULL,
    skratka CHAR(2) NOT NULL,
    nazov VARCHAR(50) NOT NULL,
    PRIMARY KEY (plemenny_typ_id),
    UNIQUE KEY uk_plemenne_typy_kod (kod)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- kod "00" marks a cow still in the herd; every other code is a reason of culling.
CREATE TABLE dovody_vyradenia (
    dovod_vyradenia_id INT NOT NULL,
    kod CHAR(2) NOT NULL,
    nazov VARCHAR(50) NOT NULL,
    PRIMARY KEY (dovod_vyradenia_id),
    UNIQUE KEY uk_dovody_vyradenia_kod (kod),
    CONSTRAINT ck_dovody_vyradenia_kod CHECK (kod REGEXP '^[0-9]{2}$')
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Sire lines: `linia` is the 3-character code shown everywhere, `nazov` the line's name.
CREATE TABLE linie (
    linia_id INT NOT NULL,
    linia CHAR(3) NOT NULL,
    nazov VARCHAR(50) NOT NULL,
    plemeno CHAR(2) NULL,
    PRIMARY KEY (linia_id),
    UNIQUE KEY uk_linie_linia (linia),
    UNIQUE KEY uk_linie_id_linia (linia_id, linia),
    CONSTRAINT fk_linie_plemeno FOREIGN KEY (plemeno) REFERENCES plemena (kod)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Every animal: cows, heifers, bulls and the ancestors of the pedigrees. Parents are rows of
-- the same table. `chovatel` is the barn the animal stands in (empty for animals kept outside
-- the enterprise); `chov_narodenia` the herd it was born in. pohlavie: 1 male, 2 female.
-- Blood shares: plemeno1..plemeno5 with krv1..krv5 in percent, largest first, summing to 100.
CREATE TABLE zvierata (
    zviera_id INT NOT NULL AUTO_INCREMENT,
    otec_id INT NULL,
    matka_id INT NULL,
    plemeno_id INT NULL,
    farba_id INT NULL,
    plemenna_kniha_id INT NULL,
    plemenny_typ_id INT NULL,
    usnecislo VARCHAR(14) NOT NULL,
    meno VARCHAR(40) NULL,
    vlastne SMALLINT NOT NULL DEFAULT 0,
    datumnarodenia DATE NULL,
    datumumrtia DATE NULL,
    pohlavie CHAR(1) NOT NULL,
    import SMALLINT NOT NULL DEFAULT 0,
    et SMALLINT NOT NULL DEFAULT 0,
    chovatel VARCHAR(9) NULL,
    chov_narodenia VARCHAR(20) NULL,
    plemeno1 CHAR(2) NULL,
    krv1 DECIMAL(5,1) NULL,
    plemeno2 CHAR(2) NULL,
    krv2 DECIMAL(5,1) NULL,
    plemeno3 CHAR(2) NULL,
    krv3 DECIMAL(5,1) NULL,
    plemeno4 CHAR(2) NULL,
    krv4 DECIMAL(5,1) NULL,
    plemeno5 CHAR(2) NULL,
    krv5 DECIMAL(5,1) NULL,
    vlozene DATETIME NULL,
    zmenene DATETIME NULL,
    PRIMARY KEY (zviera_id),
    UNIQUE KEY uk_zvierata_usnecislo (usnecislo),
    KEY ix_zvierata_chovatel (chovatel),
    KEY ix_zvierata_otec (otec_id),
    KEY ix_zvierata_matka (matka_id, datumnarodenia),
    CONSTRAINT fk_zvierata_otec FOREIGN KEY (otec_id) REFERENCES zvierata (zviera_id),
    CONSTRAINT fk_zvierata_matka FOREIGN KEY (matka_id) REFERENCES zvierata (zviera_id),
    CONSTRAINT fk_zvierata_plemeno FOREIGN KEY (plemeno_id) REFERENCES plemena (plemeno_id),
    CONSTRAINT fk_zvierata_farba FOREIGN KEY (farba_id) REFERENCES farby (farba_id),
    CONSTRAINT fk_zvierata_kniha FOREIGN KEY (plemenna_kniha_id)
        REFERENCES plemenne_knihy (plemenna_kniha_id),
    CONSTRAINT fk_zvierata_typ FOREIGN KEY (plemenny_typ_id)
        REFERENCES plemenne_typy (plemenny_typ_id),
    CONSTRAINT fk_zvierata_mastal FOREIGN KEY (chovatel) REFERENCES mastale (mastal),
    CONSTRAINT fk_zvierata_plemeno1 FOREIGN KEY (plemeno1) REFERENCES plemena (kod),
    CONSTRAINT fk_zvierata_plemeno2 FOREIGN KEY (plemeno2) REFERENCES plemena (kod),
    CONSTRAINT fk_zvierata_plemeno3 FOREIGN KEY (plemeno3) REFERENCES plemena (kod),
    CONSTRAINT fk_zvierata_plemeno4 FOREIGN KEY (plemeno4) REFERENCES plemena (kod),
    CONSTRAINT fk_zvierata_plemeno5 FOREIGN KEY (plemeno5) REFERENCES plemena (kod),
    CONSTRAINT ck_zvierata_pohlavie CHECK (pohlavie IN ('1', '2')),
    CONSTRAINT ck_zvierata_usnecislo CHECK (usnecislo REGEXP '^[A-Z]{2}[0-9]{12}$')
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Cows in performance recording, also after culling (their history stays). Summaries of the
-- closed lactations are kept here: their number (pocet_laktacii; pocet_norm_laktacii those that
-- lasted 305 days), the maximum lactation (highest standardised milk) and the average
-- standardised lactation. por_preb_laktacie is the number of the current lactation, in milk or
-- dry (empty after culling). mb "1" marks a bull dam. trieda_uzitkovosti: I to IV, fat and
-- protein of the last closed standardised lactation over the average of the herd-mates (the
-- standardised lactations of the cows in the herd that calved in the same herd and year in the
-- same lactation, the third and later ones together): I from 115 %, II from 105 %, III from
-- 95 %, IV below.
CREATE TABLE kravy (
    krava_id INT NOT NULL,
    dovod_vyradenia_id INT NOT NULL,
    plemenna SMALLINT NOT NULL DEFAULT 0,
    datumzaradenia DATE NULL,
    datumvyradenia DATE NULL,
    datumposkontroly DATE NULL,
    skupina CHAR(2) NULL,
    mb CHAR(1) NOT NULL DEFAULT '0',
    zdravotna_trieda CHAR(1) NULL,
    trieda_uzitkovosti CHAR(3) NULL,
    por_preb_laktacie SMALLINT NULL,
    por_max_laktacie SMALLINT NULL,
    pocet_laktacii SMALLINT NOT NULL DEFAULT 0,
    pocet_norm_laktacii SMALLINT NOT NULL DEFAULT 0,
    mlieko_max DOUBLE NULL,
    tuk_max DOUBLE NULL,
    bielkovina_max DOUBLE NULL,
    laktoza_max DOUBLE NULL,
    mlieko_priem DOUBLE NULL,
    tuk_priem_kg DOUBLE NULL,
    tuk_priem_perc DOUBLE NULL,
    bielkovina_priem_kg DOUBLE NULL,
    bielkovina_priem_perc DOUBLE NULL,
    laktoza_priem_kg DOUBLE NULL,
    laktoza_priem_perc DOUBLE NULL,
    PRIMARY KEY (krava_id),
    KEY ix_kravy_dovod (dovod_vyradenia_id),
    KEY ix_kravy_vyradenie (datumvyradenia),
    CONSTRAINT fk_kravy_zviera FOREIGN KEY (krava_id) REFERENCES zvierata (zviera_id),
    CONSTRAINT fk_kravy_dovod FOREIGN KEY (dovod_vyradenia_id)
        REFERENCES dovody_vyradenia (dovod_vyradenia_id),
    CONSTRAINT ck_kravy_mb CHECK (mb IN ('0', '1'))
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Bulls and sires. `linia` repeats the code of `linia_id` so that views and report scripts
-- read the line without a join; the composite key keeps the two in step.
-- inseminacny: I bull of artificial insemination, - natural service.
CREATE TABLE byky (
    byk_id INT NOT NULL,
    linia_id INT NULL,
    linia CHAR(3) NULL,
    register VARCHAR(3) NULL,
    hb_cislo VARCHAR(12) NULL,
    inseminacny CHAR(1) NOT NULL DEFAULT 'I',
    datumvyradenia DATE NULL,
    PRIMARY KEY (byk_id),
    KEY ix_byky_linia (linia_id, linia),
    CONSTRAINT fk_byky_zviera FOREIGN KEY (byk_id) REFERENCES zvierata (zviera_id),
    CONSTRAINT fk_byky_linia FOREIGN KEY (linia_id, linia) REFERENCES linie (linia_id, linia)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Heifers in the herd (female animals that have not calved yet). stav: O rearing, P ready for
-- breeding, I inseminated, G confirmed pregnant. The last weighing is kept with its date.
CREATE TABLE jalovice (
    jalovica_id INT NOT NULL,
    stav CHAR(1) NOT NULL,
    datum_inseminacie DATE NULL,
    byk_inseminacie_id INT NULL,
    hmotnost DOUBLE NULL,
    datum_vazenia DATE NULL,
    PRIMARY KEY (jalovica_id),
    KEY ix_jalovice_byk (byk_inseminacie_id),
    CONSTRAINT fk_jalovice_zviera FOREIGN KEY (jalovica_id) REFERENCES zvierata (zviera_id),
    CONSTRAINT fk_jalovice_byk FOREIGN KEY (byk_inseminacie_id) REFERENCES byky (byk_id),
    CONSTRAINT ck_jalovice_stav CHECK (stav IN ('O', 'P', 'I', 'G'))
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Breeding values of cows and bulls: milk, fat and protein in kg and percent (deviations from
-- the base), somatic cell score, the total index and its reliability in percent.
CREATE TABLE plemenne_hodnoty (
    zviera_id INT NOT NULL,
    datum_hodnotenia DATE NOT NULL,
    ph_mlieko DOUBLE NULL,
    ph_tuk_kg DOUBLE NULL,
    ph_tuk_perc DOUBLE NULL,
    ph_bielkovina_kg DOUBLE NULL,
    ph_bielkovina_perc DOUBLE NULL,
    ph_somaticke_bunky DOUBLE NULL,
    index_celkovy DOUBLE NULL,
    spolahlivost SMALLINT NULL,
    PRIMARY KEY (zviera_id),
    CONSTRAINT fk_plemenne_hodnoty_zviera FOREIGN KEY (zviera_id) REFERENCES zvierata (zviera_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Closed lactations: a lactation closes when the cow calves again or is culled. `chovatel` is
-- the barn the cow milked in; medziobdobie the days since the previous calving (empty for the
-- first lactation); ukoncenie the day she was dried off or culled.
-- Yields by the test interval method: *_celk over the whole lactation, *_norm over its first
-- 305 days (a shorter lactation counts at its length). Fat, protein and lactose in kg.
-- zmena: 00 dried off, otherwise the culling reason code that ended the lactation.
-- priebeh_porod: 1 easy to 4 caesarean. sposob_ku: recording method (A).
-- maximalna is 1 on the cow's lactation with the highest standardised milk.
CREATE TABLE laktacie (
    laktacia_id INT NOT NULL AUTO_INCREMENT,
    krava_id INT NOT NULL,
    poradie SMALLINT NOT NULL,
    datumotelenia DATE NOT NULL,
    chovatel VARCHAR(9) NULL,
    priebeh_porod CHAR(1) NULL,
    zmena CHAR(2) NULL,
    ukoncenie DATE NULL,
    ukoncenie_norm_lakt DATE NULL,
    medziobdobie SMALLINT NULL,
    hmotnost_kravy DOUBLE NULL,
    pocet_dni SMALLINT NULL,
    pocet_dni_norm SMALLINT NULL,
    mlieko_celk DOUBLE NULL,
    mlieko_norm DOUBLE NULL,
    tuk_celk DOUBLE NULL,
    tuk_norm DOUBLE NULL,
    bielkovina_celk DOUBLE NULL,
    bielkovina_norm DOUBLE NULL,
    laktoza_celk DOUBLE NULL,
    laktoza_norm DOUBLE NULL,
    index_perzistencie DOUBLE NULL,
    index_laktacie DOUBLE NULL,
    ustajnenie CHAR(1) NULL,
    sposob_ku CHAR(1) NULL,
    maximalna SMALLINT NOT NULL DEFAULT 0,
    PRIMARY KEY (laktacia_id),
    UNIQUE KEY uk_laktacie_krava (krava_id, poradie),
    KEY ix_laktacie_chovatel (chovatel),
    KEY ix_laktacie_otelenie (datumotelenia),
    CONSTRAINT fk_laktacie_krava FOREIGN KEY (krava_id) REFERENCES kravy (krava_id),
    CONSTRAINT fk_laktacie_mastal FOREIGN KEY (chovatel) REFERENCES mastale (mastal)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The current lactation of every cow in the herd that has calved, from her latest calving until
-- she calves again or is culled. While she milks it is cumulated up to her last test day
-- (pocet_dni counts the days from calving to that test) and ukoncenie is empty; once she is
-- dried off it keeps its end (ukoncenie, zmena 00), the days milked and its totals.
-- ukoncenie_norm_lakt is set once the lactation has passed 305 days or ended.
CREATE TABLE prebiehajuce_laktacie (
    laktacia_id INT NOT NULL AUTO_INCREMENT,
    krava_id INT NOT NULL,
    poradie SMALLINT NOT NULL,
    datumotelenia DATE NOT NULL,
    chovatel VARCHAR(9) NULL,
    priebeh_porod CHAR(1) NULL,
    zmena CHAR(2) NULL,
    ukoncenie DATE NULL,
    ukoncenie_norm_lakt DATE NULL,
    medziobdobie SMALLINT NULL,
    hmotnost_kravy DOUBLE NULL,
    pocet_dni SMALLINT NULL,
    pocet_dni_norm SMALLINT NULL,
    mlieko_celk DOUBLE NULL,
    mlieko_norm DOUBLE NULL,
    tuk_celk DOUBLE NULL,
    tuk_norm DOUBLE NULL,
    bielkovina_celk DOUBLE NULL,
    bielkovina_norm DOUBLE NULL,
    laktoza_celk DOUBLE NULL,
    laktoza_norm DOUBLE NULL,
    index_perzistencie DOUBLE NULL,
    index_laktacie DOUBLE NULL,
    ustajnenie CHAR(1) NULL,
    sposob_ku CHAR(1) NULL,
    maximalna SMALLINT NOT NULL DEFAULT 0,
    PRIMARY KEY (laktacia_id),
    UNIQUE KEY uk_prebiehajuce_laktacie_krava (krava_id),
    KEY ix_prebiehajuce_laktacie_chovatel (chovatel),
    CONSTRAINT fk_prebiehajuce_laktacie_krava FOREIGN KEY (krava_id) REFERENCES kravy (krava_id),
    CONSTRAINT fk_prebiehajuce_laktacie_mastal FOREIGN KEY (chovatel) REFERENCES mastale (mastal)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Test-day records. mlieko is the day's milk in kg, percentages of the laboratory sample,
-- bun_elementy somatic cells in thousands per ml, mocovina urea in mg per 100 ml.
-- typ: A official recording; denna_doba: milking sampled, R morning or V evening;
-- interval_kontroly: 4 four-weekly. When only one milking was weighed (prepocet 1) the day's
-- figures are estimated from it: mlieko_prepocitane and tuk_prepocitane (fat %) are the
-- values the lactation is computed from; otherwise they equal mlieko and tuk_perc.
-- `chovatel` is the barn the cow was tested in, `skupina` her feeding group there.
CREATE TABLE kontroly (
    kontrola_id INT NOT NULL AUTO_INCREMENT,
    krava_id INT NOT NULL,
    datum DATE NOT NULL,
    poradie_preb_laktacie SMALLINT NULL,
    typ CHAR(1) NULL,
    denna_doba CHAR(1) NULL,
    interval_kontroly CHAR(1) NULL,
    mlieko DOUBLE NULL,
    tuk_perc DOUBLE NULL,
    bielkovina_perc DOUBLE NULL,
    laktoza_perc DOUBLE NULL,
    bun_elementy DOUBLE NULL,
    mocovina DOUBLE NULL,
    chovatel VARCHAR(9) NULL,
    skupina CHAR(2) NULL,
    prepocet SMALLINT NOT NULL DEFAULT 0,
    mlieko_prepocitane DOUBLE NULL,
    tuk_prepocitane DOUBLE NULL,
    PRIMARY KEY (kontrola_id),
    KEY ix_kontroly_krava (krava_id, datum),
    KEY ix_kontroly_datum (datum),
    KEY ix_kontroly_chovatel (chovatel, datum),
    CONSTRAINT fk_kontroly_zviera FOREIGN KEY (krava_id) REFERENCES zvierata (zviera_id),
    CONSTRAINT fk_kontroly_mastal FOREIGN KEY (chovatel) REFERENCES mastale (mastal)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- The program's current selection: exactly one row (param_id 1), written by the report
-- preparation and the control-period dialog.
CREATE TABLE param (
    param_id TINYINT NOT NULL DEFAULT 1,
    chovatel VARCHAR(9) NOT NULL,
    pocet_dcer INT NOT NULL DEFAULT 0,
    kontrolne_obd_od DATE NULL,
    kontrolne_obd_do DATE NULL,
    PRIMARY KEY (param_id),
    CONSTRAINT ck_param_jeden CHECK (param_id = 1)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;

-- Saved universal reports.
CREATE TABLE sys_zostavy (
    zostava_id INT NOT NULL AUTO_INCREMENT,
    nazov VARCHAR(50) NOT NULL,
    popis VARCHAR(200) NULL,
    sqlvyraz VARCHAR(1000) NULL,
    modifikovana DATETIME NULL,
    PRIMARY KEY (zostava_id),
    KEY ix_sys_zostavy_nazov (nazov)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
