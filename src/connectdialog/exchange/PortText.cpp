#include "exchange/PortText.h"

#include <algorithm>

bool ParsePortText(std::string const& text, int& port) {
  if (text.empty() || text.size() > 5 || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  int const value = std::stoi(text);
  if (value < 1 || value > 65535) return false;
  port = value;
  return true;
}
