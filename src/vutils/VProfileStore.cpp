#include "VProfileStore.h"

#include "VProfileKey.h"
#include "VProfilePrivateStore.h"
#include "VProfileStoreFactory.h"
#include "VStoreFailure.h"
#include "platform/types/WinTypes.h"

VProfileStore::VProfileStore(VProfileStoreFactory* factory) : VProfileStore(false, factory) {}

VProfileStore::VProfileStore(bool readOnly, VProfileStoreFactory* factory) : m_readOnly(readOnly) {
  if (!factory) factory = GetInstalledProfileStoreFactory();
  if (factory) m_store = factory->CreateStore();
  m_root = new VProfileKey(this);
  VStoreFailure::Opened(this);
}

VProfileStore::~VProfileStore() {
  VStoreFailure::Closed(this);
  if (!m_closed) Close(true);
  delete m_store;
  delete m_root;
}

bool VProfileStore::CanCommit() { return m_store && m_store->CanCommit(); }

bool VProfileStore::Close(bool commit) {
  if (!m_store) return false;
  bool const stored = m_store->EndWork(commit);
  m_closed = true;
  VStoreFailure::Note(m_store->Status(), m_store->Location());
  return stored;
}

long VProfileStore::Status() { return m_store ? m_store->Status() : ERROR_INVALID_HANDLE; }

std::string VProfileStore::Location() { return m_store ? m_store->Location() : std::string(); }
