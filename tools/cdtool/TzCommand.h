// The `tz` noun of cdtool: the time-zone list, one zone's rule, and a year's transitions.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "Command.h"

class TimeZone;

class TzCommand : public Command {
 public:
  // Adds `tz` and its verbs to `app`.
  explicit TzCommand(CLI::App& app);

  // Runs the chosen verb on the zone list, written first when the machine has none.
  int Run() override;

 private:
  int Ls(TimeZone const& zones);
  int Show(TimeZone const& zones);
  int Transitions(TimeZone const& zones);
  // The identifier that `m_zone` names, itself or as an abbreviation; empty when none.
  std::string Resolve(TimeZone const& zones) const;

  CLI::App* m_tz = nullptr;
  TimeZone const* m_zones = nullptr;  // while Run runs
  std::string m_zone;
  int m_year = 0;
  bool m_json = false;
};
