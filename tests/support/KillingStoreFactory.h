// Fault injection: a store factory that forwards to another and kills the process (SIGKILL, as
// a crash or a power cut would) at a chosen value write, so that a test can check what a unit
// of work left behind. Use it in a forked child only.
#pragma once

#include <signal.h>

#include "VProfilePrivateKey.h"
#include "VProfilePrivateStore.h"
#include "VProfileStoreFactory.h"

class KillingStoreFactory : public VProfileStoreFactory {
 public:
  KillingStoreFactory(VProfileStoreFactory& inner, long killAtWrite) : m_inner(inner), m_writesLeft(killAtWrite) {}

  VProfilePrivateStore* CreateStore() override { return new Store(m_inner.CreateStore(), *this); }

 private:
  void Wrote() { if (--m_writesLeft <= 0) raise(SIGKILL); }

  class Key : public VProfilePrivateKey {
   public:
    Key(VProfilePrivateKey* inner, KillingStoreFactory& owner) : m_inner(inner), m_owner(owner) {}
    ~Key() override { delete m_inner; }
    bool GetMultiSz(char const* name, VStringArray& out) override { return m_inner->GetMultiSz(name, out); }
    bool GetBinary(char const* name, void* data, unsigned long& size) override {
      return m_inner->GetBinary(name, data, size);
    }
    bool GetSz(char const* name, VString& out) override { return m_inner->GetSz(name, out); }
    bool GetDword(char const* name, unsigned long& out) override { return m_inner->GetDword(name, out); }
    bool SetMultiSz(char const* name, VStringArray const& values) override {
      return Wrote(m_inner->SetMultiSz(name, values));
    }
    bool SetBinary(char const* name, void const* data, unsigned long length) override {
      return Wrote(m_inner->SetBinary(name, data, length));
    }
    bool SetSz(char const* name, char const* text) override { return Wrote(m_inner->SetSz(name, text)); }
    bool SetDword(char const* name, unsigned long value) override { return Wrote(m_inner->SetDword(name, value)); }
    bool DeleteValue(char const* name) override { return m_inner->DeleteValue(name); }
    bool DeleteKey(char const* name) override { return m_inner->DeleteKey(name); }
    bool KeyExists(char const* name) override { return m_inner->KeyExists(name); }
    bool IsWritable() override { return m_inner->IsWritable(); }
    VProfilePrivateKey* OpenKey(char const* name) override { return new Key(m_inner->OpenKey(name), m_owner); }
    VProfilePrivateKeyIterator* CreateIterator(bool values) override { return m_inner->CreateIterator(values); }

   private:
    bool Wrote(bool result) { return m_owner.Wrote(), result; }
    VProfilePrivateKey* m_inner;
    KillingStoreFactory& m_owner;
  };

  class Store : public VProfilePrivateStore {
   public:
    Store(VProfilePrivateStore* inner, KillingStoreFactory& owner) : m_inner(inner), m_owner(owner) {}
    ~Store() override { delete m_inner; }
    VProfilePrivateKey* OpenRoot(bool readOnly) override { return new Key(m_inner->OpenRoot(readOnly), m_owner); }

   private:
    VProfilePrivateStore* m_inner;
    KillingStoreFactory& m_owner;
  };

  VProfileStoreFactory& m_inner;
  long m_writesLeft;
};
