-- The second hive layout: each value with its names beside it, ids packing key and place.
-- Sessions: Zeta (text), Alpha (text), mid (number); Other: ZETA spelt its own way (bytes), then
-- the values v0 to v299 that give it enough rows for an upgrade to write many pages.
PRAGMA journal_mode=WAL;
CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER, name BLOB NOT NULL, folded BLOB NOT NULL);
CREATE UNIQUE INDEX keys_by_parent ON keys(parent, folded);
INSERT INTO keys VALUES(1, NULL, x'', x''), (2, 1, CAST('Sessions' AS BLOB), CAST('sessions' AS BLOB)),
                       (3, 1, CAST('Other' AS BLOB), CAST('other' AS BLOB));
CREATE TABLE vals(id INTEGER PRIMARY KEY, key INTEGER NOT NULL, name BLOB NOT NULL, folded BLOB NOT NULL,
                  type INTEGER NOT NULL, data BLOB NOT NULL, CHECK (id >> 24 = key));
CREATE UNIQUE INDEX vals_by_key ON vals(key, folded);
CREATE INDEX keys_listing ON keys(parent, folded, name);
INSERT INTO vals VALUES(33554433, 2, CAST('Zeta' AS BLOB), CAST('zeta' AS BLOB), 1, x'7a00'),
                       (33554434, 2, CAST('Alpha' AS BLOB), CAST('alpha' AS BLOB), 1, x'6100'),
                       (33554436, 2, CAST('mid' AS BLOB), CAST('mid' AS BLOB), 4, x'2a000000'),
                       (50331649, 3, CAST('ZETA' AS BLOB), CAST('zeta' AS BLOB), 3, x'00ff');
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 299)
INSERT INTO vals SELECT (3 << 24) + 2 + i, 3, CAST('v' || i AS BLOB), CAST('v' || i AS BLOB), 1, zeroblob(100) FROM n;
PRAGMA application_id = 1112950866;
PRAGMA user_version = 2;
