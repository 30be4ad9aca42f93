// The `schemes` noun of cdtool: list, show, add and remove the host's colour schemes.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <utility>
#include <vector>

class ProfileColorSchemeList;

class SchemesCommand {
 public:
  // Adds `schemes` and its verbs to `app`.
  explicit SchemesCommand(CLI::App& app);

  bool Selected() const { return m_schemes->parsed(); }
  // Runs the verb that was parsed on the installed profile store: 0 done, 1 refused, 2 usage error.
  int Run();

 private:
  using Verb = int (SchemesCommand::*)();

  CLI::App* AddVerb(std::string const& name, std::string const& description, Verb verb);
  int List();
  int Show();
  int Add();
  int Remove();
  // Saves `list` and reads it back; false when the store did not take the change.
  bool SaveChecked(ProfileColorSchemeList& list, bool present);

  CLI::App* m_schemes = nullptr;
  std::vector<std::pair<CLI::App*, Verb>> m_verbs;
  std::string m_name;
  std::string m_foreground;
  std::string m_background;
};
