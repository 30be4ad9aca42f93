// How a cdtool command ends: its output on stdout (exit 0), a refusal (exit 1) or a usage error
// (exit 2), the reason on stderr. A store that failed during the command (locked, not writable,
// damaged, full) is the reason of the outcome: its failure replaces the output or the refusal, so
// that nothing is shown as done or as missing when the store did not answer.
#pragma once

#include <string>

class CommandOutput {
 public:
  // 0, or 1 when stdout cannot be written or a store failed.
  static int Print(std::string const& text);
  static int Refuse(std::string const& reason);
  // A remark on stderr that does not change the outcome.
  static void Note(std::string const& remark);
  static int Usage(std::string const& reason);
};
