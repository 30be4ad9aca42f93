// The products a dialog verb runs with: the running one, and the siblings named with
// --installed (korvo, halokorvo, halofyx), marked installed as their hosts would report them.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

class InstalledProducts {
 public:
  // Adds --installed to `command`.
  void AddOption(CLI::App& command);
  // The product ids named with --installed.
  std::vector<int> Siblings() const;
  // Marks the running product and the siblings installed.
  void Install() const;
  // Marks the running product's client installed and the other client not, as a lone host reports it.
  static void InstallRunningOnly();

 private:
  std::vector<std::string> m_names;
};
