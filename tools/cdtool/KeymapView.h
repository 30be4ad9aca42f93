// The JSON and plain-text forms of keymaps and their vocabulary that `cdtool keymap` prints.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

class Keymap;

class KeymapView {
 public:
  // The keymap's own entries in index order: {"index", "modifiers", "key", "code", "function", "value"}.
  static nlohmann::ordered_json Entries(Keymap const& keymap);
  // {"functions": [{"code", "name"}...], "keys": [{"virtualKey", "name"}...]}.
  static nlohmann::ordered_json Names();
  static std::string PlainNames(nlohmann::ordered_json const& names);
};
