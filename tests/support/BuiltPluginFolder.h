// A host's base folder for tests: a temporary folder whose "Connection Protocols" links to the
// plug-ins this build made, with SSH1 enabled, so that a protocol table can load real plug-ins.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "support/TempFolder.h"

class BuiltPluginFolder {
 public:
  explicit BuiltPluginFolder(std::string const& builtProtocols) {
    namespace fs = std::filesystem;
    fs::path const protocols = fs::path(m_folder.Path()) / "Connection Protocols";
    fs::create_directories(protocols);
    for (fs::directory_entry const& built : fs::directory_iterator(builtProtocols))
      fs::create_symlink(built.path(), protocols / built.path().filename());
    std::ofstream(protocols / "SSH1.enable").put('\n');
  }

  // The base folder, ending in a slash, as LoadProtocolDll takes it.
  std::string Base() const { return m_folder.Path() + "/"; }

 private:
  TempFolder m_folder;
};
