-- The version of the herd's data and the version the working table laktela was last built from.
-- Every program that writes the herd's tables (zvierata, kravy, byky, jalovice, laktacie and the
-- rest of the recorded data) raises the version once it has written, best in its last
-- transaction:
--     UPDATE verzia_udajov SET verzia = verzia + 1;
-- The main window rebuilds laktela at its start only when the version moved since its last
-- build, when the table is missing or when the statement that builds it is another one
-- (laktela_prikaz, its SHA-1). A new database starts with laktela never built.
CREATE TABLE verzia_udajov (
    verzia_id TINYINT NOT NULL,
    verzia BIGINT NOT NULL,
    laktela BIGINT NULL,
    laktela_prikaz CHAR(40) NULL,
    PRIMARY KEY (verzia_id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO verzia_udajov (verzia_id, verzia, laktela, laktela_prikaz) VALUES (1, 1, NULL, NULL);
