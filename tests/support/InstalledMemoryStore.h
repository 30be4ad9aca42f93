// A fresh in-memory profile store installed as the process's store for one test, for code that
// opens its own store through the installed factory. The previous getter comes back at the end.
#pragma once

#include "VMemoryStoreFactory.h"
#include "VProfileStoreFactory.h"

class InstalledMemoryStore {
 public:
  InstalledMemoryStore() : m_previous(GetProfileStoreFactoryGetter()) {
    s_factory = &m_factory;
    SetProfileStoreFactoryGetter(&Installed);
  }
  ~InstalledMemoryStore() {
    SetProfileStoreFactoryGetter(m_previous);
    s_factory = nullptr;
  }
  InstalledMemoryStore(InstalledMemoryStore const&) = delete;
  InstalledMemoryStore& operator=(InstalledMemoryStore const&) = delete;

  VMemoryStoreFactory& Factory() { return m_factory; }

 private:
  static VProfileStoreFactory* Installed() { return s_factory; }

  inline static VMemoryStoreFactory* s_factory = nullptr;
  VMemoryStoreFactory m_factory;
  VProfileStoreFactoryGetter m_previous;
};
