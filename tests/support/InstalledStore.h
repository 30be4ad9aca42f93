// A profile store factory installed as the process's store for one scope, for code that opens its
// own store through the installed factory. The previous getter comes back at the end.
#pragma once

#include <utility>

#include "VProfileStoreFactory.h"

template <typename StoreFactory>
class InstalledStore {
 public:
  template <typename... Arguments>
  explicit InstalledStore(Arguments&&... arguments)
      : m_factory(std::forward<Arguments>(arguments)...), m_previous(GetProfileStoreFactoryGetter()) {
    s_factory = &m_factory;
    SetProfileStoreFactoryGetter(&Installed);
  }
  ~InstalledStore() {
    SetProfileStoreFactoryGetter(m_previous);
    s_factory = nullptr;
  }
  InstalledStore(InstalledStore const&) = delete;
  InstalledStore& operator=(InstalledStore const&) = delete;

  StoreFactory& Factory() { return m_factory; }

 private:
  static VProfileStoreFactory* Installed() { return s_factory; }

  inline static StoreFactory* s_factory = nullptr;
  StoreFactory m_factory;
  VProfileStoreFactoryGetter m_previous;
};
