// What the Connect dialog shows, as cdtool prints it: "tree" (the visible items in display
// order, root first with path ""), "selected", "commands" (each shown id with "enabled", and
// "checked" for the toggles), "result" {"name", "path"}, the `launched` programs given, and
// "clipboard" (the "FolderTree" record in hex, "" when the clipboard holds none).
#pragma once

#include <nlohmann/json.hpp>

class ConnectDialog;

class ConnectDialogView {
 public:
  static void Describe(ConnectDialog& dialog, nlohmann::ordered_json const& launched, nlohmann::ordered_json& output);
};
