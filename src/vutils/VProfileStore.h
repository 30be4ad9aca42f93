// One opened profile store: a unit of work from construction to destruction. Open it for one
// piece of work (load a session, save the options) and destroy it right after.
#pragma once

#include <string>

class VProfileStoreFactory;
class VProfilePrivateStore;
class VProfileKey;

class VProfileStore {
 public:
  // With no factory the installed getter's factory is used.
  explicit VProfileStore(VProfileStoreFactory* factory = nullptr);
  VProfileStore(bool readOnly, VProfileStoreFactory* factory);
  virtual ~VProfileStore();
  VProfileStore(VProfileStore const&) = delete;
  VProfileStore& operator=(VProfileStore const&) = delete;

  VProfileKey* Root() { return m_root; }
  bool IsReadOnly() const { return m_readOnly; }
  VProfilePrivateStore* PrivateStore() { return m_store; }
  // False when nothing written through this store can be stored: there is no store, or
  // another process held the hive's write lock past the wait.
  bool CanCommit();
  // Ends the unit of work before the store goes: commits it, or with `commit` false takes back
  // everything written in it (a store that joined another's unit dooms that unit; an
  // in-memory store cannot take writes back). True when the writes are stored or, joined to
  // another's unit, nothing refused them so far. No key of the store may be used after it.
  bool Close(bool commit = true);
  // The first failure of the unit of work so far (after Close: of the whole unit), as a platform
  // error code; 0 when none. Closing or destroying the store notes it in VStoreFailure.
  long Status();
  // The file behind the store, for messages; empty for stores that have none.
  std::string Location();

 private:
  VProfilePrivateStore* m_store = nullptr;
  VProfileKey* m_root = nullptr;
  bool m_readOnly;
  bool m_closed = false;
};
