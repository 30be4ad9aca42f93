-- The first hive layout: values in a rowid table whose rowids give the creation order.
PRAGMA journal_mode=WAL;
CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,
                  name BLOB NOT NULL, folded BLOB NOT NULL);
CREATE UNIQUE INDEX keys_by_parent ON keys(parent, folded);
CREATE TABLE vals(id INTEGER PRIMARY KEY, key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,
                  name BLOB NOT NULL, folded BLOB NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL);
CREATE UNIQUE INDEX vals_by_key ON vals(key, folded);
-- Sessions, Other
INSERT INTO keys VALUES(1, NULL, x'', x''), (2, 1, x'53657373696f6e73', x'73657373696f6e73'),
                       (3, 1, x'4f74686572', x'6f74686572');
-- Zeta, o, Alpha, mid
INSERT INTO vals VALUES(1, 2, x'5a657461', x'7a657461', 1, x'7a'), (2, 3, x'6f', x'6f', 1, x'78'),
                       (3, 2, x'416c706861', x'616c706861', 1, x'61'), (4, 2, x'6d6964', x'6d6964', 1, x'6d');
PRAGMA application_id = 1112950866;
PRAGMA user_version = 1;
