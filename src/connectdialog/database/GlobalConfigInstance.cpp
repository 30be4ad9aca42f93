#include "database/GlobalConfigInstance.h"

#include <memory>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "library/TerminalColumnLimit.h"

namespace {

// Its destructor at library unload drops the instance without saving it.
std::unique_ptr<GlobalConfig> instance;

constexpr char const* kOlderVersion = "0311ABC6-1CDD-46fc-A08A-0D7C00242FCA";

unsigned long ConfiguredMaxColumns() {
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  return config->maxColumns;
}

// Terminal records take their width limit from the options from the moment the library is loaded.
[[maybe_unused]] bool const columnLimitInstalled = (SetTerminalColumnLimitSource(&ConfiguredMaxColumns), true);

}  // namespace

void GetGlobalConfig(GlobalConfig*& config) {
  if (!instance) {
    VProfileStore store(true, nullptr);
    VProfileKey global(store.Root(), "Global");
    instance = std::make_unique<GlobalConfig>(&global);
  }
  config = instance.get();
}

GlobalConfig* LoadedGlobalConfig() { return instance.get(); }

void ReloadGlobalConfig(GlobalConfig*& config) {
  instance.reset();
  GetGlobalConfig(config);
}

void ResetGlobalConfig(GlobalConfig*& config) {
  instance.reset();
  config = nullptr;
}

bool SaveGlobalConfig() {
  if (!instance) return false;
  instance->Save();
  return true;
}

GlobalConfig* CreateGlobalConfig(VProfileKey* key) { return new GlobalConfig(key); }

bool CheckGlobalConfigVersion(VProfileStore& store) {
  VProfileKey global(store.Root(), "Global");
  VString version;
  if (!global.GetSz("Version", version)) return false;
  return version == GlobalConfig::kCurrentVersion || version == kOlderVersion;
}
