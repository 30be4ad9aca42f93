// The implementation side of one opened store.
#pragma once

#include <string>

class VProfilePrivateKey;

class VProfilePrivateStore {
 public:
  virtual ~VProfilePrivateStore() = default;
  // A new key for the store's root, owned by the caller, opened in the given mode.
  virtual VProfilePrivateKey* OpenRoot(bool readOnly) = 0;
  // Whether the unit of work could start: false when a writable unit did not get the hive's
  // write lock, so that nothing written in it will be stored. Stores without units say true.
  virtual bool CanCommit() { return true; }
  // Ends the unit of work now: commits it, or with `commit` false takes back everything written
  // in it. True when the writes are stored (for a unit joined to another: nothing refused them
  // so far). Stores without units keep every write and answer `commit`.
  virtual bool EndWork(bool commit) { return commit; }
  // The first failure of the unit of work so far, after EndWork of the whole unit, as a
  // platform error code (ERROR_BUSY, ERROR_ACCESS_DENIED, ERROR_BADDB, ERROR_DISK_FULL ...);
  // 0 when none. Stores that cannot fail say 0.
  virtual long Status() { return 0; }
  // Where the store keeps its data (a file), for messages; empty when it has no such place.
  virtual std::string Location() { return {}; }
};
