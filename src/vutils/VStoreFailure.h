// The first store failure this thread has met since it last cleared the record. Library calls
// answer "nothing there" or "not saved" when their store fails; a tool or host that must tell a
// missing session from a locked or damaged store clears the record, makes its calls, and asks.
// Every store notes the failure its unit of work ended with. One record per thread.
#pragma once

#include <string>

class VStoreFailure {
 public:
  static void Clear();
  // Keeps `code` (a platform error code) of the store at `location` unless an earlier failure is
  // kept; 0 and ERROR_REQUEST_ABORTED (a unit taken back on purpose) are no failure.
  static void Note(long code, std::string const& location);
  static bool Any();
  static long Code();
  // One line for a person, such as "the store is locked by another process: /path/config.db".
  static std::string Describe();
};
