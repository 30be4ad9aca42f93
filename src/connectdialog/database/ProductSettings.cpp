#include "database/ProductSettings.h"

#include <cstdint>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"

namespace {

// Exactly the user's key: these entries never move to the machine hive or an older maker key.
VRegistryStoreFactory& UserFactory() {
  static VRegistryStoreFactory factory(HKEY_CURRENT_USER, "SOFTWARE\\Brimvale");
  return factory;
}

}  // namespace

VString ProductSettings::ConfigPath(VString const& product) {
  VString path;
  if (product.IsEmpty()) return path;
  VProfileStore store(true, &UserFactory());
  VProfileKey key(store.Root(), product);
  if (!key.GetSz("Config Path", path)) path.Empty();
  return path;
}

bool ProductSettings::SetConfigPath(VString const& product, VString const& path) {
  if (product.IsEmpty()) return false;
  VProfileStore store(false, &UserFactory());
  VProfileKey key(store.Root(), product);
  return key.SetSz("Config Path", path);
}

int ProductSettings::Integrated() {
  VProfileStore store(true, &UserFactory());
  VProfileKey key(store.Root(), "Global");
  unsigned long integrated = 0;
  return key.GetDword("Integrated", integrated) ? static_cast<int>(static_cast<int32_t>(integrated)) : -1;
}

bool ProductSettings::SetIntegrated(int integrated) {
  VProfileStore store(false, &UserFactory());
  VProfileKey key(store.Root(), "Global");
  return key.SetDword("Integrated", static_cast<uint32_t>(integrated));
}
