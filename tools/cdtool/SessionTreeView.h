// How `cdtool session ls` shows a folder: its child folders then its sessions, in the order the
// session database lists them; with `tree` every folder below as well. As text, a folder ends
// with a backslash and each level is indented by two blanks; as JSON, a folder is
// {"name", "path", "folders": [...], "sessions": [...]}.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

class SessionDatabase;

class SessionTreeView {
 public:
  static std::string Text(SessionDatabase& db, std::string const& folder, bool tree);
  static nlohmann::ordered_json Json(SessionDatabase& db, std::string const& folder, bool tree);

 private:
  static void AppendText(SessionDatabase& db, std::string const& folder, bool tree, std::string const& indent,
                         std::string& text);
};
