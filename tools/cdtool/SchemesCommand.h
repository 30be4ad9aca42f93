// The `schemes` noun of cdtool: list, show, add and remove the host's colour schemes.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "Command.h"

class ProfileColorSchemeList;

class SchemesCommand : public Command {
 public:
  // Adds `schemes` and its verbs to `app`.
  explicit SchemesCommand(CLI::App& app);

 private:
  int List();
  int Show();
  int Add();
  int Remove();
  // Saves `list` and reads it back; false when the store did not take the change.
  bool SaveChecked(ProfileColorSchemeList& list, bool present);

  CLI::App* m_schemes = nullptr;
  std::string m_name;
  std::string m_foreground;
  std::string m_background;
};
