#include "VProfileStoreFactory.h"

namespace {
VProfileStoreFactoryGetter installedGetter = nullptr;
}

void SetProfileStoreFactoryGetter(VProfileStoreFactoryGetter getter) { installedGetter = getter; }
VProfileStoreFactoryGetter GetProfileStoreFactoryGetter() { return installedGetter; }
VProfileStoreFactory* GetInstalledProfileStoreFactory() { return installedGetter ? installedGetter() : nullptr; }
