// The `logname` noun of cdtool: prints the file name a session's log name pattern expands to.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>

#include "Command.h"

class LognameCommand : public Command {
 public:
  // Adds `logname` to `app`.
  explicit LognameCommand(CLI::App& app);

 private:
  // Prints the expansion: 0 done, 1 when it cannot be printed.
  int Expand() const;

  std::string m_pattern;
  std::optional<std::string> m_host;
  std::optional<std::string> m_session;
  std::optional<int64_t> m_time;
};
