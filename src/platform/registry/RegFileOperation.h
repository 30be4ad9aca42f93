// One step of a registry export file: create or delete a key, set or delete a value.
#pragma once

#include <string>

#include "platform/types/WinTypes.h"

struct RegFileOperation {
  enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };

  Kind kind = Kind::CreateKey;
  std::string key;             // full path, hive name first: HKEY_CURRENT_USER\Software\Brimvale
  std::string name;            // value name; empty for the key's default value
  unsigned long type = REG_NONE;
  std::string data;            // the value's stored bytes
  int line = 0;                // 1-based line where the step starts in its file (0 when not parsed)

  bool operator==(RegFileOperation const&) const = default;
};
