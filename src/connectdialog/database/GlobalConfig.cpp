#include "database/GlobalConfig.h"

#include <algorithm>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "database/ProductSettings.h"
#include "library/LibraryState.h"
#include "platform/notify/RegisteredMessages.h"
#include "platform/ui/UserInterface.h"

namespace {

// The assigned value becomes the loaded one, marked to be written at the next save.
template <typename Value, typename T>
void ReplaceLoaded(Value& value, T const& replacement) {
  if (static_cast<T>(value) == replacement) return;
  value = replacement;
  value.Checkpoint();
}

// Registered once per process; a failed registration is tried again at the next call.
unsigned int Registered(unsigned int& id, char const* name) {
  if (id == 0) id = RegisterWindowMessage(name);
  return id;
}

// Values below `floor` become `low`; values above `high` become `high`.
int Limit(int value, int floor, int low, int high) { return value < floor ? low : std::min(value, high); }

}  // namespace

GlobalConfig::GlobalConfig(VProfileKey* key)
    : printerSerialPort(nullptr),
      m_fileTransferHost(GetApplicationName().View().find("Korvo") == std::string_view::npos) {
  Load(key);
  if (key) quickSync.Load(key, SynchronizeProfile::kKeyName);
  if (enableFontSmoothing.IsDirty()) ReplaceLoaded(enableFontSmoothing, GetUserInterface().FontSmoothing());
  configPath.SetName("Config Path");
  configPath.Load(nullptr, ProductSettings::ConfigPath(GetApplicationName()));
  configPath.SetDirty(false);
  ClampLoaded();
}

unsigned int GlobalConfig::GetGlobalConfigChangeMessage() {
  static unsigned int id = 0;
  return Registered(id, "Brimvale_Software_Global_Config_Change");
}

unsigned int GlobalConfig::GetTraymindShowSelectionMessage() {
  static unsigned int id = 0;
  return Registered(id, "Brimvale_Software_Traymind_Show_Selection");
}

VProfileOptionTable const& GlobalConfig::ProfileTable() const {
  return m_fileTransferHost ? _profileOffsetsHfyx : _profileOffsets;
}

void GlobalConfig::ClampLoaded() {
  ReplaceLoaded(viewLeftMargin, Limit(viewLeftMargin, 1, 0, 20));
  ReplaceLoaded(mruCount, Limit(mruCount, 1, 0, 9));
  ReplaceLoaded(maxColumns, Limit(maxColumns, 133, 132, 1024));
  ReplaceLoaded(maxComPorts, Limit(maxComPorts, 5, 4, 50));
}

void GlobalConfig::Save() {
  MoveConfigPath();
  RollBackOverrides();
  VProfileStore store;
  VProfileKey global(store.Root(), "Global");
  for (VProfileExplorerFrameState* state :
       {&localExplorerFrameState, &remoteExplorerFrameState, &synchronizeExplorerFrameState})
    state->Save(&global, false);
  if (quickSync.IsModified()) {
    quickSync.Save(&global, true);
    quickSync.Checkpoint();
  }
  VProfileRecord::Save(&global, false);
}

void GlobalConfig::MoveConfigPath() {
  if (!configPath.IsModified()) return;
  VString const& application = GetApplicationName();
  VString const oldPath = ProductSettings::ConfigPath(application);
  bool ownUpdated = false;
  for (char const* product : {"Korvo", "HaloKorvo", "HaloFyx"}) {
    if (ProductSettings::ConfigPath(product) != oldPath) continue;
    ProductSettings::SetConfigPath(product, configPath);
    ownUpdated = ownUpdated || application == product;
  }
  // A host of another name shares no folder by this rule but still keeps its own entry.
  if (!ownUpdated) ProductSettings::SetConfigPath(application, configPath);
  configPath.Checkpoint();
  configPath.SetDirty(false);
}

void GlobalConfig::RollBackOverrides() {
  if (overrideTransferType) transferType.Rollback();
  if (overrideOverwriteAction) overwriteAction.Rollback();
  if (overrideLogFile) {
    enableLogFile.Rollback();
    logFile.Rollback();
  }
  if (overrideRetry) {
    retryAttempts.Rollback();
    retryDelay.Rollback();
  }
}
