// Fills the process's protocol table as the running product's host does at start-up: one
// LoadProtocolDll call per built-in row of the product, then "None". Plug-ins that are missing
// or cannot be loaded are left out quietly and listed; SSH1 without "SSH1.enable" is just left out.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

class ProtocolTableLoader {
 public:
  struct Missing {
    std::string protocol;
    std::string file;
  };

  // Adds --plugins DIR to `command`; the default is the folder the build puts the plug-ins in.
  void AddOption(CLI::App& command);
  // False, with Error() set, when the folder is not a "Connection Protocols" folder. The rows
  // of `alsoProducts` are loaded too, as a host does for an installed sibling.
  bool Fill(std::vector<int> const& alsoProducts = {});

  std::string const& Folder() const { return m_folder; }
  std::vector<Missing> const& MissingRows() const { return m_missing; }
  std::string const& Error() const { return m_error; }

 private:
  std::string m_folder;
  std::vector<Missing> m_missing;
  std::string m_error;
};
