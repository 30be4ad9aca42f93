#include "database/ConfigurationUpgrade.h"

#include "VBasicBuffer.h"
#include "database/GlobalConfigInstance.h"
#include "database/SessionDatabase.h"
#include "library/LibraryState.h"
#include "session/FirewallConfig.h"
#include "session/FirewallStore.h"
#include "session/ISessionConfig.h"

namespace {

constexpr char const* kOlderVersion = "0311ABC6-1CDD-46fc-A08A-0D7C00242FCA";

void LoadOnce(VProfileKey& /*key*/, char const* path, char const* /*name*/, void* /*context*/) {
  ISessionConfig* session = SessionDatabase(0).Lookup(path);
  if (session) session->Release();
}

void LoadEveryFirewall() {
  VBasicBuffer* buffer = new VBasicBuffer(256, false);
  SessionDatabase::GetSerializedFirewallNames(buffer);
  CStringList names;
  FirewallStore::SplitSerializedFirewallNames(buffer->Data(), buffer->Length(), names);
  buffer->Release();
  for (POSITION p = names.GetHeadPosition(); p;) delete SessionDatabase::LookupFirewall(names.GetNext(p));
}

[[maybe_unused]] bool const upgradeInstalled = (SetConfigurationUpgrade(&UpgradeConfiguration), true);

}  // namespace

void UpgradeConfiguration() {
  GlobalConfig* config = LoadedGlobalConfig();
  if (!config || config->version != kOlderVersion) return;
  SessionDatabase::EnumAllSessions(&LoadOnce, nullptr);
  LoadEveryFirewall();
  config->version = GlobalConfig::kCurrentVersion;
  config->Save();
}
