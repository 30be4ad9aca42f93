#include "session/SSH2GlobalConfig.h"

#include "VProfileKey.h"
#include "VProfileStore.h"

namespace {

constexpr char kKeyPath[] = "Global\\SSH2";

}  // namespace

VProfileTable<SSH2GlobalConfig> const SSH2GlobalConfig::_profileOffsets{
    {"SSH2 Known Hosts File", &SSH2GlobalConfig::knownHostsFile, ""},
    {"SSH2 Default Identity Filename", &SSH2GlobalConfig::defaultIdentityFile, ""},
    {"SSH2 Keep Alive Interval", &SSH2GlobalConfig::keepAliveInterval, 0},
    {"SSH2 Strict Host Key Checking", &SSH2GlobalConfig::strictHostKeyChecking, int{kAsk}},
};

std::unique_ptr<SSH2GlobalConfig> SSH2GlobalConfig::LoadStored() {
  VProfileStore store(true, nullptr);
  if (!store.Root() || !store.Root()->KeyExists(kKeyPath)) return std::make_unique<SSH2GlobalConfig>(nullptr);
  VProfileKey key(store.Root(), kKeyPath);
  return std::make_unique<SSH2GlobalConfig>(&key);
}

bool SSH2GlobalConfig::SaveStored() {
  if (!IsModified()) return true;
  VProfileStore store;
  if (!store.Root()) return false;
  {
    VProfileKey key(store.Root(), kKeyPath);
    Save(&key, false);
  }
  if (!store.Close()) return false;
  Checkpoint();
  return true;
}
