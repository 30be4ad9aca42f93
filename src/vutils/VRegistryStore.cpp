#include "VRegistryStore.h"

#include "VRegistryKey.h"
#include "platform/registry/Registry.h"

VRegistryStore::~VRegistryStore() {
  if (m_inWork) EndWork(true);
}

VProfilePrivateKey* VRegistryStore::OpenRoot(bool readOnly) {
  // A unit that could not take its lock is still entered: its writes then fail as a whole.
  if (!m_inWork) {
    LSTATUS const begun = RegBeginUnitOfWork(m_hive, !readOnly);
    m_inWork = begun != ERROR_INVALID_HANDLE;
    m_started = begun == ERROR_SUCCESS;
  }
  return new VRegistryKey(m_hive, m_path.c_str(), readOnly);
}

bool VRegistryStore::EndWork(bool commit) {
  if (!m_inWork) return false;
  m_inWork = false;
  m_endStatus = RegEndUnitOfWork(m_hive, commit);
  return m_endStatus == ERROR_SUCCESS && commit;
}

long VRegistryStore::Status() {
  if (!m_hive) return ERROR_INVALID_HANDLE;
  return m_inWork ? RegUnitOfWorkStatus(m_hive) : m_endStatus;
}

std::string VRegistryStore::Location() { return RegHivePath(m_hive); }
