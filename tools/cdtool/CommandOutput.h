// How a cdtool command ends: its output on stdout (exit 0), a refusal (exit 1) or a usage error
// (exit 2), the reason on stderr.
#pragma once

#include <string>

class CommandOutput {
 public:
  // 0, or 1 when stdout cannot be written.
  static int Print(std::string const& text);
  static int Refuse(std::string const& reason);
  static int Usage(std::string const& reason);
};
