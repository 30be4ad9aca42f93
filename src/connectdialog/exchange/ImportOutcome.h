// What became of one entry of an import (a host, a session file, a line that was not taken).
#pragma once

#include <string>

struct ImportOutcome {
  enum class Kind { Made, Skipped, Refused };

  Kind kind;
  // The host alias, session name or keyword concerned.
  std::string subject;
  // "file:line" or the file it comes from.
  std::string source;
  // Why it was skipped or refused; for a made session, what was left out or changed (may be empty).
  std::string reason;

  static char const* KindName(Kind kind);
};
