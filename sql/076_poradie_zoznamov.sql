-- Lists ranked by a yield end their order with the ear number, so that cows of equal yield
-- print in the same order at every run, and a report printed twice gives the same pages.
--
-- The views here replace those of the earlier scripts by the same names, so that an older
-- database gets them from the upgrade; every statement may run again.

-- Report 7.A: the cows of the last closed lactations in classes of 1,000 kg of milk.
CREATE OR REPLACE VIEW tab7a3v1 AS
SELECT
    t.*,
    1000 * floor(t.mlieko / 1000) AS trieda_od, 1000 * floor(t.mlieko / 1000) + 999 AS trieda_do,
    100e0 / count(*) OVER () AS podiel
FROM tab7a0v1celml2 t
ORDER BY trieda_od, t.mlieko DESC, t.usnecislo;

-- Report 7.B: the same for the maximum lactation.
CREATE OR REPLACE VIEW tab7b3v1 AS
SELECT
    t.*,
    1000 * floor(t.mlieko / 1000) AS trieda_od, 1000 * floor(t.mlieko / 1000) + 999 AS trieda_do,
    100e0 / count(*) OVER () AS podiel
FROM tab7b0v1 t
ORDER BY trieda_od, t.mlieko DESC, t.usnecislo;
