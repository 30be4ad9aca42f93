// One opened profile store: a unit of work from construction to destruction. Open it for one
// piece of work (load a session, save the options) and destroy it right after.
#pragma once

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

 private:
  VProfilePrivateStore* m_store = nullptr;
  VProfileKey* m_root = nullptr;
  bool m_readOnly;
};
