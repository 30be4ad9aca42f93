#include "VProfileStore.h"

#include "VProfileKey.h"
#include "VProfilePrivateStore.h"
#include "VProfileStoreFactory.h"

VProfileStore::VProfileStore(VProfileStoreFactory* factory) : VProfileStore(false, factory) {}

VProfileStore::VProfileStore(bool readOnly, VProfileStoreFactory* factory) : m_readOnly(readOnly) {
  if (!factory) factory = GetInstalledProfileStoreFactory();
  if (factory) m_store = factory->CreateStore();
  m_root = new VProfileKey(this);
}

VProfileStore::~VProfileStore() {
  delete m_store;
  delete m_root;
}

bool VProfileStore::CanCommit() { return m_store && m_store->CanCommit(); }

bool VProfileStore::Close(bool commit) { return m_store && m_store->EndWork(commit); }
