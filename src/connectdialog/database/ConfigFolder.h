// Where the running host keeps its configuration: the folder recorded as the application's
// "Config Path", else $XDG_CONFIG_HOME/Brimvale/<application name>/ (the per-user hive's
// folder, which BRIMVALE_ROOT moves). The profile store is the hive file config.db in it, so
// products that name the same folder share their sessions and options.
#pragma once

#include <string>

#include "VString.h"

class ConfigFolder {
 public:
  // The default folder of the running application, ending in a slash.
  static std::string Default();
  // The recorded folder when there is one, else the default.
  static std::string Current();
  // config.db in the current folder.
  static std::string StoreFile();
  // config.db in `folder`, with or without its final slash.
  static std::string StoreFileIn(VString const& folder);
};
