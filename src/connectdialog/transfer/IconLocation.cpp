#include "transfer/IconLocation.h"

#include <cstdlib>

#include "platform/shell/EnvironmentStrings.h"

bool IconLocation::Parse(std::string_view value, IconLocation& location) {
  std::string_view file = value;
  std::string_view rest;
  if (value.starts_with('"')) {
    size_t const close = value.find('"', 1);
    if (close == std::string_view::npos) return false;
    file = value.substr(1, close - 1);
    rest = value.substr(close + 1);
  } else if (size_t const comma = value.rfind(','); comma != std::string_view::npos) {
    file = value.substr(0, comma);
    rest = value.substr(comma);
  }
  size_t const comma = rest.find(',');
  location.index = comma == std::string_view::npos ? 0 : std::atoi(std::string(rest.substr(comma + 1)).c_str());
  location.file = ExpandEnvironmentStrings(file);
  return true;
}
