// The profile store factory of a host that keeps its store in its configuration folder (see
// ConfigFolder): every store it makes opens that folder's config.db as it is at that moment,
// so a changed "Config Path" takes effect at the next opening of the store.
#pragma once

#include "VProfileStoreFactory.h"

class ConfigFolderStoreFactory : public VProfileStoreFactory {
 public:
  VProfilePrivateStore* CreateStore() override;
};

// Installs the configuration folder's store as the profile factory getter: the one call a host
// needs instead of writing its own factory and getter (ConnectDialogDllInitProfileFactory).
void ConnectDialogDllInitConfigFolderFactory();
