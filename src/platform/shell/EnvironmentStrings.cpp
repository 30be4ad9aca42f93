#include "platform/shell/EnvironmentStrings.h"

#include <cstdlib>

std::string ExpandEnvironmentStrings(std::string_view text) {
  std::string expanded;
  size_t position = 0;
  while (position < text.size()) {
    size_t const open = text.find('%', position);
    size_t const close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) break;
    expanded.append(text.substr(position, open - position));
    std::string const name(text.substr(open + 1, close - open - 1));
    char const* value = name.empty() ? nullptr : std::getenv(name.c_str());
    if (value) {
      expanded += value;
      position = close + 1;
    } else {
      // The closing "%" may open the next reference.
      expanded += '%';
      expanded.append(name);
      position = close;
    }
  }
  expanded.append(text.substr(position));
  return expanded;
}
