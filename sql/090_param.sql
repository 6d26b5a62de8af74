-- The one parameter row; the demo herd, the report preparation and the period dialog update
-- it, nothing inserts or deletes rows.
INSERT INTO param (param_id, chovatel, pocet_dcer, kontrolne_obd_od, kontrolne_obd_do)
VALUES (1, '000000000', 0, NULL, NULL);
