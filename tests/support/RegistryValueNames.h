// The value names of an open key, in the order the registry enumerates them.
#pragma once

#include <string>
#include <vector>

#include "platform/registry/Registry.h"

inline std::vector<std::string> RegistryValueNames(HKEY key) {
  std::vector<std::string> names;
  char name[256];
  for (unsigned long i = 0;; ++i) {
    unsigned long length = sizeof name;
    if (RegEnumValue(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) return names;
    names.emplace_back(name, length);
  }
}
