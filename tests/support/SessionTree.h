// A session tree through a session database, one line a step: a default-valued session stored at
// a path, and a folder's lists as names.
#pragma once

#include <string>
#include <vector>

#include "database/SessionDatabase.h"
#include "support/ListNames.h"
#include "support/SessionHolder.h"

// Stores a default-valued session at "folder\name" (its title bar `title` when given).
inline bool AddSession(SessionDatabase& db, std::string const& path, char const* title = nullptr) {
  size_t const slash = path.rfind('\\');
  std::string const name = path.substr(slash + 1);
  SessionHolder session(static_cast<SessionConfig*>(CreateSessionConfig(name.c_str(), nullptr)));
  if (title) session->titleBar = title;
  return db.InsertSession(slash == std::string::npos ? "" : path.substr(0, slash), name, session.get(), "", true);
}

inline std::vector<std::string> SessionNames(SessionDatabase& db, std::string const& folder) {
  CStringList list;
  db.GetSessionList(folder, list);
  return ListNames(list);
}

inline std::vector<std::string> FolderNames(SessionDatabase& db, std::string const& folder) {
  CStringList list;
  db.GetFolderList(folder, list);
  return ListNames(list);
}
