// Makes registry stores that keep the tree under one key (base path) of a hive.
#pragma once

#include "VProfileStoreFactory.h"
#include "VString.h"
#include "platform/types/WinTypes.h"

class VRegistryStoreFactory : public VProfileStoreFactory {
 public:
  VRegistryStoreFactory(HKEY hive, char const* path) : m_hive(hive), m_path(path) {}
  VProfilePrivateStore* CreateStore() override;
  void SetRoot(HKEY hive, char const* path);
  HKEY Hive() const { return m_hive; }
  VString const& BasePath() const { return m_path; }

 private:
  HKEY m_hive;
  VString m_path;
};

// The maker-wide per-user settings factory the library keeps for itself, made on first use:
// "SOFTWARE\Brimvale" in the user or machine hive, else the older "SOFTWARE\Brim Vale
// Technologies" in either, else "SOFTWARE\Brimvale" in the user hive.
VRegistryStoreFactory* GetLibraryRegistryFactory();
// Forgets the factory so that the next use probes again (a host that changed BRIMVALE_ROOT).
void ResetLibraryRegistryFactory();
