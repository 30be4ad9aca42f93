// Every own entry of a keymap as "index function value", the index in hex, in index order.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "support/KeyDump.h"
#include "terminal/Keymap.h"

inline std::vector<std::string> OwnEntries(Keymap const& keymap) {
  std::vector<std::string> entries;
  for (int index = 0; index < Keymap::kIndexCount; ++index) {
    if (int const code = keymap.GetOwnKeyCode(index)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%03X", index);
      entries.push_back(std::string(hex) + " " + Keymap::LookupNameByCode(code).Str() + " " +
                        DumpText(keymap.GetOwnKeyValue(index).Str()));
    }
  }
  return entries;
}
