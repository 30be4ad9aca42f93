// Looks at a hive file directly through SQLite, as an older build or another tool would: the
// hive is released first so that no connection of the registry holds it.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "platform/registry/Registry.h"

// Closes the hive's root handle and lets go of every hive file.
inline void ReleaseHive(HKEY hive) {
  RegCloseKey(hive);
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
}

inline void ExecuteSql(std::string const& file, std::string const& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open(file.c_str(), &db));
  EXPECT_EQ(SQLITE_OK, sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr)) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

// The first column of every row of a query, joined by commas.
inline std::string QuerySql(std::string const& file, char const* sql) {
  sqlite3* db = nullptr;
  sqlite3_stmt* query = nullptr;
  std::string answer;
  if (sqlite3_open(file.c_str(), &db) == SQLITE_OK && sqlite3_prepare_v2(db, sql, -1, &query, nullptr) == SQLITE_OK)
    while (sqlite3_step(query) == SQLITE_ROW)
      answer += (answer.empty() ? "" : ",") + std::string(reinterpret_cast<char const*>(sqlite3_column_text(query, 0)));
  sqlite3_finalize(query);
  sqlite3_close(db);
  return answer;
}
