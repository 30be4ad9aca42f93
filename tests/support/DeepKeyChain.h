// Writes a chain of keys straight into a hive file through SQLite, deeper than the registry calls
// allow, as an older build could have left it. The hive must not be loaded meanwhile
// (RegUnloadHives first).
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <vector>

// Below the existing key at `folded` (folded names from the root), adds `levels` keys named
// `name` (ASCII lowercase), the last one holding the number "Is Session" = 1 when `session`.
// Returns false when the parent is missing or a statement fails.
inline bool AddDeepKeyChain(std::string const& file, std::vector<std::string> const& folded, int levels,
                            std::string const& name, bool session) {
  sqlite3* db = nullptr;
  bool ok = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
            sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_stmt* find = nullptr;
  sqlite3_stmt* insert = nullptr;
  ok = ok && sqlite3_prepare_v2(db, "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2", -1, &find, nullptr) == SQLITE_OK &&
       sqlite3_prepare_v2(db,
                          "INSERT INTO keys(parent, name, folded, id)"
                          " VALUES(?1, ?2, ?2, (SELECT max(id) + 1 FROM keys)) RETURNING id",
                          -1, &insert, nullptr) == SQLITE_OK;
  int64_t id = 1;
  for (size_t i = 0; ok && i < folded.size(); ++i) {
    sqlite3_bind_int64(find, 1, id);
    sqlite3_bind_blob(find, 2, folded[i].data(), static_cast<int>(folded[i].size()), SQLITE_TRANSIENT);
    ok = sqlite3_step(find) == SQLITE_ROW;
    if (ok) id = sqlite3_column_int64(find, 0);
    sqlite3_reset(find);
  }
  for (int level = 0; ok && level < levels; ++level) {
    sqlite3_bind_int64(insert, 1, id);
    sqlite3_bind_blob(insert, 2, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    ok = sqlite3_step(insert) == SQLITE_ROW;
    if (ok) id = sqlite3_column_int64(insert, 0);
    sqlite3_reset(insert);
  }
  // Value names are kept once and referred to by number; the mark is the key's first value.
  std::string const mark =
      "INSERT OR IGNORE INTO names(folded, name) VALUES(CAST('is session' AS BLOB), CAST('Is Session' AS BLOB));"
      "INSERT INTO vals(key, name, ord, type, data) SELECT " + std::to_string(id) +
      ", id, 1, 4, x'01000000' FROM names WHERE folded = CAST('is session' AS BLOB)";
  ok = ok && (!session || sqlite3_exec(db, mark.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK);
  sqlite3_finalize(find);
  sqlite3_finalize(insert);
  ok = ok && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return ok;
}
