// Reads a key, or a key with everything below it, into the JSON documents of `cdtool reg ls` and
// `cdtool reg tree`, and renders those documents as plain text.
//   ls:   {"path": "HKEY_CURRENT_USER\\Software", "subkeys": ["A", "B"], "values": [VALUE...]}
//   tree: {"name": "Software", "path": "...", "values": [VALUE...], "subkeys": [NODE...]}
// VALUE is the object of `cdtool reg get --json`.
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>

#include "platform/types/WinTypes.h"

class RegTreeView {
 public:
  // Each returns the first failing registry status; `document` is complete only on success.
  // Tree refuses a subtree holding keys deeper than the registry allows (ERROR_BADKEY).
  static LSTATUS Listing(HKEY key, std::string const& path, nlohmann::ordered_json& document);
  static LSTATUS Tree(HKEY key, std::string const& path, std::string const& name, nlohmann::ordered_json& document);

  static std::string PlainListing(nlohmann::ordered_json const& document);
  static std::string PlainTree(nlohmann::ordered_json const& document);

 private:
  static void AppendKey(nlohmann::ordered_json const& node, std::string const& label, std::size_t level,
                        std::string& text);
  static LSTATUS ValuesJson(HKEY key, std::string const& path, nlohmann::ordered_json& values);
};
