// The implementation side of one opened store.
#pragma once

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
};
