// A key of the user's registry hive installed as the process's profile store for one test (use
// inside a ScopedRoot).
#pragma once

#include "VRegistryStoreFactory.h"
#include "support/InstalledStore.h"

struct InstalledRegistryStore : InstalledStore<VRegistryStoreFactory> {
  explicit InstalledRegistryStore(char const* keyPath) : InstalledStore(HKEY_CURRENT_USER, keyPath) {}
};
