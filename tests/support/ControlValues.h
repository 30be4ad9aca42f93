// Control values as a case file writes them, "ID=VALUE; ID=VALUE", in the order the dialog tests
// type them.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

inline std::vector<std::pair<int, std::string>> ControlValues(std::string const& text) {
  std::vector<std::pair<int, std::string>> values;
  for (size_t at = 0; at < text.size();) {
    size_t const end = std::min(text.find("; ", at), text.size());
    std::string const pair = text.substr(at, end - at);
    values.emplace_back(std::stoi(pair), pair.substr(pair.find('=') + 1));
    at = end + 2;
  }
  return values;
}
