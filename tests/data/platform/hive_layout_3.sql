-- The third hive layout, holding what the second holds: keys by id beside an index of their
-- listing, each value name kept once.
PRAGMA journal_mode=WAL;
CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER, name BLOB NOT NULL, folded BLOB NOT NULL);
CREATE UNIQUE INDEX keys_by_parent ON keys(parent, folded);
INSERT INTO keys VALUES(1, NULL, x'', x''), (2, 1, CAST('Sessions' AS BLOB), CAST('sessions' AS BLOB)),
                       (3, 1, CAST('Other' AS BLOB), CAST('other' AS BLOB));
CREATE TABLE names(id INTEGER PRIMARY KEY, folded BLOB NOT NULL UNIQUE, name BLOB NOT NULL);
CREATE TABLE vals(key INTEGER NOT NULL, name INTEGER NOT NULL, ord INTEGER NOT NULL, type INTEGER NOT NULL,
                  data BLOB NOT NULL, spelling BLOB, PRIMARY KEY(key, name)) WITHOUT ROWID;
CREATE INDEX vals_first ON vals(key, name, type, data, ord) WHERE ord = 1;
INSERT INTO names VALUES(1, CAST('zeta' AS BLOB), CAST('Zeta' AS BLOB)),
                        (2, CAST('alpha' AS BLOB), CAST('Alpha' AS BLOB)), (3, CAST('mid' AS BLOB), CAST('mid' AS BLOB));
INSERT INTO vals VALUES(2, 1, 1, 1, x'7a00', NULL), (2, 2, 2, 1, x'6100', NULL),
                       (2, 3, 3, 4, x'2a000000', NULL), (3, 1, 1, 3, x'00ff', CAST('ZETA' AS BLOB));
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 299)
INSERT INTO names SELECT 4 + i, CAST('v' || i AS BLOB), CAST('v' || i AS BLOB) FROM n;
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 299)
INSERT INTO vals SELECT 3, 4 + i, 2 + i, 1, zeroblob(100), NULL FROM n;
PRAGMA application_id = 1112950866;
PRAGMA user_version = 3;
