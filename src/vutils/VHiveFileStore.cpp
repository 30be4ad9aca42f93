#include "VHiveFileStore.h"

#include "VRegistryStore.h"
#include "platform/registry/Registry.h"

VHiveFileStore::VHiveFileStore(std::string const& path) : m_path(path) {
  if (RegOpenHiveFile(path.c_str(), &m_root) != ERROR_SUCCESS) m_root = nullptr;
  m_store = std::make_unique<VRegistryStore>(m_root, "");
}

VHiveFileStore::~VHiveFileStore() {
  // The unit of work ends on the root handle, so the handle goes last.
  m_store.reset();
  if (m_root) RegCloseKey(m_root);
}

VProfilePrivateKey* VHiveFileStore::OpenRoot(bool readOnly) { return m_store->OpenRoot(readOnly); }

bool VHiveFileStore::CanCommit() { return m_store->CanCommit(); }

bool VHiveFileStore::EndWork(bool commit) { return m_store->EndWork(commit); }

long VHiveFileStore::Status() { return m_store->Status(); }
