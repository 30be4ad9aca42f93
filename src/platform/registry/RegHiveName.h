// The names of the three hives as registry export files and users write them.
#pragma once

#include <string>
#include <string_view>

#include "platform/types/WinTypes.h"

class RegHiveName {
 public:
  // Resolves HKEY_CURRENT_USER/HKCU, HKEY_LOCAL_MACHINE/HKLM, HKEY_CLASSES_ROOT/HKCR (any case)
  // to the hive's root handle; null when the name is none of them.
  static HKEY Resolve(std::string_view name);
  // The long name of a predefined root ("HKEY_CURRENT_USER"); empty for any other handle.
  static std::string LongName(HKEY root);
};
