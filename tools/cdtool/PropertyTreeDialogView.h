// What a property-tree dialog shows, as cdtool prints it: every page of the tree in display
// order {"label", "caption", "depth", "expanded", "selected"}, the current page's label and its
// controls {"id", "label", "value", "enabled", "visible"}.
#pragma once

#include <nlohmann/json.hpp>

class VPropertyTreeDialog;

class PropertyTreeDialogView {
 public:
  // Adds "pages", "current" and "controls" to `output`.
  static void Describe(VPropertyTreeDialog const& dialog, nlohmann::ordered_json& output);
};
