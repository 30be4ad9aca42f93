// A read-only profile store with one key below its root whose text-list values keep names that
// differ only in case apart, as a host's own store may; installed as the process's store for
// its lifetime, the previous getter restored at the end.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "VProfilePrivateKey.h"
#include "VProfilePrivateKeyIterator.h"
#include "VProfilePrivateStore.h"
#include "VProfileStoreFactory.h"

class ExactNameStore : public VProfileStoreFactory {
 public:
  using Values = std::vector<std::pair<std::string, VStringArray>>;

  ExactNameStore(std::string keyName, Values values)
      : m_keyName(std::move(keyName)), m_values(std::move(values)), m_previous(GetProfileStoreFactoryGetter()) {
    s_installed = this;
    SetProfileStoreFactoryGetter(&Installed);
  }
  ~ExactNameStore() override {
    SetProfileStoreFactoryGetter(m_previous);
    s_installed = nullptr;
  }
  ExactNameStore(ExactNameStore const&) = delete;
  ExactNameStore& operator=(ExactNameStore const&) = delete;

  VProfilePrivateStore* CreateStore() override { return new Store(*this); }

 private:
  class Names : public VProfilePrivateKeyIterator {
   public:
    explicit Names(Values const* values) : m_values(values) {}
    bool Next(VString& name) override {
      if (!m_values || m_next >= m_values->size()) return false;
      name = (*m_values)[m_next++].first.c_str();
      return true;
    }

   private:
    Values const* m_values;
    size_t m_next = 0;
  };

  // The root (values null, one subkey) or the key holding the values.
  class Key : public VProfilePrivateKey {
   public:
    Key(ExactNameStore const& store, Values const* values) : m_store(store), m_values(values) {}
    bool GetMultiSz(char const* name, VStringArray& out) override {
      out.RemoveAll();
      for (auto const& [valueName, list] : m_values ? *m_values : Values())
        if (valueName == name) {
          out = list;
          return true;
        }
      return false;
    }
    bool GetBinary(char const*, void*, unsigned long&) override { return false; }
    bool GetSz(char const*, VString&) override { return false; }
    bool GetDword(char const*, unsigned long&) override { return false; }
    bool SetMultiSz(char const*, VStringArray const&) override { return false; }
    bool SetBinary(char const*, void const*, unsigned long) override { return false; }
    bool SetSz(char const*, char const*) override { return false; }
    bool SetDword(char const*, unsigned long) override { return false; }
    bool DeleteValue(char const*) override { return false; }
    bool DeleteKey(char const*) override { return false; }
    bool KeyExists(char const* name) override { return !m_values && m_store.m_keyName == name; }
    bool IsWritable() override { return false; }
    VProfilePrivateKey* OpenKey(char const* name) override {
      static Values const none;
      return new Key(m_store, KeyExists(name) ? &m_store.m_values : &none);
    }
    VProfilePrivateKeyIterator* CreateIterator(bool values) override { return new Names(values ? m_values : nullptr); }

   private:
    ExactNameStore const& m_store;
    Values const* m_values;
  };

  class Store : public VProfilePrivateStore {
   public:
    explicit Store(ExactNameStore const& store) : m_store(store) {}
    VProfilePrivateKey* OpenRoot(bool) override { return new Key(m_store, nullptr); }

   private:
    ExactNameStore const& m_store;
  };

  static VProfileStoreFactory* Installed() { return s_installed; }

  inline static ExactNameStore* s_installed = nullptr;
  std::string m_keyName;
  Values m_values;
  VProfileStoreFactoryGetter m_previous;
};
