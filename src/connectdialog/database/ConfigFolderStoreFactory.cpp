#include "database/ConfigFolderStoreFactory.h"

#include "VHiveFileStore.h"
#include "database/ConfigFolder.h"
#include "library/LibraryState.h"

VProfilePrivateStore* ConfigFolderStoreFactory::CreateStore() { return new VHiveFileStore(ConfigFolder::StoreFile()); }

namespace {

VProfileStoreFactory* ConfigFolderFactory() {
  static ConfigFolderStoreFactory factory;
  return &factory;
}

}  // namespace

void ConnectDialogDllInitConfigFolderFactory() { ConnectDialogDllInitProfileFactory(ConfigFolderFactory); }
