// The `tz` noun of cdtool: the time-zone list, one zone's rule, and a year's transitions.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <utility>
#include <vector>

class TimeZone;

class TzCommand {
 public:
  // Adds `tz` and its verbs to `app`.
  explicit TzCommand(CLI::App& app);

  bool Selected() const { return m_tz->parsed(); }
  // Runs the verb that was parsed: 0 done, 1 input refused (the reason on stderr), 2 usage error.
  int Run();

 private:
  using Verb = int (TzCommand::*)(TimeZone const&);

  CLI::App* AddVerb(std::string const& name, std::string const& description, Verb verb);
  int Ls(TimeZone const& zones);
  int Show(TimeZone const& zones);
  int Transitions(TimeZone const& zones);
  // The identifier that `m_zone` names, itself or as an abbreviation; empty when none.
  std::string Resolve(TimeZone const& zones) const;
  int Print(std::string const& text) const;
  int Refuse(std::string const& reason) const;

  CLI::App* m_tz = nullptr;
  std::vector<std::pair<CLI::App*, Verb>> m_verbs;
  std::string m_zone;
  int m_year = 0;
  bool m_json = false;
};
