// Makes the private stores behind VProfileStore. A host installs the factory getter that
// every opening of the profile store asks (ConnectDialogDllInitProfileFactory).
#pragma once

class VProfilePrivateStore;

class VProfileStoreFactory {
 public:
  virtual ~VProfileStoreFactory() = default;
  // A new private store, owned by the caller.
  virtual VProfilePrivateStore* CreateStore() = 0;

  // Opaque key-creation security attributes handed to the platform; the library leaves them empty.
  void* m_securityAttributes = nullptr;
};

using VProfileStoreFactoryGetter = VProfileStoreFactory* (*)();

// The installed getter (none until a host installs one) and the factory it answers now.
void SetProfileStoreFactoryGetter(VProfileStoreFactoryGetter getter);
VProfileStoreFactoryGetter GetProfileStoreFactoryGetter();
VProfileStoreFactory* GetInstalledProfileStoreFactory();
