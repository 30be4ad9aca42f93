// Building a session from a fully populated stored key, and saving one whole into an empty key,
// each with the store opened and closed inside the timing, on the SSH2 plug-in.
#include <benchmark/benchmark.h>

#include <string>

#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "database/GlobalConfigInstance.h"
#include "platform/registry/Registry.h"
#include "session/ConnectProtocolTable.h"
#include "session/LoadProtocolDll.h"
#include "session/SessionConfig.h"
#include "support/BuiltProtocols.h"
#include "support/ScopedRoot.h"

namespace {

// Every option stored, several away from their defaults.
void StoreFullSession(VProfileKey& key) {
  SessionConfig session("Full", nullptr);
  session.GetTermConnectConfig()->SetHostname("host.example");
  session.loginScript = "login: user";
  session.description.SetText("first line\nsecond line");
  session.idleTimeout = 600;
  session.terminal.cols = 132;
  session.Save(&key, true);
}

// Argument: the store (0 the registry's SQLite hive, 1 memory).
class SessionBench {
 public:
  explicit SessionBench(int64_t memory)
      : m_factory(memory ? static_cast<VProfileStoreFactory*>(&m_memory) : &m_registry) {
    RegisterBuiltSsh2();
    GlobalConfig* global = nullptr;
    GetGlobalConfig(global);  // loaded once per process, as in a host
  }
  ~SessionBench() {
    GlobalConfig* global = nullptr;
    ResetGlobalConfig(global);
    GetConnectProtocolTable().RemoveAll();
  }
  VProfileStoreFactory* Factory() { return m_factory; }

 private:
  ScopedRoot m_root;
  VRegistryStoreFactory m_registry{HKEY_CURRENT_USER, "Software\\Brimvale\\Bench"};
  VMemoryStoreFactory m_memory;
  VProfileStoreFactory* m_factory;
};

void BM_SessionConfigFromStoredKey(benchmark::State& state) {
  SessionBench bench(state.range(0));
  {
    VProfileStore store(bench.Factory());
    VProfileKey key(store.Root(), "Sessions\\Full");
    StoreFullSession(key);
  }
  for (auto _ : state) {
    VProfileStore store(true, bench.Factory());
    VProfileKey key(store.Root(), "Sessions\\Full");
    SessionConfig session("Full", &key);
    benchmark::DoNotOptimize(session.idleTimeout);
  }
}
BENCHMARK(BM_SessionConfigFromStoredKey)->ArgNames({"memory"})->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SessionConfigForcedSaveIntoEmptyKey(benchmark::State& state) {
  SessionBench bench(state.range(0));
  SessionConfig session("Full", nullptr);
  int n = 0;
  for (auto _ : state) {
    std::string const path = "Sessions\\Copy" + std::to_string(n++);
    VProfileStore store(bench.Factory());
    VProfileKey key(store.Root(), path.c_str());
    session.Save(&key, true);
  }
}
BENCHMARK(BM_SessionConfigForcedSaveIntoEmptyKey)->ArgNames({"memory"})->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
