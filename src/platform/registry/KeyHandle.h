// What an HKEY points at: an open key of one hive, the access it was opened with, and the
// name lists it last enumerated (kept while the hive's version is unchanged).
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry/Hive.h"
#include "platform/types/WinTypes.h"

struct NameCache {
  std::vector<std::string> names;
  std::pair<uint64_t, int64_t> version{0, 0};
  bool valid = false;
};

struct HKEY__ {
  Hive* hive = nullptr;
  KeyId id = kRootKeyId;
  size_t depth = 0;  // levels below the hive's root
  REGSAM access = 0;
  NameCache subkeys;
  NameCache values;
};
