#include "database/ConfigFolder.h"

#include "library/LibraryState.h"
#include "database/ProductSettings.h"
#include "platform/registry/HiveLocations.h"

std::string ConfigFolder::Default() { return UserConfigFolder() + "/" + GetApplicationName().Str() + "/"; }

std::string ConfigFolder::Current() {
  VString const recorded = ProductSettings::ConfigPath(GetApplicationName());
  return recorded.IsEmpty() ? Default() : recorded.Str();
}

std::string ConfigFolder::StoreFile() { return StoreFileIn(Current()); }

std::string ConfigFolder::StoreFileIn(VString const& folder) {
  std::string path = folder.Str();
  if (!path.empty() && path.back() != '/') path += '/';
  return path + "config.db";
}
