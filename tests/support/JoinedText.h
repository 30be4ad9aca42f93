// Texts joined with a separator, for dumps that a test compares whole or with a golden file.
#pragma once

#include <string>
#include <vector>

inline std::string JoinedText(std::vector<std::string> const& texts, std::string const& separator = " ") {
  std::string joined;
  for (std::string const& text : texts) joined += (joined.empty() ? "" : separator) + text;
  return joined;
}
