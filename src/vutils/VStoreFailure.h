// The first store failure this thread has met since it last cleared the record. Library calls
// answer "nothing there" or "not saved" when their store fails; a tool or host that must tell a
// missing session from a locked or damaged store clears the record, makes its calls, and asks.
// Every store notes the failure its unit of work ended with, and the stores still open are asked
// too, so a failure counts from the moment it happens. One record per thread.
#pragma once

#include <string>

class VProfileStore;

class VStoreFailure {
 public:
  // Stores tell when they open and close, so that their failures count while they are open.
  static void Opened(VProfileStore* store);
  static void Closed(VProfileStore* store);
  static void Clear();
  // Keeps `code` (a platform error code) of the store at `location` unless an earlier failure is
  // kept; 0 and ERROR_REQUEST_ABORTED (a unit taken back on purpose) are no failure.
  static void Note(long code, std::string const& location);
  static bool Any();
  static long Code();
  // One line for a person, such as "the store is locked by another process: /path/config.db".
  static std::string Describe();
};
