// A key of the user's registry hive installed as the process's profile store for one test, for
// code that opens its own store through the installed factory (use inside a ScopedRoot). The
// previous getter comes back at the end.
#pragma once

#include "VProfileStoreFactory.h"
#include "VRegistryStoreFactory.h"

class InstalledRegistryStore {
 public:
  explicit InstalledRegistryStore(char const* keyPath)
      : m_factory(HKEY_CURRENT_USER, keyPath), m_previous(GetProfileStoreFactoryGetter()) {
    s_factory = &m_factory;
    SetProfileStoreFactoryGetter(&Installed);
  }
  ~InstalledRegistryStore() {
    SetProfileStoreFactoryGetter(m_previous);
    s_factory = nullptr;
  }
  InstalledRegistryStore(InstalledRegistryStore const&) = delete;
  InstalledRegistryStore& operator=(InstalledRegistryStore const&) = delete;

 private:
  static VProfileStoreFactory* Installed() { return s_factory; }

  inline static VRegistryStoreFactory* s_factory = nullptr;
  VRegistryStoreFactory m_factory;
  VProfileStoreFactoryGetter m_previous;
};
