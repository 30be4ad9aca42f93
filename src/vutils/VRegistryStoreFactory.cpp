#include "VRegistryStoreFactory.h"

#include <memory>

#include "VRegistryStore.h"
#include "platform/registry/Registry.h"

VProfilePrivateStore* VRegistryStoreFactory::CreateStore() { return new VRegistryStore(m_hive, m_path); }

void VRegistryStoreFactory::SetRoot(HKEY hive, char const* path) {
  m_hive = hive;
  m_path = path;
}

namespace {

std::unique_ptr<VRegistryStoreFactory> libraryFactory;

bool KeyPresent(HKEY hive, char const* path) {
  HKEY probe = nullptr;
  if (RegOpenKeyEx(hive, path, 0, KEY_READ, &probe) != ERROR_SUCCESS) return false;
  RegCloseKey(probe);
  return true;
}

}  // namespace

VRegistryStoreFactory* GetLibraryRegistryFactory() {
  if (libraryFactory) return libraryFactory.get();
  struct Probe {
    HKEY hive;
    char const* path;
  };
  static Probe const probes[] = {{HKEY_CURRENT_USER, "SOFTWARE\\Brimvale"},
                                 {HKEY_LOCAL_MACHINE, "SOFTWARE\\Brimvale"},
                                 {HKEY_CURRENT_USER, "SOFTWARE\\Brim Vale Technologies"},
                                 {HKEY_LOCAL_MACHINE, "SOFTWARE\\Brim Vale Technologies"}};
  Probe chosen = probes[0];
  for (Probe const& probe : probes) {
    if (KeyPresent(probe.hive, probe.path)) {
      chosen = probe;
      break;
    }
  }
  libraryFactory = std::make_unique<VRegistryStoreFactory>(chosen.hive, chosen.path);
  return libraryFactory.get();
}

void ResetLibraryRegistryFactory() { libraryFactory.reset(); }
