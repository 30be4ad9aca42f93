// The `url` noun of cdtool: `url parse TEXT` splits a connection URL as a host application would
// and prints its parts, or the report that refused it.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "Command.h"

class UrlCommand : public Command {
 public:
  explicit UrlCommand(CLI::App& app);

 private:
  // 0 parsed, 1 refused (the report's text on stderr, or in the JSON document).
  int Parse() const;

  std::string m_text;
  std::string m_defaultPassword;
  bool m_json = false;
};
