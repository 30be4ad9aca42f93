// A store over a key of the registry. Each store is one unit of work on its hive: opened with
// the root key, committed when the store is destroyed (stores opened inside it join it).
#pragma once

#include "VProfilePrivateStore.h"
#include "VString.h"
#include "platform/types/WinTypes.h"

class VRegistryStore : public VProfilePrivateStore {
 public:
  VRegistryStore(HKEY hive, VString const& path) : m_hive(hive), m_path(path) {}
  ~VRegistryStore() override;
  VProfilePrivateKey* OpenRoot(bool readOnly) override;
  bool CanCommit() override { return m_started; }
  bool EndWork(bool commit) override;
  long Status() override;
  std::string Location() override;

 private:
  HKEY m_hive;
  VString m_path;
  bool m_inWork = false;
  bool m_started = false;
  long m_endStatus = 0;  // the failure the unit ended with
};
