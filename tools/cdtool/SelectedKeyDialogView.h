// What "Map Selected Key" shows, as cdtool prints it: the chosen category as "current" ("" when
// the dialog never opened) and every control {"id", "label", "value", "enabled", "visible"} in
// the dialog's order.
#pragma once

#include <nlohmann/json.hpp>

class SelectedKeyDialog;

class SelectedKeyDialogView {
 public:
  static void Describe(SelectedKeyDialog const& dialog, nlohmann::ordered_json& output);
};
