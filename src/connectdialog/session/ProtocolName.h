// Protocol names compare ignoring letter case where a name comes from a user or a store
// ("ssh2" is "SSH2"). Names are ASCII, so ASCII case folding is enough.
#pragma once

#include <string_view>

inline bool SameProtocolName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (size_t i = 0; i < a.size(); ++i)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}
