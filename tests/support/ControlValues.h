// Control values as a case file writes them, "ID=VALUE; ID=VALUE", in the order the dialog tests
// type them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/CaseInputFields.h"

inline std::vector<std::pair<int, std::string>> ControlValues(std::string const& text) {
  std::vector<std::pair<int, std::string>> values;
  if (text.empty()) return values;
  for (std::string const& pair : CaseInputFields(text, "; "))
    values.emplace_back(std::stoi(pair), pair.substr(pair.find('=') + 1));
  return values;
}
