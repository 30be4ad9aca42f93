// A host's base folder for one test, with a "Connection Protocols" folder to fill with copies
// of the test plug-ins. Copies have their own files, so each loads as a module of its own.
#pragma once

#include <filesystem>
#include <string>

#include "support/TempFolder.h"

class PluginFolder {
 public:
  enum class Plugin { Current, Foreign, Garbage };
  PluginFolder() { std::filesystem::create_directories(Protocols()); }
  // Base folder as hosts pass it: ending in a separator.
  std::string Base() const { return m_folder.Path() + "/"; }
  std::string Protocols() const { return Base() + "Connection Protocols/"; }
  std::string Install(std::string const& file, Plugin plugin = Plugin::Current) {
    std::string const target = Protocols() + file;
    if (plugin == Plugin::Garbage) {
      WriteFileBytes(target, "not a module");
    } else {
      char const* built = plugin == Plugin::Current ? "/test_protocol_plugin.so" : "/foreign_protocol_plugin.so";
      std::filesystem::copy_file(std::string(TEST_PLUGIN_DIR) + built, target);
    }
    return target;
  }

 private:
  TempFolder m_folder;
};
