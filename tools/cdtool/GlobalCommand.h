// The `global` noun of cdtool: show, read, write and reset the global options of the product
// chosen with --product, in that product's configuration folder, through the option model.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "Command.h"

class GlobalConfig;

class GlobalCommand : public Command {
 public:
  // Adds `global` and its verbs to `app`.
  explicit GlobalCommand(CLI::App& app);

  // Runs the chosen verb with a console that answers the questions it asks.
  int Run() override;

 private:
  int Show();
  int Get();
  int Set();
  int SetConfigPath();
  int Reset();

  std::string m_name;
  std::string m_value;
  bool m_json = false;
  bool m_yes = false;
};
