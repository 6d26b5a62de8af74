-- Code lists every installation needs. The demo herd generator refers to these ids
-- (tools/demo/DemoCodes.h): change both together.

INSERT INTO plemena (plemeno_id, kod, nazov) VALUES
    (1, 'SS', 'slovenské strakaté'),
    (2, 'PI', 'pinzgauské'),
    (3, 'BR', 'hnedé horské (braunvich)'),
    (4, 'HR', 'holštajnské červené'),
    (5, 'HB', 'holštajnské čierne');

INSERT INTO farby (farba_id, kod, nazov) VALUES
    (1, '01', 'červenostrakatá'),
    (2, '02', 'žltostrakatá'),
    (3, '03', 'čiernostrakatá'),
    (4, '04', 'gaštanovohnedá s bielym chrbtom'),
    (5, '05', 'hnedá'),
    (6, '06', 'čierna'),
    (7, '07', 'červená');

INSERT INTO plemenne_knihy (plemenna_kniha_id, kod, nazov) VALUES
    (1, 'HK', 'hlavná plemenná kniha'),
    (2, 'DK', 'doplnková plemenná kniha'),
    (3, 'PR', 'plemenný register');

INSERT INTO plemenne_typy (plemenny_typ_id, kod, skratka, nazov) VALUES
    (1, '01', 'M', 'mliekový'),
    (2, '02', 'MK', 'mliekovo-kombinovaný'),
    (3, '03', 'K', 'kombinovaný'),
    (4, '04', 'KM', 'kombinovaný s mäsovým zameraním');

INSERT INTO dovody_vyradenia (dovod_vyradenia_id, kod, nazov) VALUES
    (1, '00', 'v stáde'),
    (2, '01', 'neplodnosť a poruchy reprodukcie'),
    (3, '02', 'choroby vemena'),
    (4, '03', 'choroby končatín a paznechtov'),
    (5, '04', 'nízka úžitkovosť'),
    (6, '05', 'choroby metabolizmu a trávenia'),
    (7, '06', 'úraz a iné dôvody'),
    (8, '07', 'úhyn'),
    (9, '08', 'predaj na chov'),
    (10, '09', 'vek');

INSERT INTO linie (linia_id, linia, nazov, plemeno) VALUES
    (1, 'ELV', 'Elevation', 'HB'),
    (2, 'CHF', 'Chief', 'HB'),
    (3, 'BEL', 'Bell', 'HB'),
    (4, 'STB', 'Starbuck', 'HB'),
    (5, 'IVH', 'Ivanhoe', 'HB'),
    (6, 'VAL', 'Valiant', 'HB'),
    (7, 'RMT', 'Rotmaster', 'HR'),
    (8, 'RED', 'Redwood', 'HR'),
    (9, 'HXL', 'Haxl', 'SS'),
    (10, 'RMS', 'Romulus', 'SS'),
    (11, 'STR', 'Streitl', 'SS'),
    (12, 'RDD', 'Redad', 'SS'),
    (13, 'HOD', 'Hodscha', 'SS'),
    (14, 'DOR', 'Dorian', 'SS'),
    (15, 'JOD', 'Jodler', 'PI'),
    (16, 'MAN', 'Mandl', 'PI'),
    (17, 'TAU', 'Tauern', 'PI'),
    (18, 'ALP', 'Alpspitz', 'BR'),
    (19, 'STE', 'Stretch', 'BR');
