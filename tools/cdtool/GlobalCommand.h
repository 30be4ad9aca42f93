// The `global` noun of cdtool: show, read, write and reset the global options of the product
// chosen with --product, in that product's configuration folder.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <utility>
#include <vector>

class GlobalCommand {
 public:
  // Adds `global` and its verbs to `app`.
  explicit GlobalCommand(CLI::App& app);

  bool Selected() const { return m_global->parsed(); }
  // Runs the verb that was parsed: 0 done, 1 input refused (the reason on stderr), 2 usage error.
  int Run();

 private:
  using Verb = int (GlobalCommand::*)();

  CLI::App* AddVerb(std::string const& name, std::string const& description, Verb verb);
  int Show();
  int Get();
  int Set();
  int SetConfigPath();
  int Reset();
  int Print(std::string const& text) const;
  int Refuse(std::string const& reason) const;

  CLI::App* m_global = nullptr;
  std::vector<std::pair<CLI::App*, Verb>> m_verbs;
  std::string m_name;
  std::string m_value;
  bool m_json = false;
  bool m_yes = false;
};
