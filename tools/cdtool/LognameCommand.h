// The `logname` noun of cdtool: prints the file name a session's log name pattern expands to.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>

class LognameCommand {
 public:
  // Adds `logname` to `app`.
  explicit LognameCommand(CLI::App& app);

  bool Selected() const { return m_logname->parsed(); }
  // Prints the expansion: 0 done, 1 when it cannot be printed.
  int Run() const;

 private:
  CLI::App* m_logname = nullptr;
  std::string m_pattern;
  std::optional<std::string> m_host;
  std::optional<std::string> m_session;
  std::optional<int64_t> m_time;
};
