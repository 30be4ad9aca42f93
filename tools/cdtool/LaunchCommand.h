// The `launch` noun of cdtool: starts the sibling host (`terminal` or `transfer`) on a session,
// with the arguments the Connect dialog passes: the recorded application command line, /S and
// the quoted session path.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "Command.h"

class LaunchCommand : public Command {
 public:
  explicit LaunchCommand(CLI::App& app);

 private:
  // 0 started, 1 when the session is missing or the program could not be started.
  int Start();

  std::string m_side;
  std::string m_path;
};
