#include "VRegistryStore.h"

#include "VRegistryKey.h"
#include "platform/registry/Registry.h"

VRegistryStore::~VRegistryStore() {
  if (m_inWork) RegEndUnitOfWork(m_hive, true);
}

VProfilePrivateKey* VRegistryStore::OpenRoot(bool readOnly) {
  // A unit that could not take its lock is still entered: its writes then fail as a whole.
  if (!m_inWork) m_inWork = RegBeginUnitOfWork(m_hive, !readOnly) != ERROR_INVALID_HANDLE;
  return new VRegistryKey(m_hive, m_path.c_str(), readOnly);
}
